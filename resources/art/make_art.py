#!/usr/bin/env python3
"""Draws the program's icons and bitmaps and writes them next to this script.

Standard library only. Shapes are rendered by supersampling (each pixel is the share of its
sub-samples that fall inside the shape), so edges are smooth at 13 to 48 pixels. Run it again
after changing a drawing; the output is deterministic.

    icon 153  quorvane.ico         32, 16 and 48 pixels: blue rounded square, white magnifier
    icon 154  quorvane_small.ico   16 and 32 pixels: the same mark with heavier strokes
    bitmap 139  tree.bmp           six 18 x 18 images of the launcher tree, 24 bits
    bitmaps 141 150 169 191 192    16 x 16 picture buttons on light grey, 8 bits
    bitmaps 213 214                13 x 13 menu check marks, 24 bits
    bitmap 155  tab.bmp            6 x 7 foot of the launcher's title tab, 24 bits
    bitmaps 185 186                11 x 11 pin button faces, off and on, 8 bits

The picture buttons (and the pin faces, which want the same light grey) are loaded with LR_LOADMAP3DCOLORS, which replaces the greys of a colour
table only; they are therefore written with a colour table (every 16 x 16 image has at most 256
colours, so nothing is lost), and no pixel but the background uses one of the mapped greys.
"""

import math
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))

# ------------------------------------------------------------------------------------------
# Canvas and compositing
# ------------------------------------------------------------------------------------------


class Canvas:
    """RGBA pixels as floats 0..255 (alpha 0..1), painted with anti-aliased shapes."""

    def __init__(self, width, height, background=None, samples=6):
        self.w, self.h, self.samples = width, height, samples
        if background is None:
            self.px = [[(0.0, 0.0, 0.0, 0.0) for _ in range(width)] for _ in range(height)]
        else:
            r, g, b = background
            self.px = [[(float(r), float(g), float(b), 1.0) for _ in range(width)]
                       for _ in range(height)]

    def coverage(self, x, y, inside):
        n = self.samples
        hits = 0
        for sy in range(n):
            for sx in range(n):
                if inside(x + (sx + 0.5) / n, y + (sy + 0.5) / n):
                    hits += 1
        return hits / (n * n)

    def fill(self, inside, colour, alpha=1.0, box=None):
        """Paints `colour` (an RGB tuple or a function of x, y) where `inside` holds."""
        x0, y0, x1, y1 = box if box else (0, 0, self.w, self.h)
        x0, y0 = max(0, int(math.floor(x0))), max(0, int(math.floor(y0)))
        x1, y1 = min(self.w, int(math.ceil(x1))), min(self.h, int(math.ceil(y1)))
        for y in range(y0, y1):
            for x in range(x0, x1):
                c = self.coverage(x, y, inside)
                if c <= 0:
                    continue
                rgb = colour(x + 0.5, y + 0.5) if callable(colour) else colour
                self.blend(x, y, rgb, c * alpha)

    def blend(self, x, y, rgb, a):
        r0, g0, b0, a0 = self.px[y][x]
        out_a = a + a0 * (1 - a)
        if out_a <= 0:
            return
        mix = [(c1 * a + c0 * a0 * (1 - a)) / out_a for c1, c0 in zip(rgb, (r0, g0, b0))]
        self.px[y][x] = (mix[0], mix[1], mix[2], out_a)

    def paste(self, other, ox, oy):
        for y in range(other.h):
            for x in range(other.w):
                r, g, b, a = other.px[y][x]
                if a > 0:
                    self.blend(ox + x, oy + y, (r, g, b), a)

    def rgb_rows(self):
        return [[tuple(int(round(max(0, min(255, c)))) for c in p[:3]) for p in row]
                for row in self.px]

    def rgba_rows(self):
        return [[tuple(int(round(max(0, min(255, c)))) for c in p[:3])
                 + (int(round(max(0.0, min(1.0, p[3])) * 255)),) for p in row]
                for row in self.px]


# ------------------------------------------------------------------------------------------
# Shapes: functions (x, y) -> inside
# ------------------------------------------------------------------------------------------


def rounded_rect(x0, y0, x1, y1, r):
    def inside(x, y):
        if x < x0 or x > x1 or y < y0 or y > y1:
            return False
        cx = min(max(x, x0 + r), x1 - r)
        cy = min(max(y, y0 + r), y1 - r)
        return (x - cx) ** 2 + (y - cy) ** 2 <= r * r
    return inside


