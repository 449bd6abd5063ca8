#include "huygens/form3.h"
#include "huygens/huygens_model.h"

#include <cmath>

void Form3::Form_Load() {
    LayOut();

    piValue = 4 * std::atan(1.0);
    initialDrawing = 1;
    halfCount = 3;
    wavelength = 100;
    sourceSpacing = 50;
    PlaceSourceRow();
    ShowWavelength();
    ShowSourceCount();

    // The field becomes the persistent image that later clears return to.
    window().setRetainDrawing(true);
    DrawWaveField();
    window().setRetainDrawing(false);
    initialDrawing = 0;
}

// The window fills the work area and shows the field in its scale.
void Form3::LayOut() {
    setWidth(ui::Screen::Width());
    setHeight(ui::Screen::Height());

    ui::Surface& window = this->window();
    window.setScaleWidth(shownField.width);
    window.setScaleHeight(shownField.height);
    window.setScaleTop(shownField.top);
    window.setScaleLeft(shownField.left);

    // The phasor box takes its scale from the size it really got, so that the
    // chain origin sits 600 units from its left and 500 from its top, y up.
    Picture3->setWidth(1100);
    Picture3->setHeight(1000);
    Picture3->setScaleWidth(Picture3->Width());
    Picture3->setScaleHeight(-Picture3->Height());
    Picture3->setScaleLeft(-600);
    Picture3->setScaleTop(500);

    Move(1, 1);
}

void Form3::WorkArea_Change() {
    LayOut();
    LineWeight_Change();
}

void Form3::PlaceSourceRow() {
    countUp(sourceIndex, 0, ui::multiply(2, halfCount), 1, [this] {
        sourceX(sourceIndex) = 0;
        sourceY(sourceIndex) = huygens::sourceRowY(sourceSpacing, sourceIndex, halfCount);
    });
}

void Form3::ShowSourceCount() {
    Text2->setText(QString::number(ui::add(ui::multiply(2, halfCount), 1)));
}

void Form3::ShowWavelength() {
    Text3->setText(QString::number(wavelength));
}
