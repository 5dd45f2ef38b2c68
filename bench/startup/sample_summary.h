#pragma once

#include <vector>

struct Summary {
    double median;
    double min;
    double max;
    double lowerQuartile;
    double upperQuartile;
};

// The order statistics of a non-empty sample, quartiles interpolated
// linearly between the nearest ranks.
Summary Summarize(std::vector<double> sample);
