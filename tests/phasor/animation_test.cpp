// The defaults: wavelength 28, shift 7, probe point 50, amplitude 100.

#include "../support/support.h"

#include "phasor/form2.h"

#include <QEvent>

namespace {

// The first frame at the probe point: W1 at phase 57k, W2 at 50k.
constexpr double sin1 = -22.252, cos1 = 97.493, sin2 = 97.493, cos2 = 22.252;

// The point among 0 to 27 where W2's grey bars reach furthest down.
int crestOfWave2(const ui::Surface& picture) {
    int crest = -1;
    double deepest = 0;
    for (const ui::DrawCall& bar : callsOf(picture, Op::Line))
        if (bar.colour == grey && bar.y1 == 420 && bar.x1 < 28 * 30 && bar.y2 - 420 > deepest) {
            deepest = bar.y2 - 420;
            crest = static_cast<int>(bar.x1 / 30);
        }
    return crest;
}

} // namespace

TEST_F(PhasorTest, FirstFrameWithTheDefaults) {
    record(*f.Picture1, *f.Picture2);
    const long before = ui::eventProcessingCount();
    runFrames(1);
    EXPECT_EQ(ui::eventProcessingCount() - before, 201); // 2 a wave point, 2 for the box, 1 pause

    const auto& waves = f.Picture1->drawLog();
    ASSERT_EQ(waves.size(), 1u + 99 * 4 + 3);
    EXPECT_TRUE(isLine(waves[0], 1500, 180, 1500, 180 + sin1, green, 4));
    // Point 0: the erase strips of the three rows, then W1's grey bar (phase 7k = -pi/2).
    EXPECT_TRUE(isLine(waves[1], 0, 80, 0, 280, white, 5));
    EXPECT_TRUE(isLine(waves[2], 0, 320, 0, 520, white, 5));
    EXPECT_TRUE(isLine(waves[3], 0, 580, 0, 980, white, 5));
    EXPECT_TRUE(isLine(waves[4], 0, 180, 0, 80, grey, 2));
    // Point 99's bar: phase 106k, a quarter turn ahead of W1 at the probe point.
    EXPECT_TRUE(isLine(waves[396], 2970, 180, 2970, 180 + cos1, grey, 2));
    EXPECT_TRUE(isLine(waves[397], 1500, 180, 1500, 180 + sin1, white, 6));
    EXPECT_TRUE(isLine(waves[398], 1500, 420, 1500, 420 + sin2, white, 6));
    EXPECT_TRUE(isLine(waves[399], 1500, 780, 1500, 780 + sin1 + sin2, white, 6));

    // W1's pointer alone; the first line keeps the layout's pen.
    const auto& box = f.Picture2->drawLog();
    ASSERT_EQ(box.size(), 7u);
    const double x1 = 0.6 * cos1, y1 = 0.6 * sin1;
    EXPECT_EQ(box[0].op, Op::Cls);
    EXPECT_TRUE(isLine(box[1], 0, 0, x1, y1, green, 1));
    EXPECT_TRUE(drawn(box[2], Op::Circle, 0, 0, 60, 0, olive, 1));
    EXPECT_TRUE(isLine(box[3], 130, 150, 130, -150, grey, 1));
    EXPECT_TRUE(isLine(box[4], x1, y1, 130, y1, grey, 1));
    EXPECT_TRUE(isLine(box[5], 0, 0, 130, 0, grey, 1));
    EXPECT_TRUE(isLine(box[6], 135, 0, 135, y1, green, 3));
}

