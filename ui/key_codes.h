#pragma once
// The codes that key handlers receive for the keys the windows answer: the
// arrows, Home, End, Enter and Esc; 0 for every other key, which the
// toolkit handles as usual (Tab moves the focus, for one).

#include "ui/numeric.h"

#include <Qt>

namespace ui {

enum KeyCode : Integer {
    KeyEnter = 13,
    KeyEscape = 27,
    KeyEnd = 35,
    KeyHome = 36,
    KeyLeft = 37,
    KeyUp = 38,
    KeyRight = 39,
    KeyDown = 40,
};

Integer keyCode(int qtKey);

} // namespace ui
