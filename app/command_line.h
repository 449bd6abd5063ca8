#pragma once
// The program's command line: only --help and --version, both answered in
// German on standard output before any window opens.

#include <QCoreApplication>

// Reads the arguments; --help and --version print their answer and end the
// program with exit code 0, anything else unknown ends it with a German
// message on standard error and exit code 1.
void answerCommandLine(const QCoreApplication& application);
