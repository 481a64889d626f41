#!/usr/bin/env python3
"""Draws the pictures of the options sheet with the shapes of make_art.py.

    bitmap 144  preview_small.bmp          80 x 60: the compact launcher, visual styles on
    bitmap 143  preview_tree.bmp           80 x 60: the launcher with its tree, visual styles on
    bitmap 170  preview_small_classic.bmp  the compact launcher in the classic look
    bitmap 181  preview_tree_classic.bmp   the tree launcher in the classic look
    bitmaps 148 149 147 146  edge_left/right/top/bottom.bmp  64 x 56: a screen with the
                launcher waiting half hidden at that edge
    icon 204    engine.ico                 16 and 32 pixels: a globe with a magnifier
"""

import os

from make_art import (Canvas, circle, draw_globe, line, polygon, rect, ring, rounded_rect,
                      vertical_gradient, write_bmp24, write_ico)

HERE = os.path.dirname(os.path.abspath(__file__))
PAGE = (236, 233, 216)       # the dialog face the pictures sit on
CLASSIC_FACE = (212, 208, 200)


def launcher_frame(c, x0, y0, x1, y1, themed):
    """A launcher window; returns the top of its client area."""
    if themed:
        c.fill(rounded_rect(x0, y0, x1, y1, 3), (0, 60, 170))
        c.fill(rounded_rect(x0 + 1, y0 + 1, x1 - 1, y0 + 9, 2.5),
               vertical_gradient((80, 150, 250), (0, 84, 227), y0, y0 + 9))
        c.fill(rect(x0 + 1, y0 + 8, x1 - 1, y1 - 1), (220, 227, 245))
        c.fill(rounded_rect(x1 - 8, y0 + 2, x1 - 2, y0 + 7, 1), (220, 70, 40))
    else:
        c.fill(rect(x0, y0, x1, y1), (64, 64, 64))
        c.fill(rect(x0, y0, x1 - 1, y1 - 1), (255, 255, 255))
        c.fill(rect(x0 + 1, y0 + 1, x1 - 1, y1 - 1), CLASSIC_FACE)
        c.fill(rect(x0 + 2, y0 + 2, x1 - 2, y0 + 8), (10, 36, 106))
        c.fill(rect(x1 - 7, y0 + 3, x1 - 3, y0 + 7), CLASSIC_FACE)
    # The title text.
    c.fill(rect(x0 + 4, y0 + 4, x0 + 18, y0 + 5.4), (255, 255, 255))
    return y0 + 10


def text_box(c, x0, y0, x1, themed):
    c.fill(rect(x0, y0, x1, y0 + 7), (127, 157, 185) if themed else (128, 128, 128))
    c.fill(rect(x0 + 1, y0 + 1, x1 - 1, y0 + 6), (255, 255, 255))
    c.fill(rect(x0 + 2.5, y0 + 3, x0 + 14, y0 + 4.2), (40, 40, 40))


def button(c, x0, y0, x1, y1, themed):
    if themed:
        c.fill(rounded_rect(x0, y0, x1, y1, 1.5), (0, 60, 116))
        c.fill(rounded_rect(x0 + 0.8, y0 + 0.8, x1 - 0.8, y1 - 0.8, 1),
               vertical_gradient((255, 255, 255), (214, 208, 197), y0, y1))
    else:
        c.fill(rect(x0, y0, x1, y1), (64, 64, 64))
        c.fill(rect(x0, y0, x1 - 1, y1 - 1), (255, 255, 255))
        c.fill(rect(x0 + 1, y0 + 1, x1 - 1, y1 - 1), CLASSIC_FACE)


