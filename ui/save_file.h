#pragma once
// Saving a file the user names: a save dialog over the window that leaves the
// window's animation running, a write that never leaves a half-written file,
// and a German message when it fails.

#include <QByteArray>
#include <QStandardPaths>
#include <QString>
#include <QWidget>
#include <functional>

namespace ui {

struct SaveRequest {
    QString title;        // of the dialog and of a failure message
    QString proposedPath; // folder and file name the dialog starts with
    QString filter;       // e.g. "PNG-Bild (*.png)"
    QString suffix;       // appended when the user types a name without one
};

// Writes `data` to a temporary file beside `path` and renames it to `path`
// only when everything was written. Returns the reason of a failure, or an
// empty string.
QString writeFileSafely(const QString& path, const QByteArray& data);

// Opens a save dialog, modal for `window` only, and returns at once; when the
// user has chosen a name, writes what `contents` returns and reports a failure
// in a message. Both run as event handlers.
void askAndSave(QWidget& window, const SaveRequest& request, std::function<QByteArray()> contents);

// A message box, modal for `window` only; returns at once.
void showMessage(QWidget& window, const QString& title, const QString& text);

// A folder of the user's, e.g. the pictures folder (the home folder where
// there is none or it does not exist).
QString userFolder(QStandardPaths::StandardLocation location);

} // namespace ui
