#include "app/settings.h"

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
        : QSettings(QSettings::IniFormat, QSettings::UserScope, "wellenzeiger", "wellenzeiger") {}
};

void say(const QString& line) {
    ui::writeReport("wellenzeiger: " + line);
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
    if (store.status() != QSettings::NoError) {
        say(QString("Einstellungen in %1 nicht lesbar und übergangen; die Linienstärke ist "
                    "normal")
                .arg(store.fileName()));
        return ui::normalWeight;
    }
    if (!store.contains(lineWeightKey)) {
        if (!store.allKeys().isEmpty())
            say(QString("Einstellungen %1 in %2 unbekannt und übergangen; die Linienstärke ist "
                        "normal")
                    .arg(store.allKeys().join(", "), store.fileName()));
        return ui::normalWeight;
    }
    const QString saved = store.value(lineWeightKey).toString();
    bool isNumber = false;
    const int weight = saved.toInt(&isNumber);
    if (!isNumber || weight < ui::normalWeight || weight > ui::maximumWeight) {
        say(QString("Linienstärke „%1“ in %2 übergangen (möglich sind 1, 2 und 3); die "
                    "Linienstärke ist normal")
                .arg(saved, store.fileName()));
        return ui::normalWeight;
    }
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
