#include "../support/support.h"

#include "app/form1.h"
#include "huygens/form3.h"
#include "phasor/form2.h"
#include "ui/line_weight.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QSettings>

namespace {

QString settingsFile() {
    return QSettings(QSettings::IniFormat, QSettings::UserScope, "wellenzeiger", "wellenzeiger")
        .fileName();
}

void write(const QString& path, const QByteArray& contents) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(contents);
}

QByteArray read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

// Ctrl+Plus, Ctrl+Minus and Ctrl+0 in every window, after a click into it.
TEST_F(AppTest, WeightKeysWorkInEveryWindowAndAreKept) {
    const auto weightAfter = [](std::initializer_list<Qt::Key> keys) {
        for (const Qt::Key key : keys)
            typeKey(key, Qt::ControlModifier);
        return ui::lineWeight();
    };
    click(&app->form1().window(), {5, 5});
    EXPECT_EQ(weightAfter({Qt::Key_Minus}), 1);
    EXPECT_FALSE(QFile::exists(settingsFile())); // nothing written before a change
    EXPECT_EQ(weightAfter({Qt::Key_Plus}), 2);
    click(openPhasor().Text1);
    EXPECT_EQ(weightAfter({Qt::Key_Plus}), 3);
    EXPECT_EQ(weightAfter({Qt::Key_Plus}), 3);
    EXPECT_EQ(weightAfter({Qt::Key_Minus}), 2);
    click(&openHuygens().window(), {5, 400});
    EXPECT_EQ(weightAfter({Qt::Key_Minus, Qt::Key_Minus}), 1);
    EXPECT_EQ(weightAfter({Qt::Key_Plus, Qt::Key_Plus}), 3);
    EXPECT_TRUE(read(settingsFile()).contains("Linienstaerke=3"));
    EXPECT_EQ(weightAfter({Qt::Key_0}), 1);
}

// After a change of weight each picture looks as drawn afresh in that weight.
TEST_F(AppTest, EverythingShownIsDrawnAgainInTheNewWeight) {
    Form2& phasor = openPhasor();
    const auto images = [](std::initializer_list<ui::Surface*> surfaces) {
        std::vector<QImage> shown;
        for (ui::Surface* surface : surfaces)
            shown.push_back(surface->screenImage());
        return shown;
    };
    // The rows and pointers of a last frame (the second: the first draws with
    // the layout's thin pen), the still rows and pointers.
    runFrames(1);
    phasor.timePhase = 0;
    runFrames(1);
    const auto frame = images({phasor.Picture1, phasor.Picture2});
    phasor.HScroll1->setValue(20);
    click(phasor.Picture1);
    const auto still = images({phasor.Picture1, phasor.Picture2});
    phasor.HScroll1->setValue(28);
    phasor.timePhase = 0;
    app->changeLineWeight(3);
    runFrames(1);
    EXPECT_NE(images({phasor.Picture1, phasor.Picture2}), frame); // thick
    app->changeLineWeight(1);
    EXPECT_EQ(images({phasor.Picture1, phasor.Picture2}), frame);
    app->changeLineWeight(2);
    phasor.HScroll1->setValue(20);
    click(phasor.Picture1);
    app->changeLineWeight(1);
    EXPECT_EQ(images({phasor.Picture1, phasor.Picture2}), still);
    phasor.HScroll1->setValue(28); // still rows again, which clear the pointers
    const auto rows = images({phasor.Picture1, phasor.Picture2});
    app->changeLineWeight(2);
    app->changeLineWeight(1);
    EXPECT_EQ(images({phasor.Picture1, phasor.Picture2}), rows);

    // The field, a scan's plot and the phasor box; an open help says the weight.
    Form3& huygens = openHuygens();
    ui::Surface& window = huygens.window();
    for (const QPoint cut : {pixelAt(window, 1000, 0), pixelAt(window, 2000, 300)})
        click(&window, cut, Qt::RightButton); // the second scan's plot replaces the first's
    const auto scanned = images({&window, huygens.Picture1, huygens.Picture3});
    typeKey(Qt::Key_F1);
    app->changeLineWeight(3);
    const auto thick = images({&window, huygens.Picture1, huygens.Picture3});
    for (size_t i = 0; i < thick.size(); ++i)
        EXPECT_NE(thick[i], scanned[i]) << i;
    const auto* help = window.findChild<QDialog*>("helpWindow");
    EXPECT_TRUE(help->findChild<QLabel*>()->text().contains("jetzt dreifach"));
    app->changeLineWeight(1);
    EXPECT_EQ(images({&window, huygens.Picture1, huygens.Picture3}), scanned);
}

