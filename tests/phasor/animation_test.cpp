#include "phasor_fixture.h"

#include <QElapsedTimer>
#include <QEvent>

TEST_F(PhasorTest, FirstFrameWithTheDefaults) {
    recordBoth();
    runFrames(1);
    EXPECT_NEAR(f().sin1, -22.252, 1e-3);
    EXPECT_NEAR(f().cos1, 97.493, 1e-3);
    EXPECT_NEAR(f().sin2, 97.493, 1e-3);
    EXPECT_NEAR(f().cos2, 22.252, 1e-3);
    // The working phases are left at the last point, not the probe point.
    EXPECT_FLOAT_EQ(f().phase2, ui::toSingle(wavePhase(99, f().phasePerStep, 0)));

    const auto& waves = f().Picture1->drawLog();
    ASSERT_EQ(waves.size(), 1u + 99 * 4 + 3);
    EXPECT_TRUE(isLine(waves[0], 1500, 180, 1500, 157.748, green, 4));
    // Point 0: erase strips in every row, then W1's grey bar only.
    EXPECT_TRUE(isLine(waves[1], 0, 80, 0, 280, white, 5));
    EXPECT_TRUE(isLine(waves[2], 0, 320, 0, 520, white, 5));
    EXPECT_TRUE(isLine(waves[3], 0, 580, 0, 980, white, 5));
    const double bar0 = displacement(100, ui::toSingle(7 * f().phasePerStep));
    EXPECT_TRUE(isLine(waves[4], 0, 180, 0, 180 + bar0, grey, 2));
    // The probe column is skipped: point 49 is followed by point 51.
    EXPECT_EQ(waves[1 + 49 * 4].x1, 49 * 30);
    EXPECT_EQ(waves[1 + 50 * 4].x1, 51 * 30);
    EXPECT_TRUE(isLine(waves[397], 1500, 180, 1500, 180 + f().sin1, white, 6));
    EXPECT_TRUE(isLine(waves[398], 1500, 420, 1500, 420 + f().sin2, white, 6));
    EXPECT_TRUE(isLine(waves[399], 1500, 780, 1500, 780 + f().sin1 + f().sin2, white, 6));
    EXPECT_EQ(f().Picture1->DrawWidth(), 2);

    // The pointers at right angles, without W2; the first keeps the layout's pen.
    const auto& box = f().Picture2->drawLog();
    ASSERT_EQ(box.size(), 7u);
    const double x1 = 0.6 * f().cos1, y1 = 0.6 * f().sin1;
    EXPECT_NEAR(f().cos1 * f().cos2 + f().sin1 * f().sin2, 0, 0.05);
    EXPECT_EQ(box[0].op, Op::Cls);
    EXPECT_TRUE(isLine(box[1], 0, 0, x1, y1, green, 1));
    EXPECT_TRUE(isCircle(box[2], 60, olive, 1));
    EXPECT_TRUE(isLine(box[3], 130, 150, 130, -150, grey, 1));
    EXPECT_TRUE(isLine(box[4], x1, y1, 130, y1, grey, 1));
    EXPECT_TRUE(isLine(box[5], 0, 0, 130, 0, grey, 1));
    EXPECT_TRUE(isLine(box[6], 135, 0, 135, y1, green, 3));
}

TEST_F(PhasorTest, PointerPictureWithWaveTwoAndTheSum) {
    f().Command2_Click();
    f().Command3_Click();
    runFrames(1);
    recordBoth();
    runFrames(1);
    const auto& waves = f().Picture1->drawLog();
    ASSERT_EQ(waves.size(), 3u + 99 * 6 + 3);
    EXPECT_TRUE(isLine(waves[1], 1500, 420, 1500, 420 + f().sin2, blue, 4));
    EXPECT_TRUE(isLine(waves[2], 1500, 780, 1500, 780 + f().sin1 + f().sin2, red, 4));
    const ui::Single t = f().timePhase - f().phaseStep;
    const ui::Single phase1 = ui::toSingle(wavePhase(7, f().phasePerStep, t));
    const ui::Single phase2 = ui::toSingle(wavePhase(0, f().phasePerStep, t));
    EXPECT_TRUE(isLine(waves[7], 0, 420, 0, 420 + displacement(100, phase2), grey, 2));
    EXPECT_TRUE(isLine(waves[8], 0, 780, 0, 780 + sumDisplacement(100, phase1, phase2), grey, 2));

    // Pen 3, left by the previous frame, for the two pointers.
    const auto& box = f().Picture2->drawLog();
    ASSERT_EQ(box.size(), 10u);
    const double x1 = 0.6 * f().cos1, y1 = 0.6 * f().sin1;
    const double x2 = 0.6 * f().cos2, y2 = 0.6 * f().sin2;
    EXPECT_TRUE(isLine(box[1], 0, 0, x1, y1, green, 3));
    EXPECT_TRUE(isLine(box[2], 0, 0, x2, y2, blue, 3));
    EXPECT_TRUE(isCircle(box[3], 60, olive, 1));
    EXPECT_TRUE(isLine(box[6], x2, y2, 130, y2, grey, 1));
    EXPECT_TRUE(isLine(box[8], 135, 0, 135, y1, green, 3));
    EXPECT_TRUE(isLine(box[9], 125, 0, 125, y2, blue, 3));
}

