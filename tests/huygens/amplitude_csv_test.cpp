#include "huygens_test.h"

#include "huygens/amplitude_table.h"

#include <QStringList>

namespace {

struct Format {
    QLocale locale;
    QString setting; // the first line
    QString names;   // the second line
    QChar separator;
};

} // namespace

// The table holds exactly the bars the plot drew, in a form that reads back in
// the locale it was written for.
TEST_F(HuygensTest, SavedAmplitudesAreTheBarsOfTheLastScan) {
    Form3& form = open();
    EXPECT_FALSE(form.lastScan);
    form.Picture1->setRecording(true);
    form.Form_MouseDown(2, 0, 3600, 0);
    const auto drawn = callsOf(*form.Picture1, Op::Line);
    ASSERT_EQ(drawn.size(), 1201u);
    ASSERT_TRUE(form.lastScan);

    const Format formats[] = {
        {QLocale(QLocale::German), "Zahl der Elementarwellen;7;Wellenlänge;100;x des Schnitts;3600",
         "y;Amplitude", ';'},
        {QLocale(QLocale::English, QLocale::UnitedStates),
         "Zahl der Elementarwellen,7,Wellenlänge,100,x des Schnitts,3600", "y,Amplitude", ','}};
    for (const Format& format : formats) {
        SCOPED_TRACE(format.locale.name().toStdString());
        const QByteArray bytes = huygens::amplitudeCsv(*form.lastScan, format.locale);
        ASSERT_TRUE(bytes.startsWith("\xEF\xBB\xBF"));
        const QStringList lines = QString::fromUtf8(bytes.mid(3)).split('\n');
        ASSERT_EQ(lines.size(), 2 + 1201 + 1); // ends with a line break
        EXPECT_EQ(lines[0], format.setting);
        EXPECT_EQ(lines[1], format.names);
        EXPECT_EQ(lines.back(), "");
        for (int row = 0; row < 1201; ++row) {
            const QStringList fields = lines[2 + row].split(format.separator);
            ASSERT_EQ(fields.size(), 2) << lines[2 + row].toStdString();
            bool yRead = false, amplitudeRead = false;
            const float y = format.locale.toFloat(fields[0], &yRead);
            const float amplitude = format.locale.toFloat(fields[1], &amplitudeRead);
            ASSERT_TRUE(yRead && amplitudeRead) << lines[2 + row].toStdString();
            EXPECT_EQ(y, -3000 + 5 * row);
            EXPECT_EQ(drawn[row].x1, y);
            EXPECT_EQ(drawn[row].y2, ui::toSingle(800 - amplitude)) << "at y = " << y;
        }
        // Near the maximum on the axis, low far off it (all seven phasors 80 long).
        EXPECT_NEAR(format.locale.toFloat(lines[2 + 600].split(format.separator)[1]), 558, 1);
        EXPECT_LT(format.locale.toFloat(lines[2 + 800].split(format.separator)[1]), 50);
    }
}
