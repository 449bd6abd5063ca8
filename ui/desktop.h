#pragma once
// What the desktop leaves to the program's windows: the work area (the screen
// less its panels and docks) and the frame the window manager puts around a
// top-level window, both known before any window is shown.

#include <QMargins>
#include <QRect>

namespace ui {

// The work area of the primary screen in logical pixels; the whole screen
// where nothing is reserved (no window manager, the offscreen platform).
QRect workArea();

// The frame around a normal top-level window, asked of the window manager
// (of Windows for its window style) once and then remembered; none without a
// window manager and on platforms other than X11 and Windows.
QMargins windowFrame();

} // namespace ui
