#!/usr/bin/env python3
"""Draws the program's icon (resource 105) and writes src/resources/velinst.ico.

Three images: 32x32 in 16 colours, 32x32 and 16x16 in 256 colours. The
picture is the Velmora mark (tools/velmora_mark.py) on a deep-blue square.
"""
import struct
import sys
from pathlib import Path

from velmora_mark import mark_colour

SQUARE = (16, 40, 112)

# The standard 16-colour palette, which every display shows as it is.
VGA16 = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
         (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0),
         (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255)]


def pixel(size, x, y):
    """Colour at the centre of pixel (x, y) of a size x size icon, or None for transparent."""
    return mark_colour((x + 0.5) / size, (y + 0.5) / size, SQUARE, None)


def nearest(palette, colour):
    return min(range(len(palette)),
               key=lambda i: sum((a - b) ** 2 for a, b in zip(palette[i], colour)))


def palette256():
    colours = list(VGA16)
    # A 6x6x6 colour cube and a grey ramp fill the rest.
    for r in range(6):
        for g in range(6):
            for b in range(6):
                colours.append((r * 51, g * 51, b * 51))
    while len(colours) < 256:
        level = (len(colours) - 232) * 10 + 8
        colours.append((level, level, level))
    return colours[:256]


def bmp_image(size, bits, palette):
    rows = []
    mask_rows = []
    for y in reversed(range(size)):  # bottom-up, as BMPs are stored
        indices = []
        mask_bits = []
        for x in range(size):
            c = pixel(size, x, y)
            indices.append(0 if c is None else nearest(palette, c))
            mask_bits.append(1 if c is None else 0)
        if bits == 4:
            row = bytes((indices[i] << 4) | indices[i + 1] for i in range(0, size, 2))
        else:
            row = bytes(indices)
        row += b"\0" * ((4 - len(row) % 4) % 4)
        rows.append(row)
        mask = bytearray((size + 7) // 8)
        for i, bit in enumerate(mask_bits):
            if bit:
                mask[i // 8] |= 0x80 >> (i % 8)
        mask += b"\0" * ((4 - len(mask) % 4) % 4)
        mask_rows.append(bytes(mask))
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, bits, 0,
                         len(b"".join(rows)) + len(b"".join(mask_rows)), 0, 0,
                         len(palette), 0)
    colours = b"".join(struct.pack("BBBB", b, g, r, 0) for r, g, b in palette)
    return header + colours + b"".join(rows) + b"".join(mask_rows)


def main():
    out = Path(sys.argv[1]) if len(sys.argv) > 1 else \
        Path(__file__).resolve().parent.parent / "src" / "resources" / "velinst.ico"
    p256 = palette256()
    images = [(32, 4, VGA16), (32, 8, p256), (16, 8, p256)]
    blobs = [bmp_image(size, bits, pal) for size, bits, pal in images]
    data = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for (size, bits, pal), blob in zip(images, blobs):
        data += struct.pack("<BBBBHHII", size, size, len(pal) if len(pal) < 256 else 0, 0,
                            1, bits, len(blob), offset)
        offset += len(blob)
    out.write_bytes(data + b"".join(blobs))
    print(out)


if __name__ == "__main__":
    main()