// A weight saved by the last run counts from the start; a file that cannot
// be read or holds nonsense is said once and left as it is.
TEST_F(AppTest, SavedWeightIsTakenAndNonsenseLeftAsItIs) {
    const std::pair<QByteArray, QString> files[] = {
        {"[Beamer]\nLinienstaerke=3\n", ""},
        {"[Beamer]\nLinienstaerke=7\n", "Linienstärke „7“ in "},
        {"[Beamer]\nLinienstaerke=dick\n", "Linienstärke „dick“ in "},
        {"[Beamer\nLinienstaerke=2\n", "Einstellungen in "},
        {"Linienstaerke=2\n", "Einstellungen Linienstaerke in "},
        {"", "Einstellungen in "}}; // a folder in the file's place
    std::vector<std::unique_ptr<QTemporaryDir>> folders;
    for (const auto& [contents, said] : files) {
        // A file of its own for each: Qt keeps what it read of one.
        const QString folder = folders.emplace_back(std::make_unique<QTemporaryDir>())->path();
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder);
        if (contents.isEmpty())
            QDir().mkpath(settingsFile());
        else
            write(settingsFile(), contents);
        testing::internal::CaptureStderr();
        app.reset();
        ui::startProgram();
        app = std::make_unique<App>();
        ui::runHandler([this] { app->start(); });
        const QString printed = QString::fromStdString(testing::internal::GetCapturedStderr());
        EXPECT_EQ(ui::lineWeight(), said.isEmpty() ? 3 : 1) << contents.toStdString();
        EXPECT_TRUE(said.isEmpty() ? printed.isEmpty()
                                   : printed.startsWith("wellenzeiger: " + said + settingsFile()) &&
                                         printed.count('\n') == 1)
            << printed.toStdString();
        EXPECT_EQ(read(settingsFile()), contents);
    }
    testing::internal::CaptureStderr(); // the folder cannot be written either
    app->changeLineWeight(2);
    EXPECT_EQ(QString::fromStdString(testing::internal::GetCapturedStderr()),
              "wellenzeiger: Linienstärke konnte nicht in " + settingsFile() +
                  " gespeichert werden\n");
}

// A file Qt could not read is kept beside the new one at the first change.
TEST_F(AppTest, UnreadableSettingsAreKeptBesideTheNewFile) {
    const QByteArray unreadable = "[Beamer\nLinienstaerke=2\n[Farben]\nHintergrund=grau\n";
    write(settingsFile(), unreadable);
    const auto changeAndTell = [this](int weight) {
        testing::internal::CaptureStderr();
        app->changeLineWeight(weight);
        return QString::fromStdString(testing::internal::GetCapturedStderr());
    };
    const QString said = changeAndTell(3);
    const QDir folder = QFileInfo(settingsFile()).dir();
    const QStringList kept = folder.entryList({"wellenzeiger.ini.unlesbar-*"}, QDir::Files);
    ASSERT_EQ(kept.size(), 1) << said.toStdString();
    EXPECT_EQ(read(folder.filePath(kept[0])), unreadable);
    EXPECT_EQ(said, "wellenzeiger: Einstellungen in " + settingsFile() +
                        " nicht lesbar; die Datei bleibt als " + folder.filePath(kept[0]) +
                        " erhalten, die Linienstärke wird neu gespeichert\n");
    EXPECT_EQ(read(settingsFile()), "[Beamer]\nLinienstaerke=3\n");
    // The new file is readable: the next change writes it over in silence.
    EXPECT_EQ(changeAndTell(2), "");
    EXPECT_EQ(read(settingsFile()), "[Beamer]\nLinienstaerke=2\n");
    EXPECT_EQ(folder.entryList({"wellenzeiger.ini.unlesbar-*"}, QDir::Files), kept);
}
