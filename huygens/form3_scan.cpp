#include "huygens/form3.h"
#include "huygens/huygens_model.h"
#include "ui/runtime.h"

namespace {

constexpr ui::Colour red = ui::RGB(255, 0, 0);
constexpr ui::Single scanStart = -3000;
constexpr ui::Single scanEnd = 3000;
constexpr ui::Single scanStep = 5;
constexpr double plotBaseline = 800;
constexpr double cutTop = -1500;
constexpr double cutBottom = 1500;

} // namespace

// The vertical cut through x, sampled from top to bottom whatever the height
// of the click. Events are processed once per sample, so any handler may run
// in between; every sample therefore recomputes its phases and starts its
// chain from the window's current state.
void Form3::ScanAmplitude(ui::Single x) {
    ui::Surface& window = this->window();
    Picture1->setVisible(true);
    Picture3->setVisible(true);
    Picture1->Cls();

    huygens::PlotRecord::Scan scan(plotRecord,
                                   {ui::add(ui::multiply(2, halfCount), 1), wavelength, x, {}});
    for (ui::Single y = scanStart; y <= scanEnd; y += scanStep) {
        MovePhasorBox(x, y);
        ui::DoEvents();
        window.Cls();
        DrawRays(x, y);
        ComputePhases(x, y);
        StartPhasorChain(ChainForm::Sum);
        resultAmplitude = huygens::amplitudeOf({chainX, chainY});
        scan.add({y, resultAmplitude});
        PlotAmplitude({y, resultAmplitude});
        FinishPhasorChain();
        DrawPhasorColumn(ColumnForm::Centred);
    }

    window.setDrawWidth(3);
    window.Line(x, cutTop, x, cutBottom, red);
    window.setDrawWidth(1);
    scan.finish();
}

// One sample as an upright bar from the plot's baseline.
void Form3::PlotAmplitude(huygens::AmplitudeSample sample) {
    Picture1->Line(sample.y, plotBaseline, sample.y, ui::toSingle(plotBaseline - sample.amplitude),
                   red);
}
