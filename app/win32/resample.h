#pragma once

#include <cstdint>
#include <vector>

namespace vondrel::host {

// An image of premultiplied 32-bit pixels, four bytes each (blue, green,
// red, alpha), row after row.
struct Pixels {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> bytes;
};

// The image resampled to that size with a proper filter, so that small
// print stays legible at any scale: each pixel made smaller averages the
// pixels it covers, by the area it covers of each; each pixel made larger
// is interpolated linearly between its neighbours. Premultiplied pixels
// blend without dark fringes at the edges of transparency, and the result
// stays premultiplied.
Pixels Resample(const Pixels& source, int width, int height);

}  // namespace vondrel::host
