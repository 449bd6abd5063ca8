#include "ui/focus_marks.h"

#include "ui/line_weight.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPalette>
#include <QWidget>

namespace ui {

namespace {

bool picturing = false;

constexpr int crossArm = 8; // logical pixels from the centre of the cross

} // namespace

QImage pictureOf(QWidget& widget) {
    picturing = true;
    const QImage picture = widget.grab().toImage();
    picturing = false;
    return picture;
}

bool takingPicture() {
    return picturing;
}

// Neither the toolkit's style nor the pictures mark the keyboard focus on
// their own.
void paintFocusFrame(QPainter& painter, const QRect& box) {
    painter.setPen(QPen(QGuiApplication::palette().color(QPalette::Highlight), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(box).adjusted(1, 1, -1, -1));
}

QRect crossArea(QPointF centre) {
    const int arm = (crossArm + 2) * lineWeight();
    return QRect(centre.toPoint() - QPoint(arm, arm), QSize(2 * arm + 1, 2 * arm + 1));
}

void paintCross(QPainter& painter, QPointF centre) {
    const QRect box = crossArea(centre).adjusted(2, 2, -2, -2);
    painter.setPen(QPen(QColor(0, 0, 255), 2 * lineWeight(), Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(QPoint(box.left(), box.center().y()), QPoint(box.right(), box.center().y()));
    painter.drawLine(QPoint(box.center().x(), box.top()), QPoint(box.center().x(), box.bottom()));
}

} // namespace ui
