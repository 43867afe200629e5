#!/usr/bin/env python3
"""Draws the pictures of the sample disc's screens into disc/screens/.

logo.bmp: the product's mark (the program icon's rounded square with a
white "V" and a silver disc), 64 x 64, drawn on the colour of the screens'
title band so that it sits on the band without a seam. The screens show it
at 96 DPI as it is and scale it for larger displays.

Run it again after changing a colour below; the screens name the same colour.
"""
import struct
import sys
from pathlib import Path

from velmora_mark import mark_colour

BAND = (0x17, 0x33, 0x6B)      # title band of every screen (#17336B)
SQUARE = (0x2B, 0x5C, 0xC4)     # the mark's square, lighter than the band
SAMPLES = 4  # per pixel and axis, for smooth edges


def logo_colour(u, v):
    """Colour of the point (u, v) of the unit square."""
    return mark_colour(u, v, SQUARE, BAND)


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
