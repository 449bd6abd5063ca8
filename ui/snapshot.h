#pragma once
// What a window shows, as a picture: the client area with every picture and
// control as on screen, at full device resolution, saved as PNG or copied to
// the clipboard.

#include "ui/form.h"

#include <QDateTime>
#include <QImage>

namespace ui {

// "<stem>-<date>-<time>.<suffix>", e.g. "wellenzeiger-zeiger-2026-03-14-093005.png".
QString timestampedName(const QString& stem, const QString& suffix, const QDateTime& when);

// Takes the picture as soon as everything drawn is on screen (during an
// animation: its next complete frame) and asks where to save it.
void savePicture(const Form& form, const QString& stem);

// Takes the picture in the same way and puts it on the clipboard.
void copyPicture(const Form& form);

} // namespace ui
