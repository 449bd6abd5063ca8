#include "huygens/huygens_model.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace huygens;

TEST(HuygensModel, PhasesFollowTheDistanceAndChainsAddHeadToTail) {
    const double pi = 4 * std::atan(1.0);
    auto phaseAt = [pi](ui::Single x, ui::Single y, ui::Single sourceY, ui::Integer wavelength) {
        return phaseOf(cycleFractionAt(distanceToSource(x, y, 0, sourceY), wavelength), pi);
    };
    EXPECT_EQ(phaseAt(300, 400, 0, 100), 0.0f);                       // 500 = 5 wavelengths
    EXPECT_FLOAT_EQ(phaseAt(0, 550, 0, 100), static_cast<float>(pi)); // half a wavelength more
    EXPECT_FLOAT_EQ(phaseAt(0, 25, -50, 100), static_cast<float>(3 * pi / 2));
    EXPECT_LT(phaseAt(0, 99.99f, 0, 100), 2 * pi);
    EXPECT_EQ(sourceRowY(50, 0, 3), -150);

    const ChainTip tip = chainSum(std::vector<ui::Single>(7, 0.5f));
    EXPECT_NEAR(tip.x, 560 * std::cos(0.5), 1e-3);
    EXPECT_NEAR(tip.y, 560 * std::sin(0.5), 1e-3);
    EXPECT_NEAR(amplitudeOf(tip), 560, 1e-3);
    EXPECT_NEAR(amplitudeOf(chainSum({0.0f, static_cast<float>(pi)})), 0, 1e-4);
    EXPECT_NEAR(phasorEnd(-500, 100, static_cast<float>(pi / 2)).y, 180, 1e-4);
}
