// How the pictures are resampled for the scales between and beyond their
// two sizes, run as Windows runs it. Prints one line per check and a count,
// which the test checks as well as the exit status.

#include "app/win32/resample.h"

#include <cstdio>
#include <cstdlib>
#include <string>

using vondrel::host::Pixels;
using vondrel::host::Resample;

namespace {

// Premultiplied pixels from a rule of their coordinates.
template <typename Rule>
Pixels Made(int width, int height, Rule rule)
{
    Pixels pixels{width, height, {}};
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const int alpha = rule(x, y) % 256;
            for (int colour : {alpha * 3 / 4, alpha / 2, alpha / 5, alpha})
                pixels.bytes.push_back(static_cast<std::uint8_t>(colour));
        }
    return pixels;
}

bool EveryPixelPremultiplied(const Pixels& pixels)
{
    for (std::size_t i = 0; i < pixels.bytes.size(); i += 4)
        for (std::size_t channel = 0; channel < 3; ++channel)
            if (pixels.bytes[i + channel] > pixels.bytes[i + 3])
                return false;
    return true;
}

bool AllAlike(const Pixels& pixels)
{
    for (std::size_t i = 4; i < pixels.bytes.size(); ++i)
        if (pixels.bytes[i] != pixels.bytes[i % 4])
            return false;
    return !pixels.bytes.empty();
}

}  // namespace

int main()
{
    int checks = 0;
    int failures = 0;
    const auto check = [&](const std::string& name, bool passed) {
        ++checks;
        failures += passed ? 0 : 1;
        std::printf("%s %s\n", passed ? "ok  " : "FAIL", name.c_str());
    };

    const auto design = [](int x, int y) { return (x * 37 + y * 91) % 256; };
    const Pixels small = Made(30, 19, design);
    const Pixels doubled = Made(60, 38, [&](int x, int y) { return design(x / 2, y / 2); });
    check("a picture at twice the size averages back to itself", Resample(doubled, 30, 19).bytes == small.bytes);
    check("the same size is the same picture", Resample(small, 30, 19).bytes == small.bytes);

    const Pixels even = Made(518, 38, [](int, int) { return 200; });
    for (const int percent : {125, 150, 175, 250, 300}) {
        const Pixels scaled = Resample(even, 259 * percent / 100, 19 * percent / 100);
        check("an even picture stays even at " + std::to_string(percent) + " %", AllAlike(scaled));
        const Pixels varied = Resample(Made(60, 60, [](int x, int y) { return (x * x + 7 * y) % 256; }),
                                       30 * percent / 100, 30 * percent / 100);
        check("pixels stay premultiplied at " + std::to_string(percent) + " %", EveryPixelPremultiplied(varied));
    }
    const Pixels transparent = Resample(Made(60, 60, [](int, int) { return 0; }), 45, 45);
    check("transparency stays transparent", AllAlike(transparent) && transparent.bytes[3] == 0);

    std::printf("%d of %d checks as expected\n", checks - failures, checks);
    return failures == 0 ? EXIT_SUCCESS : EXIT_FAILURE;
}
