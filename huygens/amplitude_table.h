#pragma once
// The numbers behind the amplitude plot: the samples of one scan along a cut
// and the table a spreadsheet reads.

#include "ui/numeric.h"

#include <QByteArray>
#include <QLocale>
#include <vector>

namespace huygens {

struct AmplitudeSample {
    ui::Single y = 0;         // on the cut, in window units
    ui::Single amplitude = 0; // the length of the resultant there
};

struct AmplitudeScan {
    ui::Integer sourceCount = 0; // elementary waves
    ui::Integer wavelength = 0;
    ui::Single cutX = 0;
    std::vector<AmplitudeSample> samples;
};

// Why the amplitude plot on screen is not the table of one scan.
enum class PlotFault { None, NoScan, Running, SettingChanged, Nested, Interrupted };

// The record behind the amplitude plot: the samples of the scan it shows, or
// what keeps it from being one scan of one setting. Events are processed once
// per sample, so a slider may change the field while a scan runs, and a right
// click may start a scan inside the running one.
class PlotRecord {
public:
    class Scan;
    PlotFault fault() const { return running_ > 0 ? PlotFault::Running : fault_; }
    const AmplitudeScan& table() const { return table_; } // when fault() is None
    void settingChanged() { ++settingChanges_; }
    // Every sample drawn since the plot was last cleared, also those of a
    // scan that has not finished or that another one interrupted: what the
    // plot shows, to draw it again.
    const std::vector<AmplitudeSample>& plotted() const { return plotted_; }

private:
    int running_ = 0;
    long started_ = 0, settingChanges_ = 0;
    AmplitudeScan table_;
    std::vector<AmplitudeSample> plotted_;
    PlotFault fault_ = PlotFault::NoScan;
};

// One scan while it runs, from the clearing of the plot (when it is made) to
// its last sample; a scan left before finish() counts as interrupted.
class PlotRecord::Scan {
public:
    Scan(PlotRecord& record, AmplitudeScan setting);
    ~Scan();
    Scan(const Scan&) = delete;
    Scan& operator=(const Scan&) = delete;
    void add(AmplitudeSample sample) {
        scan_.samples.push_back(sample);
        record_.plotted_.push_back(sample);
    }
    void finish();

private:
    PlotRecord& record_;
    AmplitudeScan scan_;
    long started_, settingChanges_;
};

// The scan as a table in UTF-8: the setting, the column names "y" and
// "Amplitude", then one row per sample. Numbers use the locale's decimal
// separator; fields are separated by ';' where that is a comma, else by ','.
QByteArray amplitudeCsv(const AmplitudeScan& scan, const QLocale& locale);

} // namespace huygens
