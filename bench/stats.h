// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <cstdio>
#include <vector>

// Median and spread of a set of timings or sizes.
struct Summary
{
    double median = 0;
    double p25 = 0;
    double p75 = 0;
    double min = 0;
    double max = 0;
    std::size_t count = 0;
};

// The value at fraction q of the sorted samples, interpolated between neighbours.
inline double Quantile(const std::vector<double>& sorted, double q)
{
    if (sorted.empty())
        return 0;
    const double at = q * static_cast<double>(sorted.size() - 1);
    const auto below = static_cast<std::size_t>(at);
    const std::size_t above = std::min(below + 1, sorted.size() - 1);
    return sorted[below] + (sorted[above] - sorted[below]) * (at - static_cast<double>(below));
}

inline Summary Summarize(std::vector<double> samples)
{
    Summary summary;
    if (samples.empty())
        return summary;
    std::sort(samples.begin(), samples.end());
    summary.median = Quantile(samples, 0.5);
    summary.p25 = Quantile(samples, 0.25);
    summary.p75 = Quantile(samples, 0.75);
    summary.min = samples.front();
    summary.max = samples.back();
    summary.count = samples.size();
    return summary;
}
