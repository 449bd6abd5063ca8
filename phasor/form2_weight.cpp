// A new line weight: what the pictures show is drawn again in it at once.
//
// The animation erases each column with a strip a few pens wide before it
// draws the column's bars; after a change of weight those strips are no
// longer as wide as the bars an earlier frame drew, so the rows are cleared
// and the running frame and the next draw every column afresh.

#include "phasor/form2.h"

#include "phasor/step.h"
#include "phasor/wave_model.h"

void Form2::LineWeight_Change() {
    if (stoppedFlag == 0) {
        Picture1->Cls();
        return;
    }
    switch (rowsShown_) {
    case Shown::Frame:
        DrawLastFrameRows();
        break;
    case Shown::Still: {
        const Shown box = phasorBoxShown_; // the still rows clear the box
        Picture1->Cls();
        RedrawWaves();
        phasorBoxShown_ = box;
        break;
    }
    case Shown::Nothing:
        break;
    }
    DrawPhasorBoxAgain();
}

// The grey bars of the last frame, with its probe column left empty as the
// frame left it.
void Form2::DrawLastFrameRows() {
    Picture1->Cls();
    Picture1->setDrawWidth(2);
    const int lastPoint = pointCount - 1;
    for (pointIndex = 0; pointIndex <= lastPoint; pointIndex = ui::add(pointIndex, 1)) {
        if (pointIndex == probeIndex)
            continue;
        phase1 = ui::toSingle(phasor::stillPhase(ui::add(pointIndex, shiftSteps), phasePerStep,
                                                 timePhase, phaseStep));
        phase2 = ui::toSingle(phasor::stillPhase(pointIndex, phasePerStep, timePhase, phaseStep));
        DrawWaveBarsAt("DrawLastFrameRows");
    }
}

// The box as the last frame left it (its values are still in cos1 … sin2
// unless the still picture replaced them), or the still picture.
void Form2::DrawPhasorBoxAgain() {
    switch (phasorBoxShown_) {
    case Shown::Frame:
        Picture2->Cls();
        Picture2->setDrawWidth(3);
        if (vectorSumMode == 0)
            DrawPointerPicture();
        if (pointerMode == 0)
            DrawVectorSumPicture();
        break;
    case Shown::Still:
        Picture2->setDrawWidth(3);
        ShowProbePhasors();
        break;
    case Shown::Nothing:
        break;
    }
}
