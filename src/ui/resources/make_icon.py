#!/usr/bin/env python3
"""Draws the program's icon and writes it as zarvelon.ico and zarvelon.png.

The picture: a white convex pentagon on the window's lavender, its outline
black, its fan of triangles from the first vertex in grey dashes and every
vertex a thick black dot. One 32 x 32 image with a 256-colour palette.
Standard library only, so the files can be made again anywhere:

    python3 make_icon.py [output directory]
"""

import os
import struct
import sys
import zlib

SIZE = 32

# Palette indexes; the rest of the 256 entries stay black.
BLACK, WHITE, LAVENDER, GREY = 0, 1, 2, 3
COLOURS = [(0, 0, 0), (255, 255, 255), (192, 192, 255), (112, 112, 112)]
PALETTE = COLOURS + [(0, 0, 0)] * (256 - len(COLOURS))

# The vertices in order round the outline; the fan starts at the first.
POLYGON = [(4, 19), (15, 28), (28, 18), (24, 4), (9, 5)]


def cross(o, a, b):
    return (a[0] - o[0]) * (b[1] - o[1]) - (a[1] - o[1]) * (b[0] - o[0])


def turns(polygon):
    n = len(polygon)
    return [cross(polygon[i], polygon[(i + 1) % n], polygon[(i + 2) % n]) for i in range(n)]


def inside(polygon, x, y):
    # Pixel centre against every edge of the convex polygon.
    n = len(polygon)
    p = (x + 0.5, y + 0.5)
    signs = [cross(polygon[i], polygon[(i + 1) % n], p) for i in range(n)]
    return all(s <= 0 for s in signs) or all(s >= 0 for s in signs)


def line(pixels, a, b, colour, dash=None):
    """Bresenham's line, end points included; dash = (on, off) in pixels."""
    (x0, y0), (x1, y1) = a, b
    dx, dy = abs(x1 - x0), -abs(y1 - y0)
    sx, sy = (1 if x1 > x0 else -1), (1 if y1 > y0 else -1)
    err, step = dx + dy, 0
    while True:
        if dash is None or step % sum(dash) < dash[0]:
            pixels[y0][x0] = colour
        if (x0, y0) == (x1, y1):
            return
        e2 = 2 * err
        if e2 >= dy:
            err += dy
            x0 += sx
        if e2 <= dx:
            err += dx
            y0 += sy
        step += 1


def draw():
    t = turns(POLYGON)
    if not (all(v > 0 for v in t) or all(v < 0 for v in t)):
        raise SystemExit("the icon's polygon is not strictly convex")
    pixels = [[WHITE if inside(POLYGON, x, y) else LAVENDER for x in range(SIZE)] for y in range(SIZE)]
    first = POLYGON[0]
    for vertex in POLYGON[2:-1]:
        line(pixels, first, vertex, GREY, dash=(2, 1))
    for i, vertex in enumerate(POLYGON):
        line(pixels, vertex, POLYGON[(i + 1) % len(POLYGON)], BLACK)
    for vx, vy in POLYGON:  # 3 x 3 dots
        for y in range(vy - 1, vy + 2):
            for x in range(vx - 1, vx + 2):
                if 0 <= x < SIZE and 0 <= y < SIZE:
                    pixels[y][x] = BLACK
    return pixels


def ico(pixels):
    """ICONDIR, one entry, then a BITMAPINFOHEADER image: palette, the colour
    bitmap and the transparency mask, both stored bottom row first."""
    xor = b"".join(bytes(row) for row in reversed(pixels))  # 32 bytes a row: aligned
    mask_row = (SIZE + 31) // 32 * 4
    and_mask = bytes(mask_row * SIZE)  # every pixel opaque
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, 2 * SIZE, 1, 8, 0,
                         len(xor) + len(and_mask), 0, 0, 0, 0)
    image = header + palette + xor + and_mask
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, 1, 8, len(image), 6 + 16)
    return directory + entry + image


def png(pixels):
    """An 8-bit palette PNG of the same picture."""
    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data
                + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))
    raw = b"".join(b"\x00" + bytes(row) for row in pixels)  # filter 0 on every row
    return (b"\x89PNG\r\n\x1a\n"
            + chunk(b"IHDR", struct.pack(">IIBBBBB", SIZE, SIZE, 8, 3, 0, 0, 0))
            + chunk(b"PLTE", b"".join(bytes(c) for c in PALETTE))
            + chunk(b"IDAT", zlib.compress(raw, 9))
            + chunk(b"IEND", b""))


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__))
    pixels = draw()
    for name, data in (("zarvelon.ico", ico(pixels)), ("zarvelon.png", png(pixels))):
        with open(os.path.join(out, name), "wb") as f:
            f.write(data)


if __name__ == "__main__":
    main()
