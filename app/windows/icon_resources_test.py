#!/usr/bin/env python3
"""Tests of icon_resources.py: the raw icon resources it writes, and the files it refuses."""

import struct
import sys
import tempfile
import unittest
from pathlib import Path

sys.dont_write_bytecode = True  # nothing written into the source tree
sys.path.insert(0, str(Path(__file__).resolve().parent))
from icon_resources import IconError, write_resources  # noqa: E402 (found beside this file)


def icon_file(images, kind=1):
    """An icon file of (width, height, bytes) images, stored one after the other."""
    data = struct.pack("<HHH", 0, kind, len(images))
    offset = len(data) + 16 * len(images)
    for width, height, image in images:
        data += struct.pack("<BBBBHHII", width, height, 16, 0, 1, 4, len(image), offset)
        offset += len(image)
    return data + b"".join(image for _, _, image in images)


class WrittenResources(unittest.TestCase):
    def setUp(self):
        folder = tempfile.TemporaryDirectory()
        self.addCleanup(folder.cleanup)
        self.folder = Path(folder.name)
        self.icon = self.folder / "two.ico"
        self.icon.write_bytes(icon_file([(32, 32, b"large image"), (16, 16, b"small")]))
        write_resources(self.icon, 7, [501, 500], self.folder / "out")

    def test_each_image_keeps_its_bytes_under_its_id_in_file_order(self):
        self.assertEqual((self.folder / "out/icon_501.bin").read_bytes(), b"large image")
        self.assertEqual((self.folder / "out/icon_500.bin").read_bytes(), b"small")

    def test_the_group_lists_the_images_by_id(self):
        group = (self.folder / "out/icon_group.bin").read_bytes()
        self.assertEqual(group, struct.pack("<HHH", 0, 1, 2) +
                         struct.pack("<BBBBHHIH", 32, 32, 16, 0, 1, 4, 11, 501) +
                         struct.pack("<BBBBHHIH", 16, 16, 16, 0, 1, 4, 5, 500))

    def test_the_script_names_every_resource_language_neutral(self):
        lines = (self.folder / "out/icons.rc").read_text().splitlines()
        statements = [line.split(" ")[:2] for line in lines if not line.startswith("//")]
        self.assertEqual(statements, [["LANGUAGE", "0,"], ["501", "3"], ["500", "3"], ["7", "14"]])


class RefusedFiles(unittest.TestCase):
    CASES = {
        "empty file": b"",
        "cursor file": icon_file([(32, 32, b"image")], kind=2),
        "no images": icon_file([]),
        "directory past the end": icon_file([(32, 32, b"image")])[:10],
        "image past the end": icon_file([(32, 32, b"image")])[:-1],
        "more images than ids": icon_file([(32, 32, b"a"), (16, 16, b"b"), (8, 8, b"c")]),
    }

    def test_refused_files_leave_no_resources(self):
        for name, data in self.CASES.items():
            with self.subTest(name), tempfile.TemporaryDirectory() as folder:
                icon = Path(folder) / "bad.ico"
                icon.write_bytes(data)
                with self.assertRaises(IconError):
                    write_resources(icon, 1, [30001, 30002], Path(folder) / "out")
                self.assertFalse((Path(folder) / "out/icons.rc").exists())


if __name__ == "__main__":
    unittest.main()
