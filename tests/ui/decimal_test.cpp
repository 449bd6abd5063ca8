// The numbers of the CSV table: the shortest decimal that reads back as the
// same float, and the way by trial that the browser's build uses instead of
// the standard library's to_chars.

#include "ui/decimal.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

namespace {

TEST(ShortestDecimal, ByTrialGivesTheShortestFixedDecimalThatReadsBack) {
    // 1/3 in float is 0.3333333432674407958984375: eight decimals tell it
    // from its neighbours, seven do not.
    const struct {
        float value;
        const char* text;
    } cases[] = {{0.0f, "0"},          {1.0f, "1"},       {-2.5f, "-2.5"},
                 {0.1f, "0.1"},        {100.5f, "100.5"}, {1.0f / 3, "0.33333334"},
                 {1e-7f, "0.0000001"}, {1500.0f, "1500"}, {-1499.75f, "-1499.75"}};
    for (const auto& c : cases) {
        EXPECT_EQ(ui::shortestDecimalByTrial(c.value), c.text) << c.text;
        EXPECT_EQ(ui::shortestDecimal(c.value), c.text) << c.text;
    }
    // The smallest float still reads back, from its 45th decimal on.
    const float tiny = std::nextafter(0.0f, 1.0f);
    EXPECT_EQ(std::strtof(ui::shortestDecimalByTrial(tiny).c_str(), nullptr), tiny);
}

TEST(ShortestDecimal, ByTrialWritesWhatToCharsWritesForTheTablesNumbers) {
    // The range of the table's y (the window's units) and amplitudes, in
    // steps that hit many different digit counts.
    for (float value = -1600.0f; value < 1600.0f; value += 0.37f)
        ASSERT_EQ(ui::shortestDecimalByTrial(value), ui::shortestDecimal(value)) << value;
    for (float value = 1e-6f; value < 20.0f; value *= 1.013f)
        ASSERT_EQ(ui::shortestDecimalByTrial(value), ui::shortestDecimal(value)) << value;
}

} // namespace
