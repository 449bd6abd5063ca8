#include "huygens/amplitude_table.h"

#include "ui/decimal.h"

#include <QStringList>

namespace huygens {
namespace {

// The shortest decimal that reads back as the same single-precision value,
// never in exponent form (spreadsheets would read that as text in some locales).
QString numberText(ui::Single value, const QLocale& locale) {
    return QString::fromStdString(ui::shortestDecimal(value)).replace('.', locale.decimalPoint());
}

} // namespace

PlotRecord::Scan::Scan(PlotRecord& record, AmplitudeScan setting)
    : record_(record), scan_(std::move(setting)), started_(++record.started_),
      settingChanges_(record.settingChanges_) {
    ++record_.running_;
    record_.fault_ = PlotFault::Interrupted;
    record_.plotted_.clear();
}

PlotRecord::Scan::~Scan() {
    --record_.running_;
}

void PlotRecord::Scan::finish() {
    if (record_.settingChanges_ != settingChanges_)
        record_.fault_ = PlotFault::SettingChanged;
    else if (record_.started_ != started_)
        record_.fault_ = PlotFault::Nested;
    else {
        record_.fault_ = PlotFault::None;
        record_.table_ = std::move(scan_);
    }
}

QByteArray amplitudeCsv(const AmplitudeScan& scan, const QLocale& locale) {
    const QString separator = locale.decimalPoint() == "," ? ";" : ",";
    QStringList lines;
    lines << QStringList{"Zahl der Elementarwellen",
                         QString::number(scan.sourceCount),
                         "Wellenlänge",
                         QString::number(scan.wavelength),
                         "x des Schnitts",
                         numberText(scan.cutX, locale)}
                 .join(separator);
    lines << "y" + separator + "Amplitude";
    for (const AmplitudeSample& sample : scan.samples)
        lines << numberText(sample.y, locale) + separator + numberText(sample.amplitude, locale);
    // The byte order mark makes spreadsheets read the umlauts as UTF-8.
    return "\xEF\xBB\xBF" + (lines.join('\n') + '\n').toUtf8();
}

} // namespace huygens
