#include "../support/support.h"

#include "huygens/form3.h"
#include "ui/touch.h"

#include <QPointingDevice>
#include <QTest>

// A bare surface in twips under a finger; seen: down, move, up, button, pixel; c a click.
class Finger : public AppTest {
protected:
    void SetUp() override {
        surface.move(200, 100); // window and screen pixels differ
        surface.show();
        for (auto [handler, kind] : {std::pair{&surface.onMouseDown, 'd'},
                                     {&surface.onMouseMove, 'm'},
                                     {&surface.onMouseUp, 'u'}})
            *handler = [this, kind](ui::Integer b, ui::Integer, ui::Single x, ui::Single y) {
                if (b != 0) // Qt moves the pointer, with no button, to where a finger lands
                    seen += QString("%1%2 %3,%4 ").arg(kind).arg(b).arg(x / 15).arg(y / 15);
            };
        surface.onClick = [this] { seen += "c "; };
    }
    static void waitPastHold() { QTest::qWait(int(ui::LongPress::holdTime.count()) * 3 / 2); }
    // One for the program's life, as a real one: Qt keeps every device it is told of.
    static QPointingDevice* touchScreen() {
        static QPointingDevice* const device = QTest::createTouchDevice();
        return device;
    }
    QPointingDevice* screen = touchScreen();
    ui::Surface surface;
    QString seen;
    QTest::QTouchEventWidgetSequence finger = QTest::touchEvent(&surface, screen, false);
};

// Trembling within 12 pixels is no move; a drag, a mouse or two fingers never
// turn right; a finger held still turns its left press into a right one, once.
TEST_F(Finger, TapClicksDragDragsAndOnlyOneStillFingerBecomesTheRightButtonOnce) {
    finger.press(0, {30, 40}).commit();
    finger.release(0, {30, 40}).commit();
    finger.press(0, {30, 40}).commit();
    finger.move(0, {30, 55}).commit();
    waitPastHold();
    finger.release(0, {30, 55}).commit();
    mousePress(&surface, Qt::LeftButton, {30, 40});
    waitPastHold();
    mouseRelease(&surface, Qt::LeftButton, {30, 40});
    finger.press(0, {30, 40}).commit();
    finger.stationary(0).press(1, {100, 100}).commit();
    waitPastHold();
    finger.release(0, {30, 40}).release(1, {100, 100}).commit();
    finger.press(0, {30, 40}).commit();
    finger.move(0, {38, 48}).commit();
    ASSERT_TRUE(QTest::qWaitFor([&] { return seen.endsWith("d2 30,40 "); }));
    waitPastHold();
    finger.move(0, {60, 40}).commit();
    finger.release(0, {60, 40}).commit();
    EXPECT_EQ(seen, "d1 30,40 u1 30,40 c d1 30,40 m1 30,55 u1 30,55 c " +
                        QString("d1 30,40 u1 30,40 c ").repeated(2) +
                        "d1 30,40 u1 30,40 d2 30,40 m2 60,40 u2 60,40 ");
}

TEST_F(Finger, InTheHuygensFieldALongPressScansTheCutOnce) {
    Form3& form = openHuygens();
    record(*form.Picture1);
    finger = QTest::touchEvent(&form.window(), screen, false);
    finger.press(0, pixelAt(form.window(), 1500, 0)).commit();
    ASSERT_TRUE(QTest::qWaitFor([&] { return form.Picture1->isVisible(); }));
    waitPastHold();
    finger.release(0, pixelAt(form.window(), 1500, 0)).commit();
    EXPECT_EQ(callsOf(*form.Picture1, Op::Line).size(), 1201u);
}
