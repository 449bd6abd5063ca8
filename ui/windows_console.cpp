#include "ui/windows_console.h"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

namespace ui {
namespace {

bool usable(HANDLE handle) {
    return handle != nullptr && handle != INVALID_HANDLE_VALUE &&
           GetFileType(handle) != FILE_TYPE_UNKNOWN;
}

const wchar_t* wide(const QString& text) {
    return reinterpret_cast<const wchar_t*>(text.utf16());
}

void writeToConsole(HANDLE console, const QString& text) {
    DWORD written = 0;
    WriteConsoleW(console, wide(text), DWORD(text.size()), &written, nullptr);
}

} // namespace

void showAnswer(const QString& text) {
    const HANDLE output = GetStdHandle(STD_OUTPUT_HANDLE);
    if (usable(output)) {
        if (GetFileType(output) == FILE_TYPE_CHAR) {
            writeToConsole(output, text);
        } else {
            const QByteArray bytes = text.toUtf8();
            DWORD written = 0;
            WriteFile(output, bytes.constData(), DWORD(bytes.size()), &written, nullptr);
        }
        return;
    }
    // Started from a console, which a GUI program is not attached to: the
    // answer follows the console's prompt, since the console does not wait.
    if (AttachConsole(ATTACH_PARENT_PROCESS)) {
        const HANDLE console = CreateFileW(L"CONOUT$", GENERIC_WRITE, FILE_SHARE_WRITE, nullptr,
                                           OPEN_EXISTING, 0, nullptr);
        if (console != INVALID_HANDLE_VALUE) {
            writeToConsole(console, QLatin1Char('\n') + text);
            CloseHandle(console);
        }
        FreeConsole();
        return;
    }
    // Started by a double click or from a shortcut.
    const QString shown = text.trimmed();
    MessageBoxW(nullptr, wide(shown), L"Wellenzeiger", MB_OK | MB_ICONINFORMATION);
}

} // namespace ui
