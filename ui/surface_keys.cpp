// A surface at the keyboard: its keys, its focus and its cursor.

#include "ui/surface.h"

#include "ui/focus_marks.h"
#include "ui/key_codes.h"
#include "ui/runtime.h"

#include <QKeyEvent>

namespace ui {

void Surface::setCursorMark(QPointF user) {
    update(cursorRect());
    cursorMark_ = user;
    update(cursorRect());
}

// Painted over the picture while the surface shows the focus.
void Surface::paintCursor(QPainter& painter) const {
    if (cursorMark_ && showsFocus())
        paintCross(painter, cursorCentre());
}

QRect Surface::cursorRect() const {
    return cursorMark_ ? crossArea(cursorCentre()) : QRect();
}

QPointF Surface::cursorCentre() const {
    return scale().toPixels(cursorMark_->x(), cursorMark_->y(), innerRect().size()) +
           QPointF(innerRect().topLeft());
}

bool Surface::showsFocus() const {
    return hasFocus() && !takingPicture();
}

void Surface::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    update();
}

void Surface::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
}

// The handler is a copy: it may process events that unload the window.
void Surface::keyPressEvent(QKeyEvent* event) {
    const Integer key = keyCode(event->key());
    const KeyHandler handler = onKeyDown;
    if (!handler || key == 0) {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    const Integer shift = shiftCode(event->modifiers());
    runHandler([&] { handler(key, shift); });
}

} // namespace ui
