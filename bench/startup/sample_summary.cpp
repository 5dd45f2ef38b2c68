#include "sample_summary.h"

#include <algorithm>
#include <cmath>

namespace {

double Quantile(const std::vector<double>& sorted, double fraction)
{
    const double rank = fraction * static_cast<double>(sorted.size() - 1);
    const auto below = static_cast<std::size_t>(std::floor(rank));
    const std::size_t above = std::min(below + 1, sorted.size() - 1);
    const double weight = rank - static_cast<double>(below);
    return sorted[below] + weight * (sorted[above] - sorted[below]);
}

}  // namespace

Summary Summarize(std::vector<double> sample)
{
    std::sort(sample.begin(), sample.end());
    return {Quantile(sample, 0.5), sample.front(), sample.back(), Quantile(sample, 0.25), Quantile(sample, 0.75)};
}
