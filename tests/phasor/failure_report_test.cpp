#include "../support/support.h"

#include "phasor/form2.h"

// Each failure is printed once, naming where it happened, however often it
// recurs; the window goes on working.
TEST_F(AppTest, FailuresInAnimationStepsAndHandlersArePrintedOnceEach) {
    Form2& form = openPhasor();
    testing::internal::CaptureStderr();
    // W1's base far off any screen at the probe point: its bar fails in every
    // frame, when drawn and when erased.
    form.wave1Base(form.probeIndex) = 1e12f;
    runFrames(3);
    // The probe point chosen with no point spacing overflows.
    form.pointSpacing = 0;
    leftClick(form.Picture1, {40, 40});
    leftClick(form.Picture1, {60, 40});
    const QString printed = QString::fromStdString(testing::internal::GetCapturedStderr());

    EXPECT_EQ(printed.split('\n', Qt::SkipEmptyParts),
              QStringList({"wellenzeiger: Laufzeitfehler in Form2.AnimateWaves (DrawProbeBars): "
                           "Zeichnung außerhalb jedes Bildschirms",
                           "wellenzeiger: Laufzeitfehler in Form2.AnimateWaves (EraseProbeBars): "
                           "Zeichnung außerhalb jedes Bildschirms",
                           "wellenzeiger: Laufzeitfehler in Form2.Picture1_MouseDown: Überlauf"}));
    EXPECT_FLOAT_EQ(form.timePhase, 3 * form.phaseStep);
    EXPECT_FALSE(ui::programEnded());
}
