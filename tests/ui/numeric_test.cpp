#include "ui/numeric.h"

#include <gtest/gtest.h>

TEST(Numeric, SixteenBitArithmeticReportsOverflowInsteadOfWrapping) {
    EXPECT_EQ(ui::add(32760, 7), 32767);
    EXPECT_THROW(ui::add(32767, 1), ui::OverflowError);
    EXPECT_THROW(ui::subtract(-32768, 1), ui::OverflowError);
    EXPECT_THROW(ui::multiply(200, 200), ui::OverflowError);
    EXPECT_EQ(ui::toInteger(2.5), 2); // halves to even
    EXPECT_EQ(ui::toInteger(3.5), 4);
    EXPECT_THROW(ui::toInteger(32767.5), ui::OverflowError);
    EXPECT_THROW(ui::toInteger(std::nan("")), ui::OverflowError);
    EXPECT_THROW(ui::toSingle(1e300), ui::OverflowError);
}

TEST(Numeric, TablesRefuseIndexesOutsideTheirRange) {
    ui::Table<float, 201> table;
    table(200) = 3;
    EXPECT_EQ(table(200), 3);
    EXPECT_EQ(table(0), 0);
    EXPECT_THROW(table(201), ui::SubscriptError);
    EXPECT_THROW(table(-1), ui::SubscriptError);
}
