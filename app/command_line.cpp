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

// --help or --version, not --help-all. The window system's own options
// (-platform ...) are unknown here: the second reading judges them.
bool asksForHelpOrVersion(const QStringList& arguments) {
    QCommandLineParser parser;
    describe(parser);
    parser.parse(arguments);
    return !parser.isSet(QStringLiteral("help-all")) &&
           (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("version")));
}

} // namespace

void answerHelpAndVersion(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationVersion(QStringLiteral(WELLENZEIGER_VERSION));
    if (!asksForHelpOrVersion(QCoreApplication::arguments()))
        return;
    // Before the options are described: their texts are translated then.
    const auto germanQtTexts = installGermanQtTranslation(qtTranslationsDirectory());
    QCommandLineParser parser;
    describe(parser);
    parser.parse(QCoreApplication::arguments());
    if (parser.isSet(QStringLiteral("version")))
        parser.showVersion();
    parser.showHelp();
}

void answerCommandLine(const QCoreApplication& application) {
    QCoreApplication::setApplicationVersion(QStringLiteral(WELLENZEIGER_VERSION));
    QCommandLineParser parser;
    describe(parser);
    parser.process(application);
}
