#!/usr/bin/env python3
"""Draws the mini browser's tool bar images with the shapes of make_art.py.

    bitmap 179  minibrowser.bmp      thirteen 17 x 17 images side by side, 24 bits
    bitmap 184  minibrowser_hot.bmp  the same, brighter, for the button under the mouse

Magenta (255, 0, 255) is the transparent colour of the tool bar's image lists: every pixel the
drawing leaves empty is written in it, and no drawn pixel may take it. Image order (the tool
bar's image numbers): 0 back, 1 forward, 2 stop, 3 refresh, 4 home, 5 search, 6 default
browser, 7 font size, 8 favorites, 9 print, 10 new window, 11 show/hide the launcher,
12 WebAlert.
"""

import math
import os

from make_art import (Canvas, circle, draw_globe, draw_mark, draw_window, line, polygon,
                      polyline, rect, ring, rounded_rect, star, union, vertical_gradient,
                      write_bmp24)

HERE = os.path.dirname(os.path.abspath(__file__))
SIZE = 17
MAGENTA = (255, 0, 255)
GROUND = (236, 236, 236)   # what anti-aliased edges blend into


def arrow(c, pointing_left, top, bottom):
    s = 1 if pointing_left else -1
    cx = 8.5
    pts = [(cx - 7 * s, 8.5), (cx - 0.5 * s, 2), (cx - 0.5 * s, 5.5), (cx + 7 * s, 5.5),
           (cx + 7 * s, 11.5), (cx - 0.5 * s, 11.5), (cx - 0.5 * s, 15)]
    c.fill(polygon(pts), (20, 80, 30))
    inner = [(cx - 5.6 * s, 8.5), (cx + 0.5 * s, 4.3), (cx + 0.5 * s, 6.5), (cx + 6 * s, 6.5),
             (cx + 6 * s, 10.5), (cx + 0.5 * s, 10.5), (cx + 0.5 * s, 12.7)]
    c.fill(polygon(inner), vertical_gradient(top, bottom, 2, 15))


def image_back(c, hot):
    arrow(c, True, (150, 235, 120) if hot else (120, 200, 100), (30, 150, 40) if hot else (40, 120, 50))


def image_forward(c, hot):
    arrow(c, False, (150, 235, 120) if hot else (120, 200, 100), (30, 150, 40) if hot else (40, 120, 50))


def octagon(cx, cy, r):
    return polygon([(cx + r * math.cos(math.pi / 8 + i * math.pi / 4),
                     cy + r * math.sin(math.pi / 8 + i * math.pi / 4)) for i in range(8)])


def image_stop(c, hot):
    c.fill(octagon(8.5, 8.5, 7.8), (130, 10, 10))
    c.fill(octagon(8.5, 8.5, 6.8), vertical_gradient((255, 110, 90) if hot else (235, 90, 80),
                                                      (215, 20, 20) if hot else (180, 25, 25), 1, 16))
    c.fill(line(5.5, 5.5, 11.5, 11.5, 1.8), (255, 255, 255))
    c.fill(line(5.5, 11.5, 11.5, 5.5, 1.8), (255, 255, 255))


def image_refresh(c, hot):
    colour = (40, 150, 60) if hot else (40, 120, 60)
    arc = ring(8.5, 8.5, 7, 4.6)
    gap = polygon([(8.5, 8.5), (17, 0), (17, 8.5)])
    c.fill(lambda x, y: arc(x, y) and not gap(x, y), colour)
    c.fill(polygon([(10.5, 0.5), (16.5, 4.5), (10.5, 8.0)]), colour)


def image_home(c, hot):
    wall = (250, 235, 190) if hot else (235, 220, 180)
    roof = (220, 60, 40) if hot else (180, 60, 40)
    c.fill(rect(3.5, 8, 13.5, 15.5), (110, 80, 40))
    c.fill(rect(4.5, 8.5, 12.5, 14.5), wall)
    c.fill(rect(7.2, 10.5, 9.8, 15.5), (120, 80, 40))
    c.fill(polygon([(0.8, 9), (8.5, 1.2), (16.2, 9), (14.2, 9), (8.5, 3.6), (2.8, 9)]), roof)


def image_search(c, hot):
    c.fill(ring(7, 7, 5.5, 3.6), (40, 60, 110))
    c.fill(circle(7, 7, 3.6), (200, 230, 255) if hot else (180, 205, 235))
    c.fill(line(11, 11, 15.5, 15.5, 2.6), (110, 70, 30))


