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

// Painted over the picture while the surface shows the focus and the
// keyboard is being used on it: after Tab brought the focus or a key acted,
// not after a click.
void Surface::paintCursor(QPainter& painter) const {
    if (cursorMark_ && keyboardInUse_ && showsFocus())
        paintCross(painter, cursorCentre());
}

void Surface::setKeyboardInUse(bool inUse) {
    if (keyboardInUse_ == inUse)
        return;
    keyboardInUse_ = inUse;
    update(cursorRect());
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
    if (event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason)
        keyboardInUse_ = true;
    update();
}

void Surface::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
}

// A key acts only while the surface itself has the focus: the keys that a
// control inside it leaves unused come here too. Enter and Esc act once
// however long they are held, as a held mouse button does; the arrows
// repeat. The handler is a copy: it may process events that unload the
// window.
void Surface::keyPressEvent(QKeyEvent* event) {
    const Integer key = keyCode(event->key());
    const KeyHandler handler = onKeyDown;
    if (!handler || key == 0 || !hasFocus()) {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    if ((key == KeyEnter || key == KeyEscape) && repeats(*event))
        return;
    setKeyboardInUse(true);
    const Integer shift = shiftCode(event->modifiers());
    runHandler([&] { handler(key, shift); });
}

void Surface::keyReleaseEvent(QKeyEvent* event) {
    releasedKey_ = event->key();
    releasedAt_ = event->timestamp();
    QWidget::keyReleaseEvent(event);
}

// Whether a press is the keyboard repeating a held key. The toolkit marks
// most repeats, but on X11 not those whose release and press it reads apart;
// the window system gives such a pair the same time, which a user's own
// release and press never share. (Presses the program makes have no time.)
bool Surface::repeats(const QKeyEvent& press) const {
    return press.isAutoRepeat() || (press.timestamp() != 0 && press.key() == releasedKey_ &&
                                    press.timestamp() == releasedAt_);
}

} // namespace ui
