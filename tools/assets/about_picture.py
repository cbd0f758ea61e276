"""The about picture: the cooperation's emblem, written as a 32-bit bottom-up Windows
bitmap with hand-made headers."""

import math
import struct

from PIL import Image, ImageDraw

from paint import circle, draw_star, mix

ABOUT_SIZE = (337, 305)
ABOUT_BACKGROUND = (0x40, 0x40, 0x40)
SUPERSAMPLE = 4


def draw_emblem():
    """Two interlocking rings inside a starred badge: the cooperation's emblem.

    It is drawn on a square and squeezed to the bitmap's size, because the about window
    stretches the bitmap into a square box: there the badge shows round again.
    """
    side = ABOUT_SIZE[1] * SUPERSAMPLE
    image = Image.new("RGB", (side, side), ABOUT_BACKGROUND)
    draw = ImageDraw.Draw(image)
    centre = (side / 2, side / 2)
    radius = side * 0.47
    draw_badge(draw, centre, radius)
    draw_rings(draw, centre, radius)
    for angle in range(0, 360, 45):
        a = math.radians(angle - 90)
        x = centre[0] + radius * 0.93 * math.cos(a)
        y = centre[1] + radius * 0.93 * math.sin(a)
        draw_star(draw, x, y, radius * 0.05, (0xFF, 0xF0, 0xC0))
    return image.resize(ABOUT_SIZE, Image.LANCZOS)


def draw_badge(draw, centre, radius):
    """A disc shading from deep navy at the rim to lighter blue, with two rim rings."""
    steps = 40
    for step in range(steps):
        t = step / (steps - 1)
        draw.ellipse(circle(centre, radius * (1 - 0.9 * t)),
                     fill=mix((0x1C, 0x2A, 0x4A), (0x3A, 0x5A, 0x8C), t))
    ring_width = round(radius * 0.06)
    draw.ellipse(circle(centre, radius), outline=(0x81, 0xAF, 0xE9), width=ring_width)
    draw.ellipse(circle(centre, radius * 0.86), outline=(0xC0, 0xC0, 0xFF),
                 width=max(1, ring_width // 3))


def draw_rings(draw, centre, radius):
    """A gold and a lavender ring, linked: each passes over the other once."""
    link = radius * 0.36
    thick = round(radius * 0.11)
    gold, lavender = (0xE9, 0xC0, 0x60), (0xC0, 0xC0, 0xFF)
    left = (centre[0] - link * 0.62, centre[1])
    right = (centre[0] + link * 0.62, centre[1])
    draw.ellipse(circle(left, link), outline=gold, width=thick)
    draw.ellipse(circle(right, link), outline=lavender, width=thick)
    # The gold ring's upper right arc goes over the lavender ring again.
    draw.arc(circle(left, link), start=-70, end=-10, fill=gold, width=thick)


def bmp_file_bytes(image):
    """A 32-bit BI_RGB bitmap with 2834 pixels per metre and two trailing pad bytes."""
    width, height = image.size
    rgb = image.convert("RGB")
    rows = []
    for y in reversed(range(height)):
        row = rgb.crop((0, y, width, y + 1)).tobytes()
        rows.append(b"".join(bytes((row[i + 2], row[i + 1], row[i], 0))
                             for i in range(0, len(row), 3)))
    pixels = b"".join(rows) + b"\0\0"
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 32, 0, len(pixels),
                       2834, 2834, 0, 0)
    file_header = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(pixels), 0, 0, 54)
    return file_header + info + pixels
