#!/usr/bin/env python3
"""Draws the tool's artwork and writes the icon and bitmap files next to this script.

Icons: one 32 x 32 image each with a 1-bit mask; main.ico and exit.ico at 8 bits per pixel with a
256-entry colour table, format.ico and update.ico at 24 bits per pixel. background.bmp: the
240 x 160, 24-bit tile of the main dialog. Standard library only; the output is committed.
"""
import math
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
N = 32

# A 5 x 7 pixel font for the few letters of the word mark.
FONT = {
    "K": ["10001", "10010", "10100", "11000", "10100", "10010", "10001"],
    "E": ["11111", "10000", "10000", "11110", "10000", "10000", "11111"],
    "L": ["10000", "10000", "10000", "10000", "10000", "10000", "11111"],
    "V": ["10001", "10001", "10001", "10001", "10001", "01010", "00100"],
    "O": ["01110", "10001", "10001", "10001", "10001", "10001", "01110"],
    "R": ["11110", "10001", "10001", "11110", "10100", "10010", "10001"],
    "I": ["11111", "00100", "00100", "00100", "00100", "00100", "11111"],
    "N": ["10001", "11001", "10101", "10011", "10001", "10001", "10001"],
}


class Canvas:
    def __init__(self, w, h, fill=None):
        self.w, self.h = w, h
        self.px = [[fill] * w for _ in range(h)]  # (r, g, b) or None for transparent

    def set(self, x, y, c):
        if 0 <= x < self.w and 0 <= y < self.h:
            self.px[y][x] = c

    def get(self, x, y):
        return self.px[y][x]

    def rect(self, x0, y0, x1, y1, c):
        for y in range(y0, y1):
            for x in range(x0, x1):
                self.set(x, y, c)

    def round_rect(self, x0, y0, x1, y1, r, c):
        for y in range(y0, y1):
            for x in range(x0, x1):
                dx = max(x0 + r - x - 0.5, 0, x - (x1 - r) + 0.5)
                dy = max(y0 + r - y - 0.5, 0, y - (y1 - r) + 0.5)
                if dx * dx + dy * dy <= r * r:
                    self.set(x, y, c)

    def disc(self, cx, cy, r, c):
        for y in range(self.h):
            for x in range(self.w):
                if (x + 0.5 - cx) ** 2 + (y + 0.5 - cy) ** 2 <= r * r:
                    self.set(x, y, c)

    def thick_line(self, x0, y0, x1, y1, width, c):
        length = math.hypot(x1 - x0, y1 - y0)
        for y in range(self.h):
            for x in range(self.w):
                px, py = x + 0.5, y + 0.5
                t = max(0.0, min(1.0, ((px - x0) * (x1 - x0) + (py - y0) * (y1 - y0)) / (length * length)))
                d = math.hypot(px - (x0 + t * (x1 - x0)), py - (y0 + t * (y1 - y0)))
                if d <= width / 2:
                    self.set(x, y, c)

    def polygon(self, pts, c):
        for y in range(self.h):
            for x in range(self.w):
                px, py, inside = x + 0.5, y + 0.5, False
                for i in range(len(pts)):
                    ax, ay = pts[i]
                    bx, by = pts[(i + 1) % len(pts)]
                    if (ay > py) != (by > py) and px < ax + (py - ay) * (bx - ax) / (by - ay):
                        inside = not inside
                if inside:
                    self.set(x, y, c)

    def text(self, s, x0, y0, scale, colours):
        x = x0
        for i, ch in enumerate(s):
            for row, bits in enumerate(FONT[ch]):
                for col, bit in enumerate(bits):
                    if bit == "1":
                        self.rect(x + col * scale, y0 + row * scale, x + (col + 1) * scale,
                                  y0 + (row + 1) * scale, colours[i % len(colours)])
            x += 6 * scale


def draw_main():
    c = Canvas(N, N, (255, 255, 255))  # opaque white field
    c.text("KV", 4, 6, 2, [(128, 128, 128), (204, 0, 0)])
    c.rect(4, 23, 28, 25, (204, 0, 0))
    c.rect(4, 26, 28, 27, (128, 128, 128))
    return c


def draw_exit():
    c = Canvas(N, N)
    c.round_rect(1, 1, 31, 31, 6, (204, 24, 24))
    c.thick_line(9, 9, 23, 23, 4, (255, 255, 255))
    c.thick_line(23, 9, 9, 23, 4, (255, 255, 255))
    return c