def circle(cx, cy, r):
    return lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def ring(cx, cy, outer, inner):
    def inside(x, y):
        d = (x - cx) ** 2 + (y - cy) ** 2
        return inner * inner <= d <= outer * outer
    return inside


def ellipse_ring(cx, cy, rx, ry, width):
    def inside(x, y):
        if rx <= 0 or ry <= 0:
            return False
        # Distance in the normalised space, scaled back: good enough for thin strokes.
        dx, dy = (x - cx) / rx, (y - cy) / ry
        d = math.sqrt(dx * dx + dy * dy)
        if d == 0:
            return False
        scale = math.sqrt((dx * rx) ** 2 + (dy * ry) ** 2) / d
        return abs(d - 1) * scale <= width / 2
    return inside


def segment_distance(x, y, ax, ay, bx, by):
    vx, vy = bx - ax, by - ay
    length2 = vx * vx + vy * vy
    t = 0 if length2 == 0 else max(0.0, min(1.0, ((x - ax) * vx + (y - ay) * vy) / length2))
    px, py = ax + t * vx, ay + t * vy
    return math.hypot(x - px, y - py)


def line(ax, ay, bx, by, width):
    return lambda x, y: segment_distance(x, y, ax, ay, bx, by) <= width / 2


def polyline(points, width):
    segments = list(zip(points, points[1:]))
    return lambda x, y: any(segment_distance(x, y, a[0], a[1], b[0], b[1]) <= width / 2
                            for a, b in segments)


def polygon(points):
    def inside(x, y):
        result = False
        j = len(points) - 1
        for i in range(len(points)):
            xi, yi = points[i]
            xj, yj = points[j]
            if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
                result = not result
            j = i
        return result
    return inside


def union(*shapes):
    return lambda x, y: any(s(x, y) for s in shapes)


def minus(shape, hole):
    return lambda x, y: shape(x, y) and not hole(x, y)


def intersect(a, b):
    return lambda x, y: a(x, y) and b(x, y)


def rect(x0, y0, x1, y1):
    return lambda x, y: x0 <= x <= x1 and y0 <= y <= y1


def vertical_gradient(top, bottom, y0, y1):
    def colour(_x, y):
        t = max(0.0, min(1.0, (y - y0) / float(y1 - y0)))
        return tuple(a + (b - a) * t for a, b in zip(top, bottom))
    return colour


def star(cx, cy, outer, inner, points=5, rotation=-math.pi / 2):
    pts = []
    for i in range(points * 2):
        r = outer if i % 2 == 0 else inner
        a = rotation + i * math.pi / points
        pts.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return pts


# ------------------------------------------------------------------------------------------
# The program's mark: a blue rounded square with a white magnifier
# ------------------------------------------------------------------------------------------

BLUE_TOP = (84, 170, 255)
BLUE_BOTTOM = (18, 84, 196)
BLUE_EDGE = (12, 56, 140)


def draw_mark(size, heavy=False):
    s = float(size)
    c = Canvas(size, size, samples=8 if size <= 32 else 6)
    margin = 0.0 if size <= 16 else s / 32
    radius = s * 0.22
    outer = rounded_rect(margin, margin, s - margin, s - margin, radius)
    edge = max(1.0, s / 32)
    inner = rounded_rect(margin + edge, margin + edge, s - margin - edge, s - margin - edge,
                         radius - edge)
    c.fill(outer, BLUE_EDGE)
    c.fill(inner, vertical_gradient(BLUE_TOP, BLUE_BOTTOM, 0, s))
    # A soft gloss on the upper half.
    gloss = intersect(inner, circle(s * 0.5, -s * 0.55, s * 1.05))
    c.fill(gloss, (255, 255, 255), alpha=0.18)

    # Magnifier: lens ring, a faint glass, a handle.
    cx, cy = s * 0.43, s * 0.42
    lens_outer = s * (0.27 if heavy else 0.25)
    lens_inner = lens_outer - s * (0.11 if heavy else 0.085)
    if size <= 16:
        lens_outer, lens_inner = 4.6, 2.6
        cx, cy = 6.6, 6.4
    c.fill(circle(cx, cy, lens_inner), (255, 255, 255), alpha=0.25)
    c.fill(ring(cx, cy, lens_outer, lens_inner), (255, 255, 255))
    hw = s * (0.15 if heavy else 0.13)
    start = cx + lens_outer * 0.62
    end = s * 0.80
    if size <= 16:
        hw, start, end = 2.6, 9.6, 13.2
    c.fill(line(start, start, end, end, hw), (255, 255, 255))
    return c


