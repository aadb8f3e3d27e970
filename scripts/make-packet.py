#!/usr/bin/env python3
"""Writes a generated update packet: make-packet.py DIR FILES FOLDERS MIN_BYTES MAX_BYTES [SEED]"""
import os
import random
import sys

root, files, folders, lo, hi = sys.argv[1], *map(int, sys.argv[2:6])
rng = random.Random(int(sys.argv[6]) if len(sys.argv) > 6 else 1)
os.makedirs(root, exist_ok=True)
dirs = []
for i in range(folders):
    # Two levels, so the walk recurses as in a real packet.
    d = os.path.join(root, f"D{i // 20:02d}", f"S{i:03d}") if folders > 1 else root
    os.makedirs(d, exist_ok=True)
    dirs.append(d)
chunk = os.urandom(1 << 20)
for i in range(files):
    size = rng.randint(lo, hi)
    with open(os.path.join(dirs[i % len(dirs)], f"F{i:05d}.BIN"), "wb") as f:
        while size > 0:
            n = min(size, len(chunk))
            f.write(chunk[:n])
            size -= n
