#include "ui/mouse_codes.h"

namespace ui {

Integer buttonCode(Qt::MouseButton button) {
    switch (button) {
    case Qt::LeftButton:
        return 1;
    case Qt::RightButton:
        return 2;
    case Qt::MiddleButton:
        return 4;
    default:
        return 0;
    }
}

Integer buttonsCode(Qt::MouseButtons buttons) {
    Integer code = 0;
    for (auto button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton})
        if (buttons & button)
            code = static_cast<Integer>(code + buttonCode(button));
    return code;
}

Integer shiftCode(Qt::KeyboardModifiers modifiers) {
    Integer code = 0;
    if (modifiers & Qt::ShiftModifier)
        code |= 1;
    if (modifiers & Qt::ControlModifier)
        code |= 2;
    if (modifiers & Qt::AltModifier)
        code |= 4;
    return code;
}

} // namespace ui
