#!/usr/bin/env python3
"""Draws the pictures of the sample disc's screens into disc/screens/.

logo.bmp: the product's mark (the program icon's rounded square with a
white "V" and a silver disc), 64 x 64, drawn on the colour of the screens'
title band so that it sits on the band without a seam. The screens show it
at 96 DPI as it is and scale it for larger displays.

Run it again after changing a colour below; the screens name the same colour.
"""
import math
import struct
import sys
from pathlib import Path

BAND = (0x17, 0x33, 0x6B)      # title band of every screen (#17336B)
SQUARE = (0x2B, 0x5C, 0xC4)     # the mark's square, lighter than the band
SILVER = (0xD8, 0xDD, 0xE6)
HUB = (0x3C, 0x44, 0x52)
WHITE = (0xFF, 0xFF, 0xFF)
SAMPLES = 4  # per pixel and axis, for smooth edges


def logo_colour(u, v):
    """Colour of the point (u, v) of the unit square."""
    r = 0.2
    dx = max(abs(u - 0.5) - (0.5 - r), 0)
    dy = max(abs(v - 0.5) - (0.5 - r), 0)
    if math.hypot(dx, dy) > r:
        return BAND
    colour = SQUARE
    d = math.hypot(u - 0.66, v - 0.64)
    if d < 0.28:
        colour = SILVER
        if d < 0.10:
            colour = HUB
        if d < 0.045:
            colour = SQUARE

    def stroke(x0, y0, x1, y1, width):
        px, py = u - x0, v - y0
        lx, ly = x1 - x0, y1 - y0
        t = max(0.0, min(1.0, (px * lx + py * ly) / (lx * lx + ly * ly)))
        return math.hypot(px - t * lx, py - t * ly) < width

    if stroke(0.17, 0.17, 0.37, 0.80, 0.07) or stroke(0.57, 0.17, 0.37, 0.80, 0.07):
        colour = WHITE
    return colour


def render(size):
    """Rows of (r, g, b), top row first, each pixel averaged over samples."""
    rows = []
    for y in range(size):
        row = []
        for x in range(size):
            total = [0, 0, 0]
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    c = logo_colour((x + (sx + 0.5) / SAMPLES) / size,
                                    (y + (sy + 0.5) / SAMPLES) / size)
                    total = [t + k for t, k in zip(total, c)]
            row.append(tuple(round(t / SAMPLES ** 2) for t in total))
        rows.append(row)
    return rows


def bmp_bytes(rows):
    """A 24-bit uncompressed BMP, the format every Windows loads."""
    height, width = len(rows), len(rows[0])
    stride = (width * 3 + 3) & ~3
    pixels = bytearray()
    for row in reversed(rows):  # stored bottom-up
        line = bytearray()
        for r, g, b in row:
            line += bytes((b, g, r))
        line += bytes(stride - len(line))
        pixels += line
    header = struct.pack('<2sIHHI', b'BM', 14 + 40 + len(pixels), 0, 0, 14 + 40)
    info = struct.pack('<IiiHHIIiiII', 40, width, height, 1, 24, 0, len(pixels), 3780, 3780, 0, 0)
    return header + info + bytes(pixels)


def main():
    root = Path(sys.argv[1]) if len(sys.argv) > 1 else Path(__file__).resolve().parent.parent
    out = root / 'disc' / 'screens' / 'logo.bmp'
    out.write_bytes(bmp_bytes(render(64)))
    print(out)


if __name__ == '__main__':
    main()
