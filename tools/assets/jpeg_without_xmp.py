#!/usr/bin/python3
"""Copies a JPEG file without its XMP packets: the same image data, byte for byte.

The Windows program embeds the details window's picture without its XMP metadata, which no
decoder reads for the pixels and which is most of the picture's header: the executable stays
small. Every other segment, the image data among them, is copied as it is. Python's standard
library alone, so any build machine with Python 3 can run it.
  jpeg_without_xmp.py <input.jpg> <output.jpg>
"""

import struct
import sys

XMP_NAMESPACE = b"http://ns.adobe.com/xap/1.0/\0"
APP1, SOS = 0xE1, 0xDA


def without_xmp(data):
    """The file's bytes without the APP1 segments that hold XMP, up to the first scan."""
    if data[:2] != b"\xff\xd8":
        raise ValueError("not a JPEG file")
    kept = bytearray(data[:2])
    at = 2
    while True:
        if at + 4 > len(data) or data[at] != 0xFF:
            raise ValueError(f"no marker segment at byte {at}")
        marker = data[at + 1]
        length = struct.unpack_from(">H", data, at + 2)[0]
        if length < 2 or at + 2 + length > len(data):
            raise ValueError(f"the segment at byte {at} runs past the end of the file")
        if marker == SOS:  # the image data follows; it is copied whole
            return bytes(kept + data[at:])
        end = at + 2 + length
        if not (marker == APP1 and data[at + 4:end].startswith(XMP_NAMESPACE)):
            kept += data[at:end]
        at = end


def main():
    if len(sys.argv) != 3:
        sys.exit(f"usage: {sys.argv[0]} <input.jpg> <output.jpg>")
    with open(sys.argv[1], "rb") as source:
        data = without_xmp(source.read())
    with open(sys.argv[2], "wb") as target:
        target.write(data)


if __name__ == "__main__":
    main()