def image_default_browser(c, hot):
    draw_globe(c, 8.5, 8.5, 7.5, outline=(16, 64, 140) if hot else (30, 60, 110))


def image_font(c, hot):
    colour = (20, 40, 120) if hot else (30, 40, 80)
    c.fill(polyline([(1, 15.5), (5.5, 2), (10, 15.5)], 2.0), colour)
    c.fill(line(3, 10.5, 8, 10.5, 1.6), colour)
    c.fill(polyline([(10, 15.5), (13, 7), (16, 15.5)], 1.4), colour)
    c.fill(line(11.2, 12.5, 14.8, 12.5, 1.1), colour)


def image_favorites(c, hot):
    c.fill(polygon(star(8.5, 9, 8, 3.4)), (160, 110, 0))
    c.fill(polygon(star(8.5, 9, 6.6, 2.7)), vertical_gradient((255, 240, 120) if hot else (245, 220, 100),
                                                              (245, 170, 0) if hot else (215, 150, 20), 1, 16))


def image_print(c, hot):
    c.fill(rect(4, 1, 13, 7), (90, 90, 90))
    c.fill(rect(4.8, 1.8, 12.2, 7), (255, 255, 255))
    c.fill(rounded_rect(0.5, 6, 16.5, 13, 1.5), (60, 60, 70))
    c.fill(rounded_rect(1.5, 7, 15.5, 12, 1), vertical_gradient((200, 200, 210) if hot else (175, 175, 185),
                                                               (120, 120, 135), 7, 12))
    c.fill(rect(4, 11, 13, 16), (90, 90, 90))
    c.fill(rect(4.8, 11.8, 12.2, 15.2), (255, 255, 255))
    c.fill(circle(13.5, 8.8, 0.9), (60, 200, 60) if hot else (60, 160, 60))


def image_new_window(c, hot):
    draw_window(c, 0.5, 1.5, 13, 12.5)
    plus = (30, 150, 40) if hot else (40, 120, 50)
    c.fill(circle(12.5, 12.5, 4.2), plus)
    c.fill(line(12.5, 10, 12.5, 15, 1.6), (255, 255, 255))
    c.fill(line(10, 12.5, 15, 12.5, 1.6), (255, 255, 255))


def image_launcher(c, hot):
    mark = draw_mark(16, heavy=True)
    c.paste(mark, 0, 1)


def image_webalert(c, hot):
    body = (250, 200, 40) if hot else (225, 180, 50)
    edge = (130, 90, 0)
    bell = polygon([(3, 13), (4.5, 11), (4.8, 6), (6.5, 3), (8.5, 2.3), (10.5, 3), (12.2, 6),
                    (12.5, 11), (14, 13)])
    c.fill(bell, edge)
    inner = polygon([(4.6, 12.2), (5.6, 10.8), (5.9, 6.3), (7.2, 4.1), (8.5, 3.5), (9.8, 4.1),
                     (11.1, 6.3), (11.4, 10.8), (12.4, 12.2)])
    c.fill(inner, body)
    c.fill(circle(8.5, 14.3, 1.6), edge)
    c.fill(circle(8.5, 1.6, 1.0), edge)


DRAWINGS = [image_back, image_forward, image_stop, image_refresh, image_home, image_search,
            image_default_browser, image_font, image_favorites, image_print, image_new_window,
            image_launcher, image_webalert]


def strip(hot):
    rows = [[MAGENTA] * (SIZE * len(DRAWINGS)) for _ in range(SIZE)]
    for n, draw in enumerate(DRAWINGS):
        c = Canvas(SIZE, SIZE, samples=6)
        draw(c, hot)
        for y, row in enumerate(c.rgba_rows()):
            for x, (r, g, b, a) in enumerate(row):
                if a < 40:
                    continue   # left to the ground: transparent
                k = a / 255.0
                p = tuple(int(round(v * k + gv * (1 - k))) for v, gv in zip((r, g, b), GROUND))
                if p == MAGENTA:
                    p = (254, 0, 255)
                rows[y][n * SIZE + x] = p
    return rows


def main():
    write_bmp24(os.path.join(HERE, 'minibrowser.bmp'), strip(False))
    write_bmp24(os.path.join(HERE, 'minibrowser_hot.bmp'), strip(True))


if __name__ == '__main__':
    main()