# ------------------------------------------------------------------------------------------
# Small pictures
# ------------------------------------------------------------------------------------------


def draw_globe(c, cx, cy, r, outline=(16, 64, 140)):
    c.fill(circle(cx, cy, r), outline)
    c.fill(circle(cx, cy, r - 1.0), vertical_gradient((110, 185, 255), (30, 110, 215),
                                                       cy - r, cy + r))
    body = circle(cx, cy, r - 1.0)
    white = (235, 245, 255)
    c.fill(intersect(body, ellipse_ring(cx, cy, r * 0.42, r - 1.0, 0.9)), white, 0.9)
    c.fill(intersect(body, line(cx - r, cy, cx + r, cy, 0.9)), white, 0.9)
    c.fill(intersect(body, line(cx, cy - r, cx, cy + r, 0.9)), white, 0.9)
    c.fill(intersect(body, ellipse_ring(cx, cy - r * 1.1, r * 1.2, r * 0.75, 0.8)), white, 0.6)
    c.fill(intersect(body, ellipse_ring(cx, cy + r * 1.1, r * 1.2, r * 0.75, 0.8)), white, 0.6)


def draw_window(c, x0, y0, x1, y1):
    c.fill(rect(x0, y0, x1, y1), (40, 60, 100))
    c.fill(rect(x0 + 1, y0 + 1, x1 - 1, y1 - 1), (255, 255, 255))
    c.fill(rect(x0 + 1, y0 + 1, x1 - 1, y0 + 3.2), vertical_gradient((90, 160, 240),
                                                                     (30, 90, 200), y0, y0 + 3))
    # Two text lines in the page.
    c.fill(rect(x0 + 2.5, y0 + 5, x1 - 3, y0 + 5.8), (150, 165, 190))
    c.fill(rect(x0 + 2.5, y0 + 7.2, x1 - 5, y0 + 8.0), (150, 165, 190))


def draw_red_cross(c, cx, cy, r):
    c.fill(circle(cx, cy, r), (150, 10, 10))
    c.fill(circle(cx, cy, r - 0.9), vertical_gradient((250, 90, 80), (200, 20, 20),
                                                       cy - r, cy + r))
    k = r * 0.42
    c.fill(line(cx - k, cy - k, cx + k, cy + k, 1.6), (255, 255, 255))
    c.fill(line(cx - k, cy + k, cx + k, cy - k, 1.6), (255, 255, 255))


def button_browser():
    c = Canvas(16, 16, samples=8)
    draw_globe(c, 8, 8, 7)
    return c


def button_close_own():
    c = Canvas(16, 16, samples=8)
    draw_window(c, 1, 1.5, 13.5, 12.5)
    draw_red_cross(c, 11.4, 11.4, 4.5)
    return c


def button_close_all():
    c = Canvas(16, 16, samples=8)
    draw_window(c, 4, 0.5, 15.5, 9.5)
    draw_window(c, 0.5, 4, 12, 13)
    draw_red_cross(c, 11.4, 11.4, 4.5)
    return c


def button_browse():
    c = Canvas(16, 16, samples=8)
    edge = (150, 100, 10)
    back = union(rounded_rect(1, 2.5, 7, 6, 1), rounded_rect(1, 4, 15, 14, 1))
    c.fill(back, edge)
    c.fill(union(rounded_rect(2, 3.5, 6, 6, 0.6), rounded_rect(2, 5, 14, 13, 0.6)),
           vertical_gradient((255, 225, 120), (235, 180, 40), 3, 13))
    # The open front flap.
    flap = polygon([(3.5, 7.5), (15.2, 7.5), (13.5, 14), (1, 14)])
    c.fill(flap, edge)
    c.fill(polygon([(4.2, 8.5), (14.0, 8.5), (12.8, 13.1), (2.3, 13.1)]),
           vertical_gradient((255, 240, 170), (245, 200, 70), 8, 13))
    return c


