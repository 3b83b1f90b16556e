#!/usr/bin/env python3
"""Writes the images the artwork loader's tests read, into this directory.

artwork_sample.png   a 5 x 3 RGB PNG (colour type 2, 8 bits), with magenta
                     and near-magenta pixels among others
artwork_truncated.png   the same file cut off inside its image data
artwork_sample.bmp   a 3 x 2 24-bit BMP, for the natural scale

The pixels are repeated in ArtworkBitmapTest.cpp, which checks them one by
one; change both together.

    python3 tests/unit/gfx/make_artwork_samples.py
"""

import os
import struct
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))

PNG_ROWS = [
    [(255, 0, 255), (254, 0, 255), (255, 0, 0), (255, 255, 255), (0, 0, 0)],
    [(1, 2, 3), (255, 0, 255), (255, 0, 254), (10, 200, 30), (128, 128, 128)],
    [(254, 0, 255), (0, 0, 255), (255, 0, 255), (37, 91, 173), (250, 251, 252)],
]

BMP_ROWS = [
    [(200, 10, 10), (10, 200, 10), (10, 10, 200)],
    [(255, 0, 255), (60, 70, 80), (0, 0, 0)],
]


def png_chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))


def png_bytes(rows):
    width, height = len(rows[0]), len(rows)
    header = struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)
    raw = b"".join(b"\x00" + bytes(c for pixel in row for c in pixel) for row in rows)
    return (b"\x89PNG\r\n\x1a\n" + png_chunk(b"IHDR", header)
            + png_chunk(b"IDAT", zlib.compress(raw, 9)) + png_chunk(b"IEND", b""))


def bmp_bytes(rows):
    width, height = len(rows[0]), len(rows)
    stride = (width * 3 + 3) & ~3
    pixels = b""
    for row in reversed(rows):  # bottom-up
        line = b"".join(bytes((b, g, r)) for r, g, b in row)
        pixels += line + b"\x00" * (stride - len(line))
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    offset = 14 + len(info)
    return b"BM" + struct.pack("<IHHI", offset + len(pixels), 0, 0, offset) + info + pixels


def write(name, data):
    with open(os.path.join(HERE, name), "wb") as f:
        f.write(data)


png = png_bytes(PNG_ROWS)
write("artwork_sample.png", png)
# Signature and header intact, the image data cut in half.
idat_start = png.index(b"IDAT") + 4
idat_length = struct.unpack(">I", png[idat_start - 8:idat_start - 4])[0]
write("artwork_truncated.png", png[:idat_start + idat_length // 2])
write("artwork_sample.bmp", bmp_bytes(BMP_ROWS))
