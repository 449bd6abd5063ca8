#include "app/command_line.h"

#include <QCommandLineParser>

void answerCommandLine(const QCoreApplication& application) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Wellenzeiger: ein Lehrprogramm zur Physik der Wellen.\n"
                       "Zeigt Phasenzeiger, die Superposition zweier Wellen und das\n"
                       "Huygens-Fresnel-Prinzip in bewegten und stehenden Bildern."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.process(application);
}