def draw_format():
    c = Canvas(N, N)
    c.round_rect(1, 9, 31, 29, 3, (150, 150, 150))   # the drive's body
    c.rect(3, 11, 29, 13, (190, 190, 190))            # its top edge
    c.rect(22, 24, 28, 26, (60, 200, 60))             # activity light
    # The compact disc, half inserted, in rainbow colours.
    for y in range(N):
        for x in range(N):
            dx, dy = x + 0.5 - 13, y + 0.5 - 11
            r = math.hypot(dx, dy)
            if 2.5 < r <= 10 and y < 18:
                hue = (math.atan2(dy, dx) / (2 * math.pi)) % 1.0
                c.set(x, y, hsv(hue, 0.7, 1.0))
            elif r <= 2.5 and y < 18:
                c.set(x, y, None)
    c.rect(3, 18, 29, 20, (70, 70, 70))               # the slot
    return c


def draw_update():
    c = Canvas(N, N)
    c.round_rect(6, 1, 26, 31, 4, (150, 150, 150))    # hand-held body
    c.rect(9, 4, 23, 20, (30, 34, 40))                # dark screen
    c.polygon([(16, 5), (22, 12), (18, 12), (18, 18), (14, 18), (14, 12), (10, 12)], (220, 20, 20))
    for i, x in enumerate((10, 15, 20)):
        c.round_rect(x, 23, x + 3, 27, 1, (90, 90, 90))
    return c


def hsv(h, s, v):
    i = int(h * 6) % 6
    f = h * 6 - int(h * 6)
    p, q, t = v * (1 - s), v * (1 - f * s), v * (1 - (1 - f) * s)
    r, g, b = [(v, t, p), (q, v, p), (p, v, t), (p, q, v), (t, p, v), (v, p, q)][i]
    return (int(r * 255), int(g * 255), int(b * 255))


def palette256():
    # A 6 x 6 x 6 colour cube and 40 greys.
    pal = [(r * 51, g * 51, b * 51) for r in range(6) for g in range(6) for b in range(6)]
    pal += [(int(i * 255 / 39),) * 3 for i in range(40)]
    return pal


def nearest(pal, c):
    return min(range(len(pal)), key=lambda i: sum((a - b) ** 2 for a, b in zip(pal[i], c)))


def mask_rows(c):
    rows = []
    for y in reversed(range(N)):
        bits = 0
        for x in range(N):
            bits = (bits << 1) | (1 if c.get(x, y) is None else 0)
        rows.append(struct.pack(">I", bits))
    return b"".join(rows)


def write_ico(name, c, bpp):
    if bpp == 8:
        pal = palette256()
        index = {}
        rows = []
        for y in reversed(range(N)):
            row = bytearray()
            for x in range(N):
                px = c.get(x, y) or (0, 0, 0)
                if px not in index:
                    index[px] = nearest(pal, px)
                row.append(index[px])
            rows.append(bytes(row))
        colours = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in pal)
        xor = b"".join(rows)
    else:
        colours = b""
        xor = b"".join(
            b"".join(struct.pack("<BBB", *(reversed(c.get(x, y) or (0, 0, 0)))) for x in range(N))
            for y in reversed(range(N)))
    image = struct.pack("<IiiHHIIiiII", 40, N, 2 * N, 1, bpp, 0, len(xor) + N * 4, 0, 0,
                        256 if bpp == 8 else 0, 0) + colours + xor + mask_rows(c)
    header = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", N, N, 0, 0, 1, bpp, len(image), 6 + 16)
    with open(os.path.join(HERE, name), "wb") as f:
        f.write(header + entry + image)


def write_background():
    w, h = 240, 160
    field = (201, 211, 211)
    c = Canvas(w, h, field)
    # The word mark, faint and tilted, drawn into a scratch canvas and rotated onto the field.
    mark = Canvas(w, h)
    word = "KELVORIN"
    scale = 4
    x0 = (w - (6 * len(word) - 1) * scale) // 2
    mark.text(word, x0, (h - 7 * scale) // 2, scale, [(186, 196, 198)])
    angle = math.radians(-12)
    cs, sn = math.cos(angle), math.sin(angle)
    for y in range(h):
        for x in range(w):
            sx = cs * (x - w / 2) + sn * (y - h / 2) + w / 2
            sy = -sn * (x - w / 2) + cs * (y - h / 2) + h / 2
            ix, iy = int(sx), int(sy)
            if 0 <= ix < w and 0 <= iy < h and mark.get(ix, iy):
                c.set(x, y, mark.get(ix, iy))
    pixels = b"".join(
        b"".join(struct.pack("<BBB", *reversed(c.get(x, y))) for x in range(w)) for y in reversed(range(h)))
    pixels += b"\0\0"  # the image size field counts two trailing zero bytes
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 24, 0, len(pixels), 2834, 2834, 0, 0)
    fileheader = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(pixels), 0, 0, 14 + len(info))
    with open(os.path.join(HERE, "background.bmp"), "wb") as f:
        f.write(fileheader + info + pixels)


if __name__ == "__main__":
    write_ico("main.ico", draw_main(), 8)
    write_ico("exit.ico", draw_exit(), 8)
    write_ico("format.ico", draw_format(), 24)
    write_ico("update.ico", draw_update(), 24)
    write_background()
