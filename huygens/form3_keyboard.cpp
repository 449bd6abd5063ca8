#include "huygens/form3.h"
#include "ui/key_codes.h"

#include <algorithm>

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
        MoveKeyCursor(-step * shownField.width, 0);
        break;
    case ui::KeyRight:
        MoveKeyCursor(step * shownField.width, 0);
        break;
    case ui::KeyUp:
        MoveKeyCursor(0, -step * shownField.height);
        break;
    case ui::KeyDown:
        MoveKeyCursor(0, step * shownField.height);
        break;
    }
}

// The cursor stays in the visible field.
void Form3::MoveKeyCursor(double dx, double dy) {
    const ui::UserScale& field = shownField;
    PlaceKeyCursor(std::clamp(keyCursorX + dx, field.left, field.left + field.width),
                   std::clamp(keyCursorY + dy, field.top, field.top + field.height));
    if (keyDragging == 1)
        Form_MouseMove(1, 0, keyCursorX, keyCursorY);
}

void Form3::PlaceKeyCursor(double x, double y) {
    keyCursorX = ui::toSingle(x);
    keyCursorY = ui::toSingle(y);
    window().setCursorMark({keyCursorX, keyCursorY});
}
