"""The Velmora mark, shared by the program's icon and the screens' logo: a
rounded square with a silver disc in its lower right corner and a white "V"
over both, drawn from geometry so that any size can be made again."""
import math

SILVER = (200, 200, 210)
HUB = (60, 60, 70)
WHITE = (255, 255, 255)


def mark_colour(u, v, square, outside):
    """Colour of the point (u, v) of the unit square: `square` inside the
    rounded square (and in the disc's hole), `outside` beyond its corners."""
    r = 0.18
    dx = max(abs(u - 0.5) - (0.5 - r), 0)
    dy = max(abs(v - 0.5) - (0.5 - r), 0)
    if math.hypot(dx, dy) > r:
        return outside
    colour = square
    d = math.hypot(u - 0.66, v - 0.64)
    if d < 0.30:
        colour = SILVER
        if d < 0.10:
            colour = HUB
        if d < 0.045:
            colour = square
    if _stroke(u, v, 0.16, 0.16, 0.36, 0.78) or _stroke(u, v, 0.56, 0.16, 0.36, 0.78):
        colour = WHITE
    return colour


def _stroke(u, v, x0, y0, x1, y1, width=0.075):
    """Whether (u, v) lies within width of the segment (x0, y0)-(x1, y1)."""
    px, py = u - x0, v - y0
    lx, ly = x1 - x0, y1 - y0
    t = max(0.0, min(1.0, (px * lx + py * ly) / (lx * lx + ly * ly)))
    return math.hypot(px - t * lx, py - t * ly) < width
