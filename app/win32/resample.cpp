#include "app/win32/resample.h"

#include <algorithm>
#include <cmath>

namespace vondrel::host {

namespace {

constexpr int kChannels = 4;

// The source pixels that make one pixel of the result along one axis, and
// their weights, which add up to 1.
struct Contribution {
    int first = 0;
    std::vector<float> weights;
};

std::vector<Contribution> Contributions(int from, int to)
{
    std::vector<Contribution> contributions(static_cast<std::size_t>(to));
    const double step = static_cast<double>(from) / to;
    for (int i = 0; i < to; ++i) {
        Contribution& contribution = contributions[static_cast<std::size_t>(i)];
        if (to <= from) {
            // The area of the result's pixel over the source.
            const double start = i * step;
            const double end = start + step;
            contribution.first = static_cast<int>(start);
            for (int source = contribution.first; source < end && source < from; ++source) {
                const double covered = std::min<double>(end, source + 1) - std::max<double>(start, source);
                contribution.weights.push_back(static_cast<float>(covered / step));
            }
        } else {
            // Between the two source pixels whose centres enclose this one's.
            const double centre = std::clamp((i + 0.5) * step - 0.5, 0.0, from - 1.0);
            contribution.first = std::min(static_cast<int>(centre), from - 2 < 0 ? 0 : from - 2);
            const auto fraction = static_cast<float>(centre - contribution.first);
            contribution.weights = {1 - fraction};
            if (from > 1)
                contribution.weights.push_back(fraction);
        }
    }
    return contributions;
}

}  // namespace

Pixels Resample(const Pixels& source, int width, int height)
{
    Pixels result{width, height, std::vector<std::uint8_t>(static_cast<std::size_t>(width) * height * kChannels)};
    if (width <= 0 || height <= 0 || source.width <= 0 || source.height <= 0)
        return result;
    const auto across = Contributions(source.width, width);
    const auto down = Contributions(source.height, height);

    // Across first, into rows of the result's width at the source's height.
    std::vector<float> rows(static_cast<std::size_t>(width) * source.height * kChannels);
    for (int y = 0; y < source.height; ++y) {
        for (int x = 0; x < width; ++x) {
            const Contribution& contribution = across[static_cast<std::size_t>(x)];
            float* out = &rows[(static_cast<std::size_t>(y) * width + x) * kChannels];
            for (std::size_t k = 0; k < contribution.weights.size(); ++k) {
                const std::uint8_t* in =
                    &source.bytes[(static_cast<std::size_t>(y) * source.width + contribution.first + k) * kChannels];
                for (int channel = 0; channel < kChannels; ++channel)
                    out[channel] += contribution.weights[k] * in[channel];
            }
        }
    }
    for (int y = 0; y < height; ++y) {
        const Contribution& contribution = down[static_cast<std::size_t>(y)];
        for (int x = 0; x < width; ++x) {
            float sum[kChannels] = {};
            for (std::size_t k = 0; k < contribution.weights.size(); ++k) {
                const float* in = &rows[((contribution.first + k) * width + x) * kChannels];
                for (int channel = 0; channel < kChannels; ++channel)
                    sum[channel] += contribution.weights[k] * in[channel];
            }
            // Each colour is a sum of weights times colours no greater than
            // their alphas, so it stays within the alpha but for rounding.
            std::uint8_t* out = &result.bytes[(static_cast<std::size_t>(y) * width + x) * kChannels];
            const long alpha = std::clamp(std::lround(sum[kChannels - 1]), 0L, 255L);
            out[kChannels - 1] = static_cast<std::uint8_t>(alpha);
            for (int channel = 0; channel < kChannels - 1; ++channel)
                out[channel] = static_cast<std::uint8_t>(std::clamp(std::lround(sum[channel]), 0L, alpha));
        }
    }
    return result;
}

}  // namespace vondrel::host
