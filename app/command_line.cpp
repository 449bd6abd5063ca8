#include "app/command_line.h"

#include "app/translation.h"

#include <QCommandLineParser>

#ifdef Q_OS_WIN
#include "ui/windows_console.h"
#include <QApplication>
#include <cstdlib>
#endif

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

// Lets `answer` answer --help or --version with the parser that read them,
// in a bare QCoreApplication, with Qt's German texts.
template <typename Answer> void whenAsked(int argc, char* argv[], const Answer& answer) {
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationVersion(QStringLiteral(WELLENZEIGER_VERSION));
    if (!asksForHelpOrVersion(QCoreApplication::arguments()))
        return;
    // Before the options are described: their texts are translated then.
    const auto germanQtTexts = installGermanQtTranslation(qtTranslationsDirectory());
    QCommandLineParser parser;
    describe(parser);
    parser.parse(QCoreApplication::arguments());
    answer(parser);
}

} // namespace

void answerHelpAndVersion(int argc, char* argv[]) {
#ifdef Q_OS_WIN
    // The same texts as Qt's, to where the program was started from; started
    // by a double click, in a message box, which needs a QApplication in the
    // place of the bare one.
    QString text;
    whenAsked(argc, argv, [&text](const QCommandLineParser& parser) {
        text = parser.isSet(QStringLiteral("version"))
                   ? QCoreApplication::applicationName() + QLatin1Char(' ') +
                         QCoreApplication::applicationVersion() + QLatin1Char('\n')
                   : parser.helpText();
    });
    if (text.isEmpty())
        return;
    if (!ui::writeAnswer(text)) {
        QApplication application(argc, argv);
        const auto germanQtTexts = installGermanQtTranslation(qtTranslationsDirectory());
        ui::showAnswerBox(text);
    }
    std::exit(0);
#else
    whenAsked(argc, argv, [](QCommandLineParser& parser) {
        if (parser.isSet(QStringLiteral("version")))
            parser.showVersion();
        parser.showHelp();
    });
#endif
}

void answerCommandLine(const QCoreApplication& application) {
    QCoreApplication::setApplicationVersion(QStringLiteral(WELLENZEIGER_VERSION));
    QCommandLineParser parser;
    describe(parser);
    parser.process(application);
}
