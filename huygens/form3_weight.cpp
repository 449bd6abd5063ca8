// A new line weight: the field, the amplitude plot and the phasor box are
// drawn again in it at once, each from what it shows.

#include "huygens/form3.h"

void Form3::LineWeight_Change() {
    DrawWaveFieldAfresh();
    DrawPlotAgain();
    DrawPhasorBoxAgain();
}

void Form3::DrawPlotAgain() {
    Picture1->Cls();
    for (const huygens::AmplitudeSample& sample : plotRecord.plotted())
        PlotAmplitude(sample);
}

// A box that is hidden is drawn afresh when it opens again.
void Form3::DrawPhasorBoxAgain() {
    const PhasorBoxPicture shown = phasorBoxShown_;
    if (!Picture3->Visible() || !shown.chain)
        return;
    DrawPhasorChain(*shown.chain);
    if (shown.clickColumn)
        DrawPhasorColumn(ColumnForm::Click);
    if (shown.centredColumn)
        DrawPhasorColumn(ColumnForm::Centred);
}