def button_play():
    c = Canvas(16, 16, samples=8)
    dark = (40, 48, 64)
    body = union(rect(1, 5.5, 4.5, 10.5), polygon([(4, 5.5), (8.5, 1.5), (8.5, 14.5), (4, 10.5)]))
    c.fill(body, dark)
    c.fill(union(rect(2, 6.5, 4.5, 9.5), polygon([(4.6, 6.2), (7.5, 3.6), (7.5, 12.4),
                                                  (4.6, 9.8)])),
           vertical_gradient((150, 160, 185), (90, 100, 125), 2, 14))
    wave = (20, 110, 215)
    right_half = lambda x, y: x > 9.2
    c.fill(intersect(ring(8.5, 8, 4.2, 3.0), right_half), wave)
    c.fill(intersect(ring(8.5, 8, 7.0, 5.8), right_half), wave)
    return c


def check_box(checked):
    c = Canvas(13, 13, samples=8)
    c.fill(rect(0, 0, 13, 13), (28, 81, 128))
    c.fill(rect(1, 1, 12, 12), vertical_gradient((220, 222, 215), (255, 255, 255), 1, 12))
    if checked:
        c.fill(polyline([(3.0, 6.6), (5.4, 9.2), (10.2, 3.6)], 2.0), (33, 161, 33))
    return c


# Tree images, 18 x 18 each.

def tree_typed():
    c = Canvas(18, 18, samples=8)
    blue, light = (22, 86, 190), (90, 160, 240)

    def chain_link(ax, ay, bx, by, outer, inner):
        return lambda x, y: inner <= segment_distance(x, y, ax, ay, bx, by) <= outer
    # Two links of a chain; the upper one passes over the lower one.
    lower = chain_link(4.2, 13.8, 8.4, 9.6, 3.4, 1.7)
    upper = chain_link(9.6, 8.4, 13.8, 4.2, 3.4, 1.7)
    c.fill(lower, blue)
    c.fill(chain_link(4.2, 13.8, 8.4, 9.6, 2.7, 2.3), light, 0.7)
    c.fill(chain_link(9.6, 8.4, 13.8, 4.2, 4.2, 1.0), (220, 227, 245))
    c.fill(upper, blue)
    c.fill(chain_link(9.6, 8.4, 13.8, 4.2, 2.7, 2.3), light, 0.7)
    return c


def tree_favorites():
    c = Canvas(18, 18, samples=8)
    c.fill(polygon(star(9, 9.6, 8.6, 3.7)), (196, 118, 0))
    c.fill(polygon(star(9, 9.6, 7.0, 2.95)), vertical_gradient((255, 236, 110), (250, 176, 20),
                                                               2, 16))
    return c


def tree_searched():
    c = Canvas(18, 18, samples=8)
    c.fill(circle(7.2, 7.2, 4.6), (205, 230, 255))
    c.fill(circle(6.0, 6.0, 1.6), (255, 255, 255), 0.9)
    c.fill(ring(7.2, 7.2, 6.2, 4.6), (55, 66, 92))
    c.fill(line(11.6, 11.6, 16.0, 16.0, 3.2), (120, 72, 30))
    c.fill(line(11.2, 11.2, 12.4, 12.4, 3.0), (55, 66, 92))
    return c


def tree_engine():
    c = Canvas(18, 18, samples=8)
    draw_globe(c, 9, 9, 8)
    return c


def tree_translated():
    c = Canvas(18, 18, samples=8)
    back_edge, back = (20, 70, 160), vertical_gradient((100, 170, 250), (40, 110, 215), 1, 10)
    front_edge, front = (170, 80, 0), vertical_gradient((255, 200, 110), (245, 140, 30), 7, 16)
    c.fill(union(rounded_rect(0.5, 0.5, 11.5, 9, 2), polygon([(2.5, 8), (5.5, 8), (2, 12)])),
           back_edge)
    c.fill(union(rounded_rect(1.5, 1.5, 10.5, 8, 1.4), polygon([(3.2, 7.5), (5, 7.5), (3, 10)])),
           back)
    c.fill(rect(3, 3.4, 9, 4.2), (255, 255, 255))
    c.fill(rect(3, 5.4, 7.5, 6.2), (255, 255, 255))
    c.fill(union(rounded_rect(6, 6, 17.5, 14.5, 2), polygon([(12.5, 13.5), (15.5, 13.5),
                                                            (16, 17.5)])), front_edge)
    c.fill(union(rounded_rect(7, 7, 16.5, 13.5, 1.4), polygon([(13, 13), (14.8, 13),
                                                              (15.2, 15.8)])), front)
    c.fill(rect(8.5, 8.9, 15, 9.7), (255, 255, 255))
    c.fill(rect(8.5, 10.9, 13.5, 11.7), (255, 255, 255))
    return c


