#!/usr/bin/env python3
"""Draws the page monitor's list icons with the shapes of make_art.py.

    icon 210  webalert.ico        32 and 48 pixels: a page with its corner turned, a bell on it
    icon 211  webalert_small.ico  16 and 32 pixels: the same with heavier strokes
"""

import os

from make_art import (Canvas, circle, line, polygon, rounded_rect, union, vertical_gradient,
                      write_ico)

HERE = os.path.dirname(os.path.abspath(__file__))


def page_icon(size, heavy=False):
    s = size / 32.0
    c = Canvas(size, size, samples=6)
    edge = (70, 90, 130)
    fold = 9 * s
    sheet = polygon([(5 * s, 2 * s), (25 * s - fold, 2 * s), (25 * s, 2 * s + fold), (25 * s, 30 * s), (5 * s, 30 * s)])
    inner_w = 1.6 * s if heavy else 1.2 * s
    inner = polygon([(5 * s + inner_w, 2 * s + inner_w), (25 * s - fold, 2 * s + inner_w),
                     (25 * s - inner_w, 2 * s + fold), (25 * s - inner_w, 30 * s - inner_w),
                     (5 * s + inner_w, 30 * s - inner_w)])
    c.fill(sheet, edge)
    c.fill(inner, vertical_gradient((255, 255, 255), (214, 226, 244), 2 * s, 30 * s))
    c.fill(polygon([(25 * s - fold, 2 * s), (25 * s - fold, 2 * s + fold), (25 * s, 2 * s + fold)]), (170, 186, 214))
    text_w = 1.8 * s if heavy else 1.2 * s
    for y in (9, 13, 17):
        c.fill(line(9 * s, y * s, 19 * s, y * s, text_w), (120, 140, 180))
    # The bell, lower right, over the page.
    bx, by, r = 21 * s, 21 * s, 6.5 * s
    bell = union(circle(bx, by, r * 0.75),
                 polygon([(bx - r * 0.75, by), (bx + r * 0.75, by), (bx + r, by + r * 0.9), (bx - r, by + r * 0.9)]),
                 rounded_rect(bx - r * 1.15, by + r * 0.75, bx + r * 1.15, by + r * 1.15, r * 0.2))
    c.fill(circle(bx, by + r * 1.3, r * 0.3), (150, 96, 0))
    c.fill(bell, (150, 96, 0))
    shrink = 1.5 * s
    inner_bell = union(circle(bx, by, r * 0.75 - shrink),
                       polygon([(bx - r * 0.75 + shrink, by), (bx + r * 0.75 - shrink, by),
                                (bx + r - shrink, by + r * 0.85), (bx - r + shrink, by + r * 0.85)]))
    c.fill(inner_bell, vertical_gradient((255, 232, 120), (240, 170, 10), by - r, by + r))
    return c


def main():
    write_ico(os.path.join(HERE, 'webalert.ico'), [page_icon(32), page_icon(48)])
    write_ico(os.path.join(HERE, 'webalert_small.ico'), [page_icon(16, heavy=True), page_icon(32, heavy=True)])


if __name__ == '__main__':
    main()
