#pragma once
// The codes that mouse handlers receive: button 1 left, 2 right, 4 middle
// (a set of held buttons is their sum); shift 1 Shift, 2 Ctrl, 4 Alt.

#include "ui/numeric.h"

#include <Qt>

namespace ui {

Integer buttonCode(Qt::MouseButton button);
Integer buttonsCode(Qt::MouseButtons buttons);
Integer shiftCode(Qt::KeyboardModifiers modifiers);

} // namespace ui
