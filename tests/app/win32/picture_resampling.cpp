// How the pictures are resampled for the scales between and beyond their
// two sizes, run as Windows runs it. Prints one line per check and a count,
// which the test checks as well as the exit status.

#include "app/win32/resample.h"

#include <cstdio>
#include <string>

using vondrel::host::Pixels;
using vondrel::host::Resample;

namespace {

// Premultiplied pixels whose alpha follows a rule of their coordinates.
template <typename Rule>
Pixels Made(int width, int height, Rule alphaAt)
{
    Pixels pixels{width, height, {}};
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            for (const int alpha = alphaAt(x, y) % 256; int colour : {alpha * 3 / 4, alpha / 2, alpha / 5, alpha})
                pixels.bytes.push_back(static_cast<std::uint8_t>(colour));
    return pixels;
}

// Every pixel alike, and every colour within its alpha.
bool EvenAndPremultiplied(const Pixels& pixels, bool even)
{
    for (std::size_t i = 0; i < pixels.bytes.size(); ++i)
        if ((even && pixels.bytes[i] != pixels.bytes[i % 4]) || pixels.bytes[i] > pixels.bytes[i | 3])
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

    const auto design = [](int x, int y) { return x * 37 + y * 91; };
    const Pixels doubled = Made(60, 38, [&](int x, int y) { return design(x / 2, y / 2); });
    check("a picture at twice the size averages back to itself",
          Resample(doubled, 30, 19).bytes == Made(30, 19, design).bytes);
    check("the same size is the same picture", Resample(doubled, 60, 38).bytes == doubled.bytes);
    const Pixels even = Made(518, 38, [](int, int) { return 200; });
    const Pixels varied = Made(60, 60, [](int x, int y) { return x * x + 7 * y; });
    for (const int percent : {125, 150, 175, 250, 300}) {
        const std::string at = " at " + std::to_string(percent) + " %";
        const auto scaled = [percent](const Pixels& pixels, int width, int height) {
            return Resample(pixels, width * percent / 100, height * percent / 100);
        };
        check("an even picture stays even" + at, EvenAndPremultiplied(scaled(even, 259, 19), true));
        check("pixels stay premultiplied" + at, EvenAndPremultiplied(scaled(varied, 30, 30), false));
    }
    const auto clear = [](int, int) { return 0; };
    check("transparency stays transparent", Resample(Made(60, 60, clear), 45, 45).bytes == Made(45, 45, clear).bytes);

    std::printf("%d of %d checks as expected\n", checks - failures, checks);
    return failures == 0 ? 0 : 1;
}
