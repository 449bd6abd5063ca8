#include "phasor/wave_model.h"

#include <gtest/gtest.h>

using namespace phasor;

TEST(WaveModel, DefaultPhasesAndDisplacements) {
    const ui::Double k = phasePerStepFor(ui::toSingle(4 * std::atan(1.0)), 28);
    const ui::Single phase1 = ui::toSingle(wavePhase(57, k, 0));
    const ui::Single phase2 = ui::toSingle(wavePhase(50, k, 0));
    EXPECT_NEAR(phase1, -12.79077, 1e-4);
    EXPECT_NEAR(sumDisplacement(100, phase1, phase2), 97.493 - 22.252, 1e-3);
    EXPECT_DOUBLE_EQ(stillPhase(50, k, 1.0f, 0.25f), 50 * k + 1.0 - 0.25);
}

TEST(WaveModel, SpeedSliderMapsToFactorAndText) {
    EXPECT_EQ(speedFactorFor(800), 0.0f);
    EXPECT_NEAR(speedFactorFor(901), 1.01, 1e-6);
    const QLocale point(QLocale::English, QLocale::UnitedStates);
    EXPECT_EQ(speedText(speedFactorFor(800), point), "0");
    EXPECT_EQ(speedText(speedFactorFor(805), point), "0.05");
    EXPECT_EQ(speedText(speedFactorFor(901), point), "1.01");
    EXPECT_EQ(speedText(speedFactorFor(950), point), "1.5");
    EXPECT_EQ(speedText(speedFactorFor(1000), point), "2");
    EXPECT_EQ(speedText(speedFactorFor(901), QLocale(QLocale::German)), "1,01");
    EXPECT_DOUBLE_EQ(roundedSpeed(0.125f), 0.13); // halves round up
}

TEST(WaveModel, ProbePointFromMouseAndBoxPosition) {
    const std::pair<float, int> points[] = {{1500, 50},  {1514, 50}, {1515, 51}, {-10, 0},
                                            {2990, 100}, {-16, -1},  {-600, -20}};
    for (const auto& [x, index] : points)
        EXPECT_EQ(probeIndexAt(x, 30), index) << x;
    EXPECT_THROW(probeIndexAt(1e7f, 30), ui::OverflowError);

    const std::pair<int, float> lefts[] = {{50, 1055}, {51, 1094.5}, {49, 1015.5}, {2, -841},
                                           {98, 2951}, {100, 3030},  {0, -920}};
    for (const auto& [index, left] : lefts)
        EXPECT_FLOAT_EQ(probeBoxLeft(ui::Integer(index)), left) << index;
}