TEST_F(PhasorTest, WhatAFrameDrawsForEachDisplayState) {
    // W2, sum: calls in Picture1, in the pointer picture, in the vector sum.
    const std::tuple<bool, bool, size_t, size_t, size_t> states[] = {
        {false, false, 400, 7, 6}, {true, false, 500, 10, 11}, {true, true, 600, 10, 12}};
    for (const auto& [wave2, sum, waves, pointers, vectorSum] : states) {
        f.wave2Hidden = !wave2;
        f.sumHidden = !sum;
        for (const int mode : {1, 0}) { // to the vector sum and back, with its button
            click(f.Command4);
            f.timePhase = 0; // the first frame's values
            record(*f.Picture1, *f.Picture2);
            runFrames(1);
            EXPECT_EQ(f.Picture1->drawLog().size(), waves) << wave2 << sum;
            EXPECT_EQ(f.Picture2->drawLog().size(), mode ? vectorSum : pointers) << wave2 << sum;
            for (const ui::DrawCall& circle : callsOf(*f.Picture2, Op::Circle))
                EXPECT_EQ(circle.width, 1); // thin, though the last frame left pen 3
        }
    }
    // Both waves and the sum: the probe bars, point 0's sum (W1 at -pi/2, W2 at 0), W2's pointer.
    const auto& waves = f.Picture1->drawLog();
    EXPECT_TRUE(isLine(waves[1], 1500, 420, 1500, 420 + sin2, blue, 4));
    EXPECT_TRUE(isLine(waves[2], 1500, 780, 1500, 780 + sin1 + sin2, red, 4));
    EXPECT_TRUE(isLine(waves[8], 0, 780, 0, 680, grey, 2));
    const auto& box = f.Picture2->drawLog();
    const double x1 = 0.6 * cos1, y1 = 0.6 * sin1, x2 = 0.6 * cos2, y2 = 0.6 * sin2;
    EXPECT_TRUE(isLine(box[2], 0, 0, x2, y2, blue, 3));
    EXPECT_TRUE(isLine(box[6], x2, y2, 130, y2, grey, 1));
    EXPECT_TRUE(isLine(box[9], 125, 0, 125, y2, blue, 3));

    // The vector sum, the pointers at right angles.
    click(f.Command4);
    f.timePhase = 0;
    record(*f.Picture2);
    runFrames(1);
    const double sx = x1 + x2, sy = y1 + y2;
    EXPECT_TRUE(isLine(box[1], 0, 0, x1, y1, green, 3));
    EXPECT_TRUE(isLine(box[2], x1, y1, sx, sy, blue, 3));
    EXPECT_TRUE(isLine(box[3], sx, sy, 0, 0, red, 3));
    EXPECT_TRUE(isLine(box[4], 135, 0, 135, sy, red, 3));
    EXPECT_TRUE(drawn(box[5], Op::Circle, 0, 0, 84.853, 0, lightGrey, 1));
    EXPECT_TRUE(isLine(box[6], 130, 150, 130, -150, grey, 1));
    EXPECT_TRUE(isLine(box[7], x1, y1, 130, y1, grey, 1));
    EXPECT_TRUE(isLine(box[10], 125, 0, 125, y1, green, 3));
    EXPECT_TRUE(isLine(box[11], 130, y1, 130, sy, blue, 3));
}

TEST_F(PhasorTest, WavesTravelTowardsLargerPoints) {
    // A crest of W2 moves 1 / (2 pi) points a frame: 21 in the first, 28 in the
    // 45th (point 0) and 35 in the 89th (point 7).
    f.Command2_Click();
    for (const auto& [frames, crest] : {std::pair{1, 21}, {44, 0}, {44, 7}}) {
        if (frames > 1)
            runFrames(frames - 1);
        record(*f.Picture1);
        runFrames(1);
        EXPECT_EQ(crestOfWave2(*f.Picture1), crest) << frames;
    }
}

TEST_F(PhasorTest, EveryRepaintDuringTheAnimationShowsTheProbeBar) {
    struct PaintWatch : QObject {
        ui::Surface* picture;
        std::vector<QRgb> seen;
        bool eventFilter(QObject*, QEvent* event) override {
            if (event->type() == QEvent::Paint)
                seen.push_back(shownAt(*picture, 1500, 175));
            return false;
        }
    } watch;
    watch.picture = f.Picture1;
    f.Picture1->installEventFilter(&watch);
    runFrames(5);
    f.Picture1->removeEventFilter(&watch);
    ASSERT_GE(watch.seen.size(), 4u);
    for (QRgb colour : watch.seen)
        EXPECT_EQ(colour, green);
}

TEST_F(PhasorTest, FailingStepsLoseOnlyThemselvesAndArePrintedOnceEach) {
    testing::internal::CaptureStderr();
    // A probe point outside the table: no probe bars, no erasure, pen 2 kept.
    f.probeIndex = 201;
    record(*f.Picture1);
    runFrames(1);
    EXPECT_EQ(std::tuple(f.Picture1->drawLog().size(), f.Picture1->DrawWidth()),
              std::tuple(100u * 4, 2));
    f.probeIndex = 50;
    // W1's base far off any screen: only its probe bar fails, drawn and erased.
    f.wave1Base(50) = 1e12f;
    record(*f.Picture1);
    runFrames(3);
    EXPECT_EQ(f.Picture1->drawLog().size(), 3 * (1u + 99 * 4 + 3 - 2));
    EXPECT_FLOAT_EQ(f.timePhase, 4 * f.phaseStep); // every frame went on
    // The probe point chosen with no point spacing overflows.
    f.pointSpacing = 0;
    click(f.Picture1, {40, 40});
    click(f.Picture1, {60, 40});
    const std::string in = "wellenzeiger: Laufzeitfehler in Form2.";
    const std::string index = "Index außerhalb des Bereichs\n",
                      offScreen = "Zeichnung außerhalb jedes Bildschirms\n";
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              in + "AnimateWaves (DrawProbeBars): " + index + in +
                  "AnimateWaves (EraseProbeBars): " + index + in +
                  "AnimateWaves (DrawProbeBars): " + offScreen + in +
                  "AnimateWaves (EraseProbeBars): " + offScreen + in +
                  "Picture1_MouseDown: Überlauf\n");
    EXPECT_FALSE(ui::programEnded());
}
