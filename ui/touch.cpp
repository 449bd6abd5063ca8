#include "ui/touch.h"

#include <QLineF>
#include <QMouseEvent>
#include <QPointingDevice>
#include <QTouchEvent>
#include <QWidget>
#include <QWindow>
#include <utility>

namespace ui {

namespace {

// Qt's mouse events made from a finger carry the touch screen as their device.
bool byFinger(const QMouseEvent& event) {
    const QPointingDevice* device = event.pointingDevice();
    return device && device->type() == QInputDevice::DeviceType::TouchScreen;
}

} // namespace

LongPress::LongPress(QWidget& surface, std::function<void(QPointF)> pressRight)
    : surface_(surface), pressRight_(std::move(pressRight)) {
    clock_.setSingleShot(true);
    clock_.setInterval(holdTime);
    // The callback is a copy: the right press may destroy the surface.
    connect(&clock_, &QTimer::timeout, this, [this] {
        right_ = true;
        const auto pressRight = pressRight_;
        pressRight(pressedAt_);
    });
}

void LongPress::press(const QMouseEvent& event) {
    right_ = false;
    clock_.stop();
    if (!byFinger(event) || event.button() != Qt::LeftButton)
        return;
    pressedAt_ = event.position();
    // Only the window sees the other fingers: Qt makes no mouse events of them.
    if (QWindow* window = surface_.window()->windowHandle())
        window->installEventFilter(this);
    clock_.start();
}

bool LongPress::trembles(const QMouseEvent& move) {
    if (!clock_.isActive() || !byFinger(move))
        return false;
    if (QLineF(pressedAt_, move.position()).length() <= stillRadius)
        return true;
    clock_.stop();
    return false;
}

Qt::MouseButtons LongPress::buttons(const QMouseEvent& move) const {
    return right_ ? Qt::RightButton : move.buttons();
}

Qt::MouseButton LongPress::release(const QMouseEvent& event) {
    clock_.stop();
    return std::exchange(right_, false) ? Qt::RightButton : event.button();
}

// A second finger ends the wait. (A touch that the system takes away ends
// with a release, which Qt sends itself.)
bool LongPress::eventFilter(QObject*, QEvent* event) {
    if (event->type() == QEvent::TouchUpdate && static_cast<QTouchEvent*>(event)->pointCount() > 1)
        clock_.stop();
    return false;
}

} // namespace ui
