#!/usr/bin/env python3
"""Writes listicons.bmp: the bitmap strip of the report list's gallery page and tests.

Two rows of eight 16 x 16 images on pure green (0, 255, 0), the colour drawn transparently.
Image i of row r is a filled shape in COLOURS[r][i], inset 3 pixels from every edge, so the
image's corners always show what lies below and its centre always shows the colour."""
import struct
import sys

W, H, COLS, ROWS = 16, 16, 8, 2
GREEN = (0, 255, 0)
COLOURS = [
    [(200, 0, 0), (0, 0, 200), (230, 180, 0), (120, 60, 0), (128, 128, 128), (0, 140, 140), (160, 0, 160), (0, 0, 0)],
    [(255, 128, 0), (0, 100, 0), (90, 90, 255), (255, 0, 128), (60, 60, 60), (200, 200, 0), (0, 180, 255), (150, 75, 0)],
]


def pixel(x, y):
    col, row = x // W, y // H
    ix, iy = x % W, y % H
    if 3 <= ix < W - 3 and 3 <= iy < H - 3:
        # circles in even images, squares in odd ones
        if col % 2 == 0 and (ix - 7.5) ** 2 + (iy - 7.5) ** 2 > 20.5:
            return GREEN
        return COLOURS[row][col]
    return GREEN


def main(path):
    width, height = W * COLS, H * ROWS
    stride = (width * 3 + 3) & ~3
    rows = []
    for y in range(height - 1, -1, -1):  # bottom-up
        line = b"".join(bytes((b, g, r)) for (r, g, b) in (pixel(x, y) for x in range(width)))
        rows.append(line + b"\0" * (stride - width * 3))
    bits = b"".join(rows)
    header = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(bits), 2835, 2835, 0, 0)
    filehdr = struct.pack("<2sIHHI", b"BM", 14 + 40 + len(bits), 0, 0, 14 + 40)
    with open(path, "wb") as f:
        f.write(filehdr + header + bits)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "listicons.bmp")
