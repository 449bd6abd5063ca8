#include "app/translation.h"

#include "ui/failure.h"

#include <QCoreApplication>
#include <QLibraryInfo>

QString qtTranslationsDirectory() {
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
}

std::unique_ptr<QTranslator> installGermanQtTranslation(const QString& directory) {
    const QString catalogue = QStringLiteral("qtbase_de");
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(catalogue, directory)) {
        // A packaging fault, not the user's: one line, and the program goes on.
        ui::writeReport(
            QStringLiteral("wellenzeiger: Qt-Übersetzung %1 nicht gefunden in %2, Qt-Texte bleiben "
                           "englisch")
                .arg(catalogue, directory));
        return nullptr;
    }
    QCoreApplication::installTranslator(translator.get());
    return translator;
}
