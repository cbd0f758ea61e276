#!/usr/bin/python3
"""The details picture the Windows program embeds loses its XMP packets and nothing else."""

import struct
import sys
import unittest

sys.dont_write_bytecode = True  # nothing written into the source tree
from jpeg_without_xmp import without_xmp  # noqa: E402 (found beside this file)


def segment(marker, payload):
    return bytes((0xFF, marker)) + struct.pack(">H", len(payload) + 2) + payload


JFIF = segment(0xE0, b"JFIF\0\x01\x02\0\0\x01\0\x01\0\0")
EXIF = segment(0xE1, b"Exif\0\0II*\0")
XMP = segment(0xE1, b"http://ns.adobe.com/xap/1.0/\0<x:xmpmeta/>" + b" " * 40)
ICC = segment(0xE2, b"ICC_PROFILE\0\x01\x01")
TABLE = segment(0xDB, bytes(65))
# A scan header, entropy-coded data that holds an XMP-like text, and the end of the image.
SCAN = segment(0xDA, bytes(10)) + b"\x12\xff\x00http://ns.adobe.com/xap/1.0/\0" + b"\xff\xd9"
SOI = b"\xff\xd8"


class JpegWithoutXmp(unittest.TestCase):
    def test_the_xmp_segment_goes_and_every_other_stays_in_order(self):
        self.assertEqual(without_xmp(SOI + JFIF + EXIF + XMP + ICC + TABLE + SCAN),
                         SOI + JFIF + EXIF + ICC + TABLE + SCAN)

    def test_a_file_without_xmp_is_copied_unchanged(self):
        file = SOI + JFIF + EXIF + TABLE + SCAN
        self.assertEqual(without_xmp(file), file)

    def test_other_files_and_broken_segments_are_refused(self):
        with self.assertRaises(ValueError):
            without_xmp(b"\x89PNG\r\n\x1a\n" + bytes(40))
        with self.assertRaises(ValueError):
            without_xmp(SOI + JFIF + XMP[:20])
        with self.assertRaises(ValueError):
            without_xmp(SOI + JFIF + b"\x00\x00" + SCAN)


if __name__ == "__main__":
    unittest.main()