TEST_F(PhasorTest, VectorSumPictureForEachDisplayState) {
    f().Command4_Click();
    auto frame = [this] {
        record(*f().Picture2);
        runFrames(1);
        return f().Picture2->drawLog();
    };
    // W2 hidden: W1's pointer, axis, projection line, zero line, bar at 125.
    auto box = frame();
    ASSERT_EQ(box.size(), 6u);
    const double tx = f().tip1X, ty = f().tip1Y;
    EXPECT_FLOAT_EQ(ty, ui::toSingle(0.6 * f().sin1));
    EXPECT_TRUE(isLine(box[1], 0, 0, tx, ty, green, 3));
    EXPECT_TRUE(isLine(box[2], 130, 150, 130, -150, grey, 1));
    EXPECT_TRUE(isLine(box[3], tx, ty, 130, ty, grey, 1));
    EXPECT_TRUE(isLine(box[4], 0, 0, 130, 0, grey, 1));
    EXPECT_TRUE(isLine(box[5], 125, 0, 125, ty, green, 3));

    // W2 shown, sum hidden: the sum's bar and the resultant circle, no red line.
    f().Command2_Click();
    box = frame();
    ASSERT_EQ(box.size(), 11u);
    const double sx = f().tipSumX, sy = f().tipSumY;
    EXPECT_FLOAT_EQ(sy, ui::toSingle(0.6 * f().sin2 + f().tip1Y));
    EXPECT_TRUE(isLine(box[2], f().tip1X, f().tip1Y, sx, sy, blue, 3));
    EXPECT_TRUE(isLine(box[3], 135, 0, 135, f().tip1Y + 0.6 * f().sin2, red, 3));
    EXPECT_TRUE(isCircle(box[4], std::hypot(sx, sy), lightGrey, 1));
    EXPECT_TRUE(isLine(box[7], sx, sy, 130, sy, grey, 1));
    EXPECT_TRUE(isLine(box[10], 130, f().tip1Y, 130, sy, blue, 3));

    f().Command3_Click();
    box = frame();
    ASSERT_EQ(box.size(), 12u);
    EXPECT_TRUE(isLine(box[3], f().tipSumX, f().tipSumY, 0, 0, red, 3));
}

TEST_F(PhasorTest, ProbeOutsideTheWaveAndFailingStepsLoseOnlyTheirStep) {
    // 100 to 200: the bars stand on the zero table entries; no column skipped.
    f().Command2_Click();
    f().probeIndex = 150;
    record(*f().Picture1);
    runFrames(1);
    const auto& waves = f().Picture1->drawLog();
    ASSERT_EQ(waves.size(), 2u + 100 * 5 + 3);
    EXPECT_TRUE(isLine(waves[0], 0, 0, 0, f().sin1, green, 4));
    EXPECT_TRUE(isLine(waves[504], 0, 0, 0, f().sin1 + f().sin2, white, 6));
    EXPECT_NEAR(f().sin2, displacement(100, ui::toSingle(wavePhase(150, f().phasePerStep, 0))),
                1e-3);

    // Outside 0 to 200 the probe bars and their erasure are skipped.
    for (const ui::Integer probe : {-3, 201}) {
        f().probeIndex = probe;
        recordBoth();
        runFrames(1);
        EXPECT_EQ(waves.size(), 100u * 5) << probe;
        EXPECT_EQ(f().Picture1->DrawWidth(), 2);
        EXPECT_EQ(f().Picture2->drawLog().size(), 10u);
    }

    // An overflow in probeIndex + shiftSteps loses only the step of phase1.
    f().probeIndex = 32767;
    f().phase1 = 0.5f;
    record(*f().Picture2);
    runFrames(1);
    EXPECT_NEAR(f().cos1, 100 * std::cos(0.5), 1e-3);
    EXPECT_EQ(f().Picture2->drawLog().size(), 10u);

    // A base far off any screen makes W1's strip and bar at point 10 fail.
    f().Command2_Click();
    f().probeIndex = 50;
    f().wave1Base(10) = 1e12f;
    record(*f().Picture1);
    runFrames(1);
    EXPECT_EQ(waves.size(), 1u + 99 * 4 + 3 - 2);
    // Of point 10 only the strips of the other rows are left.
    std::vector<double> atPoint10;
    for (const auto& call : waves)
        if (call.x1 == 300)
            atPoint10.push_back(call.y1);
    EXPECT_EQ(atPoint10, (std::vector<double>{320, 580}));
    EXPECT_EQ(f().Picture1->DrawWidth(), 2);
}

