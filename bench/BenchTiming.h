#pragma once
#include <chrono>

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
