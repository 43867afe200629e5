#!/usr/bin/env python3
"""Marks a Windows program or library "run from swap" for removable and
network media, as a build step after linking (the linker has no option for
it): Windows then copies the whole image to the page file before running it,
so a disc that is ejected or swapped while the program runs cannot take pages
of its code away. The image's checksum is computed afresh.

    run_from_swap.py FILE...
"""
import struct
import sys
from pathlib import Path

REMOVABLE_RUN_FROM_SWAP = 0x0400
NET_RUN_FROM_SWAP = 0x0800


def image_checksum(data, checksum_offset):
    """The PE checksum: the image's 16-bit words summed with end-around carry,
    the checksum field itself counted as zero, plus the file's length."""
    padded = data + b"\0" * (len(data) % 2)
    total = 0
    for (word,) in struct.iter_unpack("<H", padded):
        total += word
    for (word,) in struct.iter_unpack("<H", data[checksum_offset:checksum_offset + 4]):
        total -= word
    while total >> 16:
        total = (total & 0xFFFF) + (total >> 16)
    return total + len(data)


def mark(path):
    data = bytearray(Path(path).read_bytes())
    pe = struct.unpack_from("<I", data, 0x3C)[0]
    if data[pe:pe + 4] != b"PE\0\0":
        raise SystemExit(f"run_from_swap: {path} is not a PE image")
    characteristics_offset = pe + 22
    checksum_offset = pe + 24 + 64  # in the optional header, same place in PE32 and PE32+
    characteristics = struct.unpack_from("<H", data, characteristics_offset)[0]
    struct.pack_into("<H", data, characteristics_offset,
                     characteristics | REMOVABLE_RUN_FROM_SWAP | NET_RUN_FROM_SWAP)
    struct.pack_into("<I", data, checksum_offset, image_checksum(bytes(data), checksum_offset))
    Path(path).write_bytes(bytes(data))


def main(argv):
    if len(argv) < 2:
        print(__doc__.strip(), file=sys.stderr)
        return 2
    for path in argv[1:]:
        mark(path)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
