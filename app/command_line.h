#pragma once
// The program's command line: --help and --version, answered in German on
// standard output before any window opens (on Windows, where the program has
// no console of its own, in the console it was started from or in a message
// box).

#include <QCoreApplication>

// Answers --help and --version (print, exit code 0) before the window system
// is needed, so that both work in a terminal without a display too. Loads
// Qt's German translation for the answer. Returns when the program starts.
void answerHelpAndVersion(int argc, char* argv[]);

// With the application running: --help-all (which lists the window system's
// options too) and unknown options, which end the program with a German
// message on standard error and exit code 1.
void answerCommandLine(const QCoreApplication& application);
