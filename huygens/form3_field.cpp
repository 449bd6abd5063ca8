#include "huygens/form3.h"
#include "ui/runtime.h"

void Form3::DrawWaveField() {
    ui::Surface& window = this->window();
    window.setDrawWidth(5);
    countUp(sourceIndex, 0, ui::multiply(2, halfCount), 1,
            [&] { window.PSet(sourceX(sourceIndex), sourceY(sourceIndex)); });
    window.setDrawWidth(1);
    window.Line(0, 0, 3800, 0);

    // Ring by ring, every source's circle of one radius before the next radius.
    countUp(waveRadius, 0, 4000, wavelength, [&] {
        countUp(sourceIndex, 0, ui::multiply(2, halfCount), 1, [&] {
            if (initialDrawing == 1)
                ui::DoEvents();
            window.Circle(sourceX(sourceIndex), sourceY(sourceIndex), waveRadius);
        });
    });
}

// Both sliders end here: the field afresh, and the phasor box, which belongs
// to the old setting, hidden. A scan running meanwhile goes on with the new
// setting.
void Form3::DrawWaveFieldForNewSetting() {
    plotRecord.settingChanged();
    DrawWaveFieldAfresh();
    Picture3->setVisible(false);
}

// The field drawn on a clear picture into the persistent image, which takes
// every ray, cut line and chain drawn over the old field with it.
void Form3::DrawWaveFieldAfresh() {
    ui::Surface& window = this->window();
    window.setRetainDrawing(false);
    window.setRetainDrawing(true);
    window.Cls();
    window.setRetainDrawing(true);
    DrawWaveField();
    window.setRetainDrawing(false);
}

void Form3::HScroll2_Change() {
    halfCount = HScroll2->Value();
    ShowSourceCount();
    PlaceSourceRow();
    DrawWaveFieldForNewSetting();
}

void Form3::HScroll3_Change() {
    wavelength = HScroll3->Value();
    ShowWavelength();
    DrawWaveFieldForNewSetting();
}
