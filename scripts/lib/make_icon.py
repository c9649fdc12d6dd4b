#!/usr/bin/env python3
"""Draws roster's icon, a roster sheet (a blue heading, rows of names) with
an orange sort arrow, and writes it as a Windows icon of 16 to 256 pixels:
32-bit bitmaps up to 64 pixels, PNG above. Run once when the drawing
changes; the .ico it writes is committed.

Usage: make_icon.py OUT.ico
"""
import struct
import sys
import zlib

SIZES = [16, 20, 24, 32, 40, 48, 64, 128, 256]
SAMPLES = 4  # per pixel and axis

WHITE = (255, 255, 255)
INK = (31, 78, 121)       # the sheet's edge
HEADING = (46, 117, 182)  # the heading row
ROW = (64, 64, 64)        # the names
ARROW = (237, 125, 49)


def in_rounded(x, y, left, top, right, bottom, radius):
    if not (left <= x <= right and top <= y <= bottom):
        return False
    cx = min(max(x, left + radius), right - radius)
    cy = min(max(y, top + radius), bottom - radius)
    return (x - cx) ** 2 + (y - cy) ** 2 <= radius ** 2


def in_triangle(x, y, a, b, c):
    def side(p, q):
        return (q[0] - p[0]) * (y - p[1]) - (q[1] - p[1]) * (x - p[0])
    d1, d2, d3 = side(a, b), side(b, c), side(c, a)
    return (d1 >= 0 and d2 >= 0 and d3 >= 0) or (d1 <= 0 and d2 <= 0 and d3 <= 0)


def colour_at(x, y, size):
    """The colour at (x, y) in [0, 1]^2, or None for nothing. The edge and
    the rows are whole pixels, so they stay sharp at 16 pixels."""
    def snapped(v):
        return max(round(v * size), 1) / size
    edge = snapped(0.05)
    if in_triangle(x, y, (0.60, 0.55), (0.94, 0.55), (0.77, 0.90)) or (0.72 <= x <= 0.82 and 0.34 <= y <= 0.56):
        return ARROW
    if not in_rounded(x, y, 0.06, 0.04, 0.82, 0.96, 0.09):
        return None
    if not in_rounded(x, y, 0.06 + edge, 0.04 + edge, 0.82 - edge, 0.96 - edge, max(0.09 - edge, 0.0)):
        return INK
    if y <= snapped(0.28):
        return HEADING
    line = snapped(0.075)
    for top in (0.40, 0.57, 0.74):
        if snapped(top) <= y < snapped(top) + line and 0.18 <= x <= 0.62:
            return ROW
    return WHITE


def draw(size):
    """Rows of RGBA pixels, top first."""
    rows = []
    for py in range(size):
        row = []
        for px in range(size):
            r = g = b = a = 0
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    c = colour_at((px + (sx + 0.5) / SAMPLES) / size, (py + (sy + 0.5) / SAMPLES) / size, size)
                    if c is not None:
                        r, g, b, a = r + c[0], g + c[1], b + c[2], a + 1
            if a:
                row.append((r // a, g // a, b // a, 255 * a // (SAMPLES * SAMPLES)))
            else:
                row.append((0, 0, 0, 0))
        rows.append(row)
    return rows


def png(rows):
    size = len(rows)
    raw = b''.join(b'\0' + bytes(v for pixel in row for v in pixel) for row in rows)

    def chunk(kind, data):
        return struct.pack('>I', len(data)) + kind + data + struct.pack('>I', zlib.crc32(kind + data) & 0xFFFFFFFF)
    return (b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', struct.pack('>IIBBBBB', size, size, 8, 6, 0, 0, 0)) +
            chunk(b'IDAT', zlib.compress(raw, 9)) + chunk(b'IEND', b''))


def bitmap(rows):
    size = len(rows)
    header = struct.pack('<IiiHHIIiiII', 40, size, 2 * size, 1, 32, 0, 0, 0, 0, 0, 0)
    colours = b''.join(bytes((p[2], p[1], p[0], p[3])) for row in reversed(rows) for p in row)
    stride = ((size + 31) // 32) * 4
    mask = b''
    for row in reversed(rows):
        bits = bytearray(stride)
        for x, p in enumerate(row):
            if p[3] == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bytes(bits)
    return header + colours + mask


def main():
    images = [(size, png(draw(size)) if size > 64 else bitmap(draw(size))) for size in SIZES]
    out = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in images:
        out += struct.pack('<BBBBHHII', size % 256, size % 256, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    out += b''.join(data for _, data in images)
    with open(sys.argv[1], 'wb') as f:
        f.write(out)


if __name__ == '__main__':
    main()
