// The phasor window's set-up: size and scales, the controls inside the phasor
// box, the initial state and the point tables. Nothing is drawn here.

#include "phasor/form2.h"

#include "phasor/wave_model.h"

#include <cmath>

Form2::Form2(ui::Shell& shell)
    : ui::Form({"Superposition von Wellen - Phasenzeiger",
                ui::RGB(224, 224, 224),
                11370,
                8925,
                {8.25, true},
                "Form2"}),
      shell_(shell) {}

void Form2::Form_Load() {
    LayOut();

    piValue = ui::toSingle(4 * std::atan(1.0));
    vectorSumMode = 0;
    pointIndex = 0;
    pointSpacing = 30;
    amplitude = 100;
    pointCount = 100;
    phasePerStep = phasor::phasePerStepFor(piValue, 28);
    probeIndex = 50;
    wavelengthSteps = 28;
    shiftSteps = 7;
    speedFactor = 1;
    phaseStep = ui::toSingle(1.0 / 28);
    stoppedFlag = 1;
    wave2Hidden = 1;
    sumHidden = 1;
    pointerMode = 1;

    fillPointTables();
}

// The window fills the work area; the pictures and the controls in the
// phasor box are placed in the window's scale.
void Form2::LayOut() {
    setWidth(ui::toSingle(0.99 * ui::Screen::Width()));
    setHeight(ui::toSingle(0.99 * ui::Screen::Height()));

    ui::Surface& form = window();
    form.setScaleWidth(3000);
    form.setScaleHeight(3000);
    form.setScaleTop(0);
    form.setScaleLeft(0);

    Move(1, 1);

    // The wave picture is wider than the client area: its right part, which
    // holds the last points of the rows, is clipped by the window's edge.
    Picture1->setWidth(3950);
    Picture1->setHeight(1500);
    Picture1->setLeft(10);
    Picture1->setTop(1350);
    Picture1->setScaleWidth(3000);
    Picture1->setScaleHeight(1000);
    Picture1->setScaleTop(0);
    Picture1->setScaleLeft(-10);

    Picture2->setWidth(1020);
    Picture2->setHeight(1303);
    Picture2->setLeft(1055);
    Picture2->setTop(50);
    Picture2->setScaleWidth(300);
    Picture2->setScaleHeight(280);
    Picture2->setScaleTop(-140);
    Picture2->setScaleLeft(-150);

    placeControlsInPhasorBox();
}

void Form2::WorkArea_Change() {
    LayOut();
    LineWeight_Change();
}

void Form2::placeControlsInPhasorBox() {
    Command6->setTop(-140);
    Command6->setLeft(-150);
    Command5->setTop(-140);
    Command5->setLeft(150 - Command5->Width());
    Command4->setTop(-140);
    Command4->setLeft(-Command4->Width() / 2);
    Label8->setTop(140 - Label8->Height());
    Label8->setLeft(-Label8->Width() / 2);
}

void Form2::fillPointTables() {
    // The bound is the table's filled part, 100 points, not pointCount.
    for (pointIndex = 0; pointIndex <= 99; pointIndex = ui::add(pointIndex, 1)) {
        const ui::Integer i = pointIndex;
        wave1X(i) = ui::multiply(pointSpacing, i);
        wave1Base(i) = ui::multiply(pointSpacing, 6);
        wave2X(i) = ui::multiply(pointSpacing, i);
        wave2Base(i) = ui::multiply(pointSpacing, 14);
        sumX(i) = ui::multiply(pointSpacing, i);
        sumBase(i) = ui::multiply(pointSpacing, 26);
    }
}
