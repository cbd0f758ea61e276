"""Small drawing helpers shared by the pictures: colour blends, circles and stars."""

import math


def mix(a, b, t):
    """Linear blend of two RGB colours, t = 0 giving a."""
    return tuple(round(p + (q - p) * t) for p, q in zip(a, b))


def gradient(stops, t):
    """The colour at t on a piecewise-linear gradient of (position, colour) stops."""
    for (t0, c0), (t1, c1) in zip(stops, stops[1:]):
        if t <= t1:
            return mix(c0, c1, (t - t0) / (t1 - t0))
    return stops[-1][1]


def circle(centre, radius):
    """The bounding box of a circle, as Pillow's ellipse calls take it."""
    return [centre[0] - radius, centre[1] - radius, centre[0] + radius, centre[1] + radius]


def draw_star(draw, x, y, r, colour):
    """A five-pointed star centred at (x, y) with outer radius r."""
    points = []
    for i in range(10):
        a = math.radians(-90 + i * 36)
        reach = r if i % 2 == 0 else r * 0.45
        points.append((x + reach * math.cos(a), y + reach * math.sin(a)))
    draw.polygon(points, fill=colour)
