#pragma once
// Qt's own texts (context menus, the command-line help) in German, whatever
// the user's locale: the program's interface is German throughout.

#include <QString>
#include <QTranslator>
#include <memory>

// The folder where Qt's translations are installed.
QString qtTranslationsDirectory();

// Loads Qt's German translation from `directory` and installs it into the
// running application; the translation stays installed as long as the
// returned translator lives. Without it Qt's texts stay English: one line on
// standard error says so and the result is empty.
std::unique_ptr<QTranslator> installGermanQtTranslation(const QString& directory);
