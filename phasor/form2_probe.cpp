// The probe point: chosen by the mouse in Picture1 or stepped with the two
// arrow buttons; Picture2 travels along the waves with it and, while the
// animation is stopped, shows the still pointer picture of that point.
//
// The mouse can put probeIndex anywhere, also outside the wave; these
// handlers only compute with it and never use it as a table index.

#include "phasor/form2.h"

#include "phasor/wave_model.h"
#include "ui/key_codes.h"

namespace {

constexpr ui::Integer leftButtonOnly = 1;
constexpr ui::Integer lastStepRight = 98;
constexpr ui::Integer lastStepLeft = 2;

} // namespace

void Form2::Picture1_MouseDown(ui::Integer button, ui::Integer shift, ui::Single x, ui::Single y) {
    (void)shift;
    (void)y;
    ChooseProbeAt(button, x);
}

// A drag with the left button alone held moves the probe point along.
void Form2::Picture1_MouseMove(ui::Integer button, ui::Integer shift, ui::Single x, ui::Single y) {
    (void)shift;
    (void)y;
    ChooseProbeAt(button, x);
}

void Form2::ChooseProbeAt(ui::Integer button, ui::Single x) {
    if (button == leftButtonOnly)
        MoveProbeTo(phasor::probeIndexAt(x, pointSpacing));
}

// "---->" acts at the press of any mouse button, not on the keyboard.
void Form2::Command5_MouseDown(ui::Integer button, ui::Integer shift, ui::Single x, ui::Single y) {
    (void)button;
    (void)shift;
    (void)x;
    (void)y;
    MoveProbeTo(probeIndex < lastStepRight ? ui::add(probeIndex, 1) : probeIndex);
}

void Form2::Command6_Click() {
    MoveProbeTo(probeIndex > lastStepLeft ? ui::subtract(probeIndex, 1) : probeIndex);
}

// The probe point at the keyboard, with the focus on the wave picture: the
// arrows step like "<----" and "---->", Home and End go to the first and the
// last point of the rows.
void Form2::Picture1_KeyDown(ui::Integer key, ui::Integer) {
    switch (key) {
    case ui::KeyLeft:
        Command6_Click();
        break;
    case ui::KeyRight:
        Command5_MouseDown(1, 0, 0, 0);
        break;
    case ui::KeyHome:
        MoveProbeTo(0);
        break;
    case ui::KeyEnd:
        MoveProbeTo(ui::subtract(pointCount, 1));
        break;
    }
}

// Every way of choosing the probe point ends here. Every choice re-places
// the box and redraws, even on the same point, so a drag always shows the
// current state.
void Form2::MoveProbeTo(ui::Integer point) {
    Picture2->setDrawWidth(3);
    probeIndex = point;
    PlaceProbeBox();
    if (stoppedFlag == 1)
        ShowProbePhasors();
}

void Form2::PlaceProbeBox() {
    Picture2->setLeft(phasor::probeBoxLeft(probeIndex));
}

// The pointers of the frame the animation drew last, at full length, in the
// still picture's own colours; drawn in both display modes.
void Form2::ShowProbePhasors() {
    phase1 = ui::toSingle(
        phasor::stillPhase(ui::add(probeIndex, shiftSteps), phasePerStep, timePhase, phaseStep));
    phase2 = ui::toSingle(phasor::stillPhase(probeIndex, phasePerStep, timePhase, phaseStep));
    cos1 = ui::toSingle(phasor::horizontal(amplitude, phase1));
    sin1 = ui::toSingle(phasor::displacement(amplitude, phase1));
    cos2 = ui::toSingle(phasor::horizontal(amplitude, phase2));
    sin2 = ui::toSingle(phasor::displacement(amplitude, phase2));

    ui::Surface& box = *Picture2;
    box.Cls();
    box.Line(0, 0, cos1, sin1, phasor::stillWave1);
    if (wave2Hidden == 0)
        box.Line(0, 0, cos2, sin2, phasor::stillWave2);
    box.setDrawWidth(1);
    box.Circle(0, 0, amplitude, phasor::olive);
    box.Line(130, 150, 130, -150, phasor::grey);
    box.Line(cos1, sin1, 130, sin1, phasor::grey);
    if (wave2Hidden == 0)
        box.Line(cos2, sin2, 130, sin2, phasor::grey);
    box.Line(0, 0, 130, 0, phasor::grey);
    box.setDrawWidth(3);
    box.Line(133, 0, 133, sin1, phasor::stillWave1);
    if (wave2Hidden == 0)
        box.Line(127, 0, 127, sin2, phasor::stillWave2);
    phasorBoxShown_ = Shown::Still;
}
