#pragma once
// The shared fixtures, input helpers and drawing-log checks, on an offscreen
// screen of 1920 x 1080 pixels (28800 x 16200 twips).

#include "app/app.h"
#include "ui/runtime.h"
#include "ui/surface.h"

#include <QPoint>
#include <QTemporaryDir>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

// The program started as main() does, frame pacing off; Qt's warnings fail the test.
class AppTest : public ::testing::Test {
protected:
    AppTest() { start(); }
    void start();
    void TearDown() override;
    // The demonstration windows, opened from the menu as a user would.
    Form2& openPhasor();
    Form3& openHuygens();
    // Starts the animation and lets it draw `frames` whole frames, then stops.
    void runFrames(int frames);
    std::unique_ptr<App> app;
    QTemporaryDir settingsFolder; // the user's settings, empty for every test
};

class PhasorTest : public AppTest {
protected:
    Form2& f = openPhasor();
};

QStringList takeQtWarnings(); // Qt warnings printed since the last call

// The widget-local pixel of a user-unit point on a surface.
QPoint pixelAt(const ui::Surface& surface, double x, double y);

// Mouse input as the window system delivers it; `held`: the buttons down after.
void mousePress(QWidget* widget, Qt::MouseButton button, QPoint pos, Qt::MouseButtons held = {},
                Qt::KeyboardModifiers modifiers = {});
void mouseRelease(QWidget* widget, Qt::MouseButton button, QPoint pos, Qt::MouseButtons held = {});
void mouseMove(QWidget* widget, QPoint pos, Qt::MouseButtons held);
// Press and release; the centre by default.
void click(QWidget* widget, QPoint pos = {}, Qt::MouseButton button = Qt::LeftButton);
void postMouseRelease(QWidget* widget, Qt::MouseButton button, QPoint pos); // at the next DoEvents
// A key to the widget with the focus in the active window, or to the window.
void typeKey(int key, Qt::KeyboardModifiers modifiers = {});

// Runs `action` inside the n-th DoEvents from now (1 = the next one), once.
void atEventProcessing(long n, std::function<void()> action);

// The colours the program draws in.
constexpr ui::Colour red = ui::RGB(255, 0, 0), green = ui::RGB(0, 200, 0),
                     blue = ui::RGB(0, 0, 255), grey = ui::RGB(128, 128, 128),
                     lightGrey = ui::RGB(160, 160, 160), olive = ui::RGB(128, 128, 18),
                     white = ui::WindowBackground, stillWave1 = ui::RGB(128, 255, 0),
                     stillWave2 = ui::RGB(0, 200, 255);

using Op = ui::DrawCall::Op;
void record(ui::Surface& surface); // an empty log that records from now on
inline void record(ui::Surface& a, ui::Surface& b) {
    record(a);
    record(b);
}
// A call compared with the expected one (for a circle x2 is the radius).
::testing::AssertionResult drawn(const ui::DrawCall& call, Op op, double x1, double y1, double x2,
                                 double y2, ui::Colour colour, int width);
inline ::testing::AssertionResult isLine(const ui::DrawCall& call, double x1, double y1, double x2,
                                         double y2, ui::Colour colour, int width) {
    return drawn(call, Op::Line, x1, y1, x2, y2, colour, width);
}
std::vector<ui::DrawCall> callsOf(const ui::Surface& surface, Op op);
// The colour a surface shows at a point in its user units.
QRgb shownAt(const ui::Surface& surface, double x, double y);
