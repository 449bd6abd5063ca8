#include "phasor/wave_model.h"

#include <gtest/gtest.h>

using namespace phasor;

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
