#!/usr/bin/python3
"""Draws the windows' icons and pictures from code and writes them byte for byte.

Run with Debian's python3 (it needs Pillow); the files land in the ui/<window>/assets
folders of the repository that holds this script. The output is deterministic: fixed
seeds, no timestamps, every header written by hand.
"""

from pathlib import Path

from PIL import Image

from about_picture import ABOUT_SIZE, bmp_file_bytes, draw_emblem
from icon_file import draw_calculator, draw_info, draw_person_card, icon_file_bytes
from jpeg_file import jpeg_file_bytes
from landscape import DETAILS_SIZE, draw_landscape

REPO_ROOT = Path(__file__).resolve().parents[2]
DETAILS_FILE_SIZE = 284029


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


def main():
    write("ui/frmcal/assets/frmcal.ico", icon_file_bytes(draw_calculator), (32, 32))
    write("ui/Form1/assets/Form1.ico", icon_file_bytes(draw_info), (32, 32))
    write("ui/Form2/assets/Form2.ico", icon_file_bytes(draw_person_card), (32, 32))
    write("ui/Form1/assets/Image1.bmp", bmp_file_bytes(draw_emblem()), ABOUT_SIZE)
    write("ui/Form2/assets/Image1.jpg", jpeg_file_bytes(draw_landscape(), DETAILS_FILE_SIZE),
          DETAILS_SIZE)


if __name__ == "__main__":
    main()
