"""The application icon's design, a calculator, as boxes on a pixel grid: drawn exactly
on its own grid for the 16-colour icon file, and scaled for the desktop's icon theme as
sharp PNG images and a scalable SVG drawing."""

from dataclasses import dataclass
from math import floor

from PIL import Image, ImageDraw

from palette import AQUA, BLACK, GREY, RED, SILVER, TEAL, WHITE


@dataclass(frozen=True)
class Box:
    """An axis-aligned box from (left, top) to (right, bottom), ends excluded, in grid
    units; an outline, when given, is one unit wide inside the box."""
    left: int
    top: int
    right: int
    bottom: int
    fill: tuple
    outline: tuple = None
    radius: int = 0


@dataclass(frozen=True)
class Design:
    """A drawing of boxes, back to front, on a square grid of `grid` units."""
    grid: int
    boxes: tuple


# Lit segments of a 3 x 5 seven-segment digit: (x0, y0, x1, y1) inside the digit, ends
# included.
SEGMENTS = {
    "top": (0, 0, 2, 0), "upper_left": (0, 0, 0, 2), "upper_right": (2, 0, 2, 2),
    "middle": (0, 2, 2, 2), "lower_left": (0, 2, 0, 4), "lower_right": (2, 2, 2, 4),
    "bottom": (0, 4, 2, 4),
}
DIGIT_SEGMENTS = {
    "2": ("top", "upper_right", "middle", "lower_left", "bottom"),
    "4": ("upper_left", "upper_right", "middle", "lower_right"),
}


def digit(left, top, character):
    """A digit in seven-segment style, 3 units wide and 5 high."""
    return tuple(Box(left + x0, top + y0, left + x1 + 1, top + y1 + 1, AQUA)
                 for x0, y0, x1, y1 in (SEGMENTS[name] for name in DIGIT_SEGMENTS[character]))


def keys(left, top, columns, rows, key, gap):
    """A key grid: white digit keys, a silver operator column, a red equals key."""
    grid = []
    for row in range(rows):
        for column in range(columns):
            if row == rows - 1 and column == columns - 1:
                colour = RED
            elif column == columns - 1:
                colour = SILVER
            else:
                colour = WHITE
            x = left + column * (key + gap)
            y = top + row * (key + gap)
            grid.append(Box(x, y, x + key, y + key, colour))
    return tuple(grid)


# Dark body and a teal display above a 4 x 4 key grid, on a 32-unit grid.
BODY = (
    Box(5, 1, 27, 31, BLACK, outline=GREY, radius=3),
    Box(8, 4, 24, 11, TEAL, outline=GREY),
)
KEYS = keys(left=8, top=13, columns=4, rows=4, key=3, gap=1)

# The 32 x 32 icon, reading 42, and the drawing every larger size scales.
FULL = Design(32, BODY + digit(15, 5, "4") + digit(19, 5, "2") + KEYS)
# Scaled below 32 pixels the digits blur into a blot: a dash reads better.
COMPACT = Design(32, BODY + (Box(15, 7, 22, 8, AQUA),) + KEYS)
# The calculator at 16 pixels: a dash for the reading, 3 x 3 keys.
SMALL = Design(16, (
    Box(2, 0, 14, 16, BLACK, outline=GREY, radius=1),
    Box(4, 2, 12, 6, TEAL),
    Box(7, 3, 11, 4, AQUA),
    *keys(left=4, top=7, columns=3, rows=3, key=2, gap=1),
))

# Each pixel of a scaled image is the average of SUPERSAMPLE x SUPERSAMPLE subpixels, so
# rounded corners come out smooth while edges on the pixel grid stay sharp.
SUPERSAMPLE = 8


def design_for(size):
    """The design an image of size x size pixels draws."""
    if size >= FULL.grid:
        return FULL
    return COMPACT if size > SMALL.grid else SMALL


def draw_on_grid(design):
    """The design on its own grid, one unit a pixel, without anti-aliasing: the
    16-colour icon image."""
    return render(design, design.grid, 1)


def draw_scaled(size):
    """The icon at size x size pixels for the icon theme. A design's own grid size gives
    its exact pixel drawing; any other size scales it with every edge moved to the
    nearest pixel boundary, so scaled edges stay sharp."""
    design = design_for(size)
    if size == design.grid:
        return draw_on_grid(design)
    large = render(design, size, SUPERSAMPLE)
    return large.resize((size, size), Image.Resampling.BOX)


def render(design, size, supersample):
    """Draws the design at size pixels on a canvas supersample times as large."""
    scale = size / design.grid

    def snap(units):
        return floor(units * scale + 0.5)

    image = Image.new("RGBA", (size * supersample, size * supersample), (0, 0, 0, 0))
    draw = ImageDraw.Draw(image)
    outline_width = max(1, snap(1)) * supersample
    for box in design.boxes:
        left, top = snap(box.left), snap(box.top)
        # A box never vanishes: one unit may scale to less than a pixel.
        right, bottom = max(snap(box.right), left + 1), max(snap(box.bottom), top + 1)
        corners = [left * supersample, top * supersample,
                   right * supersample - 1, bottom * supersample - 1]
        style = {"fill": box.fill, "outline": box.outline, "width": outline_width}
        if box.radius:
            draw.rounded_rectangle(corners, radius=round(box.radius * scale * supersample),
                                   **style)
        else:
            draw.rectangle(corners, **style)
    return image


def svg_bytes(size):
    """The full design as an SVG drawing of nominal size x size pixels, in plain shapes
    every icon renderer draws: a rect per box, an outline as a larger rect behind it."""
    design = FULL
    lines = [
        '<?xml version="1.0" encoding="UTF-8"?>',
        f'<svg xmlns="http://www.w3.org/2000/svg" version="1.1" width="{size}" '
        f'height="{size}" viewBox="0 0 {design.grid} {design.grid}">',
    ]
    for box in design.boxes:
        if box.outline:
            lines.append(svg_rect(box.left, box.top, box.right, box.bottom, box.radius,
                                  box.outline))
            lines.append(svg_rect(box.left + 1, box.top + 1, box.right - 1, box.bottom - 1,
                                  max(box.radius - 1, 0), box.fill))
        else:
            lines.append(svg_rect(box.left, box.top, box.right, box.bottom, box.radius,
                                  box.fill))
    lines.append("</svg>")
    return ("\n".join(lines) + "\n").encode("ascii")


def svg_rect(left, top, right, bottom, radius, colour):
    """One rect element; a rounded one carries its corner radius."""
    corner = f' rx="{radius}"' if radius else ""
    red, green, blue = colour
    return (f'  <rect x="{left}" y="{top}" width="{right - left}" height="{bottom - top}"'
            f'{corner} fill="#{red:02x}{green:02x}{blue:02x}"/>')
