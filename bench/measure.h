#pragma once
// Small measuring helpers shared by the benchmark's figures.

#include <chrono>
#include <string>
#include <vector>

namespace bench {

using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start);
double processCpuSeconds(); // all threads of the process
double median(std::vector<double> values);

// One line of the report: "name value unit".
void report(const std::string& name, double value, const std::string& unit);

// Runs `once` `runs` times and returns the median of what it returns.
template <typename F> double medianOf(int runs, F once) {
    std::vector<double> values;
    for (int i = 0; i < runs; ++i)
        values.push_back(once());
    return median(values);
}

// Repaints what the program drew (as the presenter would at the next
// refresh) and lets the window system take the new picture.
void presentAndPaint();

} // namespace bench
