#include "../support/support.h"

#include "huygens/form3.h"
#include "ui/touch.h"

#include <QPointingDevice>
#include <QTest>

namespace {

using Seen = std::vector<std::tuple<char, int, int, int>>; // down/move/up/click, button, pixel

// A bare surface in twips, 15 to a pixel, and a finger on the touch screen.
class Finger : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        surface.resize(300, 200);
        surface.show();
        for (auto [handler, kind] : {std::pair{&surface.onMouseDown, 'd'},
                                     {&surface.onMouseMove, 'm'},
                                     {&surface.onMouseUp, 'u'}})
            *handler = [this, kind](ui::Integer b, ui::Integer, ui::Single x, ui::Single y) {
                if (b != 0) // Qt moves the pointer to where a finger lands, with no button
                    seen.emplace_back(kind, b, int(x / 15), int(y / 15));
            };
        surface.onClick = [this] { seen.emplace_back('c', 0, 0, 0); };
    }
    static QPointingDevice* screen() {
        static QPointingDevice* device = QTest::createTouchDevice();
        return device;
    }
    static void waitPastHold() { QTest::qWait(int(ui::LongPress::holdTime.count()) * 3 / 2); }
    ui::Surface surface;
    Seen seen;
    QTest::QTouchEventWidgetSequence finger = QTest::touchEvent(&surface, screen(), false);
};

} // namespace

// A finger trembling within 12 pixels is still; one that goes farther drags.
TEST_F(Finger, TapIsALeftClickAndADragOfOneFingerALeftDragThatNeverTurnsRight) {
    finger.press(0, {30, 40}).commit();
    finger.move(0, {38, 48}).commit();
    finger.release(0, {38, 48}).commit();
    finger.press(0, {30, 40}).commit();
    finger.move(0, {30, 55}).commit();
    finger.move(0, {31, 56}).commit();
    waitPastHold();
    finger.release(0, {31, 56}).commit();
    EXPECT_EQ(seen, (Seen{{'d', 1, 30, 40},
                          {'u', 1, 38, 48},
                          {'c', 0, 0, 0},
                          {'d', 1, 30, 40},
                          {'m', 1, 30, 55},
                          {'m', 1, 31, 56},
                          {'u', 1, 31, 56},
                          {'c', 0, 0, 0}}));
}

// The left press ends without a click where the right one begins; later
// moves and the release are the right button's.
TEST_F(Finger, AStillFingerBecomesTheRightButtonOnce) {
    finger.press(0, {30, 40}).commit();
    finger.move(0, {38, 48}).commit();
    ASSERT_TRUE(QTest::qWaitFor([&] { return seen.size() == 3; }));
    waitPastHold();
    finger.move(0, {60, 40}).commit();
    finger.release(0, {60, 40}).commit();
    EXPECT_EQ(seen, (Seen{{'d', 1, 30, 40},
                          {'u', 1, 30, 40},
                          {'d', 2, 30, 40},
                          {'m', 2, 60, 40},
                          {'u', 2, 60, 40}}));
}

// Only a finger becomes the right button, and only the first finger acts; a
// second one, a cancelled touch or a hidden surface keep it a left press.
TEST_F(Finger, AMouseASecondFingerACancelOrAHiddenSurfaceLeaveTheLeftPress) {
    mousePress(&surface, Qt::LeftButton, {30, 40});
    waitPastHold();
    mouseRelease(&surface, Qt::LeftButton, {30, 40});
    finger.press(0, {30, 40}).commit();
    finger.stationary(0).press(1, {100, 100}).commit();
    finger.stationary(0).move(1, {150, 100}).commit();
    waitPastHold();
    finger.release(0, {30, 40}).stationary(1).commit();
    finger.move(1, {160, 100}).commit();
    finger.release(1, {160, 100}).commit();
    finger.press(0, {30, 40}).commit();
    QTouchEvent cancel(QEvent::TouchCancel, screen());
    QCoreApplication::sendEvent(surface.windowHandle(), &cancel);
    waitPastHold();
    finger.release(0, {30, 40}).commit();
    finger.press(0, {30, 40}).commit();
    surface.hide();
    waitPastHold();
    finger.release(0, {30, 40}).commit();
    const Seen tap = {{'d', 1, 30, 40}, {'u', 1, 30, 40}, {'c', 0, 0, 0}};
    EXPECT_EQ(seen, (Seen{tap[0], tap[1], tap[2], tap[0], tap[1], tap[2], tap[0], tap[1], tap[2],
                          tap[0]}));
}

// A finger in the wave field shows the rays and the box at once; held still
// it scans the cut once; the plot's "Cls" answers a tap.
TEST_F(Finger, InTheHuygensFieldALongPressScansTheCutOnce) {
    Form3& form = openHuygens();
    record(*form.Picture1);
    finger = QTest::touchEvent(&form.window(), screen(), false);
    finger.press(0, pixelAt(form.window(), 1500, 0)).commit();
    EXPECT_TRUE(form.Picture3->isVisible());
    ASSERT_TRUE(QTest::qWaitFor([&] { return form.Picture1->isVisible(); }));
    waitPastHold();
    finger.release(0, pixelAt(form.window(), 1500, 0)).commit();
    EXPECT_EQ(countOf(*form.Picture1, Op::Line), 1201);
    finger = QTest::touchEvent(form.Command1.get(), screen(), false);
    finger.press(0, {5, 5}).commit();
    finger.release(0, {5, 5}).commit();
    EXPECT_FALSE(form.Picture1->isVisible());
}
