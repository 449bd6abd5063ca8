#include "ui/pixels.h"
#include "ui/user_scale.h"

#include <gtest/gtest.h>
#include <limits>

// A scale of 20 units across 200 pixels from x = -10, and 10 units down 100
// pixels growing upwards from y = 5: 10 pixels a unit each way.
TEST(UserScale, MapsPointsBothWaysAndLengthsWithoutTheirSign) {
    const ui::UserScale scale{-10, 5, 20, -10};
    const QSize area(200, 100);
    EXPECT_EQ(scale.toPixels(10, -5, area), QPointF(200, 100));
    EXPECT_EQ(scale.toUser({50, 80}, area), QPointF(-5, -3));
    EXPECT_EQ(std::pair(scale.widthToPixels(5, area), scale.heightToPixels(2, area)),
              std::pair(50.0, 20.0));
    EXPECT_EQ(std::pair(scale.pixelsToWidth(50, area), scale.pixelsToHeight(20, area)),
              std::pair(5.0, 2.0));
}

TEST(Pixels, EveryDoubleBecomesADefinedIntAndTwipsRoundHalvesUp) {
    EXPECT_EQ((std::array{ui::toInt(-2.9), ui::toInt(std::numeric_limits<double>::quiet_NaN()),
                          ui::toInt(-1e300), ui::twipsToPixels(1e12)}),
              (std::array{-2, 0, -16777215, 16777215}));
    for (const auto& [twips, pixels] : {std::pair{22.4, 1}, {22.5, 2}, {-7.5, 0}, {-7.6, -1}})
        EXPECT_EQ(ui::twipsToPixels(twips), pixels) << twips;
}
