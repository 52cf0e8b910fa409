#!/usr/bin/env python3
"""Draws the palette glyphs of Velpack's classes: one 24 x 24 bitmap per class,
written as <class>.bmp (24-bit, uncompressed), and the same pictures drawn at
32 and 48 pixels for larger display scales, written as 32/<class>.bmp and
48/<class>.bmp. The colour of the bottom-left pixel (magenta) is the
transparent colour of each glyph.

The drawings are given on the 24-pixel grid; at a larger size every area is
filled at its place on the finer grid, lines get a width of their own (one
pixel at 32, two at 48) and circles are computed again for the size, so the
pictures are drawn for their size rather than stretched.

    python3 generate_glyphs.py [output-folder]     (default: this script's folder)
"""
import os
import struct
import sys

SIZE = 24           # the grid the drawings are given on
SIZES = (24, 32, 48)
CLEAR = (255, 0, 255)
BLACK = (0, 0, 0)
WHITE = (255, 255, 255)
FACE = (212, 208, 200)
LIGHT = (236, 233, 216)
SHADOW = (128, 128, 128)
DARK = (64, 64, 64)
NAVY = (10, 36, 106)
BLUE = (58, 110, 165)
SKY = (166, 202, 240)
GRASS = (60, 150, 60)
SUN = (250, 210, 40)
TEXT = (96, 96, 96)

# 5 x 7 letters, one string per row, "#" for ink.
FONT = {
    "A": [" ### ", "#   #", "#   #", "#####", "#   #", "#   #", "#   #"],
    "O": [" ### ", "#   #", "#   #", "#   #", "#   #", "#   #", " ### "],
    "K": ["#   #", "#  # ", "# #  ", "##   ", "# #  ", "#  # ", "#   #"],
    "a": ["     ", "     ", " ### ", "    #", " ####", "#   #", " ####"],
    "b": ["#    ", "#    ", "# ## ", "##  #", "#   #", "#   #", "#### "],
}


class Glyph:
    def __init__(self, size=SIZE):
        self.size = size
        self.k = size / SIZE
        self.line = max(1, round(self.k))
        self.pixels = [[CLEAR] * size for _ in range(size)]

    def at(self, v):
        """Where a coordinate of the 24-pixel grid starts on this glyph's grid."""
        return int(v * self.k + 0.5)

    def pixel(self, x, y, colour):
        if 0 <= x < self.size and 0 <= y < self.size:
            self.pixels[y][x] = colour

    def area(self, x0, y0, x1, y1, colour):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.pixel(x, y, colour)

    def dot(self, x, y, colour):
        self.fill(x, y, x, y, colour)

    def fill(self, x0, y0, x1, y1, colour):
        """Fills the rectangle from (x0, y0) to (x1, y1), both corners included."""
        self.area(self.at(x0), self.at(y0), self.at(x1 + 1) - 1, self.at(y1 + 1) - 1, colour)

    def hline(self, x0, x1, y, colour):
        top = self.at(y)
        self.area(self.at(x0), top, self.at(x1 + 1) - 1, top + self.line - 1, colour)

    def vline(self, x, y0, y1, colour):
        left = self.at(x)
        self.area(left, self.at(y0), left + self.line - 1, self.at(y1 + 1) - 1, colour)

    def frame(self, x0, y0, x1, y1, top_left, bottom_right):
        self.hline(x0, x1, y0, top_left)
        self.vline(x0, y0, y1, top_left)
        self.hline(x0, x1, y1, bottom_right)
        self.vline(x1, y0, y1, bottom_right)

    def raised(self, x0, y0, x1, y1):
        self.fill(x0, y0, x1, y1, FACE)
        self.frame(x0, y0, x1, y1, WHITE, DARK)
        self.hline(x0 + 1, x1 - 1, y1 - 1, SHADOW)
        self.vline(x1 - 1, y0 + 1, y1 - 1, SHADOW)

    def sunken(self, x0, y0, x1, y1, inside=WHITE):
        self.fill(x0, y0, x1, y1, inside)
        self.frame(x0, y0, x1, y1, SHADOW, WHITE)
        self.frame(x0 + 1, y0 + 1, x1 - 1, y1 - 1, DARK, LIGHT)
        self.fill(x0 + 2, y0 + 2, x1 - 2, y1 - 2, inside)

    def disc(self, cx, cy, radius, colour):
        if self.size == SIZE:
            for y in range(cy - radius, cy + radius + 1):
                for x in range(cx - radius, cx + radius + 1):
                    if (x - cx) ** 2 + (y - cy) ** 2 <= radius * radius + radius // 2:
                        self.pixel(x, y, colour)
            return
        # The circle computed on the finer grid: centre and radius of the
        # 24-pixel disc's pixel area, measured from pixel centres.
        centre_x = (cx + 0.5) * self.k - 0.5
        centre_y = (cy + 0.5) * self.k - 0.5
        r = (radius + 0.5) * self.k - 0.5
        for y in range(int(centre_y - r) - 1, int(centre_y + r) + 2):
            for x in range(int(centre_x - r) - 1, int(centre_x + r) + 2):
                if (x - centre_x) ** 2 + (y - centre_y) ** 2 <= r * r + r / 2:
                    self.pixel(x, y, colour)

    def text(self, x, y, letters, colour, scale=1):
        for letter in letters:
            for row, bits in enumerate(FONT[letter]):
                for column, bit in enumerate(bits):
                    if bit == "#":
                        self.fill(x + column * scale, y + row * scale,
                                  x + column * scale + scale - 1, y + row * scale + scale - 1, colour)
            x += 6 * scale

    def arrow_down(self, cx, y, colour):
        for row in range(3):
            self.hline(cx - 2 + row, cx + 2 - row, y + row, colour)

    def arrow_left(self, x, cy, colour):
        for column in range(3):
            self.vline(x + column, cy - column, cy + column, colour)

    def arrow_right(self, x, cy, colour):
        for column in range(3):
            self.vline(x + column, cy - 2 + column, cy + 2 - column, colour)

    def bmp(self):
        row_bytes = self.size * 3  # 72, 96 and 144: already multiples of 4
        image = bytearray()
        for y in range(self.size - 1, -1, -1):  # bottom-up
            for (r, g, b) in self.pixels[y]:
                image += bytes((b, g, r))
        header = struct.pack("<2sIHHI", b"BM", 54 + len(image), 0, 0, 54)
        info = struct.pack("<IiiHHIIiiII", 40, self.size, self.size, 1, 24, 0, row_bytes * self.size,
                           2835, 2835, 0, 0)
        return header + info + bytes(image)


