#include "huygens/form3.h"

void Form3::Command1_Click() {
    window().Cls();
    Picture1->setVisible(false);
}

void Form3::Command2_Click() {
    Picture3->setVisible(false);
}

void Form3::Picture1_Click() {
    Picture1->setVisible(false);
}

void Form3::Command3_Click() {
    Hide();
    shell_.showMenu();
}

// Any button released over the window takes the rays and the cut line away,
// and ends a drag begun with Enter.
void Form3::Form_MouseUp(ui::Integer, ui::Integer, ui::Single, ui::Single) {
    keyDragging = 0;
    window().Cls();
}

// Closing this window ends the whole program; the cancel flag stays 0.
void Form3::Form_Unload(ui::Integer&) {
    shell_.shutDown();
}
