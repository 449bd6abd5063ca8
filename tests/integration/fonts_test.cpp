// "MS Sans Serif" is an installed sans-serif family at 96/72 pixels a point.

#include "ui/form.h"

#include <QFontInfo>
#include <gtest/gtest.h>

TEST(Fonts, MsSansSerifIsLiberationSansAtNinetySixDotsPerInch) {
    for (const auto& [points, pixels] : {std::pair{8.25, 11}, {9.75, 13}, {12, 16}, {18, 24}}) {
        const QFontInfo info(ui::toQFont({points, true}));
        EXPECT_EQ(std::tuple(info.family(), info.pixelSize(), info.bold()),
                  std::tuple(QString("Liberation Sans"), pixels, true));
    }
}
