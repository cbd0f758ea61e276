#!/usr/bin/python3
"""Writes an uncompressed 24- or 32-bit BMP file as a PNG file of the same pixels.

The Windows program embeds the about window's picture as PNG, which the system's imaging
component decodes to the very same pixels, at a seventh of the bytes: the executable stays
small. Python's standard library alone, so any build machine with Python 3 can run it.
  bmp_to_png.py <input.bmp> <output.png>
"""

import struct
import sys
import zlib


def read_bmp(data):
    """Returns (width, height, rows of RGB bytes, top row first)."""
    if data[:2] != b"BM":
        raise ValueError("not a BMP file")
    pixels_at = struct.unpack_from("<I", data, 10)[0]
    header_size, width, height, planes, bits, compression = struct.unpack_from(
        "<IiiHHI", data, 14)
    if header_size < 40 or planes != 1 or bits not in (24, 32) or compression != 0:
        raise ValueError("only uncompressed 24- or 32-bit BMP files are read")
    if width <= 0 or height == 0:
        raise ValueError("empty picture")
    step = bits // 8
    stride = (width * step + 3) // 4 * 4
    rows_stored = abs(height)
    if pixels_at + stride * rows_stored > len(data):
        raise ValueError("the pixels run past the end of the file")
    rows = []
    for stored in range(rows_stored):
        start = pixels_at + stored * stride
        line = data[start:start + width * step]
        rgb = bytearray(width * 3)
        rgb[0::3] = line[2::step]
        rgb[1::3] = line[1::step]
        rgb[2::3] = line[0::step]
        rows.append(bytes(rgb))
    if height > 0:  # stored bottom-up
        rows.reverse()
    return width, rows_stored, rows


def png_bytes(width, height, rows):
    def chunk(kind, body):
        return (struct.pack(">I", len(body)) + kind + body +
                struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF))

    # Each row filtered by the difference to its left neighbour (filter 1), which suits
    # drawings with broad areas of colour.
    filtered = bytearray()
    for row in rows:
        filtered.append(1)
        filtered += row[:3]
        filtered += bytes((row[i] - row[i - 3]) & 0xFF for i in range(3, len(row)))
    header = struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)  # 8-bit RGB
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
            chunk(b"IDAT", zlib.compress(bytes(filtered), 9)) + chunk(b"IEND", b""))


def main():
    if len(sys.argv) != 3:
        sys.exit(f"usage: {sys.argv[0]} <input.bmp> <output.png>")
    with open(sys.argv[1], "rb") as source:
        width, height, rows = read_bmp(source.read())
    with open(sys.argv[2], "wb") as target:
        target.write(png_bytes(width, height, rows))


if __name__ == "__main__":
    main()