def preview(tree, themed):
    c = Canvas(80, 60, PAGE if themed else CLASSIC_FACE, samples=3)
    if tree:
        x0, y0, x1, y1 = 18, 3, 62, 57
    else:
        x0, y0, x1, y1 = 6, 14, 74, 45
    top = launcher_frame(c, x0, y0, x1, y1, themed)
    text_box(c, x0 + 3, top + 1, x1 - 16, themed)
    button(c, x1 - 14, top + 0.5, x1 - 3, top + 8, themed)
    if tree:
        # The tree: white panel with indented rows and their little icons.
        c.fill(rect(x0 + 3, top + 11, x1 - 3, y1 - 3), (127, 157, 185) if themed else (128, 128, 128))
        c.fill(rect(x0 + 4, top + 12, x1 - 4, y1 - 4), (255, 255, 255))
        colours = [(40, 120, 220), (230, 170, 20), (60, 160, 80), (200, 60, 60), (120, 80, 200)]
        y = top + 14
        for i in range(6):
            indent = 0 if i in (0, 3, 6) else 5
            col = colours[i % len(colours)]
            c.fill(rect(x0 + 6 + indent, y, x0 + 9 + indent, y + 3), col)
            c.fill(rect(x0 + 11 + indent, y + 1, x1 - 8 - (i % 3) * 4, y + 2.2), (90, 90, 110))
            y += 4.5
    else:
        # A row of small picture buttons under the text.
        for i in range(5):
            bx = x0 + 3 + i * 10
            button(c, bx, top + 10, bx + 8, top + 16, themed)
            c.fill(circle(bx + 4, top + 13, 1.6), [(40, 120, 220), (220, 70, 40), (60, 160, 80),
                                                    (230, 170, 20), (120, 80, 200)][i])
    return c


def edge(side):
    c = Canvas(64, 56, PAGE, samples=3)
    # The screen: a monitor with its stand.
    c.fill(rounded_rect(3, 2, 61, 44, 3), (70, 70, 80))
    c.fill(rect(6, 5, 58, 41), vertical_gradient((90, 150, 220), (40, 95, 175), 5, 41))
    c.fill(polygon([(26, 44), (38, 44), (41, 51), (23, 51)]), (90, 90, 100))
    c.fill(rounded_rect(17, 50, 47, 54, 1.5), (70, 70, 80))
    c.fill(rect(6, 37, 58, 41), (30, 70, 160))   # the taskbar
    # The launcher, half out of view at its edge; an arrow shows where it slides.
    win = (255, 255, 255)
    title = (0, 84, 227)
    arrow = (255, 210, 40)
    if side == 'left':
        c.fill(rect(6, 14, 17, 30), win)
        c.fill(rect(6, 14, 17, 17), title)
        c.fill(polygon([(30, 22), (22, 17), (22, 27)]), arrow)
    elif side == 'right':
        c.fill(rect(47, 14, 58, 30), win)
        c.fill(rect(47, 14, 58, 17), title)
        c.fill(polygon([(34, 22), (42, 17), (42, 27)]), arrow)
    elif side == 'top':
        c.fill(rect(20, 5, 44, 11), win)
        c.fill(rect(20, 10, 44, 11), title)
        c.fill(polygon([(32, 24), (27, 16), (37, 16)]), arrow)
    else:
        c.fill(rect(20, 31, 44, 37), win)
        c.fill(rect(20, 31, 44, 33.5), title)
        c.fill(polygon([(32, 18), (27, 26), (37, 26)]), arrow)
    return c


def engine_icon(size):
    s = size / 16.0
    c = Canvas(size, size, samples=6)
    draw_globe(c, 7 * s, 7 * s, 6.4 * s)
    c.fill(ring(11 * s, 11 * s, 3.6 * s, 2.4 * s), (50, 50, 60))
    c.fill(circle(11 * s, 11 * s, 2.4 * s), (230, 240, 255), 0.8)
    c.fill(line(13.4 * s, 13.4 * s, 15.4 * s, 15.4 * s, 1.8 * s), (50, 50, 60))
    return c


def main():
    for name, tree, themed in (('preview_small', False, True), ('preview_tree', True, True),
                               ('preview_small_classic', False, False),
                               ('preview_tree_classic', True, False)):
        write_bmp24(os.path.join(HERE, name + '.bmp'), preview(tree, themed).rgb_rows())
    for side in ('left', 'right', 'top', 'bottom'):
        write_bmp24(os.path.join(HERE, 'edge_%s.bmp' % side), edge(side).rgb_rows())
    write_ico(os.path.join(HERE, 'engine.ico'), [engine_icon(16), engine_icon(32)])


if __name__ == '__main__':
    main()
