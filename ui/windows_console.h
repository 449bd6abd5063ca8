#pragma once
// Windows only: a program of the Windows GUI subsystem has no console of its
// own, so its answers to --help and --version need a way to the user.

#include <QString>

namespace ui {

// The code page in which a program reading a pipe or file expects text
// (`more`, PowerShell, which reads it in its console's output encoding): that
// of the console the program was started from, else the OEM code page that
// consoles start with. 0 stands for "no console".
constexpr unsigned pipeCodePage(unsigned consoleCodePage, unsigned oemCodePage) {
    return consoleCodePage != 0 ? consoleCodePage : oemCodePage;
}

// Writes `text` where the user who started the program reads it: to the
// standard output where it is redirected (in pipeCodePage), to a console in
// UTF-16 (after its next prompt if the program was started from one, since
// the prompt does not wait for a GUI program). False if there is neither:
// the program was started by a double click or a shortcut.
bool writeAnswer(const QString& text);

// Shows `text` in a message box, in a fixed-width font so that its columns
// stay columns. Needs a QApplication, which makes the program DPI-aware
// first, so that Windows does not blur the box by scaling it up.
void showAnswerBox(const QString& text);

} // namespace ui
