#include "ui/report_log.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// The log keeps the newest 200 reports, each whole and after its date and time.
TEST(ReportLog, KeepsTheNewestTwoHundredLines) {
    const QTemporaryDir folder;
    const QString log = folder.filePath("wellenzeiger.log");
    for (int report = 1; report <= 250; ++report)
        ASSERT_TRUE(ui::appendToLog(log, QString("Überlauf %1").arg(report)));
    QFile file(log);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(file.readAll()).split('\n');
    ASSERT_EQ(lines.size(), 201); // and the line break after the last
    EXPECT_TRUE(lines.last().isEmpty());
    const QRegularExpression dated("^\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d Überlauf (\\d+)$");
    EXPECT_EQ(dated.match(lines[0]).captured(1), "51");
    EXPECT_EQ(dated.match(lines[199]).captured(1), "250");
    EXPECT_FALSE(ui::appendToLog(folder.path(), "a folder in the log's place"));
}

// A state is reported once across starts, a changed one again, also a change back.
TEST(ReportLog, RemembersTheStateLastReported) {
    const QTemporaryDir folder;
    const QString memory = folder.filePath("wellenzeiger.ini.gemeldet");
    EXPECT_TRUE(ui::isNewState(memory, "[Beamer]\nFarbe=rot\n"));
    EXPECT_FALSE(ui::isNewState(memory, "[Beamer]\nFarbe=rot\n"));
    EXPECT_TRUE(ui::isNewState(memory, "[Beamer]\nFarbe=blau\n"));
    EXPECT_TRUE(ui::isNewState(memory, "[Beamer]\nFarbe=rot\n"));
    EXPECT_FALSE(ui::isNewState(memory, "[Beamer]\nFarbe=rot\n"));
}
