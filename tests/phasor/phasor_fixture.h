#pragma once
// The phasor window opened from the menu, with a helper to run whole frames.

#include "../support/support.h"
#include "../ui/draw_check.h"

#include "app/form1.h"
#include "phasor/form2.h"
#include "phasor/wave_model.h"

class PhasorTest : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        app->form1().Command2_Click();
        form = &app->form2();
    }
    Form2& f() { return *form; }

    static void record(ui::Surface& surface) {
        surface.clearDrawLog();
        surface.setRecording(true);
    }
    void recordBoth() {
        record(*f().Picture1);
        record(*f().Picture2);
    }

    // Starts the animation and lets it draw `frames` whole frames: the stop
    // flag is set at the first event processing of the last one.
    void runFrames(int frames) {
        atEventProcessing(201L * (frames - 1) + 1, [this] { f().stoppedFlag = 1; });
        f().Command1_Click();
    }

    Form2* form = nullptr;
};

using namespace phasor;
