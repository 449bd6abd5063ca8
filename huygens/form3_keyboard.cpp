#include "huygens/form3.h"
#include "ui/key_codes.h"

#include <algorithm>

namespace {

// The visible field, in window units.
constexpr double fieldLeft = -300, fieldTop = -1500, fieldWidth = 4000, fieldHeight = 2925;

} // namespace

// The field at the keyboard, once it has the focus: the arrows move the
// cursor by a hundredth of the field (with Shift a tenth); Enter, Shift+Enter
// and Esc do at the cursor what a left click, a right click and releasing the
// button do; between Enter and Esc the arrows drag the rays and the box along.
void Form3::Form_KeyDown(ui::Integer key, ui::Integer shift) {
    const double step = (shift & 1) ? 0.1 : 0.01;
    switch (key) {
    case ui::KeyEnter:
        if (shift & 1) {
            Form_MouseDown(2, 0, keyCursorX, keyCursorY);
        } else {
            keyDragging = 1;
            Form_MouseDown(1, 0, keyCursorX, keyCursorY);
        }
        break;
    case ui::KeyEscape:
        Form_MouseUp(1, 0, keyCursorX, keyCursorY);
        break;
    case ui::KeyLeft:
        MoveKeyCursor(-step * fieldWidth, 0);
        break;
    case ui::KeyRight:
        MoveKeyCursor(step * fieldWidth, 0);
        break;
    case ui::KeyUp:
        MoveKeyCursor(0, -step * fieldHeight);
        break;
    case ui::KeyDown:
        MoveKeyCursor(0, step * fieldHeight);
        break;
    }
}

// The cursor stays in the visible field.
void Form3::MoveKeyCursor(double dx, double dy) {
    PlaceKeyCursor(std::clamp(keyCursorX + dx, fieldLeft, fieldLeft + fieldWidth),
                   std::clamp(keyCursorY + dy, fieldTop, fieldTop + fieldHeight));
    if (keyDragging == 1)
        Form_MouseMove(1, 0, keyCursorX, keyCursorY);
}

void Form3::PlaceKeyCursor(double x, double y) {
    keyCursorX = ui::toSingle(x);
    keyCursorY = ui::toSingle(y);
    window().setCursorMark({keyCursorX, keyCursorY});
}