def tree_webalert():
    c = Canvas(18, 18, samples=8)
    edge = (150, 96, 0)
    bell = union(circle(9, 7, 5.2),
                 polygon([(3.8, 7), (14.2, 7), (15.6, 13.2), (2.4, 13.2)]),
                 rounded_rect(1.2, 12.2, 16.8, 14.8, 1.2))
    inner = union(circle(9, 7, 4.2),
                  polygon([(4.8, 7), (13.2, 7), (14.6, 12.6), (3.4, 12.6)]),
                  rounded_rect(2.2, 12.8, 15.8, 14.0, 0.6))
    c.fill(circle(9, 15.6, 2.0), edge)
    c.fill(bell, edge)
    c.fill(inner, vertical_gradient((255, 232, 120), (240, 170, 10), 2, 15))
    c.fill(circle(9, 1.8, 1.4), edge)
    c.fill(line(6.6, 5.2, 6.0, 9.6, 1.2), (255, 255, 255), 0.7)
    return c


# The skin's pieces.

PANEL = (220, 227, 245)
PANEL_OUTLINE = (128, 128, 128)
TAB_FACE = (30, 143, 255)


def tab_foot():
    """Squares the title tab's lower left corner into the panel below it.

    Copied at the tab's left edge, 18 pixels below the caption line: four rows of tab face
    with the tab's light outline on the left, the tab's bottom outline (which merges into the
    panel), then two rows of panel with its grey edge, so that the tab's left edge and the
    panel's run straight into each other instead of meeting at two rounded corners.
    """
    c = Canvas(6, 7, PANEL)
    c.fill(rect(1, 0, 6, 4), TAB_FACE)
    c.fill(rect(0, 5, 1, 7), PANEL_OUTLINE)
    return c


def pin(on):
    """A push pin: lying on its side, needle to the left, when off; stuck in, needle down, when on.

    Drawn along an axis u (needle tip 0 to cap 11) and across it v, then turned into place; the
    edges sit on whole pixels so that the small picture stays crisp.
    """
    def part(u0, u1, v0, v1):
        if on:
            return lambda x, y: u0 <= 11 - y <= u1 and v0 <= x <= v1
        return rect(u0, v0, u1, v1)

    c = Canvas(11, 11, samples=8)
    # Stuck in, part of the needle is hidden in what it holds.
    c.fill(part(1 if on else 0, 4, 5, 6), (70, 74, 88))
    c.fill(union(part(3, 6, 1, 10), part(5, 8, 3, 8), part(8, 11, 2, 9)), (120, 14, 14))
    lit = vertical_gradient((255, 120, 104), (190, 20, 20), 2, 9)
    colour = (lambda x, y: lit(y, x)) if on else lit
    c.fill(union(part(4, 5, 2, 9), part(4, 9, 4, 7), part(9, 10, 3, 8)), colour)
    # A glint on the lit side of the cap.
    c.fill(part(9, 10, 3, 5), (255, 255, 255), 0.6)
    return c


# ------------------------------------------------------------------------------------------
# File writers
# ------------------------------------------------------------------------------------------


def bitmap_info_header(width, height, bpp, image_size, colours=0):
    return struct.pack('<IiiHHIIiiII', 40, width, height, 1, bpp, 0, image_size, 2835, 2835,
                       colours, colours)


def write_bmp24(path, rows):
    h, w = len(rows), len(rows[0])
    stride = (w * 3 + 3) & ~3
    data = bytearray()
    for row in reversed(rows):
        line_bytes = bytearray()
        for r, g, b in row:
            line_bytes += bytes((b, g, r))
        line_bytes += b'\0' * (stride - len(line_bytes))
        data += line_bytes
    header = bitmap_info_header(w, h, 24, len(data))
    file_header = struct.pack('<2sIHHI', b'BM', 14 + len(header) + len(data), 0, 0,
                              14 + len(header))
    with open(path, 'wb') as f:
        f.write(file_header + header + data)


