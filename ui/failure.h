#pragma once
// Run-time errors of window operations are reported, not hidden: one line on
// standard error (on Windows in a log file too) naming the handler or step
// and the error, once per distinct failure, so that a step failing in every
// frame does not flood the terminal.

#include <QString>
#include <exception>

namespace ui {

// Prints one line of a report on standard error; on Windows, where a GUI
// program has none, appends it to wellenzeiger.log in the user's local
// application data too, after the date and time (the log keeps its last 200
// lines).
void writeReport(const QString& line);

// A report about what a file holds (what the program ignored in its
// settings): on Windows, where the log keeps it, written once per change of
// the file, not at every start; elsewhere written each time, for whoever
// reads standard error then.
void writeReportAboutFile(const QString& line, const QString& file);

// Prints "wellenzeiger: Laufzeitfehler in WHERE: ERROR" unless that very line
// was printed before in this program life.
void reportFailure(const QString& where, const std::exception& error);

// Starts a fresh program life: every failure is reported again.
void forgetReportedFailures();

} // namespace ui
