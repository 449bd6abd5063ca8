#pragma once
// The phasor window opened from the menu, with helpers to run frames and to
// compare the drawing logs.

#include "../support/support.h"

#include "app/form1.h"
#include "phasor/form2.h"

#include <cmath>

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

// A drawing call compared with the expected one (for a circle x2 is the radius).
inline ::testing::AssertionResult drawn(const ui::DrawCall& call, ui::DrawCall::Op op, double x1,
                                        double y1, double x2, double y2, ui::Colour colour,
                                        int width) {
    const auto near = [](double a, double b) { return std::abs(a - b) < 1e-3; };
    if (call.op == op && near(call.x1, x1) && near(call.y1, y1) && near(call.x2, x2) &&
        near(call.y2, y2) && call.colour == colour && call.width == width)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "drawn " << int(call.op) << " (" << call.x1 << ", " << call.y1 << ", " << call.x2
           << ", " << call.y2 << ") " << std::hex << call.colour << std::dec << " w" << call.width
           << ", expected (" << x1 << ", " << y1 << ", " << x2 << ", " << y2 << ") " << std::hex
           << colour << std::dec << " w" << width;
}

inline ::testing::AssertionResult isLine(const ui::DrawCall& call, double x1, double y1, double x2,
                                         double y2, ui::Colour colour, int width) {
    return drawn(call, ui::DrawCall::Op::Line, x1, y1, x2, y2, colour, width);
}

inline ::testing::AssertionResult isCircle(const ui::DrawCall& call, double radius,
                                           ui::Colour colour, int width) {
    return drawn(call, ui::DrawCall::Op::Circle, 0, 0, radius, 0, colour, width);
}

inline long clsCount(const ui::Surface& surface) {
    return std::count_if(surface.drawLog().begin(), surface.drawLog().end(),
                         [](const ui::DrawCall& c) { return c.op == ui::DrawCall::Op::Cls; });
}
