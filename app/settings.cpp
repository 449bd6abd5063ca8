#include "app/settings.h"

#include "ui/desktop.h"
#include "ui/failure.h"
#include "ui/line_weight.h"

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
    Store store;
    store.setValue(lineWeightKey, weight);
    store.sync();
    if (store.status() != QSettings::NoError)
        say(QString("Linienstärke konnte nicht in %1 gespeichert werden").arg(store.fileName()));
}
