#include "huygens/form3.h"

namespace {

const ui::Font labelFont{9.75, true};

} // namespace

Form3::Form3(ui::Shell& shell)
    : ui::Form({" Huygen-Fresnel Prinzip und Zeigerdarstellung",
                ui::WindowBackground,
                14790,
                10695,
                {8.25, true},
                "Form3"}),
      shell_(shell) {}

// The controls in tab order; the picture boxes stay hidden until a click into
// the wave field shows them.
void Form3::buildLayout() {
    ui::Surface& window = this->window();
    const ui::Font font = windowFont();

    Picture1 = addPictureBox(window, {120, 7800, 6975, 2895});
    Picture1->setVisible(false);
    // The plot's horizontal axis is the cut coordinate, its bars stand on y = 800.
    Picture1->setScaleLeft(-3000);
    Picture1->setScaleTop(0);
    Picture1->setScaleWidth(6000);
    Picture1->setScaleHeight(800);

    Text2 = addTextBox(window, {1320, 0, 375, 375}, "Text2", font);
    HScroll2 = addHScrollBar(window, {0, 0, 1335, 375}, {1, 6, 3, 1, 5});
    Label1 = addLabel(window, {0, 360, 1695, 735}, "Zahl der Elementarwellen", labelFont);
    HScroll3 = addHScrollBar(window, {1800, 0, 1335, 375}, {60, 200, 100, 10, 10});
    Text3 = addTextBox(window, {3120, 0, 375, 375}, "Text3", font);
    Label2 = addLabel(window, {1800, 360, 1695, 375}, "Wellenlänge", labelFont);

    Picture3 = addPictureBox(window, {3960, 840, 4455, 3615});
    Picture3->setVisible(false);
    Label3 =
        addLabel(*Picture3, {120, 0, 4215, 735}, "Zeiger und respektive Vektorsumme", labelFont);
    Command1 = addButton(*Picture1, {0, 0, 855, 375}, "Cls", font);
    Command2 = addButton(*Picture3, {3360, 3240, 495, 375}, "Cls", font);
    Label4 = addLabel(*Picture1, {2160, 0, 2895, 375}, "Amplitudenverteilung", labelFont);
    Label5 = addLabel(window, {4920, 0, 8055, 255},
                      "Im Wellenfeld Mausklick links: Zeiger (einzel) und Vektorsumme", labelFont);
    Command3 = addButton(window, {3600, 0, 1215, 375}, "Menu", font);
    Frame1 = addFrame(
        window, {4800, 240, 7935, 255},
        "Im Wellenfeld Mausklick rechts:Berechnung der Amplitutenverteilung (Nahfeld)", labelFont);

    // The field itself takes the keyboard focus too: after "Menu" in the tab
    // order, or with a click into it.
    window.setFocusPolicy(Qt::StrongFocus);
    connectHandlers();
    installKeys();
}

void Form3::connectHandlers() {
    HScroll2->onChange = handler("HScroll2_Change", [this] { HScroll2_Change(); });
    HScroll3->onChange = handler("HScroll3_Change", [this] { HScroll3_Change(); });
    Command1->onClick = handler("Command1_Click", [this] { Command1_Click(); });
    Command2->onClick = handler("Command2_Click", [this] { Command2_Click(); });
    Command3->onClick = handler("Command3_Click", [this] { Command3_Click(); });
    Picture1->onClick = handler("Picture1_Click", [this] { Picture1_Click(); });
    // The keyboard's cursor goes where the mouse was pressed.
    window().onMouseDown = handler("Form_MouseDown", [this](ui::Integer button, ui::Integer shift,
                                                            ui::Single x, ui::Single y) {
        PlaceKeyCursor(x, y);
        Form_MouseDown(button, shift, x, y);
    });
    window().onMouseMove =
        handler("Form_MouseMove", [this](ui::Integer button, ui::Integer shift, ui::Single x,
                                         ui::Single y) { Form_MouseMove(button, shift, x, y); });
    window().onMouseUp =
        handler("Form_MouseUp", [this](ui::Integer button, ui::Integer shift, ui::Single x,
                                       ui::Single y) { Form_MouseUp(button, shift, x, y); });
    window().onKeyDown = handler(
        "Form_KeyDown", [this](ui::Integer key, ui::Integer shift) { Form_KeyDown(key, shift); });
    window().setCursorMark({keyCursorX, keyCursorY});
}
