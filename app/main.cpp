#include "app/app.h"
#include "ui/runtime.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false); // only End ends the program
    ui::startProgram();
    App app;
    ui::runHandler([&] { app.start(); });
    if (ui::programEnded())
        return 0;
    return QApplication::exec();
}
