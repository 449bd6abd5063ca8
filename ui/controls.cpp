#include "ui/controls.h"

#include "ui/focus_marks.h"
#include "ui/pixels.h"
#include "ui/runtime.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace ui {

namespace {

void setBackground(QWidget& widget, QPalette::ColorRole role, Colour colour) {
    QPalette palette = widget.palette();
    palette.setColor(role, QColor::fromRgb(colour));
    widget.setPalette(palette);
}

// Controls take the presses over them; they never reach the surface below.
void keepMouseEvents(QWidget& widget) {
    widget.setAttribute(Qt::WA_NoMousePropagation);
}

} // namespace

Placed::Placed(QWidget& self, Surface& container, Geometry twips)
    : self_(self), container_(container), twips_(twips) {
    keepMouseEvents(self_);
    applyGeometry();
}

double Placed::Left() const {
    return container_.toUnitsX(twips_.left);
}
double Placed::Top() const {
    return container_.toUnitsY(twips_.top);
}
double Placed::Width() const {
    return container_.widthToUnits(twips_.width);
}
double Placed::Height() const {
    return container_.heightToUnits(twips_.height);
}

void Placed::setLeft(double value) {
    twips_.left = container_.toTwipsX(value);
    applyGeometry();
}

void Placed::setTop(double value) {
    twips_.top = container_.toTwipsY(value);
    applyGeometry();
}

void Placed::setWidth(double value) {
    twips_.width = container_.widthToTwips(value);
    applyGeometry();
}

void Placed::setHeight(double value) {
    twips_.height = container_.heightToTwips(value);
    applyGeometry();
}

bool Placed::Visible() const {
    return !self_.isHidden();
}

// Edges are rounded, not sizes, so that neighbouring controls meet exactly. A
// position far off the screen is kept as far as a widget can be placed.
void Placed::applyGeometry() {
    const int left = twipsToPixels(twips_.left);
    const int top = twipsToPixels(twips_.top);
    const int right = twipsToPixels(twips_.left + twips_.width);
    const int bottom = twipsToPixels(twips_.top + twips_.height);
    self_.setGeometry(QRect(left, top, std::max(0, right - left), std::max(0, bottom - top))
                          .translated(container_.innerRect().topLeft()));
}

PushButton::PushButton(Surface& container, Geometry twips, const QString& caption)
    : QPushButton(caption, &container), Placed(*this, container, twips) {
    setAutoDefault(false);
    // Handlers run from copies: they may unload the window and destroy the control.
    connect(this, &QPushButton::clicked, this, [this] { runHandler(std::function(onClick)); });
}

void PushButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        QPushButton::mousePressEvent(event);
    event->accept();
    if (const Surface::MouseHandler handler = onMouseDown) {
        const Integer button = buttonCode(event->button());
        const Integer shift = shiftCode(event->modifiers());
        const QPointF at = event->position() * twipsPerPixel;
        runHandler([&] {
            handler(button, shift, static_cast<Single>(at.x()), static_cast<Single>(at.y()));
        });
    }
}

// Enter presses the focused button like Space does; a button that acts only
// on a mouse press has no click handler and so ignores both.
void PushButton::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (!enter) {
        QPushButton::keyPressEvent(event);
        return;
    }
    if (!event->isAutoRepeat())
        click();
    event->accept();
}

void PushButton::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        QPushButton::mouseReleaseEvent(event);
    event->accept();
}

Label::Label(Surface& container, Geometry twips, const QString& caption, Colour background)
    : QLabel(caption, &container), Placed(*this, container, twips) {
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setAutoFillBackground(true);
    setBackground(*this, QPalette::Window, background);
    setBackground(*this, QPalette::WindowText, WindowText);
}

void Label::mousePressEvent(QMouseEvent* event) {
    event->accept();
}
void Label::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
}

TextBox::TextBox(Surface& container, Geometry twips, const QString& text, Colour background)
    : QLineEdit(text, &container), Placed(*this, container, twips) {
    setBackground(*this, QPalette::Base, background);
    setBackground(*this, QPalette::Text, WindowText);
    setCursorPosition(0);
    // The program alone writes these boxes; they stay in the tab order.
    setReadOnly(true);
}

// A line edit claims Ctrl+C even with nothing selected, which would keep the
// window's own Ctrl+C (copy the picture) from ever running while a number box
// has the focus. The box copies only a selection it has.
bool TextBox::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride &&
        static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy) && !hasSelectedText()) {
        event->ignore();
        return true;
    }
    return QLineEdit::event(event);
}

HScrollBar::HScrollBar(Surface& container, Geometry twips, ScrollRange range)
    : QScrollBar(Qt::Horizontal, &container), Placed(*this, container, twips) {
    setRange(range.min, range.max);
    setValue(range.value);
    setSingleStep(range.smallChange);
    setPageStep(range.largeChange);
    setTracking(false); // a thumb drag changes the value once, on release
    setFocusPolicy(Qt::StrongFocus);
    connect(this, &QScrollBar::valueChanged, this, [this] { runHandler(std::function(onChange)); });
}

void HScrollBar::paintEvent(QPaintEvent* event) {
    QScrollBar::paintEvent(event);
    if (hasFocus() && !takingPicture()) {
        QPainter painter(this);
        paintFocusFrame(painter, rect());
    }
}

void HScrollBar::focusInEvent(QFocusEvent* event) {
    QScrollBar::focusInEvent(event);
    update();
}

void HScrollBar::focusOutEvent(QFocusEvent* event) {
    QScrollBar::focusOutEvent(event);
    update();
}

// The arrow keys step towards the lower or higher value whatever the
// toolkit's defaults for inverted controls; the page keys take large steps.
void HScrollBar::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Up:
        triggerAction(SliderSingleStepSub);
        break;
    case Qt::Key_Right:
    case Qt::Key_Down:
        triggerAction(SliderSingleStepAdd);
        break;
    case Qt::Key_PageUp:
        triggerAction(SliderPageStepSub);
        break;
    case Qt::Key_PageDown:
        triggerAction(SliderPageStepAdd);
        break;
    case Qt::Key_Home:
        triggerAction(SliderToMinimum);
        break;
    case Qt::Key_End:
        triggerAction(SliderToMaximum);
        break;
    default:
        QScrollBar::keyPressEvent(event);
        return;
    }
    event->accept();
}

Frame::Frame(Surface& container, Geometry twips, const QString& caption)
    : QGroupBox(caption, &container), Placed(*this, container, twips) {
    setAutoFillBackground(true);
    setBackground(*this, QPalette::Window, container.BackColor());
}

void Frame::mousePressEvent(QMouseEvent* event) {
    event->accept();
}
void Frame::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
}

// Out of the tab order unless its window gives it keys of its own: the
// focus must never rest on a picture that does nothing with the keys.
PictureBox::PictureBox(Surface& container, Geometry twips)
    : Surface(&container), Placed(*this, container, twips) {
    setFocusPolicy(Qt::NoFocus);
}

void PictureBox::paintFrame(QPainter& painter) {
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
    if (showsFocus())
        paintFocusFrame(painter, rect().adjusted(1, 1, -1, -1));
}

} // namespace ui
