#include "app/settings.h"

#include "ui/desktop.h"
#include "ui/failure.h"
#include "ui/line_weight.h"

#include <QDateTime>
#include <QFile>
#include <QSettings>

namespace {

const QString lineWeightKey = QStringLiteral("Beamer/Linienstaerke");

// The user's own settings file, ~/.config/wellenzeiger/wellenzeiger.ini on Linux.
class Store : public QSettings {
public:
    Store()
        : QSettings(ui::userSettingsFormat(), QSettings::UserScope, "wellenzeiger",
                    "wellenzeiger") {}
};

void say(const QString& line) {
    ui::writeReport("wellenzeiger: " + line);
}

// What the program ignores in the file is said once per change of the file
// where the reports are kept (on Windows).
int ignore(const Store& store, const QString& line) {
    ui::writeReportAboutFile("wellenzeiger: " + line + "; die Linienstärke ist normal",
                             store.fileName());
    return ui::normalWeight;
}

// Qt writes a file it could not read anew from what it could: the user's own
// text would be lost. So it is kept beside the new one, under a name of its
// own; false (and nothing written) if it cannot be.
bool keepUnreadableFile() {
    const Store store;
    if (store.status() != QSettings::FormatError)
        return true;
    const QString file = store.fileName();
    const QString kept =
        file + QDateTime::currentDateTime().toString(".'unlesbar'-yyyyMMdd-HHmmss");
    if (!QFile::rename(file, kept)) {
        say(QString("Einstellungen in %1 nicht lesbar und nicht beiseitegelegt; die Linienstärke "
                    "wird nicht gespeichert")
                .arg(file));
        return false;
    }
    say(QString("Einstellungen in %1 nicht lesbar; die Datei bleibt als %2 erhalten, die "
                "Linienstärke wird neu gespeichert")
            .arg(file, kept));
    return true;
}

} // namespace

int readLineWeight() {
    const Store store;
    if (store.status() != QSettings::NoError)
        return ignore(
            store,
            QString("Einstellungen in %1 nicht lesbar und übergangen").arg(store.fileName()));
    if (!store.contains(lineWeightKey)) {
        if (store.allKeys().isEmpty())
            return ui::normalWeight;
        return ignore(store, QString("Einstellungen %1 in %2 unbekannt und übergangen")
                                 .arg(store.allKeys().join(", "), store.fileName()));
    }
    const QString saved = store.value(lineWeightKey).toString();
    bool isNumber = false;
    const int weight = saved.toInt(&isNumber);
    if (!isNumber || weight < ui::normalWeight || weight > ui::maximumWeight)
        return ignore(store, QString("Linienstärke „%1“ in %2 übergangen (möglich sind 1, 2 und 3)")
                                 .arg(saved, store.fileName()));
    return weight;
}

void saveLineWeight(int weight) {
    if (!keepUnreadableFile())
        return;
    Store store;
    store.setValue(lineWeightKey, weight);
    store.sync();
    if (store.status() != QSettings::NoError)
        say(QString("Linienstärke konnte nicht in %1 gespeichert werden").arg(store.fileName()));
}
