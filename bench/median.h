// The timing the value benchmarks share: the median of repeated runs, so that one slow run (a
// page fault, another process) does not move the figure.
#pragma once
#include <algorithm>
#include <chrono>
#include <vector>

// The median wall time of `runs` calls of `work`, in milliseconds.
template <class Work> double medianMillis(int runs, Work work) {
    std::vector<double> times;
    times.reserve(static_cast<std::size_t>(runs));
    for (int i = 0; i < runs; ++i) {
        const auto start = std::chrono::steady_clock::now();
        work();
        times.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}
