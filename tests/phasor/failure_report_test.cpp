#include "../support/support.h"

#include "phasor/form2.h"

TEST_F(AppTest, FailingStepsLoseOnlyThemselvesAndArePrintedOnceEach) {
    Form2& form = openPhasor();
    testing::internal::CaptureStderr();
    // A probe point outside the table: no probe bars, no erasure, pen 2 kept.
    form.probeIndex = 201;
    record(*form.Picture1);
    runFrames(1);
    EXPECT_EQ(std::tuple(form.Picture1->drawLog().size(), form.Picture1->DrawWidth()),
              std::tuple(100u * 4, 2));
    form.probeIndex = 50;
    // W1's base far off any screen at the probe point: its bar fails in every
    // frame, when drawn and when erased, and only those two calls are lost.
    form.wave1Base(50) = 1e12f;
    record(*form.Picture1);
    runFrames(3);
    EXPECT_EQ(form.Picture1->drawLog().size(), 3 * (1u + 99 * 4 + 3 - 2));
    EXPECT_FLOAT_EQ(form.timePhase, 4 * form.phaseStep); // every frame went on
    // The probe point chosen with no point spacing overflows.
    form.pointSpacing = 0;
    leftClick(form.Picture1, {40, 40});
    leftClick(form.Picture1, {60, 40});
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
