#include "app/translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <cstdio>

QString qtTranslationsDirectory() {
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
}

std::unique_ptr<QTranslator> installGermanQtTranslation(const QString& directory) {
    const QString catalogue = QStringLiteral("qtbase_de");
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(catalogue, directory)) {
        // A packaging fault, not the user's: one line, and the program goes on.
        std::fprintf(stderr,
                     "wellenzeiger: Qt-Übersetzung %s nicht gefunden in %s, Qt-Texte bleiben "
                     "englisch\n",
                     qPrintable(catalogue), qPrintable(directory));
        return nullptr;
    }
    QCoreApplication::installTranslator(translator.get());
    return translator;
}