TEST_F(PhasorTest, StopDuringAFrameFinishesItWith201EventPoints) {
    // Stopped in the second frame, after point 49's erase strips.
    atEventProcessing(201 + 101, [this] {
        f().stoppedFlag = 1;
        f().Picture1->clearDrawLog();
        f().Picture2->clearDrawLog();
    });
    recordBoth();
    const long before = ui::eventProcessingCount();
    f().Command1_Click();
    EXPECT_EQ(ui::eventProcessingCount() - before, 2 * 201);
    EXPECT_FLOAT_EQ(f().timePhase, 2 * f().phaseStep);
    EXPECT_TRUE(f().Picture2->drawLog().empty());
    // Point 49's bar, points 51 to 99, the probe erasure.
    EXPECT_EQ(f().Picture1->drawLog().size(), 1u + 49 * 4 + 3);
}

TEST_F(PhasorTest, NestedProbeChangeTakesEffectAtTheNextStep) {
    atEventProcessing(2 + 2 * 10, [this] { // after point 9's bars
        f().probeIndex = 80;
        f().stoppedFlag = 1;
    });
    record(*f().Picture1);
    f().Command1_Click();
    int column50 = 0, column80 = 0;
    for (const auto& call : f().Picture1->drawLog()) {
        column50 += call.x1 == 1500 && call.colour == grey;
        column80 += call.x1 == 2400;
    }
    EXPECT_EQ(column50, 1);
    EXPECT_EQ(column80, 3); // only the erasure of the probe bars
    EXPECT_EQ(f().Picture1->drawLog().back().x1, 2400);
}

TEST_F(PhasorTest, ClosingTheWindowDuringTheAnimationEndsTheProgram) {
    bool returned = false;
    atEventProcessing(201 + 50, [this] { f().window().close(); });
    record(*f().Picture2);
    ui::runHandler([&] {
        f().Command1_Click();
        returned = true;
    });
    EXPECT_TRUE(ui::programEnded());
    EXPECT_FALSE(returned);
    EXPECT_EQ(f().Picture2->drawLog().size(), 2u * 7); // two pointer pictures, nothing after
}

TEST_F(PhasorTest, BarsAndCircleReallyShowInThePictures) {
    // Looked at in the second frame after its phasor diagram: the grey bars
    // of the first frame and the coloured probe bars of the second.
    f().Command2_Click();
    QImage waves, box;
    atEventProcessing(201 + 2, [&] {
        waves = f().Picture1->screenImage().copy();
        box = f().Picture2->screenImage().copy();
        f().stoppedFlag = 1;
    });
    f().Command1_Click();
    const double bar = displacement(100, ui::toSingle(wavePhase(14 + 7, f().phasePerStep, 0)));
    ASSERT_GT(std::abs(bar), 50);
    EXPECT_EQ(shownAt(*f().Picture1, 420, 180 + bar / 2, &waves), grey);
    EXPECT_EQ(shownAt(*f().Picture1, 1500, 180 + f().sin1 / 2, &waves), green);
    EXPECT_EQ(shownAt(*f().Picture1, 1500, 420 + f().sin2 / 2, &waves), blue);
    EXPECT_EQ(shownAt(*f().Picture2, -60, 0, &box), olive); // the circle on the x axis
}

TEST_F(PhasorTest, FramesAreNotPresentedFasterThanSixtyASecond) {
    ui::setFramePacing(true);
    const int frames = 12;
    QElapsedTimer clock;
    clock.start();
    runFrames(frames);
    // Two frames of slack for the first one and the timer's granularity.
    EXPECT_LE(frames, 60 * (clock.nsecsElapsed() / 1e9) + 2);
}

TEST_F(PhasorTest, EveryRepaintDuringTheAnimationShowsTheProbeBar) {
    // The probe bar stands from the frame's start until its end.
    struct PaintWatch : QObject {
        ui::Surface* picture;
        std::vector<QRgb> seen;
        bool eventFilter(QObject*, QEvent* event) override {
            if (event->type() == QEvent::Paint)
                seen.push_back(shownAt(*picture, 1500, 175));
            return false;
        }
    } watch;
    watch.picture = f().Picture1;
    f().Picture1->installEventFilter(&watch);
    runFrames(5);
    f().Picture1->removeEventFilter(&watch);
    ASSERT_GE(watch.seen.size(), 5u);
    for (QRgb colour : watch.seen)
        EXPECT_EQ(colour, green);
}
