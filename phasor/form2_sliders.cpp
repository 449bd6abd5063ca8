// The three sliders: wavelength, speed and phase shift. They store the new
// setting and derive what the animation uses; while the animation runs it
// picks the values up at its next step, while stopped the wave rows are
// redrawn at once (not for the speed, which shows only in motion).

#include "phasor/form2.h"

#include "phasor/wave_model.h"
#include "ui/runtime.h"

#include <QLocale>

void Form2::HScroll1_Change() {
    wavelengthSteps = HScroll1->Value();
    Text1->setText(QString::number(wavelengthSteps));
    phasePerStep = phasor::phasePerStepFor(piValue, wavelengthSteps);
    phaseStep = phasor::phaseStepFor(speedFactor, wavelengthSteps);
    if (stoppedFlag == 1)
        RedrawWaves();
}

// Text3, not Text2, is the speed's number box.
void Form2::HScroll2_Change() {
    speedFactor = phasor::speedFactorFor(HScroll2->Value());
    Text3->setText(phasor::speedText(speedFactor, QLocale()));
    timePhase = 0;
    phaseStep = phasor::phaseStepFor(speedFactor, wavelengthSteps);
}

void Form2::HScroll3_Change() {
    shiftSteps = HScroll3->Value();
    Text2->setText(QString::number(shiftSteps));
    phasePerStep = phasor::phasePerStepFor(piValue, wavelengthSteps);
    if (stoppedFlag == 1)
        RedrawWaves();
}

// The still rows at the time of the last frame, in reversed colours: each
// column a line in the foreground colour, the bar in white inside it. The
// loop counter is the shared pointIndex, so a redraw nested at one of the
// event-processing points ends the interrupted one at its next test.
void Form2::RedrawWaves() {
    const int lastPoint = pointCount - 1;
    rowsShown_ = Shown::Still;
    for (pointIndex = 0; pointIndex <= lastPoint; pointIndex = ui::add(pointIndex, 1))
        RedrawWavePoint();
    Picture2->Cls();
    phasorBoxShown_ = Shown::Nothing;
}

void Form2::RedrawWavePoint() {
    phase1 = ui::toSingle(
        phasor::stillPhase(ui::add(pointIndex, shiftSteps), phasePerStep, timePhase, phaseStep));
    phase2 = ui::toSingle(phasor::stillPhase(pointIndex, phasePerStep, timePhase, phaseStep));

    Picture1->Line(wave1X(pointIndex), wave1Base(pointIndex) - amplitude, wave1X(pointIndex),
                   wave1Base(pointIndex) + amplitude);
    Picture1->Line(wave2X(pointIndex), wave2Base(pointIndex) - amplitude, wave2X(pointIndex),
                   wave2Base(pointIndex) + amplitude);
    Picture1->Line(sumX(pointIndex), sumBase(pointIndex) - 2 * amplitude, sumX(pointIndex),
                   sumBase(pointIndex) + 2 * amplitude);
    ui::DoEvents();

    Picture1->Line(wave1X(pointIndex), wave1Base(pointIndex), wave1X(pointIndex),
                   wave1Base(pointIndex) + phasor::displacement(amplitude, phase1), phasor::white);
    if (wave2Hidden == 0) {
        Picture1->Line(wave2X(pointIndex), wave2Base(pointIndex), wave2X(pointIndex),
                       wave2Base(pointIndex) + phasor::displacement(amplitude, phase2),
                       phasor::white);
        if (sumHidden == 0) {
            Picture1->Line(sumX(pointIndex), sumBase(pointIndex), sumX(pointIndex),
                           sumBase(pointIndex) + phasor::sumDisplacement(amplitude, phase1, phase2),
                           phasor::white);
        }
    }
    ui::DoEvents();
}
