#pragma once
#include <algorithm>
#include <chrono>
#include <vector>

// The seconds a piece of work takes, -1 when it reports failure.
template <typename Work> double Seconds(Work work)
{
    const auto start = std::chrono::steady_clock::now();
    if (!work())
        return -1;
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// The better of two timings, where -1 is none.
inline double Best(double best, double seconds)
{
    return best < 0 || (seconds >= 0 && seconds < best) ? seconds : best;
}

// The median of timings, where -1 (a failure) makes the whole figure -1.
inline double Median(std::vector<double> seconds)
{
    if (seconds.empty() || std::find(seconds.begin(), seconds.end(), -1.0) != seconds.end())
        return -1;
    std::sort(seconds.begin(), seconds.end());
    const size_t middle = seconds.size() / 2;
    return seconds.size() % 2 ? seconds[middle] : (seconds[middle - 1] + seconds[middle]) / 2;
}
