#!/usr/bin/python3
"""The PNG the Windows program embeds holds exactly the BMP's pixels, whichever way its rows
are stored and however wide its rows' padding."""

import struct
import unittest
import zlib

from bmp_to_png import png_bytes, read_bmp


def bmp_file(width, height, bits, pixel):
    """A BMP whose pixel (x, y), counted from the top, is pixel(x, y) = (r, g, b)."""
    step = bits // 8
    stride = (width * step + 3) // 4 * 4
    rows = []
    for y in range(abs(height)):
        row = bytearray(stride)
        for x in range(width):
            r, g, b = pixel(x, y)
            row[x * step:x * step + 3] = bytes((b, g, r))
        rows.append(bytes(row))
    if height > 0:
        rows.reverse()
    pixels = b"".join(rows)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, 0, len(pixels), 0, 0, 0, 0)
    return b"BM" + struct.pack("<IHHI", 54 + len(pixels), 0, 0, 54) + info + pixels


def png_pixels(png):
    """Undoes the encoder's filter: the RGB rows, top first."""
    width, height = struct.unpack_from(">II", png, 16)
    at = png.index(b"IDAT") - 4
    length = struct.unpack_from(">I", png, at)[0]
    raw = zlib.decompress(png[at + 8:at + 8 + length])
    rows, stride = [], width * 3 + 1
    for y in range(height):
        line = raw[y * stride:(y + 1) * stride]
        assert line[0] == 1
        row = bytearray(line[1:])
        for i in range(3, len(row)):
            row[i] = (row[i] + row[i - 3]) & 0xFF
        rows.append(bytes(row))
    return width, height, rows


class BmpToPng(unittest.TestCase):
    def check(self, width, height, bits):
        pixel = lambda x, y: ((x * 37 + y) % 256, (y * 91) % 256, (x * y) % 256)
        bmp = bmp_file(width, height, bits, pixel)
        got_width, got_height, rows = png_pixels(png_bytes(*read_bmp(bmp)))
        self.assertEqual((got_width, got_height), (width, abs(height)))
        for y in range(abs(height)):
            expected = b"".join(bytes(pixel(x, y)) for x in range(width))
            self.assertEqual(rows[y], expected, f"row {y}")

    def test_bottom_up_32_bits(self):
        self.check(7, 5, 32)

    def test_top_down_24_bits_with_row_padding(self):
        self.check(5, -3, 24)

    def test_other_files_are_refused(self):
        with self.assertRaises(ValueError):
            read_bmp(b"GIF89a" + bytes(60))
        with self.assertRaises(ValueError):
            read_bmp(bmp_file(4, 4, 32, lambda x, y: (0, 0, 0))[:80])


if __name__ == "__main__":
    unittest.main()
