"""The details picture's file: Pillow's progressive JPEG stream re-wrapped with our own
JFIF, Exif, image-resource, XMP, ICC and Adobe segments, padded to an exact size."""

import io
import struct

from PIL import ImageCms

MAX_SEGMENT_PAYLOAD = 0xFFFF - 2
XMP_NAMESPACE = b"http://ns.adobe.com/xap/1.0/\0"


def jpeg_file_bytes(image, file_size):
    """Encodes image at the best quality that still fits in file_size bytes, then pads the
    XMP packet so the file is exactly that long.

    The segment order is SOI, JFIF, Exif, image resources, XMP, ICC, Adobe, then the
    encoder's tables, frame and scans.
    """
    head = jfif_segment() + exif_segment(image.size) + photoshop_segment()
    tail = icc_segment() + adobe_segment()
    bare_xmp = len(xmp_segment(0))
    largest_padding = MAX_SEGMENT_PAYLOAD - (bare_xmp - 4)
    for quality in range(100, 40, -1):
        body = encode_progressive(image, quality)
        padding = file_size - 2 - len(head) - bare_xmp - len(tail) - len(body)
        if 0 <= padding <= largest_padding:
            return b"\xff\xd8" + head + xmp_segment(padding) + tail + body
    raise RuntimeError("no JPEG quality fits the file size")


def encode_progressive(image, quality):
    """Pillow's progressive, unsubsampled JPEG from its tables on (SOI and APPn dropped)."""
    buffer = io.BytesIO()
    image.save(buffer, "JPEG", quality=quality, progressive=True, subsampling=0)
    return strip_app_segments(buffer.getvalue())


def strip_app_segments(jpeg):
    """Pillow's stream without its SOI and leading APPn segments."""
    position = 2
    while 0xE0 <= jpeg[position + 1] <= 0xEF:
        length = struct.unpack(">H", jpeg[position + 2:position + 4])[0]
        position += 2 + length
    return jpeg[position:]


def segment(marker, payload):
    """A marker segment; its length counts the two length bytes and the payload."""
    return bytes((0xFF, marker)) + struct.pack(">H", len(payload) + 2) + payload


def jfif_segment():
    """APP0 JFIF 1.2 at 72 x 72 dots per inch, no thumbnail."""
    return segment(0xE0, b"JFIF\0" + struct.pack(">BBBHHBB", 1, 2, 1, 72, 72, 0, 0))


def exif_segment(size):
    """APP1 Exif: a little-endian TIFF header, IFD0 and a small Exif IFD."""
    software = b"Pellomar asset generator\0"
    entry_count0 = 6
    ifd0_size = 2 + 12 * entry_count0 + 4
    exif_ifd_offset = 8 + ifd0_size
    exif_entries = 3
    exif_ifd_size = 2 + 12 * exif_entries + 4
    data_offset = exif_ifd_offset + exif_ifd_size
    x_res_offset = data_offset
    y_res_offset = x_res_offset + 8
    software_offset = y_res_offset + 8
    ifd0 = struct.pack("<H", entry_count0)
    ifd0 += struct.pack("<HHIHH", 0x0112, 3, 1, 1, 0)  # Orientation: top-left
    ifd0 += struct.pack("<HHII", 0x011A, 5, 1, x_res_offset)
    ifd0 += struct.pack("<HHII", 0x011B, 5, 1, y_res_offset)
    ifd0 += struct.pack("<HHIHH", 0x0128, 3, 1, 2, 0)  # Resolution unit: inch
    ifd0 += struct.pack("<HHII", 0x0131, 2, len(software), software_offset)
    ifd0 += struct.pack("<HHII", 0x8769, 4, 1, exif_ifd_offset)
    ifd0 += struct.pack("<I", 0)
    exif_ifd = struct.pack("<H", exif_entries)
    exif_ifd += struct.pack("<HHIHH", 0xA001, 3, 1, 1, 0)  # Colour space: sRGB
    exif_ifd += struct.pack("<HHII", 0xA002, 4, 1, size[0])
    exif_ifd += struct.pack("<HHII", 0xA003, 4, 1, size[1])
    exif_ifd += struct.pack("<I", 0)
    tiff = b"II*\0" + struct.pack("<I", 8) + ifd0 + exif_ifd
    tiff += struct.pack("<II", 72, 1) * 2 + software
    return segment(0xE1, b"Exif\0\0" + tiff)


def photoshop_segment():
    """APP13: one 8BIM resource (IPTC-NAA) holding the record version and a title."""
    title = b"Pellomar Cooperation"
    iptc = b"\x1c\x02\x00" + struct.pack(">H", 2) + struct.pack(">H", 4)
    iptc += b"\x1c\x02\x05" + struct.pack(">H", len(title)) + title
    resource = b"8BIM" + struct.pack(">H", 0x0404) + b"\0\0" + struct.pack(">I", len(iptc))
    resource += iptc + b"\0" * (len(iptc) % 2)
    return segment(0xED, b"Photoshop 3.0\0" + resource)


def xmp_segment(padding):
    """APP1 XMP: a packet with a title, whose whitespace padding sizes the file."""
    head = (
        '<?xpacket begin="\ufeff" id="W5M0MpCehiHzreSzNTczkc9d"?>\n'
        '<x:xmpmeta xmlns:x="adobe:ns:meta/">\n'
        ' <rdf:RDF xmlns:rdf="http://www.w3.org/1999/02/22-rdf-syntax-ns#">\n'
        '  <rdf:Description rdf:about=""\n'
        '    xmlns:dc="http://purl.org/dc/elements/1.1/"\n'
        '    xmlns:xmp="http://ns.adobe.com/xap/1.0/">\n'
        '   <dc:title><rdf:Alt><rdf:li xml:lang="x-default">Dusk over the lake'
        '</rdf:li></rdf:Alt></dc:title>\n'
        '   <xmp:CreatorTool>Pellomar asset generator</xmp:CreatorTool>\n'
        '  </rdf:Description>\n'
        ' </rdf:RDF>\n'
        '</x:xmpmeta>\n').encode("utf-8")
    tail = b'<?xpacket end="w"?>'
    return segment(0xE1, XMP_NAMESPACE + head + whitespace(padding) + tail)


def whitespace(count):
    """count bytes of XMP padding: lines of spaces, each ended by a newline."""
    line = b" " * 99 + b"\n"
    full, rest = divmod(count, len(line))
    return line * full + b" " * rest


def icc_segment():
    """APP2: an sRGB profile as chunk 1 of 1, with a fixed creation date."""
    profile = bytearray(ImageCms.ImageCmsProfile(ImageCms.createProfile("sRGB")).tobytes())
    profile[24:36] = struct.pack(">6H", 2024, 1, 1, 0, 0, 0)
    return segment(0xE2, b"ICC_PROFILE\0" + bytes((1, 1)) + bytes(profile))


def adobe_segment():
    """APP14 Adobe, version 100, transform 1: the components are YCbCr."""
    return segment(0xEE, b"Adobe" + struct.pack(">HHHB", 100, 0, 0, 1))
