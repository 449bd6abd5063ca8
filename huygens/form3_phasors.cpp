#include "huygens/form3.h"
#include "huygens/huygens_model.h"

namespace {

constexpr ui::Colour red = ui::RGB(255, 0, 0);
constexpr double columnX = -500;
constexpr ui::Integer columnSpacing = 100;

} // namespace

void Form3::Form_MouseDown(ui::Integer button, ui::Integer, ui::Single x, ui::Single y) {
    if (button == 1) {
        Picture3->setVisible(true);
        MovePhasorBox(x, y);
        DrawRays(x, y);
        ComputePhases(x, y);
        DrawPhasorChain(ChainForm::Click);
        DrawPhasorColumn(ColumnForm::Click);
    } else if (button == 2) {
        ScanAmplitude(x);
    }
}

void Form3::Form_MouseMove(ui::Integer button, ui::Integer, ui::Single x, ui::Single y) {
    if (button == 1) {
        MovePhasorBox(x, y);
        window().Cls();
        DrawRays(x, y);
        ComputePhases(x, y);
        DrawPhasorChain(ChainForm::Sum);
    }
    DrawPhasorColumn(ColumnForm::Centred);
}

// The box is placed with its corner at the point, even where that leaves it
// partly outside the window.
void Form3::MovePhasorBox(ui::Single x, ui::Single y) {
    Picture3->setLeft(x);
    Picture3->setTop(y);
}

void Form3::DrawRays(ui::Single x, ui::Single y) {
    ui::Surface& window = this->window();
    window.setDrawWidth(2);
    countUp(sourceIndex, 0, ui::multiply(2, halfCount), 1,
            [&] { window.Line(x, y, 0, sourceY(sourceIndex), red); });
    window.setDrawWidth(1);
}

void Form3::ComputePhases(ui::Single x, ui::Single y) {
    countUp(sourceIndex, 0, ui::multiply(2, halfCount), 1, [&] {
        sourceDistance =
            huygens::distanceToSource(x, y, sourceX(sourceIndex), sourceY(sourceIndex));
        cycleFraction = huygens::cycleFractionAt(sourceDistance, wavelength);
        sourcePhase(sourceIndex) = huygens::phaseOf(cycleFraction, piValue);
    });
}

void Form3::DrawPhasorChain(ChainForm form) {
    StartPhasorChain(form);
    FinishPhasorChain();
}

// The chain from the origin, each phasor drawn from where the previous one
// ended. The click form shows the first source's phasor reversed.
void Form3::StartPhasorChain(ChainForm form) {
    ui::PictureBox& box = *Picture3;
    box.Cls();
    phasorBoxShown_ = {form, false, false};
    box.setDrawWidth(1);
    box.PSet(0, 0);
    const ui::Integer last = form == ChainForm::Sum ? ui::multiply(2, halfCount) : 0;
    countUp(sourceIndex, 0, last, 1, [&] {
        const ui::Single phase = sourcePhase(sourceIndex);
        const huygens::ChainTip tip = form == ChainForm::Sum
                                          ? huygens::addPhasor({chainX, chainY}, phase)
                                          : huygens::subtractPhasor({chainX, chainY}, phase);
        chainX = tip.x;
        chainY = tip.y;
        box.LineTo(static_cast<ui::Single>(chainX), chainY);
    });
}

// End dots, the red resultant back to the origin, and the chain reset for
// the next drawing.
void Form3::FinishPhasorChain() {
    ui::PictureBox& box = *Picture3;
    box.setDrawWidth(5);
    box.PSet(0, 0);
    box.PSet(static_cast<ui::Single>(chainX), chainY);
    box.setDrawWidth(2);
    box.LineTo(0, 0, red);
    chainX = 0;
    chainY = 0;
}

// The single phasors side by side, each from a dot on the line x = -500; the
// box is not cleared first.
void Form3::DrawPhasorColumn(ColumnForm form) {
    ui::PictureBox& box = *Picture3;
    const bool centred = form == ColumnForm::Centred;
    (centred ? phasorBoxShown_.centredColumn : phasorBoxShown_.clickColumn) = true;
    const ui::Integer last = centred ? ui::multiply(2, halfCount) : halfCount;
    countUp(sourceIndex, 0, last, 1, [&] {
        ui::Integer base = ui::multiply(columnSpacing, sourceIndex);
        if (centred)
            base = ui::subtract(base, ui::multiply(columnSpacing, halfCount));
        box.setDrawWidth(3);
        box.PSet(columnX, base);
        box.setDrawWidth(1);
        const huygens::PhasorEnd end = huygens::phasorEnd(columnX, base, sourcePhase(sourceIndex));
        box.LineTo(end.x, end.y);
    });
}
