#pragma once
// Windows only: a program of the Windows GUI subsystem has no console of its
// own, so its answers to --help and --version need a way to the user.

#include <QString>

namespace ui {

// Writes `text` where the user who started the program reads it: to the
// standard output where it is redirected (in UTF-8, as on Linux), to the
// console the program was started from, or else into a message box.
void showAnswer(const QString& text);

} // namespace ui
