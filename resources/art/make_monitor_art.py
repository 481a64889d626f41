#!/usr/bin/env python3
"""Draws the monitor window's toolbar strip with the shapes of make_art.py.

    bitmap 199  monitor_toolbar.bmp  eleven 16 x 15 images side by side, magenta (255, 0, 255)
                                     where the toolbar shows through, 24 bits

Images by position: 0 stop supervise, 1 check all, 2 check one, 3 view mode, 4 open,
5 properties, 6 read mark, 7 launcher, 8 delete, 9 mini browser, 10 mail. Edges are laid on
a light grey where they are mostly covered and left magenta elsewhere, so no pink fringe shows.
"""

import os

from make_art import (Canvas, circle, draw_globe, draw_red_cross, draw_window, line, polygon,
                      polyline, rect, ring, rounded_rect, union, vertical_gradient, write_bmp24)

HERE = os.path.dirname(os.path.abspath(__file__))
W, H = 16, 15
MAGENTA = (255, 0, 255)
UNDER = (236, 236, 236)


def canvas():
    return Canvas(W, H, samples=8)


def page(c, x0=2.5, y0=0.5, x1=12.5, y1=14.5):
    c.fill(rect(x0, y0, x1, y1), (70, 90, 130))
    c.fill(rect(x0 + 1, y0 + 1, x1 - 1, y1 - 1), vertical_gradient((255, 255, 255), (214, 226, 244), y0, y1))
    for y in (y0 + 3.5, y0 + 6, y0 + 8.5):
        c.fill(rect(x0 + 2.5, y, x1 - 2.5, y + 0.9), (120, 140, 180))


def arrows(c, cx, cy, r, colour):
    c.fill(ring(cx, cy, r, r - 1.7), colour)
    c.fill(polygon([(cx + r + 1.5, cy - 0.5), (cx + r - 2.6, cy - 0.5), (cx + r - 0.5, cy + 2.8)]), colour)
    c.fill(polygon([(cx - r - 1.5, cy + 0.5), (cx - r + 2.6, cy + 0.5), (cx - r + 0.5, cy - 2.8)]), colour)


def stop_supervise():
    c = canvas()
    c.fill(circle(8, 7.5, 7), (150, 10, 10))
    c.fill(circle(8, 7.5, 5.8), vertical_gradient((250, 90, 80), (200, 20, 20), 1, 14))
    c.fill(rect(4, 6.3, 12, 8.7), (255, 255, 255))
    return c


def check_all():
    c = canvas()
    arrows(c, 8, 7.5, 6, (20, 130, 40))
    return c


def check_one():
    c = canvas()
    page(c, 1.5, 0.5, 10.5, 12.5)
    arrows(c, 10.5, 10, 4, (20, 130, 40))
    return c


def view_mode():
    c = canvas()
    for x, y in ((1, 1), (9, 1), (1, 8), (9, 8)):
        c.fill(rect(x, y, x + 6, y + 6), (40, 70, 130))
        c.fill(rect(x + 1, y + 1, x + 5, y + 5), vertical_gradient((140, 190, 250), (60, 120, 210), y, y + 6))
    return c


def open_link():
    c = canvas()
    draw_globe(c, 7, 7.5, 6.5)
    c.fill(polygon([(9, 6), (15.5, 10), (12.6, 10.6), (14.4, 14), (13, 14.7), (11.3, 11.3), (9.2, 13)]), (20, 20, 20))
    c.fill(polygon([(10, 8), (13.6, 10.1), (11.9, 10.4), (10.1, 11.4)]), (255, 255, 255))
    return c


def properties():
    c = canvas()
    page(c)
    c.fill(line(6, 12.5, 14.5, 4, 2.2), (90, 60, 20))
    c.fill(line(6.8, 11.7, 14, 4.5, 1.0), (250, 200, 60))
    return c


def read_mark():
    c = canvas()
    page(c)
    c.fill(polyline([(5.5, 8.5), (8, 11.5), (14.5, 3.5)], 2.4), (33, 161, 33))
    return c


def launcher():
    c = canvas()
    c.fill(rounded_rect(0.5, 0.5, 15.5, 14.5, 3), (30, 80, 170))
    c.fill(rounded_rect(1.5, 1.5, 14.5, 13.5, 2.4), vertical_gradient((110, 170, 245), (30, 90, 200), 1, 14))
    c.fill(ring(6.8, 6.3, 4.0, 2.6), (255, 255, 255))
    c.fill(line(9.6, 9.2, 13.2, 12.6, 2.2), (255, 255, 255))
    return c


def delete():
    c = canvas()
    page(c, 0.5, 0.5, 10.5, 12.5)
    draw_red_cross(c, 11, 10, 4.4)
    return c


def mini_browser():
    c = canvas()
    draw_window(c, 0.5, 0.5, 15.5, 14.5)
    draw_globe(c, 10.5, 10, 4.2)
    return c


def mail():
    c = canvas()
    c.fill(rect(0.5, 2.5, 15.5, 13.5), (90, 90, 110))
    c.fill(rect(1.5, 3.5, 14.5, 12.5), vertical_gradient((255, 255, 250), (225, 225, 235), 3, 13))
    c.fill(polyline([(1.5, 3.8), (8, 9), (14.5, 3.8)], 1.2), (90, 90, 110))
    return c


IMAGES = [stop_supervise, check_all, check_one, view_mode, open_link, properties, read_mark, launcher,
          delete, mini_browser, mail]


def strip():
    rows = [[MAGENTA] * (W * len(IMAGES)) for _ in range(H)]
    for i, draw in enumerate(IMAGES):
        for y, row in enumerate(draw().rgba_rows()):
            for x, (r, g, b, a) in enumerate(row):
                if a < 100:
                    continue
                k = a / 255.0
                rows[y][i * W + x] = tuple(int(round(c * k + u * (1 - k))) for c, u in zip((r, g, b), UNDER))
    return rows


def main():
    write_bmp24(os.path.join(HERE, 'monitor_toolbar.bmp'), strip())


if __name__ == '__main__':
    main()
