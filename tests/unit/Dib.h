#pragma once
// A 32-bit top-down DIB section selected into a memory DC, for reading pixels back.
#include <windows.h>
#include <cstdint>

class Dib {
public:
    Dib(int w, int h) : w(w), h(h)
    {
        BITMAPINFO bi{};
        bi.bmiHeader = {sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        dc = CreateCompatibleDC(nullptr);
        bmp = CreateDIBSection(dc, &bi, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits), nullptr, 0);
        old = SelectObject(dc, bmp);
    }
    ~Dib()
    {
        SelectObject(dc, old);
        DeleteObject(bmp);
        DeleteDC(dc);
    }
    Dib(const Dib&) = delete;
    Dib& operator=(const Dib&) = delete;

    COLORREF Pixel(int x, int y) const
    {
        GdiFlush();
        uint32_t v = bits[y * w + x];
        return RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
    }
    void Fill(COLORREF c)
    {
        GdiFlush();
        uint32_t v = (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
        for (int i = 0; i < w * h; ++i)
            bits[i] = v;
    }

    int w, h;
    HDC dc = nullptr;

private:
    HBITMAP bmp = nullptr;
    HGDIOBJ old = nullptr;
    uint32_t* bits = nullptr;
};

// The main dialog's background tile as pixels, from this executable's resources.
inline COLORREF TilePixel(int x, int y)
{
    static Dib* tile = [] {
        Dib* d = new Dib(240, 160);
        HBITMAP h = static_cast<HBITMAP>(
            LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(129), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
        HDC src = CreateCompatibleDC(nullptr);
        HGDIOBJ old = SelectObject(src, h);
        BitBlt(d->dc, 0, 0, 240, 160, src, 0, 0, SRCCOPY);
        SelectObject(src, old);
        DeleteDC(src);
        DeleteObject(h);
        return d;
    }();
    return tile->Pixel(((x % 240) + 240) % 240, ((y % 160) + 160) % 160);
}
