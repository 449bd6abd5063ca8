// The animation: frame after frame of the wave rows in Picture1 and the
// phasors at the probe point in Picture2, until the stop flag is seen at the
// start of a frame.
//
// Pending events are processed at five places per frame, so any handler of
// the window can run between two drawing steps. That is why every step reads
// the window variables (also probeIndex and pointIndex) at its own use, and
// why every step runs through runStep (as `step`): a nested handler can leave
// values that make a single step fail, and only that step is lost, with one
// report naming its routine.

#include "phasor/form2.h"

#include "phasor/step.h"
#include "phasor/wave_model.h"
#include "ui/runtime.h"

using phasor::Steps;

namespace {

// One frame is shown per period of a 60 Hz display, however fast the drawing.
constexpr double framePeriodMs = 1000.0 / 60;

} // namespace

void Form2::AnimateWaves() {
    const Steps step(nullptr);
    for (;;) {
        if (stoppedFlag == 1)
            return;
        ComputeProbeValues();
        DrawProbeBars();
        DrawPhasorDiagram();
        DrawWaveBars();
        // The frame is shown complete, with the probe point's coloured bars
        // that the next step erases again.
        ui::PresentFrame();
        EraseProbeBars();
        step([&] { timePhase = ui::toSingle(timePhase + phaseStep); });
        ui::DoEventsUntilNextFrame(framePeriodMs);
    }
}

void Form2::ComputeProbeValues() {
    const Steps step("ComputeProbeValues");
    step([&] {
        phase1 = ui::toSingle(
            phasor::wavePhase(ui::add(probeIndex, shiftSteps), phasePerStep, timePhase));
    });
    step([&] { phase2 = ui::toSingle(phasor::wavePhase(probeIndex, phasePerStep, timePhase)); });
    step([&] { cos1 = ui::toSingle(phasor::horizontal(amplitude, phase1)); });
    step([&] { sin1 = ui::toSingle(phasor::displacement(amplitude, phase1)); });
    step([&] { cos2 = ui::toSingle(phasor::horizontal(amplitude, phase2)); });
    step([&] { sin2 = ui::toSingle(phasor::displacement(amplitude, phase2)); });
}

void Form2::DrawProbeBars() {
    const Steps step("DrawProbeBars");
    step([&] { Picture1->setDrawWidth(4); });
    step([&] {
        Picture1->Line(wave1X(probeIndex), wave1Base(probeIndex), wave1X(probeIndex),
                       wave1Base(probeIndex) + sin1, phasor::green);
    });
    if (wave2Hidden == 0) {
        step([&] {
            Picture1->Line(wave2X(probeIndex), wave2Base(probeIndex), wave2X(probeIndex),
                           wave2Base(probeIndex) + sin2, phasor::blue);
        });
    }
    if (wave2Hidden == 0 && sumHidden == 0) {
        step([&] {
            Picture1->Line(sumX(probeIndex), sumBase(probeIndex), sumX(probeIndex),
                           sumBase(probeIndex) + sin1 + sin2, phasor::red);
        });
    }
    step([&] { Picture1->setDrawWidth(2); });
}

void Form2::DrawPhasorDiagram() {
    const Steps step("DrawPhasorDiagram");
    step([&] { Picture2->Cls(); });
    phasorBoxShown_ = Shown::Frame;
    ui::DoEvents();
    if (vectorSumMode == 0)
        DrawPointerPicture();
    if (pointerMode == 0)
        DrawVectorSumPicture();
    ui::DoEvents();
}

// The two pointers side by side, 0.6 × amplitude long, with their projections
// onto the axis at x = 130. The first two lines keep the pen width that the
// last drawing in Picture2 left.
void Form2::DrawPointerPicture() {
    const Steps step("DrawPointerPicture");
    ui::Surface& box = *Picture2;
    step([&] { box.Line(0, 0, 0.6 * cos1, 0.6 * sin1, phasor::green); });
    if (wave2Hidden == 0)
        step([&] { box.Line(0, 0, 0.6 * cos2, 0.6 * sin2, phasor::blue); });
    step([&] { box.setDrawWidth(1); });
    step([&] { box.Circle(0, 0, 0.6 * amplitude, phasor::olive); });
    step([&] { box.Line(130, 150, 130, -150, phasor::grey); });
    step([&] { box.Line(0.6 * cos1, 0.6 * sin1, 130, 0.6 * sin1, phasor::grey); });
    if (wave2Hidden == 0)
        step([&] { box.Line(0.6 * cos2, 0.6 * sin2, 130, 0.6 * sin2, phasor::grey); });
    step([&] { box.Line(0, 0, 130, 0, phasor::grey); });
    step([&] { box.setDrawWidth(3); });
    step([&] { box.Line(135, 0, 135, 0.6 * sin1, phasor::green); });
    if (wave2Hidden == 0)
        step([&] { box.Line(125, 0, 125, 0.6 * sin2, phasor::blue); });
}

