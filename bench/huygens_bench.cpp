// The Huygens window's figures at their worst case, 13 sources and the
// shortest wavelength: the wave-field redraw and the right-click scan.

#include "bench/figures.h"
#include "bench/measure.h"

#include "ui/runtime.h"

namespace bench {
namespace {

// Halfway across the field right of the sources (x from -300 to 3700).
constexpr ui::Single scanX = 2000;

} // namespace

void openHuygensWindow(App& app) {
    ui::runHandler([&] { app.form3().Show(); });
    Form3& form = app.form3();
    form.HScroll2->setValue(6);  // 13 sources; each change redraws the field
    form.HScroll3->setValue(60); // the shortest wavelength: 871 circles
    presentAndPaint();
}

// A slider change: the field drawn afresh and shown.
double fieldMs(Form3& form, const Repeats& repeats) {
    return medianOf(repeats.fields, [&] {
        const auto start = Clock::now();
        ui::runHandler([&] { form.HScroll3_Change(); });
        presentAndPaint();
        return millisecondsSince(start);
    });
}

// A right click at scanX until the last sample is shown.
double scanSeconds(Form3& form, const Repeats& repeats) {
    return medianOf(repeats.scans, [&] {
        const auto start = Clock::now();
        ui::runHandler([&] { form.Form_MouseDown(2, 0, scanX, 0); });
        presentAndPaint();
        const double seconds = millisecondsSince(start) / 1000;
        ui::runHandler([&] { form.Form_MouseUp(2, 0, scanX, 0); });
        presentAndPaint();
        return seconds;
    });
}

} // namespace bench
