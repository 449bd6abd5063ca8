#include "../support/support.h"

#include "phasor/form2.h"

TEST_F(PhasorTest, FailingStepsLoseOnlyThemselvesAndArePrintedOnceEach) {
    testing::internal::CaptureStderr();
    // A probe point outside the table: no probe bars, no erasure, pen 2 kept.
    f.probeIndex = 201;
    record(*f.Picture1);
    runFrames(1);
    EXPECT_EQ(std::tuple(f.Picture1->drawLog().size(), f.Picture1->DrawWidth()),
              std::tuple(100u * 4, 2));
    f.probeIndex = 50;
    // W1's base far off any screen at the probe point: its bar fails in every
    // frame, when drawn and when erased, and only those two calls are lost.
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
