#include "phasor_fixture.h"

#include <QTest>

TEST_F(PhasorTest, OnlyALeftPressOrDragMovesTheProbePointAndTheBox) {
    f().Picture1_MouseDown(1, 0, 1515, 700);
    EXPECT_EQ(f().probeIndex, 51);
    EXPECT_NEAR(f().Picture2->Left(), 1094.5, 1e-9);

    // Right and middle presses, and left and right together, change nothing.
    f().Picture2->setDrawWidth(1);
    record(*f().Picture2);
    const QPoint at = pixelAt(*f().Picture1, 300, 950);
    for (const Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton}) {
        mousePress(f().Picture1, button, at);
        mouseMove(f().Picture1, at, button);
        mouseRelease(f().Picture1, button, at);
    }
    f().Picture1_MouseMove(3, 0, 1500, 500);
    EXPECT_EQ(f().probeIndex, 51);
    EXPECT_EQ(f().Picture2->DrawWidth(), 1);
    EXPECT_TRUE(f().Picture2->drawLog().empty());

    // Through the window system; the vertical position does not matter.
    mousePress(f().Picture1, Qt::LeftButton, at);
    EXPECT_EQ(f().probeIndex, 10);
    // Dragged past the left edge: negative points, the box placed accordingly.
    const QPoint outside(-f().Picture1->width() / 5, 100);
    mouseMove(f().Picture1, outside, Qt::LeftButton);
    const QPointF user = f().Picture1->toUser(outside - f().Picture1->innerRect().topLeft());
    EXPECT_LT(f().probeIndex, -10);
    EXPECT_EQ(f().probeIndex, probeIndexAt(ui::Single(user.x()), 30));
    EXPECT_NEAR(f().Picture2->Left(), f().probeIndex * 39.5 - 920, 1e-3);
    EXPECT_NEAR(f().sin2,
                displacement(100, ui::toSingle(stillPhase(f().probeIndex, f().phasePerStep, 0,
                                                          f().phaseStep))),
                1e-3);
    // And back into the wave; moves after the release do nothing.
    mouseMove(f().Picture1, pixelAt(*f().Picture1, 900, 500), Qt::LeftButton);
    EXPECT_EQ(f().probeIndex, 30);
    mouseRelease(f().Picture1, Qt::LeftButton, pixelAt(*f().Picture1, 900, 500));
    mouseMove(f().Picture1, pixelAt(*f().Picture1, 1800, 500), Qt::NoButton);
    EXPECT_EQ(f().probeIndex, 30);
}

TEST_F(PhasorTest, StillPointerPictureOfTheProbePoint) {
    record(*f().Picture2);
    f().Picture1_MouseDown(1, 0, 1500, 0);
    // Before any frame the time of the last frame is −phaseStep.
    const ui::Single phase1 = ui::toSingle(stillPhase(57, f().phasePerStep, 0, f().phaseStep));
    EXPECT_FLOAT_EQ(f().sin1, ui::toSingle(displacement(100, phase1)));
    EXPECT_FLOAT_EQ(f().cos1, ui::toSingle(horizontal(100, phase1)));

    const double c1 = f().cos1, s1 = f().sin1;
    auto box = f().Picture2->drawLog();
    ASSERT_EQ(box.size(), 7u);
    EXPECT_EQ(box[0].op, Op::Cls);
    EXPECT_TRUE(isLine(box[1], 0, 0, c1, s1, stillWave1, 3));
    EXPECT_TRUE(isCircle(box[2], 100, olive, 1));
    EXPECT_TRUE(isLine(box[3], 130, 150, 130, -150, grey, 1));
    EXPECT_TRUE(isLine(box[4], c1, s1, 130, s1, grey, 1));
    EXPECT_TRUE(isLine(box[5], 0, 0, 130, 0, grey, 1));
    EXPECT_TRUE(isLine(box[6], 133, 0, 133, s1, stillWave1, 3));

    // With W2, and in the vector-sum mode too, the same still picture.
    f().Command2_Click();
    f().Command4_Click();
    f().Picture2->clearDrawLog();
    f().Command6_Click();
    box = f().Picture2->drawLog();
    ASSERT_EQ(box.size(), 10u);
    const double c2 = f().cos2, s2 = f().sin2;
    EXPECT_TRUE(isLine(box[2], 0, 0, c2, s2, stillWave2, 3));
    EXPECT_TRUE(isLine(box[6], c2, s2, 130, s2, grey, 1));
    EXPECT_TRUE(isLine(box[9], 127, 0, 127, s2, stillWave2, 3));
}

TEST_F(PhasorTest, SteppingButtonsTheirLimitsAndInput) {
    auto forward = [this] { f().Command5_MouseDown(1, 0, 0, 0); };
    auto backward = [this] { f().Command6_Click(); };
    // At the limits the box is still placed and the picture redrawn.
    f().probeIndex = 98;
    record(*f().Picture2);
    forward();
    EXPECT_EQ(f().probeIndex, 98);
    EXPECT_NEAR(f().Picture2->Left(), 2951, 1e-9);
    EXPECT_EQ(countOf(*f().Picture2, Op::Cls), 1);
    f().probeIndex = 2;
    backward();
    EXPECT_EQ(f().probeIndex, 2);
    EXPECT_NEAR(f().Picture2->Left(), -841, 1e-9);

    // Points the mouse set outside 2 to 98 are never moved further out.
    f().probeIndex = 100;
    forward();
    EXPECT_EQ(f().probeIndex, 100);
    backward();
    EXPECT_EQ(f().probeIndex, 99);
    for (const ui::Integer set : {0, 1}) {
        f().probeIndex = set;
        backward();
        EXPECT_EQ(f().probeIndex, set);
    }

    // "---->" steps on a press of any button but not by keyboard; "<----" on
    // a click or by keyboard.
    f().probeIndex = 50;
    const QPoint centre = f().Command5->rect().center();
    for (const Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton}) {
        mousePress(f().Command5, button, centre);
        mouseRelease(f().Command5, button, centre);
        mousePress(f().Command6, button, centre); // no click
        mouseRelease(f().Command6, button, centre);
    }
    EXPECT_EQ(f().probeIndex, 52);
    leftClick(f().Command5);
    EXPECT_EQ(f().probeIndex, 53);
    QTest::keyClick(f().Command5, Qt::Key_Space);
    EXPECT_EQ(f().probeIndex, 53);
    QTest::keyClick(f().Command6, Qt::Key_Space);
    EXPECT_EQ(f().probeIndex, 52);
    leftClick(f().Command6);
    EXPECT_EQ(f().probeIndex, 51);
    EXPECT_NEAR(f().Picture2->Left(), 1094.5, 1e-9);
}
