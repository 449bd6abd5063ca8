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

// The scan as a table in UTF-8: the setting, the column names "y" and
// "Amplitude", then one row per sample. Numbers use the locale's decimal
// separator; fields are separated by ';' where that is a comma, else by ','.
QByteArray amplitudeCsv(const AmplitudeScan& scan, const QLocale& locale);

} // namespace huygens
