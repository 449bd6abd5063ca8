#pragma once
// What the desktop leaves to the program's windows: the work area (the screen
// less its panels and docks) and the frame the window manager puts around a
// top-level window, both known before any window is shown.

#include <QMargins>
#include <QRect>
#include <QSettings>
#include <functional>

namespace ui {

// The work area of the primary screen in logical pixels; the whole screen
// where nothing is reserved (no window manager, the offscreen platform).
QRect workArea();

// The frame around a normal top-level window, asked of the window manager
// (of Windows for its window style, of Qt in the browser) once and then
// remembered; none without a window manager and on other platforms.
QMargins windowFrame();

// Calls `changed` after the work area has changed size. Only the browser's
// page does so under a running program (a resized window, a turned tablet);
// on a desktop the windows keep the size they were loaded with.
void whenWorkAreaChanges(std::function<void()> changed);

// Where the user's settings are kept: a file in the configuration folder, or
// in the browser the page's local storage, which outlives the visit.
QSettings::Format userSettingsFormat();

} // namespace ui
