#include "../support/support.h"

#include "phasor/form2.h"

#include <QApplication>
#include <QLocale>

// Tab reaches the wave picture, which shows the focus; each key steps and shows the pointers.
TEST_F(PhasorTest, ArrowsHomeAndEndMoveTheProbePointFromTheWavePicture) {
    click(f.Text1);
    for (int tab = 0; tab < 5; ++tab) // the other number boxes, "---->", "<----"
        typeKey(Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), f.Picture1);
    EXPECT_EQ(f.Picture1->grab().toImage().pixel(2, 20),
              QGuiApplication::palette().color(QPalette::Highlight).rgb());
    record(*f.Picture2);
    const std::pair<Qt::Key, int> steps[] = {
        {Qt::Key_End, 99}, {Qt::Key_Right, 99}, {Qt::Key_Left, 98}, {Qt::Key_Home, 0},
        {Qt::Key_Left, 0}, {Qt::Key_Right, 1},  {Qt::Key_Right, 2}, {Qt::Key_Left, 2}};
    for (const auto& [key, probe] : steps) {
        typeKey(key);
        EXPECT_EQ(f.probeIndex, probe) << key;
        EXPECT_NEAR(f.Picture2->Left(), probe * 39.5 - 920, 1e-9);
    }
    EXPECT_EQ(callsOf(*f.Picture2, Op::Cls).size(), 8u);
    EXPECT_EQ(callsOf(*f.Picture2, Op::Line).front().width, 3); // thick from the first key on
}

TEST_F(PhasorTest, OnlyTheLeftButtonMovesTheProbePointAndTheBox) {
    record(*f.Picture2);
    const QPoint at = pixelAt(*f.Picture1, 300, 950);
    for (const Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton}) {
        mousePress(f.Picture1, button, at);
        mouseMove(f.Picture1, at, button);
        mouseRelease(f.Picture1, button, at);
    }
    f.Picture1_MouseMove(3, 0, 1500, 500); // left and right together
    EXPECT_EQ(std::tuple(f.probeIndex, f.Picture2->drawLog().size()), std::tuple(50, 0u));

    mousePress(f.Picture1, Qt::LeftButton, at); // the height does not matter
    EXPECT_EQ(f.probeIndex, 10);
    EXPECT_EQ(f.Picture2->drawLog()[1].width, 3); // the still pointers' pen
    EXPECT_NEAR(f.Picture2->Left(), 10 * 39.5 - 920, 1e-9);
    mouseMove(f.Picture1, {-f.Picture1->width() / 5, 100}, Qt::LeftButton); // past the edge
    EXPECT_LT(f.probeIndex, -10);
    mouseMove(f.Picture1, pixelAt(*f.Picture1, 900, 500), Qt::LeftButton);
    EXPECT_EQ(f.probeIndex, 30);
    mouseRelease(f.Picture1, Qt::LeftButton, pixelAt(*f.Picture1, 900, 500));
    mouseMove(f.Picture1, pixelAt(*f.Picture1, 1800, 500), Qt::NoButton);
    EXPECT_EQ(f.probeIndex, 30);
}

