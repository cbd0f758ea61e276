"""The details picture's scene: a calm dusk over a lake, dark at the lower left where
the light labels stand, with a pale beach under the dark telephone label."""

import math
import random

from PIL import Image, ImageChops, ImageDraw, ImageFilter

from paint import circle, gradient, mix

DETAILS_SIZE = (1024, 768)
GRAIN_STRENGTH = 0.04
BEACH_TOP = 704


def draw_landscape():
    """A calm dusk over a lake: dark hills at the lower left behind the light labels,
    a pale beach below them behind the dark one."""
    horizon = int(DETAILS_SIZE[1] * 0.58)
    rng = random.Random(1024)
    image = Image.new("RGB", DETAILS_SIZE)
    draw_sky(image, rng, horizon)
    draw = ImageDraw.Draw(image)
    draw_ridge(draw, rng, horizon - 90, 60, (0x4A, 0x48, 0x78), 0.004)
    draw_ridge(draw, rng, horizon - 40, 40, (0x34, 0x30, 0x5C), 0.009)
    draw_lake(image, horizon)
    draw_foreground(ImageDraw.Draw(image), rng)
    draw_beach(image, rng)
    add_grain(image, rng)
    return image


def draw_sky(image, rng, horizon):
    """Night blue above to a warm afterglow at the horizon, with stars and a glow
    where the sun has just set."""
    width = DETAILS_SIZE[0]
    draw = ImageDraw.Draw(image)
    stops = [(0.0, (0x14, 0x1C, 0x3C)), (0.45, (0x3C, 0x4C, 0x88)),
             (0.8, (0xC8, 0x7C, 0x78)), (1.0, (0xF0, 0xB8, 0x80))]
    for y in range(horizon):
        draw.line([0, y, width, y], fill=gradient(stops, y / horizon))
    draw_stars(draw, rng, horizon)
    glow = Image.new("L", DETAILS_SIZE, 0)
    ImageDraw.Draw(glow).ellipse(circle((width * 0.68, horizon - 70), 160), fill=110)
    image.paste((0xFF, 0xD8, 0xA0), mask=glow.filter(ImageFilter.GaussianBlur(70)))


def draw_stars(draw, rng, horizon):
    """Faint stars in the upper, darker half of the sky."""
    width = DETAILS_SIZE[0]
    for _ in range(90):
        x = rng.uniform(0, width)
        y = rng.uniform(0, horizon * 0.45)
        light = rng.randint(150, 230)
        radius = rng.choice((0.8, 1.0, 1.4))
        draw.ellipse(circle((x, y), radius), fill=(light, light, min(255, light + 20)))


def draw_ridge(draw, rng, base, amplitude, colour, frequency):
    """A mountain ridge from summed sines with random phases, filled downwards."""
    width, height = DETAILS_SIZE
    phases = [rng.uniform(0, 2 * math.pi) for _ in range(3)]
    points = [(0, height)]
    for x in range(0, width + 1, 4):
        y = base - amplitude * (0.6 * math.sin(x * frequency + phases[0])
                                + 0.3 * math.sin(x * frequency * 2.7 + phases[1])
                                + 0.1 * math.sin(x * frequency * 7.1 + phases[2]))
        points.append((x, y))
    points.append((width, height))
    draw.polygon(points, fill=colour)


def draw_lake(image, horizon):
    """Mirrors the sky into the lake below the horizon, darkened and rippled."""
    width, height = DETAILS_SIZE
    sky = image.crop((0, 0, width, horizon)).transpose(Image.FLIP_TOP_BOTTOM)
    lake = sky.resize((width, height - horizon))
    shade = Image.new("RGB", lake.size, (0x10, 0x14, 0x2C))
    lake = Image.blend(lake, shade, 0.45)
    rippled = Image.new("RGB", lake.size)
    for y in range(lake.height):
        # Rows shift further the nearer they lie; the shifted-out part wraps round.
        shift = int(6 * math.sin(y * 0.35) * (y / lake.height + 0.2))
        rippled.paste(ImageChops.offset(lake.crop((0, y, width, y + 1)), shift, 0), (0, y))
    image.paste(rippled, (0, horizon))


def draw_foreground(draw, rng):
    """Dark shore and hills in the lower left, with a few reeds against the water."""
    width, height = DETAILS_SIZE
    points = [(0, height), (0, 470)]
    for x in range(0, 720, 8):
        t = x / 720
        y = 470 + 200 * t * t + 10 * math.sin(x * 0.03)
        points.append((x, y))
    points += [(720, height)]
    draw.polygon(points, fill=(0x0C, 0x0E, 0x18))
    for _ in range(70):
        # Reeds rise from the shore's edge, thin and nearly black.
        x = rng.uniform(380, 760)
        base = 470 + 200 * (x / 720) ** 2 if x < 720 else height
        base = min(base, height) + rng.uniform(0, 20)
        tall = rng.uniform(30, 90)
        lean = rng.uniform(-8, 8)
        draw.line([x, base, x + lean, base - tall], fill=(0x0A, 0x0C, 0x14), width=2)


def shoreline(x):
    """Top edge of the pale beach along the bottom: high at the left, sinking rightwards."""
    return BEACH_TOP + 0.00012 * x * x


def draw_beach(image, rng):
    """A pale sand strip along the bottom, catching the afterglow; light enough for
    dark text at its left end, where it stays free of pebbles."""
    width, height = DETAILS_SIZE
    mask = Image.new("L", DETAILS_SIZE, 0)
    outline = [(x, shoreline(x)) for x in range(0, width + 1, 8)]
    ImageDraw.Draw(mask).polygon(outline + [(width, height), (0, height)], fill=255)
    sand = Image.new("RGB", DETAILS_SIZE)
    sand_draw = ImageDraw.Draw(sand)
    for y in range(BEACH_TOP, height):
        t = (y - BEACH_TOP) / (height - BEACH_TOP)
        sand_draw.line([0, y, width, y], fill=mix((0xA8, 0x96, 0xA6), (0xCC, 0xB4, 0xA8), t))
    for _ in range(40):
        x = rng.uniform(280, 720)
        y = rng.uniform(shoreline(x) + 6, height)
        size = rng.uniform(2, 5)
        sand_draw.ellipse([x - size, y - size / 2, x + size, y + size / 2],
                          fill=(0x7C, 0x6C, 0x80))
    image.paste(sand, mask=mask.filter(ImageFilter.GaussianBlur(1.5)))
    ImageDraw.Draw(image).line(outline, fill=(0x5A, 0x4E, 0x64), width=3)


def add_grain(image, rng):
    """A fine fixed-seed film grain, so the picture is not a flat gradient."""
    width, height = DETAILS_SIZE
    noise = Image.frombytes("L", DETAILS_SIZE, rng.randbytes(width * height))
    grain = Image.merge("RGB", (noise, noise, noise))
    image.paste(Image.blend(image, grain, GRAIN_STRENGTH))
