"""The three window icons: drawn pixel by pixel in the 16-colour palette (the calculator's
design is in calculator_icon, which also scales it for the desktop) and written
as icon files with a 32 x 32 and a 16 x 16 image, 4 bits per pixel, with AND masks."""

import struct

from PIL import Image, ImageDraw

from calculator_icon import design_for, draw_on_grid
from palette import BLUE, GREY, NAVY, OLIVE, PALETTE, TEAL, WHITE


def new_icon_canvas(size):
    """A fully transparent RGBA canvas; drawing on it is never anti-aliased."""
    image = Image.new("RGBA", (size, size), (0, 0, 0, 0))
    return image, ImageDraw.Draw(image)


def draw_calculator(size):
    """The application icon: the calculator of calculator_icon on its own pixel grid."""
    return draw_on_grid(design_for(size))


def draw_info(size):
    """A blue disc with a white letter i."""
    image, draw = new_icon_canvas(size)
    draw.ellipse([0, 0, size - 1, size - 1], fill=BLUE, outline=NAVY)
    if size == 32:
        draw.ellipse([13, 5, 18, 10], fill=WHITE)
        draw.rectangle([13, 13, 18, 25], fill=WHITE)
        draw.rectangle([11, 13, 13, 14], fill=WHITE)
        draw.rectangle([11, 24, 20, 26], fill=WHITE)
    else:
        draw.rectangle([7, 3, 8, 4], fill=WHITE)
        draw.rectangle([7, 6, 8, 12], fill=WHITE)
        draw.point([(6, 6), (6, 12), (9, 12)], fill=WHITE)
    return image


def draw_person_card(size):
    """A light card with a person's head and shoulders beside lines of text."""
    image, draw = new_icon_canvas(size)
    if size == 32:
        draw.rounded_rectangle([1, 5, 30, 26], radius=3, fill=WHITE,
                               outline=NAVY)
        draw.rectangle([2, 6, 29, 9], fill=TEAL)
        draw.ellipse([6, 11, 12, 17], fill=OLIVE)
        draw.pieslice([4, 17, 14, 29], 180, 360, fill=NAVY)
        draw.line([4, 23, 14, 23], fill=NAVY)
        for top, right in ((13, 27), (17, 27), (21, 23)):
            draw.rectangle([17, top, right, top + 1], fill=GREY)
    else:
        draw.rectangle([0, 2, 15, 13], fill=WHITE, outline=NAVY)
        draw.line([1, 3, 14, 3], fill=TEAL)
        draw.rectangle([3, 5, 5, 7], fill=OLIVE)
        draw.rectangle([2, 9, 6, 12], fill=NAVY)
        draw.point([(2, 9), (6, 9)], fill=WHITE)
        draw.line([9, 6, 13, 6], fill=GREY)
        draw.line([9, 9, 12, 9], fill=GREY)
    return image


def icon_image_bytes(image):
    """One icon image: information header, palette, XOR bitmap, AND mask."""
    size = image.width
    pixels = image.load()
    xor_rows = []
    and_rows = []
    for y in reversed(range(size)):
        nibbles = []
        mask_bits = []
        for x in range(size):
            r, g, b, a = pixels[x, y]
            opaque = a >= 128
            # Masked pixels stay black so the screen shows through unchanged.
            nibbles.append(PALETTE.index((r, g, b)) if opaque else 0)
            mask_bits.append(0 if opaque else 1)
        xor_rows.append(pack_nibbles(nibbles))
        and_rows.append(pack_bits(mask_bits))
    xor = b"".join(xor_rows)
    mask = b"".join(and_rows)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 4, 0,
                         len(xor) + len(mask), 0, 0, 16, 0)
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)
    return header + palette + xor + mask


def pack_nibbles(indexes):
    """Packs 4-bit indexes, high nibble first, padded to a 32-bit boundary."""
    data = bytes((indexes[i] << 4) | indexes[i + 1] for i in range(0, len(indexes), 2))
    return data + b"\0" * (-len(data) % 4)


def pack_bits(bits):
    """Packs 1-bit values, most significant bit first, padded to 32 bits."""
    data = bytes(
        sum(bit << (7 - i) for i, bit in enumerate(bits[start:start + 8]))
        for start in range(0, len(bits), 8))
    return data + b"\0" * (-len(data) % 4)


def icon_file_bytes(draw):
    """An icon file holding the 32 x 32 and the 16 x 16 image drawn by draw."""
    images = [icon_image_bytes(draw(32)), icon_image_bytes(draw(16))]
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = len(directory) + 16 * len(images)
    entries = b""
    for size, data in zip((32, 16), images):
        entries += struct.pack("<BBBBHHII", size, size, 16, 0, 1, 4, len(data), offset)
        offset += len(data)
    return directory + entries + b"".join(images)
