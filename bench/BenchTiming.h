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

// The runs of one figure. The median, not the best: on a shared machine one lucky or
// disturbed run must not decide a figure.
class Timings {
public:
    // -1 (a failed run) marks the whole figure failed.
    void Add(double seconds)
    {
        failed_ = failed_ || seconds < 0;
        runs_.push_back(seconds);
    }
    bool Failed() const { return failed_ || runs_.empty(); }
    // -1 when failed.
    double Median() const
    {
        if (Failed())
            return -1;
        std::vector<double> sorted = runs_;
        std::sort(sorted.begin(), sorted.end());
        const size_t middle = sorted.size() / 2;
        return sorted.size() % 2 ? sorted[middle] : (sorted[middle - 1] + sorted[middle]) / 2;
    }

private:
    std::vector<double> runs_;
    bool failed_ = false;
};
