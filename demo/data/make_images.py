#!/usr/bin/env python3
"""Writes the gallery's bitmap and drawing files (run from this folder; no arguments).

plan.dwg, section.dwg  drawings whose image area holds a header entry and an 8-bit bitmap thumbnail
pump.dwg               a drawing of a newer release: a header entry and a PNG preview only
flange.bmp             an 8-bit bitmap with a 256-colour table
sprite.bmp             a 24-bit bitmap on magenta (255, 0, 255), the transparent colour
The drawings carry only the file header's version text and the image area, which is what a
preview reads; they are not complete drawings.
"""
import math
import struct
import zlib

SENTINEL = bytes([0x1F, 0x25, 0x6D, 0x07, 0xD4, 0x36, 0x28, 0x28,
                  0x9D, 0x57, 0xCA, 0x3F, 0x9D, 0x44, 0x10, 0x2B])
END_SENTINEL = bytes(b ^ 0xFF for b in SENTINEL)


class Canvas:
    """An indexed-colour picture with lines, circles and filled rectangles."""

    def __init__(self, w, h, ground=0):
        self.w, self.h = w, h
        self.px = [[ground] * w for _ in range(h)]

    def dot(self, x, y, c):
        if 0 <= x < self.w and 0 <= y < self.h:
            self.px[int(y)][int(x)] = c

    def line(self, x0, y0, x1, y1, c):
        # three pixels wide, so that the lines survive when a preview shrinks the picture
        n = int(max(abs(x1 - x0), abs(y1 - y0))) + 1
        for i in range(n + 1):
            t = i / n
            x, y = round(x0 + (x1 - x0) * t), round(y0 + (y1 - y0) * t)
            for dy in (-1, 0, 1):
                for dx in (-1, 0, 1):
                    self.dot(x + dx, y + dy, c)

    def rect(self, x0, y0, x1, y1, c):
        self.line(x0, y0, x1, y0, c)
        self.line(x1, y0, x1, y1, c)
        self.line(x1, y1, x0, y1, c)
        self.line(x0, y1, x0, y0, c)

    def fill(self, x0, y0, x1, y1, c):
        for y in range(y0, y1):
            for x in range(x0, x1):
                self.dot(x, y, c)

    def circle(self, cx, cy, r, c, filled=False):
        for y in range(int(cy - r), int(cy + r) + 1):
            for x in range(int(cx - r), int(cx + r) + 1):
                d = math.hypot(x - cx, y - cy)
                if (filled and d <= r) or abs(d - r) < 1.6:
                    self.dot(x, y, c)


# The thumbnail palette: the host's first indexed colours, then greys.
PALETTE = [(0, 0, 0), (255, 0, 0), (255, 255, 0), (0, 255, 0), (0, 255, 255), (0, 0, 255),
           (255, 0, 255), (255, 255, 255)] + [(g, g, g) for g in range(8, 256)]


def dib8(canvas, palette):
    """An 8-bit information header, a 256-entry colour table and bottom-up rows."""
    stride = (canvas.w + 3) & ~3
    rows = b''.join(bytes(canvas.px[y]) + bytes(stride - canvas.w) for y in reversed(range(canvas.h)))
    header = struct.pack('<IiiHHIIiiII', 40, canvas.w, canvas.h, 1, 8, 0, len(rows), 0, 0, 0, 0)
    table = b''.join(bytes([b, g, r, 0]) for (r, g, b) in palette[:256])
    table += bytes(1024 - len(table))
    return header + table + rows


def bmp_file(dib, colors):
    off = 14 + 40 + 4 * colors
    return b'BM' + struct.pack('<IHHI', 14 + len(dib), 0, 0, off) + dib


def png(w, h, rgb_at):
    raw = b''.join(b'\0' + b''.join(bytes(rgb_at(x, y)) for x in range(w)) for y in range(h))

    def chunk(kind, data):
        return struct.pack('>I', len(data)) + kind + data + struct.pack('>I', zlib.crc32(kind + data))
    return (b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', struct.pack('>IIBBBBB', w, h, 8, 2, 0, 0, 0)) +
            chunk(b'IDAT', zlib.compress(raw, 9)) + chunk(b'IEND', b''))


