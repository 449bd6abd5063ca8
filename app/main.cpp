#include "app/app.h"
#include "app/command_line.h"
#include "app/translation.h"
#include "ui/runtime.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    answerHelpAndVersion(argc, argv);
    QApplication application(argc, argv);
    const auto germanQtTexts = installGermanQtTranslation(qtTranslationsDirectory());
    answerCommandLine(application);
    QApplication::setQuitOnLastWindowClosed(false); // only End ends the program
    ui::startProgram();
    App app;
    ui::runHandler([&] { app.start(); });
    if (ui::programEnded())
        return 0;
    return QApplication::exec();
}
