#include "ui/windows_console.h"

#include <QMessageBox>

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

// Characters that the code page lacks become their nearest ones („ becomes ").
QByteArray inCodePage(const QString& text, unsigned codePage) {
    const int length = int(text.size());
    const int size =
        WideCharToMultiByte(codePage, 0, wide(text), length, nullptr, 0, nullptr, nullptr);
    QByteArray bytes(size, Qt::Uninitialized);
    WideCharToMultiByte(codePage, 0, wide(text), length, bytes.data(), size, nullptr, nullptr);
    return bytes;
}

bool writeBytes(HANDLE output, const QByteArray& bytes) {
    DWORD written = 0;
    return WriteFile(output, bytes.constData(), DWORD(bytes.size()), &written, nullptr) &&
           written == DWORD(bytes.size());
}

// The output code page of the console of the process that started this one,
// 0 if it has none. Asked while attached to it for a moment.
unsigned parentConsoleCodePage() {
    if (!AttachConsole(ATTACH_PARENT_PROCESS))
        return GetConsoleOutputCP(); // of a console already attached, else 0
    const unsigned codePage = GetConsoleOutputCP();
    FreeConsole();
    return codePage;
}

// In UTF-16, which a console shows whatever its code page. What it does not
// take (a character device that is no console, such as NUL) goes as bytes.
bool writeToConsole(HANDLE console, const QString& text) {
    DWORD written = 0;
    if (!WriteConsoleW(console, wide(text), DWORD(text.size()), &written, nullptr))
        written = 0;
    if (written >= DWORD(text.size()))
        return true;
    return writeBytes(console, inCodePage(text.mid(qsizetype(written)),
                                          pipeCodePage(GetConsoleOutputCP(), GetOEMCP())));
}

} // namespace

bool writeAnswer(const QString& text) {
    // Taken before the program attaches to any console, which may replace it.
    const HANDLE output = GetStdHandle(STD_OUTPUT_HANDLE);
    if (usable(output)) {
        if (GetFileType(output) == FILE_TYPE_CHAR)
            writeToConsole(output, text);
        else
            writeBytes(output, inCodePage(text, pipeCodePage(parentConsoleCodePage(), GetOEMCP())));
        return true;
    }
    if (!AttachConsole(ATTACH_PARENT_PROCESS))
        return false;
    const HANDLE console =
        CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                    nullptr, OPEN_EXISTING, 0, nullptr);
    const bool written =
        console != INVALID_HANDLE_VALUE && writeToConsole(console, QLatin1Char('\n') + text);
    if (console != INVALID_HANDLE_VALUE)
        CloseHandle(console);
    FreeConsole();
    return written;
}

void showAnswerBox(const QString& text) {
    QMessageBox box(QMessageBox::Information, QStringLiteral("Wellenzeiger"),
                    QStringLiteral("<pre>%1</pre>").arg(text.trimmed().toHtmlEscaped()));
    box.setTextFormat(Qt::RichText);
    box.exec();
}

} // namespace ui
