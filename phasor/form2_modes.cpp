// The mode buttons and the unload handler. The buttons only set flags and
// captions; the drawing routines read the flags at their next step.

#include "phasor/form2.h"

namespace {

ui::Integer toggled(ui::Integer flag) {
    return ui::subtract(1, flag);
}

} // namespace

// The first press starts the animation and stays inside it; the second press
// runs nested in the animation's event processing, stops it and goes back to
// the menu. The animation then finishes its frame and the first press returns.
void Form2::Command1_Click() {
    stoppedFlag = toggled(stoppedFlag);
    if (stoppedFlag == 0) {
        Label5->setCaption("W1 on");
        Command1->setCaption("Menu");
        AnimateWaves();
    } else {
        Label5->setCaption("off");
        stoppedFlag = 1;
        Command1->setCaption("Start/W1");
        Hide();
        shell_.showMenu();
    }
}

void Form2::Command2_Click() {
    wave2Hidden = toggled(wave2Hidden);
    Label6->setCaption(wave2Hidden == 0 ? "on" : "off");
}

void Form2::Command3_Click() {
    sumHidden = toggled(sumHidden);
    Label7->setCaption(sumHidden == 0 ? "on" : "off");
}

// Label8 names what Picture2 shows, Command4 what a click switches to.
void Form2::Command4_Click() {
    vectorSumMode = toggled(vectorSumMode);
    if (vectorSumMode == 0) {
        Label8->setCaption("Zeiger W1 und W2");
        Command4->setCaption("Vektorsumme W1 + W2");
        pointerMode = 1;
    } else {
        pointerMode = 0;
        Label8->setCaption("Vektorsumme W1 + W2");
        Command4->setCaption("Zeiger W1 und W2");
    }
}

// Unloading the menu window runs its own unload handler, which ends the
// program; the later unloads only matter if that ever changes.
void Form2::Form_Unload(ui::Integer& cancel) {
    (void)cancel;
    shell_.unloadAll();
}
