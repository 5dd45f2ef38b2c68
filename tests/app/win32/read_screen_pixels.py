#!/usr/bin/python3
"""read_screen_pixels.py X Y WIDTH HEIGHT

Prints the colours of a rectangle of the X screen as it is shown now, one
line per pixel row, each pixel as six hexadecimal digits RRGGBB, as
tests/e2e/read_screen_pixels does for the Linux program's tests; this one
needs no native build, which the Windows builds' tests lack. Debian's own
Python, which has Debian's Xlib module.
"""

import sys

from Xlib import X, display

x, y, width, height = (int(argument) for argument in sys.argv[1:5])
screen = display.Display().screen()
image = screen.root.get_image(x, y, width, height, X.ZPixmap, 0xFFFFFFFF)
# A 24-bit TrueColor screen, as Xvfb's, keeps each pixel in four bytes,
# blue, green, red and one unused.
data = image.data
for row in range(height):
    start = row * width * 4
    print(" ".join(data[i + 2:i + 3].hex() + data[i + 1:i + 2].hex() + data[i:i + 1].hex()
                   for i in range(start, start + width * 4, 4)))