def drawing(version, entries):
    """A drawing file: version text, the image area's offset at byte 13, then the image area with
    its entries (code, data)."""
    area = 0x40
    count = len(entries)
    data_start = area + 16 + 4 + 1 + 9 * count
    table, blobs, pos = b'', b'', data_start
    for code, blob in entries:
        table += struct.pack('<BII', code, pos, len(blob))
        blobs += blob
        pos += len(blob)
    body = bytes([count]) + table + blobs
    head = version.encode('ascii') + bytes(7) + struct.pack('<I', area)
    head += bytes(area - len(head))
    return head + SENTINEL + struct.pack('<I', len(body)) + body + END_SENTINEL + bytes(64)


def plan():
    c = Canvas(256, 160)
    c.rect(20, 20, 236, 140, 7)
    c.line(20, 80, 150, 80, 7)
    c.line(150, 20, 150, 140, 7)
    c.rect(170, 40, 220, 120, 2)
    for x in range(30, 140, 22):
        c.circle(x + 8, 50, 6, 4)
    c.line(30, 110, 140, 110, 1)
    c.line(30, 118, 140, 118, 1)
    c.circle(195, 80, 18, 3)
    return c


def section():
    c = Canvas(240, 160)
    c.circle(120, 80, 70, 7)
    c.circle(120, 80, 42, 7)
    for i in range(8):
        a = i * math.pi / 4
        c.circle(120 + 56 * math.cos(a), 80 + 56 * math.sin(a), 7, 2)
    c.line(30, 80, 210, 80, 1)
    c.line(120, 4, 120, 156, 1)
    return c


def pump_rgb(x, y):
    d = math.hypot(x - 90, y - 60)
    if abs(d - 40) < 1.2 or (150 <= x <= 170 and 30 <= y <= 90 and (x in (150, 170) or y in (30, 90))):
        return (20, 20, 20)
    if abs(y - 60) < 1 and 130 <= x <= 150:
        return (200, 0, 0)
    return (255, 255, 255)


def flange():
    c = Canvas(96, 64)
    for y in range(64):
        for x in range(96):
            c.px[y][x] = 8 + (x * 2 + y) * 247 // 255
    c.circle(48, 32, 26, 5, filled=True)
    c.circle(48, 32, 12, 7, filled=True)
    for i in range(6):
        a = i * math.pi / 3
        c.circle(48 + 19 * math.cos(a), 32 + 19 * math.sin(a), 3, 0, filled=True)
    return c


def sprite():
    w, h = 96, 96
    rows = []
    for y in reversed(range(h)):
        row = b''
        for x in range(w):
            d = math.hypot(x - 48, y - 48)
            a = math.atan2(y - 48, x - 48)
            tooth = 36 + 8 * (math.cos(a * 10) > 0)
            if d < 14:
                rgb = (255, 0, 255)
            elif d < tooth:
                shade = int(120 + 100 * (x / w))
                rgb = (shade // 3, shade // 2, shade)
            else:
                rgb = (255, 0, 255)
            row += bytes([rgb[2], rgb[1], rgb[0]])
        rows.append(row)
    pixels = b''.join(rows)
    header = struct.pack('<IiiHHIIiiII', 40, w, h, 1, 24, 0, len(pixels), 0, 0, 0, 0)
    return b'BM' + struct.pack('<IHHI', 54 + len(pixels), 0, 0, 54) + header + pixels


def main():
    header_entry = (1, bytes(80))
    with open('plan.dwg', 'wb') as f:
        f.write(drawing('AC1015', [header_entry, (2, dib8(plan(), PALETTE))]))
    with open('section.dwg', 'wb') as f:
        f.write(drawing('AC1018', [header_entry, (2, dib8(section(), PALETTE))]))
    with open('pump.dwg', 'wb') as f:
        f.write(drawing('AC1027', [header_entry, (6, png(200, 120, pump_rgb))]))
    greys = [(0, 0, 0)] * 8 + [(60 + i * 3 // 4, 80 + i // 2, 120 + i // 3) for i in range(248)]
    greys[5], greys[7] = (40, 90, 170), (250, 250, 250)
    with open('flange.bmp', 'wb') as f:
        f.write(bmp_file(dib8(flange(), greys), 256))
    with open('sprite.bmp', 'wb') as f:
        f.write(sprite())


if __name__ == '__main__':
    main()
