#!/usr/bin/python3
"""Draws the windows' icons and pictures from code and writes them byte for byte.

Run with Debian's python3 (it needs Pillow); the files land in the ui/<window>/assets
folders of the repository that holds this script. The output is deterministic: fixed
seeds, no timestamps, every header written by hand.
"""

import io
import xml.etree.ElementTree as ElementTree
from pathlib import Path

from PIL import Image

from about_picture import ABOUT_SIZE, bmp_file_bytes, draw_emblem
from calculator_icon import draw_scaled, svg_bytes
from icon_file import draw_calculator, draw_info, draw_person_card, icon_file_bytes
from jpeg_file import jpeg_file_bytes
from landscape import DETAILS_SIZE, draw_landscape

REPO_ROOT = Path(__file__).resolve().parents[2]
DETAILS_FILE_SIZE = 284029
# The application icon in the desktop's icon theme: every size launchers and software
# centres ask for, and a drawing for any other.
ICON_THEME_FOLDER = "app/linux/icons"
ICON_THEME_SIZES = (16, 24, 32, 48, 64, 128, 256)
SVG_NOMINAL_SIZE = 256


def write(relative, data, size):
    """Writes one asset, then decodes it with Pillow to catch a broken file at once."""
    path = REPO_ROOT / relative
    path.parent.mkdir(parents=True, exist_ok=True)
    path.write_bytes(data)
    with Image.open(path) as decoded:
        decoded.load()
        if decoded.size != size:
            raise RuntimeError(f"{relative} decodes at {decoded.size}, not {size}")
    print(f"{relative}: {len(data)} bytes")


def png_bytes(image):
    """A PNG file of the image; Pillow writes no timestamp, so the bytes are repeatable."""
    out = io.BytesIO()
    image.save(out, "PNG", optimize=True)
    return out.getvalue()


def write_svg(relative, data):
    """Writes the drawing, then parses it to catch malformed XML at once."""
    path = REPO_ROOT / relative
    path.write_bytes(data)
    root = ElementTree.parse(path).getroot()
    if root.tag != "{http://www.w3.org/2000/svg}svg":
        raise RuntimeError(f"{relative} is not an SVG drawing")
    print(f"{relative}: {len(data)} bytes")


def main():
    write("ui/frmcal/assets/frmcal.ico", icon_file_bytes(draw_calculator), (32, 32))
    write("ui/Form1/assets/Form1.ico", icon_file_bytes(draw_info), (32, 32))
    write("ui/Form2/assets/Form2.ico", icon_file_bytes(draw_person_card), (32, 32))
    write("ui/Form1/assets/Image1.bmp", bmp_file_bytes(draw_emblem()), ABOUT_SIZE)
    write("ui/Form2/assets/Image1.jpg", jpeg_file_bytes(draw_landscape(), DETAILS_FILE_SIZE),
          DETAILS_SIZE)
    for size in ICON_THEME_SIZES:
        write(f"{ICON_THEME_FOLDER}/{size}x{size}.png", png_bytes(draw_scaled(size)),
              (size, size))
    write_svg(f"{ICON_THEME_FOLDER}/scalable.svg", svg_bytes(SVG_NOMINAL_SIZE))


if __name__ == "__main__":
    main()
