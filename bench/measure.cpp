#include "bench/measure.h"

#include "ui/presenter.h"

#include <QCoreApplication>
#include <algorithm>
#include <cstdio>
#include <ctime>

namespace bench {

double millisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double processCpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

double median(std::vector<double> values) {
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const std::size_t mid = values.size() / 2;
    return values.size() % 2 ? values[mid] : (values[mid - 1] + values[mid]) / 2;
}

void report(const std::string& name, double value, const std::string& unit) {
    // Three significant digits, without switching to exponents for big values.
    std::printf(value >= 100 ? "%s %.0f %s\n" : "%s %.3g %s\n", name.c_str(), value, unit.c_str());
    std::fflush(stdout);
}

void presentAndPaint() {
    ui::Presenter::instance().presentNow();
    QCoreApplication::processEvents();
}

} // namespace bench