TEST_F(PhasorTest, StillPointerPictureOfTheLastFrame) {
    record(*f.Picture2);
    f.probeIndex = 49;
    click(f.Command5);
    // Before any frame the last frame's time is -1/28: W1 at 57k - 1/28.
    const double c1 = 96.636, s1 = -25.719, c2 = 25.719, s2 = 96.636;
    auto box = f.Picture2->drawLog();
    ASSERT_EQ(box.size(), 7u);
    EXPECT_EQ(box[0].op, Op::Cls);
    EXPECT_TRUE(isLine(box[1], 0, 0, c1, s1, stillWave1, 3));
    EXPECT_TRUE(drawn(box[2], Op::Circle, 0, 0, 100, 0, olive, 1));
    EXPECT_TRUE(isLine(box[3], 130, 150, 130, -150, grey, 1));
    EXPECT_TRUE(isLine(box[4], c1, s1, 130, s1, grey, 1));
    EXPECT_TRUE(isLine(box[5], 0, 0, 130, 0, grey, 1));
    EXPECT_TRUE(isLine(box[6], 133, 0, 133, s1, stillWave1, 3));

    // With W2, in the vector-sum mode too; the arrows stop at 2 and 98 but redraw.
    click(f.Command2);
    click(f.Command4);
    f.probeIndex = 51;
    record(*f.Picture2);
    click(f.Command6);
    box = f.Picture2->drawLog();
    ASSERT_EQ(box.size(), 10u);
    EXPECT_TRUE(isLine(box[2], 0, 0, c2, s2, stillWave2, 3));
    EXPECT_TRUE(isLine(box[6], c2, s2, 130, s2, grey, 1));
    EXPECT_TRUE(isLine(box[9], 127, 0, 127, s2, stillWave2, 3));
    const std::tuple<ui::Integer, bool, ui::Integer> steps[] = {{98, true, 98},   {97, true, 98},
                                                                {2, false, 2},    {3, false, 2},
                                                                {100, true, 100}, {0, false, 0}};
    for (const auto& [from, right, to] : steps) {
        f.probeIndex = from;
        record(*f.Picture2);
        click(right ? f.Command5 : f.Command6);
        EXPECT_EQ(f.probeIndex, to) << from;
        EXPECT_NEAR(f.Picture2->Left(), to * 39.5 - 920, 1e-9);
        EXPECT_EQ(callsOf(*f.Picture2, Op::Cls).size(), 1u);
    }
}

TEST_F(PhasorTest, SpeedSliderSetsFactorTextAndRestartsTheTime) {
    record(*f.Picture1);
    f.timePhase = 1.5f;
    f.HScroll2->setValue(800);
    EXPECT_EQ(std::tuple(f.speedFactor, f.phaseStep, f.timePhase, f.Text3->Text()),
              std::tuple(0, 0, 0, QString("0")));
    f.HScroll2->setValue(901);
    EXPECT_EQ(f.Text3->Text(), QString("1") + QLocale().decimalPoint() + "01");
    EXPECT_NEAR(f.phaseStep, 1.01 / 28, 1e-7);
    EXPECT_EQ(f.Text2->Text(), "7");
    EXPECT_TRUE(f.Picture1->drawLog().empty()); // the speed never redraws
}

TEST_F(PhasorTest, WavelengthAndShiftRedrawTheStillRowsReversed) {
    record(*f.Picture1, *f.Picture2);
    const long before = ui::eventProcessingCount();
    f.HScroll1->setValue(20);
    EXPECT_EQ(f.Text1->Text(), "20");
    EXPECT_NEAR(f.phasePerStep + f.phaseStep, -0.3141593 + 0.05, 1e-7);
    EXPECT_EQ(ui::eventProcessingCount() - before, 200);
    // Each column a line in the foreground colour, W1's bar white inside it
    // (phase 7k - 1/20), then the phasor box cleared.
    const auto& waves = f.Picture1->drawLog();
    ASSERT_EQ(waves.size(), 400u);
    EXPECT_TRUE(isLine(waves[0], 0, 80, 0, 280, ui::WindowText, 1));
    EXPECT_TRUE(isLine(waves[1], 0, 320, 0, 520, ui::WindowText, 1));
    EXPECT_TRUE(isLine(waves[2], 0, 580, 0, 980, ui::WindowText, 1));
    EXPECT_TRUE(isLine(waves[3], 0, 180, 0, 180 - 77.863, white, 1));
    ASSERT_EQ(f.Picture2->drawLog().size(), 1u);
    EXPECT_EQ(f.Picture2->drawLog()[0].op, Op::Cls);
    EXPECT_EQ(shownAt(*f.Picture2, 0, 0), ui::WindowBackground);

    // With W2 and the sum: their bars too; the shift keeps phaseStep. Half a
    // wavelength of shift: W2 at -1/20 and a sum of nothing.
    f.Command2_Click();
    f.Command3_Click();
    record(*f.Picture1);
    f.HScroll3->setValue(10);
    EXPECT_EQ(f.Text2->Text(), "10");
    EXPECT_NEAR(f.phaseStep, 0.05, 1e-7);
    EXPECT_EQ(waves.size(), 600u);
    EXPECT_TRUE(isLine(waves[4], 0, 420, 0, 420 - 4.998, white, 1));
    EXPECT_TRUE(isLine(waves[5], 0, 780, 0, 780, white, 1));
}