def q_static(g):
    g.text(1, 5, "A", NAVY, 2)
    g.text(13, 10, "b", NAVY)
    g.hline(1, 22, 21, SHADOW)


def q_image(g):
    g.frame(1, 2, 22, 21, DARK, DARK)
    g.fill(2, 3, 21, 20, SKY)
    g.disc(16, 8, 3, SUN)
    for x in range(2, 22):  # two hills
        top = min(20 - max(0, 7 - abs(x - 7)), 20 - max(0, 5 - abs(x - 16) // 1))
        g.fill(x, top, x, 20, GRASS)


def q_button(g):
    g.raised(1, 5, 22, 18)
    g.text(6, 8, "OK", BLACK)


def q_check_box(g):
    g.sunken(1, 6, 12, 17)
    for i, y in enumerate((11, 12, 13, 12, 11, 10, 9)):
        g.fill(4 + i, y - 1, 4 + i, y + 1 if i < 2 else y, BLACK)
    g.hline(15, 22, 10, TEXT)
    g.hline(15, 20, 13, TEXT)


def q_radio_button(g):
    g.disc(7, 12, 6, SHADOW)
    g.disc(7, 12, 5, WHITE)
    g.disc(7, 12, 2, BLACK)
    g.hline(16, 22, 10, TEXT)
    g.hline(16, 20, 13, TEXT)


def q_group_box(g):
    g.fill(1, 6, 22, 22, FACE)
    g.frame(1, 6, 21, 21, DARK, DARK)
    g.frame(2, 7, 22, 22, WHITE, WHITE)
    g.fill(4, 2, 16, 9, FACE)
    g.text(5, 3, "ab", NAVY)


def q_edit(g):
    g.sunken(0, 5, 23, 18)
    g.text(3, 8, "ab", BLACK)
    g.vline(16, 8, 15, BLACK)


def q_combo_box(g):
    g.sunken(0, 5, 23, 18)
    g.hline(3, 11, 11, TEXT)
    g.raised(14, 7, 21, 16)
    g.arrow_down(17, 11, BLACK)


def q_list_box(g):
    g.sunken(0, 1, 23, 22)
    g.fill(16, 3, 20, 20, LIGHT)
    g.raised(16, 3, 20, 7)
    g.raised(16, 16, 20, 20)
    g.raised(16, 9, 20, 12)
    g.hline(4, 12, 6, TEXT)
    g.fill(3, 9, 14, 12, NAVY)
    g.hline(4, 11, 10, WHITE)
    g.hline(4, 13, 15, TEXT)
    g.hline(4, 10, 18, TEXT)


def q_scroll_bar(g):
    g.fill(0, 8, 23, 15, LIGHT)
    g.raised(0, 8, 7, 15)
    g.raised(16, 8, 23, 15)
    g.raised(9, 8, 13, 15)
    g.arrow_left(2, 11, BLACK)
    g.arrow_right(19, 11, BLACK)


def q_main_menu(g):
    g.raised(0, 3, 23, 10)
    g.hline(2, 6, 6, BLACK)
    g.hline(9, 14, 6, BLACK)
    g.hline(17, 21, 6, BLACK)
    g.frame(8, 11, 22, 22, WHITE, DARK)
    g.fill(9, 12, 21, 21, FACE)
    g.hline(10, 19, 14, BLACK)
    g.hline(10, 17, 17, BLACK)
    g.hline(10, 18, 20, BLACK)


def q_popup_menu(g):
    g.frame(3, 1, 20, 22, WHITE, DARK)
    g.fill(4, 2, 19, 21, FACE)
    g.hline(6, 16, 5, BLACK)
    g.fill(4, 8, 19, 12, NAVY)
    g.hline(6, 14, 10, WHITE)
    g.hline(6, 17, 15, BLACK)
    g.hline(5, 18, 17, SHADOW)
    g.hline(6, 12, 19, BLACK)


GLYPHS = {
    "QStatic": q_static,
    "QImage": q_image,
    "QButton": q_button,
    "QCheckBox": q_check_box,
    "QRadioButton": q_radio_button,
    "QGroupBox": q_group_box,
    "QEdit": q_edit,
    "QComboBox": q_combo_box,
    "QListBox": q_list_box,
    "QScrollBar": q_scroll_bar,
    "QMainMenu": q_main_menu,
    "QPopupMenu": q_popup_menu,
}


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__))
    os.makedirs(folder, exist_ok=True)
    for size in SIZES:
        target = folder if size == SIZE else os.path.join(folder, str(size))
        os.makedirs(target, exist_ok=True)
        for name, draw in GLYPHS.items():
            glyph = Glyph(size)
            draw(glyph)
            glyph.pixel(0, size - 1, CLEAR)  # the bottom-left pixel names the transparent colour
            with open(os.path.join(target, name + ".bmp"), "wb") as out:
                out.write(glyph.bmp())


if __name__ == "__main__":
    main()
