#include "phasor/wave_model.h"

#include <gtest/gtest.h>

using namespace phasor;

TEST(WaveModel, PhasesAndDisplacementsWithTheDefaults) {
    const ui::Double k = phasePerStepFor(ui::toSingle(4 * std::atan(1.0)), 28);
    EXPECT_NEAR(k, -0.2243995, 1e-7);
    const ui::Single phase1 = ui::toSingle(wavePhase(57, k, 0));
    const ui::Single phase2 = ui::toSingle(wavePhase(50, k, 0));
    EXPECT_NEAR(phase1, -12.79077, 1e-4);
    EXPECT_NEAR(sumDisplacement(100, phase1, phase2), -22.252 + 97.493, 1e-3);
    EXPECT_NEAR(horizontal(100, phase1), 97.493, 1e-3);
    EXPECT_NEAR(stillPhase(50, k, 1.0f, 0.25f), -10.469974, 1e-6);
}

TEST(WaveModel, SpeedSliderMapsToFactorAndText) {
    const QLocale point(QLocale::English, QLocale::UnitedStates);
    const std::tuple<int, float, QString> speeds[] = {{800, 0, "0"},
                                                      {805, 0.05f, "0.05"},
                                                      {901, 1.01f, "1.01"},
                                                      {950, 1.5f, "1.5"},
                                                      {1000, 2, "2"}};
    for (const auto& [slider, factor, text] : speeds) {
        EXPECT_NEAR(speedFactorFor(slider), factor, 1e-6) << slider;
        EXPECT_EQ(speedText(speedFactorFor(slider), point), text);
    }
    EXPECT_EQ(speedText(speedFactorFor(901), QLocale(QLocale::German)), "1,01");
    EXPECT_DOUBLE_EQ(roundedSpeed(0.125f), 0.13); // halves round up
}
