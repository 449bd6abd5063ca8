#pragma once
// A finger on a surface. Qt already turns the first finger on a touch screen
// into the left mouse button, for every widget (on Windows it passes on what
// Windows makes of it): a tap is a click, a drag a drag. LongPress adds the
// right button: a finger held still for holdTime becomes a right press at the
// place it went down, once; the left press ends there without a click, and
// lifting the finger releases the right button. A still finger may tremble
// within stillRadius; a finger that moves farther before the time is up stays
// a left drag. Only the first finger moves the mouse; a second finger
// anywhere in the window keeps the first from becoming a long press and does
// nothing else.

#include <QObject>
#include <QPointF>
#include <QTimer>
#include <chrono>
#include <functional>

class QMouseEvent;
class QWidget;

namespace ui {

class LongPress : public QObject {
public:
    static constexpr std::chrono::milliseconds holdTime{500};
    static constexpr double stillRadius = 12; // logical pixels

    // `pressRight` gets the widget pixel where the finger went down.
    LongPress(QWidget& surface, std::function<void(QPointF)> pressRight);

    // The surface shows LongPress each mouse event before it reports it.
    void press(const QMouseEvent& event);
    bool trembles(const QMouseEvent& move); // a still finger's move: not reported
    Qt::MouseButtons buttons(const QMouseEvent& move) const;
    Qt::MouseButton release(const QMouseEvent& event); // the button it lifts

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& surface_;
    std::function<void(QPointF)> pressRight_;
    QTimer clock_;
    QPointF pressedAt_;
    bool right_ = false; // a long press holds the right button
};

} // namespace ui
