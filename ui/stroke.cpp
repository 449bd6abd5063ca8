#include "ui/stroke.h"

namespace ui {

namespace {

// A round dot filling the pixels of `square` whose centres lie within its
// inscribed circle, row by row.
void fillDisc(QPainter& painter, const QRect& square, const QColor& colour) {
    const double radius = square.width() / 2.0;
    for (int row = 0; row < square.height(); ++row) {
        const double dy = row + 0.5 - radius;
        int inset = 0;
        while (inset < radius && std::pow(inset + 0.5 - radius, 2) + dy * dy > radius * radius)
            ++inset;
        painter.fillRect(square.left() + inset, square.top() + row, square.width() - 2 * inset, 1,
                         colour);
    }
}

} // namespace

QRect Stroke::sweptRect() const {
    const int pen = std::max(1, toInt(std::round(width)));
    const int before = pen / 2;
    const int after = pen - 1 - before;
    const QPoint from(toInt(a.x()), toInt(a.y()));
    const QPoint to = kind == Kind::Line ? b.toPoint() : a.toPoint();
    return QRect(QPoint(std::min(from.x(), to.x()) - before, std::min(from.y(), to.y()) - before),
                 QPoint(std::max(from.x(), to.x()) + after, std::max(from.y(), to.y()) + after));
}

void Stroke::paint(QPainter& painter, const QPen& pen) const {
    if (isUpright()) {
        painter.fillRect(sweptRect(), pen.color());
        return;
    }
    if (kind == Kind::Dot && width > 1) {
        fillDisc(painter, sweptRect(), pen.color());
        return;
    }
    painter.setPen(pen);
    switch (kind) {
    case Kind::Line:
        painter.drawLine(a, b);
        break;
    case Kind::Ellipse:
        painter.drawEllipse(a, b.x(), b.x());
        break;
    case Kind::Dot:
        painter.drawPoint(a);
        break;
    }
}

QRect Stroke::bounds() const {
    const double pad = width / 2 + 2;
    QRectF box = kind == Kind::Ellipse ? QRectF(a.x() - b.x(), a.y() - b.x(), 2 * b.x(), 2 * b.x())
                                       : QRectF(a, kind == Kind::Line ? b : a).normalized();
    return box.adjusted(-pad, -pad, pad, pad).toAlignedRect();
}

} // namespace ui
