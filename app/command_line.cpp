#include "app/command_line.h"

#include "app/translation.h"

#include <QCommandLineParser>

namespace {

void describe(QCommandLineParser& parser) {
    parser.setApplicationDescription(
        QStringLiteral("Wellenzeiger: ein Lehrprogramm zur Physik der Wellen.\n"
                       "Zeigt Phasenzeiger, die Superposition zweier Wellen und das\n"
                       "Huygens-Fresnel-Prinzip in bewegten und stehenden Bildern."));
    parser.addHelpOption();
    parser.addVersionOption();
}

} // namespace

void answerHelpAndVersion(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationVersion(QStringLiteral(WELLENZEIGER_VERSION));
    QCommandLineParser parser;
    describe(parser);
    // The window system's own options (-platform ...) are unknown here: the
    // second reading, with the window system running, judges them.
    parser.parse(QCoreApplication::arguments());
    const bool version = parser.isSet(QStringLiteral("version"));
    const bool help = parser.isSet(QStringLiteral("help"));
    if (parser.isSet(QStringLiteral("help-all")) || !(version || help))
        return;
    const auto germanQtTexts = installGermanQtTranslation(qtTranslationsDirectory());
    if (version)
        parser.showVersion();
    parser.showHelp();
}

void answerCommandLine(const QCoreApplication& application) {
    QCoreApplication::setApplicationVersion(QStringLiteral(WELLENZEIGER_VERSION));
    QCommandLineParser parser;
    describe(parser);
    parser.process(application);
}
