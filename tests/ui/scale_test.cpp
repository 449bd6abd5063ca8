#include "ui/pixels.h"
#include "ui/user_scale.h"

#include <gtest/gtest.h>
#include <limits>

// A scale of 20 units across 200 pixels from x = -10, and 10 units down 100
// pixels growing upwards from y = 5: 10 pixels a unit across, 10 down.
TEST(UserScale, MapsPointsBothWaysAndLengthsWithoutTheirSign) {
    const ui::UserScale scale{-10, 5, 20, -10};
    const QSize area(200, 100);
    EXPECT_EQ(scale.toPixels(0, 0, area), QPointF(100, 50));
    EXPECT_EQ(scale.toPixels(-10, 5, area), QPointF(0, 0));
    EXPECT_EQ(scale.toPixels(10, -5, area), QPointF(200, 100));
    EXPECT_EQ(scale.toUser({100, 50}, area), QPointF(0, 0));
    EXPECT_EQ(scale.toUser({50, 80}, area), QPointF(-5, -3));
    EXPECT_EQ(scale.widthToPixels(5, area), 50);
    EXPECT_EQ(scale.heightToPixels(2, area), 20);
    EXPECT_EQ(scale.pixelsToWidth(50, area), 5);
    EXPECT_EQ(scale.pixelsToHeight(20, area), 2);

    const ui::UserScale twips = ui::UserScale::twipsOf({10, 20});
    EXPECT_EQ(twips.toPixels(150, 30, {10, 20}), QPointF(10, 2));
    EXPECT_EQ(twips.width, 150);
    EXPECT_EQ(twips.height, 300);
}

TEST(Pixels, EveryDoubleBecomesADefinedIntAndTwipsRoundHalvesUp) {
    const double limit = QWIDGETSIZE_MAX;
    const struct {
        double value;
        int asInt;
    } ints[] = {
        {2.9, 2},          {-2.9, -2},          {std::numeric_limits<double>::quiet_NaN(), 0},
        {1e300, 16777215}, {-1e300, -16777215}, {limit + 1, 16777215}};
    for (const auto& c : ints)
        EXPECT_EQ(ui::toInt(c.value), c.asInt) << c.value;

    const struct {
        double twips;
        int pixels;
    } twips[] = {{22.4, 1}, {22.5, 2}, {-7.5, 0}, {-7.6, -1}, {1e12, 16777215}};
    for (const auto& c : twips)
        EXPECT_EQ(ui::twipsToPixels(c.twips), c.pixels) << c.twips;
}
