#include "app/translation.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

// Qt's own texts come out German; without the catalogue English, and one line says so.
TEST(QtTexts, GermanWithTheTranslationAndOneLineWithout) {
    {
        const auto translation = installGermanQtTranslation(qtTranslationsDirectory());
        ASSERT_TRUE(translation);
        EXPECT_EQ(QCoreApplication::translate("QScrollBar", "Scroll here"), "Hierher scrollen");
        EXPECT_EQ(QCoreApplication::translate("QLineEdit", "&Copy"), "&Kopieren");
    }
    testing::internal::CaptureStderr();
    const auto translation = installGermanQtTranslation("/nonexistent");
    EXPECT_FALSE(translation);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "wellenzeiger: Qt-Übersetzung qtbase_de nicht gefunden in /nonexistent, Qt-Texte "
              "bleiben englisch\n");
    EXPECT_EQ(QCoreApplication::translate("QScrollBar", "Scroll here"), "Scroll here");
}
