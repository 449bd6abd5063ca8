#include "phasor_fixture.h"

#include <QLocale>

TEST_F(PhasorTest, SpeedSliderSetsFactorTextAndRestartsTheTime) {
    recordBoth();
    f().timePhase = 1.5f;
    f().HScroll2->setValue(800);
    EXPECT_EQ(f().speedFactor, 0);
    EXPECT_EQ(f().Text3->Text(), "0");
    EXPECT_EQ(f().phaseStep, 0);
    EXPECT_EQ(f().timePhase, 0);
    f().HScroll2->setValue(901);
    EXPECT_EQ(f().Text3->Text(), QString("1") + QLocale().decimalPoint() + "01");
    EXPECT_FLOAT_EQ(f().phaseStep, 1.01f / 28);
    f().HScroll2->setValue(1000);
    EXPECT_EQ(f().Text3->Text(), "2");
    EXPECT_EQ(f().Text2->Text(), "7");
    EXPECT_TRUE(f().Picture1->drawLog().empty()); // the speed never redraws
    EXPECT_TRUE(f().Picture2->drawLog().empty());
}

TEST_F(PhasorTest, WavelengthAndShiftRedrawTheStillRowsReversed) {
    recordBoth();
    const long before = ui::eventProcessingCount();
    f().HScroll1->setValue(20);
    EXPECT_EQ(f().Text1->Text(), "20");
    EXPECT_DOUBLE_EQ(f().phasePerStep, phasePerStepFor(f().piValue, 20));
    EXPECT_FLOAT_EQ(f().phaseStep, 0.05f);
    EXPECT_EQ(ui::eventProcessingCount() - before, 200);
    EXPECT_EQ(f().pointIndex, 100);

    // Each column a line in the foreground colour, W1's bar white inside it.
    const auto& waves = f().Picture1->drawLog();
    ASSERT_EQ(waves.size(), 400u);
    const int pen = f().Picture1->DrawWidth();
    EXPECT_TRUE(isLine(waves[0], 0, 80, 0, 280, ui::WindowText, pen));
    EXPECT_TRUE(isLine(waves[1], 0, 320, 0, 520, ui::WindowText, pen));
    EXPECT_TRUE(isLine(waves[2], 0, 580, 0, 980, ui::WindowText, pen));
    const ui::Single phase = ui::toSingle(stillPhase(7, f().phasePerStep, 0, f().phaseStep));
    EXPECT_TRUE(isLine(waves[3], 0, 180, 0, 180 + displacement(100, phase), white, pen));
    EXPECT_EQ(f().Picture2->drawLog().size(), 1u);
    EXPECT_EQ(countOf(*f().Picture2, Op::Cls), 1);

    // With W2 and the sum shown their bars too; the shift keeps phaseStep.
    f().Command2_Click();
    f().Command3_Click();
    f().Picture1->clearDrawLog();
    f().phaseStep = 0.25f;
    f().HScroll3->setValue(0);
    EXPECT_EQ(f().Text2->Text(), "0");
    EXPECT_EQ(f().phaseStep, 0.25f);
    ASSERT_EQ(waves.size(), 600u);
    const ui::Single inPhase = ui::toSingle(stillPhase(99, f().phasePerStep, 0, 0.25f));
    EXPECT_TRUE(
        isLine(waves[599], 2970, 780, 2970, 780 + 2 * displacement(100, inPhase), white, pen));
}

TEST_F(PhasorTest, RedrawNestedInARedrawEndsTheInterruptedLoop) {
    recordBoth();
    ui::Integer leftByNested = 0;
    atEventProcessing(21, [&] { // after point 10's lines of the first redraw
        f().HScroll3->setValue(9);
        leftByNested = f().pointIndex;
    });
    f().HScroll1->setValue(30);
    EXPECT_EQ(leftByNested, 100);
    // The interrupted pass goes on at point 100 (all-zero table entries),
    // then its counter steps past the bound.
    EXPECT_EQ(f().pointIndex, 101);
    const auto& waves = f().Picture1->drawLog();
    ASSERT_EQ(waves.size(), 10u * 4 + 3 + 400 + 1);
    EXPECT_EQ(std::tuple(waves.back().x1, waves.back().y1, waves.back().colour),
              std::tuple(0.0, 0.0, white));
    EXPECT_EQ(countOf(*f().Picture2, Op::Cls), 2);
}

TEST_F(PhasorTest, SlidersAndProbeHandlersDuringTheAnimationOnlyChangeTheState) {
    atEventProcessing(7, [this] {
        const size_t waves = f().Picture1->drawLog().size();
        const size_t box = f().Picture2->drawLog().size();
        f().HScroll1->setValue(42);
        f().HScroll3->setValue(50);
        f().HScroll2->setValue(1000);
        f().Picture1_MouseDown(1, 0, 1800, 0);
        f().Command5_MouseDown(2, 0, 0, 0);
        f().Command6_Click();
        f().Command6_Click();
        EXPECT_EQ(f().Picture1->drawLog().size(), waves);
        EXPECT_EQ(f().Picture2->drawLog().size(), box);
        EXPECT_EQ(f().timePhase, 0);
        EXPECT_EQ(f().probeIndex, 59);
        EXPECT_NEAR(f().Picture2->Left(), 59 * 39.5 - 920, 1e-9);
        f().stoppedFlag = 1;
    });
    recordBoth();
    f().Command1_Click();
    // The rest of the frame already used the new settings.
    const ui::Double k = phasePerStepFor(f().piValue, 42);
    EXPECT_FLOAT_EQ(f().timePhase, 2.0f / 42);
    EXPECT_FLOAT_EQ(f().phase1, ui::toSingle(wavePhase(99 + 50, k, 0)));
    EXPECT_EQ(countOf(*f().Picture2, Op::Cls), 1);
}
