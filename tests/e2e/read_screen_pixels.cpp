// read_screen_pixels X Y WIDTH HEIGHT
//
// Prints the colours of a rectangle of the screen as it is shown now, one
// line per pixel row, each pixel as six hexadecimal digits RRGGBB.

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <bit>
#include <cstdio>
#include <cstdlib>

namespace {

// The 8-bit channel that `mask` selects from a pixel value.
unsigned Channel(unsigned long pixel, unsigned long mask)
{
    const unsigned long value = (pixel & mask) >> std::countr_zero(mask);
    const int bits = std::popcount(mask);
    return static_cast<unsigned>(bits >= 8 ? value >> (bits - 8) : value << (8 - bits));
}

}  // namespace

int main(int argc, char* argv[])
{
    if (argc != 5) {
        std::fprintf(stderr, "usage: %s X Y WIDTH HEIGHT\n", argv[0]);
        return 2;
    }
    const int x = std::atoi(argv[1]);
    const int y = std::atoi(argv[2]);
    const int width = std::atoi(argv[3]);
    const int height = std::atoi(argv[4]);
    if (width <= 0 || height <= 0) {
        std::fprintf(stderr, "%s: empty rectangle\n", argv[0]);
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "%s: cannot open the display\n", argv[0]);
        return 1;
    }

    XImage* image = XGetImage(display, DefaultRootWindow(display), x, y, static_cast<unsigned>(width),
                              static_cast<unsigned>(height), AllPlanes, ZPixmap);
    if (!image) {
        std::fprintf(stderr, "%s: the rectangle is not on the screen\n", argv[0]);
        XCloseDisplay(display);
        return 1;
    }
    for (int row = 0; row < height; ++row) {
        for (int column = 0; column < width; ++column) {
            const unsigned long pixel = XGetPixel(image, column, row);
            std::printf("%s%02x%02x%02x", column ? " " : "", Channel(pixel, image->red_mask),
                        Channel(pixel, image->green_mask), Channel(pixel, image->blue_mask));
        }
        std::printf("\n");
    }
    XDestroyImage(image);
    XCloseDisplay(display);
    return 0;
}
