#include "ui/pixels.h"

#include <gtest/gtest.h>
#include <limits>

TEST(Pixels, EveryDoubleBecomesADefinedIntAndTwipsRoundHalvesUp) {
    EXPECT_EQ((std::array{ui::toInt(-2.9), ui::toInt(std::numeric_limits<double>::quiet_NaN()),
                          ui::toInt(-1e300), ui::twipsToPixels(1e12)}),
              (std::array{-2, 0, -16777215, 16777215}));
    for (const auto& [twips, pixels] : {std::pair{22.4, 1}, {22.5, 2}, {-7.5, 0}, {-7.6, -1}})
        EXPECT_EQ(ui::twipsToPixels(twips), pixels) << twips;
}