MAPPED_GREYS = {(128, 128, 128), (192, 192, 192), (223, 223, 223)}


def write_bmp8(path, rows, background):
    """Indexed bitmap whose colour table holds exactly the colours used."""
    palette = [background]
    index = {background: 0}
    for row in rows:
        for p in row:
            if p not in index:
                index[p] = len(palette)
                palette.append(p)
    if len(palette) > 256:
        raise ValueError('%s: %d colours' % (path, len(palette)))
    h, w = len(rows), len(rows[0])
    stride = (w + 3) & ~3
    data = bytearray()
    for row in reversed(rows):
        line_bytes = bytearray(index[p] for p in row)
        line_bytes += b'\0' * (stride - len(line_bytes))
        data += line_bytes
    table = b''.join(bytes((b, g, r, 0)) for r, g, b in palette)
    header = bitmap_info_header(w, h, 8, len(data), len(palette))
    offset = 14 + len(header) + len(table)
    file_header = struct.pack('<2sIHHI', b'BM', offset + len(data), 0, 0, offset)
    with open(path, 'wb') as f:
        f.write(file_header + header + table + data)


def flatten(canvas, background, keep_exact=()):
    """Composes the picture over `background`; no drawn pixel may hit a mapped grey."""
    out = Canvas(canvas.w, canvas.h, background)
    out.paste(canvas, 0, 0)
    rows = out.rgb_rows()
    if keep_exact:
        orig = canvas.rgba_rows()
        for y, row in enumerate(rows):
            for x, p in enumerate(row):
                if p in keep_exact and orig[y][x][3] > 0:
                    row[x] = (p[0], p[1], p[2] + 1)
    return rows


def icon_image(canvas):
    w, h = canvas.w, canvas.h
    rgba = canvas.rgba_rows()
    xor = bytearray()
    for row in reversed(rgba):
        for r, g, b, a in row:
            xor += bytes((b, g, r, a))
    mask_stride = ((w + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(rgba):
        bits = bytearray(mask_stride)
        for x, (_r, _g, _b, a) in enumerate(row):
            if a < 128:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    header = bitmap_info_header(w, h * 2, 32, len(xor) + len(mask))
    return header + xor + mask


def write_ico(path, canvases):
    images = [icon_image(c) for c in canvases]
    out = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for c, data in zip(canvases, images):
        out += struct.pack('<BBBBHHII', c.w % 256, c.h % 256, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    with open(path, 'wb') as f:
        f.write(out + b''.join(images))


def main():
    write_ico(os.path.join(HERE, 'quorvane.ico'),
              [draw_mark(32), draw_mark(16), draw_mark(48)])
    write_ico(os.path.join(HERE, 'quorvane_small.ico'),
              [draw_mark(16, heavy=True), draw_mark(32, heavy=True)])

    tree_bg = (220, 227, 245)
    strip = Canvas(108, 18, tree_bg)
    for i, draw in enumerate([tree_typed, tree_favorites, tree_searched, tree_engine,
                              tree_translated, tree_webalert]):
        strip.paste(draw(), i * 18, 0)
    write_bmp24(os.path.join(HERE, 'tree.bmp'), strip.rgb_rows())

    grey = (192, 192, 192)
    for name, draw in [('browser', button_browser), ('close_own', button_close_own),
                       ('close_all', button_close_all), ('browse', button_browse),
                       ('play', button_play)]:
        rows = flatten(draw(), grey, keep_exact=MAPPED_GREYS)
        write_bmp8(os.path.join(HERE, name + '.bmp'), rows, grey)

    write_bmp24(os.path.join(HERE, 'check_on.bmp'), flatten(check_box(True), (255, 255, 255)))
    write_bmp24(os.path.join(HERE, 'check_off.bmp'), flatten(check_box(False), (255, 255, 255)))

    write_bmp24(os.path.join(HERE, 'tab.bmp'), tab_foot().rgb_rows())
    for name, on in [('pin_off', False), ('pin_on', True)]:
        rows = flatten(pin(on), grey, keep_exact=MAPPED_GREYS)
        write_bmp8(os.path.join(HERE, name + '.bmp'), rows, grey)


if __name__ == '__main__':
    main()
