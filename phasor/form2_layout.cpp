// The phasor window's controls, created in tab order. Positions are twips in
// the container; Form_Load later moves the two picture boxes and the controls
// inside Picture2.

#include "phasor/form2.h"

namespace {

const ui::Font bigBold{9.75, true};
const ui::Font arrowFont{12, true};
const ui::Colour panelGrey = ui::RGB(224, 224, 224);
const ui::Colour pictureWhite = ui::RGB(255, 255, 255);

// "off" padded with blanks to 40 characters, so that the label's first text
// is as wide as the state it will show.
const QString wave1StateText = QStringLiteral("off") + QString(37, QLatin1Char(' '));

} // namespace

void Form2::buildLayout() {
    ui::Surface& form = window();
    const ui::Font font = windowFont();

    Picture1 = addPictureBox(form, {120, 6000, 11055, 2895}, pictureWhite);
    Picture2 = addPictureBox(form, {4200, 480, 5055, 4815}, pictureWhite);
    Command1 = addButton(form, {240, 120, 1695, 495}, "Start W1/Menu", bigBold);
    Command2 = addButton(form, {240, 720, 1695, 495}, "Welle 2 on/off", bigBold);
    Command3 = addButton(form, {240, 1320, 1695, 495}, "Summe on/off", bigBold);
    HScroll1 = addHScrollBar(form, {240, 1920, 1695, 495}, {15, 42, 28, 1, 1});
    HScroll2 = addHScrollBar(form, {240, 2880, 1695, 495}, {800, 1000, 900, 1, 5});
    Command4 = addButton(*Picture2, {1440, 120, 2775, 375}, "Vektorsumme W1+W2", bigBold);
    HScroll3 = addHScrollBar(form, {240, 3960, 1695, 495}, {0, 50, 7, 1, 1});
    Label1 = addLabel(form, {240, 2520, 1815, 255}, QStringLiteral("Wellenlänge"), bigBold);
    Label2 = addLabel(form, {240, 3480, 1695, 375}, "Geschwindigkeit", bigBold);
    Label3 = addLabel(form, {120, 4560, 1935, 375}, "Phasenverschiebung", font);
    Label4 = addLabel(*Picture1, {120, 0, 5895, 375},
                      "Mausklick an einer Stelle der Wellen zeigt Vektorsumme ", bigBold);
    Label5 = addLabel(form, {2040, 240, 615, 255}, wave1StateText, font);
    Label6 = addLabel(form, {2040, 840, 375, 255}, "off", font);
    Label7 = addLabel(form, {2040, 1440, 375, 255}, "off", font);
    Text1 = addTextBox(form, {2040, 2040, 375, 285}, "28", font, panelGrey);
    Text2 = addTextBox(form, {2040, 4080, 375, 285}, "7", font, panelGrey);
    Text3 = addTextBox(form, {2040, 3000, 495, 285}, "1", font, panelGrey);
    Label8 = addLabel(*Picture2, {2040, 3120, 2655, 255}, "Zeiger W1 und W2", bigBold);
    Command5 = addButton(*Picture2, {240, 600, 855, 375}, "---->", arrowFont);
    Command6 = addButton(*Picture2, {240, 120, 855, 375}, "<----", arrowFont);

    connectHandlers();
    installKeys();
}

void Form2::connectHandlers() {
    Command1->onClick = handler("Command1_Click", [this] { Command1_Click(); });
    Command2->onClick = handler("Command2_Click", [this] { Command2_Click(); });
    Command3->onClick = handler("Command3_Click", [this] { Command3_Click(); });
    Command4->onClick = handler("Command4_Click", [this] { Command4_Click(); });
    HScroll1->onChange = handler("HScroll1_Change", [this] { HScroll1_Change(); });
    HScroll2->onChange = handler("HScroll2_Change", [this] { HScroll2_Change(); });
    HScroll3->onChange = handler("HScroll3_Change", [this] { HScroll3_Change(); });
    Command5->onMouseDown = handler(
        "Command5_MouseDown", [this](ui::Integer button, ui::Integer shift, ui::Single x,
                                     ui::Single y) { Command5_MouseDown(button, shift, x, y); });
    Command6->onClick = handler("Command6_Click", [this] { Command6_Click(); });
    Picture1->onMouseDown = handler(
        "Picture1_MouseDown", [this](ui::Integer button, ui::Integer shift, ui::Single x,
                                     ui::Single y) { Picture1_MouseDown(button, shift, x, y); });
    Picture1->onMouseMove = handler(
        "Picture1_MouseMove", [this](ui::Integer button, ui::Integer shift, ui::Single x,
                                     ui::Single y) { Picture1_MouseMove(button, shift, x, y); });
    Picture1->onKeyDown = handler("Picture1_KeyDown", [this](ui::Integer key, ui::Integer shift) {
        Picture1_KeyDown(key, shift);
    });
    Picture1->setFocusPolicy(Qt::StrongFocus); // first in the tab order, and with a click
}
