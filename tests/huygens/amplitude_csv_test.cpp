#include "../support/support.h"

#include "huygens/amplitude_table.h"

// The table holds the bars the plot drew and reads back in its locale.
TEST_F(AppTest, SavedAmplitudesAreTheBarsOfTheLastScan) {
    Form3& form = openHuygens();
    form.Picture1->setRecording(true);
    form.Form_MouseDown(2, 0, 3600, 0);
    const auto bars = callsOf(*form.Picture1, Op::Line);
    ASSERT_EQ(bars.size(), 1201u);
    ASSERT_EQ(form.plotRecord.fault(), huygens::PlotFault::None);

    const std::pair<QLocale, QString> formats[] = {
        {QLocale(QLocale::German),
         "Zahl der Elementarwellen;7;Wellenlänge;100;x des Schnitts;3600"},
        {QLocale(QLocale::English),
         "Zahl der Elementarwellen,7,Wellenlänge,100,x des Schnitts,3600"}};
    for (const auto& [locale, setting] : formats) {
        const QByteArray bytes = huygens::amplitudeCsv(form.plotRecord.table(), locale);
        ASSERT_TRUE(bytes.startsWith("\xEF\xBB\xBF"));
        const QStringList lines = QString::fromUtf8(bytes.mid(3)).split('\n');
        ASSERT_EQ(lines.size(), 2 + 1201 + 1); // ends with a line break
        EXPECT_EQ(lines[0], setting);
        const QChar separator = setting[24];
        EXPECT_EQ(lines[1], QString("y") + separator + "Amplitude");
        std::vector<float> amplitudes;
        for (int row = 0; row < 1201; ++row) {
            const QStringList fields = lines[2 + row].split(separator);
            ASSERT_EQ(fields.size(), 2) << lines[2 + row].toStdString();
            bool yRead = false, amplitudeRead = false;
            EXPECT_EQ(locale.toFloat(fields[0], &yRead), -3000 + 5 * row);
            amplitudes.push_back(locale.toFloat(fields[1], &amplitudeRead));
            ASSERT_TRUE(yRead && amplitudeRead) << lines[2 + row].toStdString();
            EXPECT_EQ(bars[row].x1, -3000 + 5 * row);
            EXPECT_EQ(bars[row].y2, ui::toSingle(800 - amplitudes.back())) << "row " << row;
        }
        // Near the maximum on the axis, low far off it (seven phasors 80 long).
        EXPECT_NEAR(amplitudes[600], 558, 1);
        EXPECT_LT(amplitudes[800], 50);
    }
}
