#!/usr/bin/env python3
"""Draws the translation window's service logos and writes them next to this script.

Uses the canvas, shapes and writers of make_art.py (same folder). Each logo is 112 x 32
pixels, 24 bits, on the dialogs' panel colour: a small pictogram on the left and the service's
name in block letters on the right. Deterministic; run it again after changing a drawing.

    bitmap 158  logo_google.bmp            four coloured dots
    bitmap 165  logo_babelfish.bmp         a fish
    bitmap 166  logo_voila.bmp             a red check-like V
    bitmap 167  logo_freetranslation.bmp   two speech bubbles
    bitmap 168  logo_all.bmp               the four services' colours in a square
"""

import os

import make_art as art

HERE = os.path.dirname(os.path.abspath(__file__))
PANEL = (220, 227, 245)
WIDTH, HEIGHT = 112, 32

# Block letters, 5 x 7 cells.
GLYPHS = {
    'A': [".###.", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"],
    'B': ["####.", "#...#", "#...#", "####.", "#...#", "#...#", "####."],
    'E': ["#####", "#....", "#....", "####.", "#....", "#....", "#####"],
    'F': ["#####", "#....", "#....", "####.", "#....", "#....", "#...."],
    'G': [".###.", "#...#", "#....", "#.###", "#...#", "#...#", ".###."],
    'H': ["#...#", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"],
    'I': [".###.", "..#..", "..#..", "..#..", "..#..", "..#..", ".###."],
    'L': ["#....", "#....", "#....", "#....", "#....", "#....", "#####"],
    'N': ["#...#", "##..#", "#.#.#", "#.#.#", "#..##", "#...#", "#...#"],
    'O': [".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."],
    'R': ["####.", "#...#", "#...#", "####.", "#.#..", "#..#.", "#...#"],
    'S': [".####", "#....", "#....", ".###.", "....#", "....#", "####."],
    'T': ["#####", "..#..", "..#..", "..#..", "..#..", "..#..", "..#.."],
    'V': ["#...#", "#...#", "#...#", "#...#", "#...#", ".#.#.", "..#.."],
    '4': ["...#.", "..##.", ".#.#.", "#..#.", "#####", "...#.", "...#."],
    ' ': [".....", ".....", ".....", ".....", ".....", ".....", "....."],
}

BLUE, RED, YELLOW, GREEN = (30, 90, 220), (215, 40, 30), (240, 180, 0), (20, 150, 60)
INK = (24, 40, 90)


def letters(canvas, text, x, y, scale, colours):
    """Writes text from (x, y); colours cycles over the letters."""
    for i, ch in enumerate(text):
        glyph = GLYPHS[ch]
        colour = colours[i % len(colours)]
        for gy, row in enumerate(glyph):
            for gx, cell in enumerate(row):
                if cell == '#':
                    x0 = x + i * 6 * scale + gx * scale
                    y0 = y + gy * scale
                    canvas.fill(art.rect(x0, y0, x0 + scale, y0 + scale), colour)


def two_lines(canvas, first, second, colours):
    letters(canvas, first, 36, 1, 2, colours)
    letters(canvas, second, 36, 17, 2, colours)


def logo_google():
    c = art.Canvas(WIDTH, HEIGHT, PANEL)
    for (cx, cy), colour in zip([(9, 9), (22, 9), (9, 22), (22, 22)], [BLUE, RED, YELLOW, GREEN]):
        c.fill(art.circle(cx, cy, 5.5), colour)
    letters(c, "GOOGLE", 36, 9, 2, [BLUE, RED, YELLOW, BLUE, GREEN, RED])
    return c


def logo_babelfish():
    c = art.Canvas(WIDTH, HEIGHT, PANEL)
    body = art.union(art.circle(13, 16, 9), art.polygon([(20, 16), (30, 7), (30, 25)]))
    c.fill(body, (200, 120, 20))
    c.fill(art.circle(13, 16, 7.6), art.vertical_gradient((255, 210, 90), (240, 140, 20), 8, 24))
    c.fill(art.circle(9, 13, 1.8), (255, 255, 255))
    c.fill(art.circle(9, 13, 0.9), INK)
    two_lines(c, "BABEL", "FISH", [INK])
    return c


def logo_voila():
    c = art.Canvas(WIDTH, HEIGHT, PANEL)
    c.fill(art.polyline([(4, 8), (14, 26), (28, 4)], 5.0), RED)
    letters(c, "VOILA", 36, 9, 2, [RED])
    return c


def logo_freetranslation():
    c = art.Canvas(WIDTH, HEIGHT, PANEL)
    c.fill(art.union(art.rounded_rect(1, 2, 19, 14, 3), art.polygon([(4, 13), (9, 13), (3, 19)])), BLUE)
    c.fill(art.union(art.rounded_rect(12, 12, 31, 26, 3), art.polygon([(24, 25), (29, 25), (30, 31)])),
           GREEN)
    c.fill(art.rect(4, 6, 16, 7.2), (255, 255, 255))
    c.fill(art.rect(4, 9, 12, 10.2), (255, 255, 255))
    c.fill(art.rect(15, 16, 28, 17.2), (255, 255, 255))
    c.fill(art.rect(15, 19, 24, 20.2), (255, 255, 255))
    two_lines(c, "FREE", "TRANS", [GREEN])
    return c


def logo_all():
    c = art.Canvas(WIDTH, HEIGHT, PANEL)
    for (x, y), colour in zip([(2, 2), (16, 2), (2, 16), (16, 16)], [BLUE, (200, 120, 20), GREEN, RED]):
        c.fill(art.rounded_rect(x, y, x + 13, y + 13, 2.5), colour)
    letters(c, "ALL 4", 36, 9, 2, [INK])
    return c


def main():
    for name, draw in [("logo_google", logo_google), ("logo_babelfish", logo_babelfish),
                       ("logo_voila", logo_voila), ("logo_freetranslation", logo_freetranslation),
                       ("logo_all", logo_all)]:
        art.write_bmp24(os.path.join(HERE, name + ".bmp"), draw().rgb_rows())


if __name__ == "__main__":
    main()