// W2's pointer placed at the tip of W1's, the resultant back to the origin,
// and the projections stacked on the axis.
void Form2::DrawVectorSumPicture() {
    const Steps step("DrawVectorSumPicture");
    ui::Surface& box = *Picture2;
    step([&] { box.setDrawWidth(3); });
    step([&] { tip1X = ui::toSingle(0.6 * cos1); });
    step([&] { tip1Y = ui::toSingle(0.6 * sin1); });
    step([&] { tipSumX = ui::toSingle(0.6 * cos2 + tip1X); });
    step([&] { tipSumY = ui::toSingle(0.6 * sin2 + tip1Y); });

    step([&] { box.Line(0, 0, tip1X, tip1Y, phasor::green); });
    if (wave2Hidden == 0)
        step([&] { box.LineTo(tipSumX, tipSumY, phasor::blue); });
    if (wave2Hidden == 0 && sumHidden == 0)
        step([&] { box.LineTo(0, 0, phasor::red); });
    if (wave2Hidden == 0)
        step([&] { box.Line(135, 0, 135, tip1Y + 0.6 * sin2, phasor::red); });
    step([&] { box.setDrawWidth(1); });
    if (wave2Hidden == 0)
        step([&] {
            box.Circle(0, 0, phasor::resultantRadius(tipSumX, tipSumY), phasor::lightGrey);
        });
    step([&] { box.Line(130, 150, 130, -150, phasor::grey); });
    step([&] { box.Line(tip1X, tip1Y, 130, tip1Y, phasor::grey); });
    if (wave2Hidden == 0)
        step([&] { box.Line(tipSumX, tipSumY, 130, tipSumY, phasor::grey); });
    step([&] { box.Line(0, 0, 130, 0, phasor::grey); });
    step([&] { box.setDrawWidth(3); });
    step([&] { box.Line(125, 0, 125, tip1Y, phasor::green); });
    if (wave2Hidden == 0)
        step([&] { box.Line(130, tip1Y, 130, tipSumY, phasor::blue); });
}

// The loop counter is the window variable pointIndex: a loop nested at one of
// the event-processing points leaves its own end value there, and this loop
// goes on from it. The bound is fixed when the loop starts.
void Form2::DrawWaveBars() {
    rowsShown_ = Shown::Frame;
    const int lastPoint = pointCount - 1;
    for (pointIndex = 0; pointIndex <= lastPoint;) {
        DrawWavePoint();
        try {
            pointIndex = ui::add(pointIndex, 1);
        } catch (const ui::RuntimeError& error) {
            // A counter that cannot be stepped any further ends the loop.
            ui::reportFailure(phasor::animationStepName("DrawWaveBars"), error);
            break;
        }
    }
}

void Form2::DrawWavePoint() {
    const Steps step("DrawWavePoint");
    step([&] {
        phase1 = ui::toSingle(
            phasor::wavePhase(ui::add(pointIndex, shiftSteps), phasePerStep, timePhase));
    });
    step([&] { phase2 = ui::toSingle(phasor::wavePhase(pointIndex, phasePerStep, timePhase)); });
    // The probe column keeps the coloured bars of this frame.
    if (pointIndex == probeIndex)
        return;

    // Erase strips, wider than the bars, in every row whatever is shown.
    step([&] { Picture1->setDrawWidth(5); });
    step([&] {
        Picture1->Line(wave1X(pointIndex), wave1Base(pointIndex) - amplitude, wave1X(pointIndex),
                       wave1Base(pointIndex) + amplitude, phasor::white);
    });
    step([&] {
        Picture1->Line(wave2X(pointIndex), wave2Base(pointIndex) - amplitude, wave2X(pointIndex),
                       wave2Base(pointIndex) + amplitude, phasor::white);
    });
    step([&] {
        Picture1->Line(sumX(pointIndex), sumBase(pointIndex) - 2 * amplitude, sumX(pointIndex),
                       sumBase(pointIndex) + 2 * amplitude, phasor::white);
    });
    step([&] { Picture1->setDrawWidth(2); });
    ui::DoEvents();

    DrawWaveBarsAt("DrawWavePoint");
    ui::DoEvents();
}

void Form2::DrawWaveBarsAt(const char* routine) {
    const Steps step(routine);
    step([&] {
        Picture1->Line(wave1X(pointIndex), wave1Base(pointIndex), wave1X(pointIndex),
                       wave1Base(pointIndex) + phasor::displacement(amplitude, phase1),
                       phasor::grey);
    });
    if (wave2Hidden == 0) {
        step([&] {
            Picture1->Line(wave2X(pointIndex), wave2Base(pointIndex), wave2X(pointIndex),
                           wave2Base(pointIndex) + phasor::displacement(amplitude, phase2),
                           phasor::grey);
        });
    }
    if (wave2Hidden == 0 && sumHidden == 0) {
        step([&] {
            Picture1->Line(sumX(pointIndex), sumBase(pointIndex), sumX(pointIndex),
                           sumBase(pointIndex) + phasor::sumDisplacement(amplitude, phase1, phase2),
                           phasor::grey);
        });
    }
}

// sin1 and sin2 still hold the probe values of this frame: the wave loop
// changes only phase1 and phase2.
void Form2::EraseProbeBars() {
    const Steps step("EraseProbeBars");
    step([&] { Picture1->setDrawWidth(6); });
    step([&] {
        Picture1->Line(wave1X(probeIndex), wave1Base(probeIndex), wave1X(probeIndex),
                       wave1Base(probeIndex) + sin1, phasor::white);
    });
    step([&] {
        Picture1->Line(wave2X(probeIndex), wave2Base(probeIndex), wave2X(probeIndex),
                       wave2Base(probeIndex) + sin2, phasor::white);
    });
    step([&] {
        Picture1->Line(sumX(probeIndex), sumBase(probeIndex), sumX(probeIndex),
                       sumBase(probeIndex) + sin1 + sin2, phasor::white);
    });
    step([&] { Picture1->setDrawWidth(2); });
}
