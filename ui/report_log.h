#pragma once
// The log file that keeps the program's reports where a program has no
// standard error that anyone reads (one of the Windows GUI): small, and
// without the same report about an unchanged file at every start.

#include <QByteArray>
#include <QString>

namespace ui {

// The newest lines the log keeps: months of a classroom's reports, few
// enough for a glance.
inline constexpr int keptLogLines = 200;

// Appends `line` after the date and time to the log at `path`, dropping the
// oldest lines beyond keptLogLines. False if the log cannot be written.
bool appendToLog(const QString& path, const QString& line);

// True if `state` (what a report is about, such as a file's contents) is not
// the one remembered in the file at `path`, which then remembers it: asked
// again about the same state, also after a restart, it says false.
bool isNewState(const QString& path, const QByteArray& state);

} // namespace ui
