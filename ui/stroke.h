#pragma once
// One drawing in device pixels: how it is painted and which pixels it may
// have covered, so that a canvas can restore exactly those.

#include "ui/pixels.h"

#include <QPainter>
#include <QPen>
#include <QPointF>
#include <QRect>
#include <algorithm>
#include <cmath>

namespace ui {

struct Stroke {
    enum class Kind { Line, Ellipse, Dot };
    Kind kind;
    QPointF a, b; // line: from a to b; ellipse: centre a, radius b.x(); dot: at a
    double width; // device pixels

    // Upright and level lines, the bars of the wave pictures and most of
    // what the program draws, are the pen's square swept along the line: one
    // rectangle fill instead of an outline stroked with round caps, which
    // costs far more than the few pixels it would round off at the ends.
    bool isUpright() const { return kind == Kind::Line && (a.x() == b.x() || a.y() == b.y()); }

    // The pixels a pen square covers around a line or a dot, the pen's
    // pixel count wide, centred on the pixel of the point.
    QRect sweptRect() const;

    void paint(QPainter& painter, const QPen& pen) const;

    // A rectangle that holds every pixel the stroke paints.
    QRect bounds() const;

    // Calls span(y, left, right) for every row of `image` the stroke may have
    // painted, with a span of columns that holds every pixel it painted in
    // that row and perhaps a few more. A line's pixels lie within width / 2
    // of it plus a little rounding; the margin of the bounds covers both.
    template <typename Span> void cover(const QRect& image, Span span) const;
};

template <typename Span> void Stroke::cover(const QRect& image, Span span) const {
    const QRect box = bounds().intersected(image);
    if (box.isEmpty())
        return;
    if (kind != Kind::Line || a.y() == b.y()) {
        for (int y = box.top(); y <= box.bottom(); ++y)
            span(y, box.left(), box.right());
        return;
    }
    const double margin = width / 2 + 2;
    for (int y = box.top(); y <= box.bottom(); ++y) {
        // The part of the line within the margin of this row.
        double t1 = (y - margin - a.y()) / (b.y() - a.y());
        double t2 = (y + 1 + margin - a.y()) / (b.y() - a.y());
        if (t1 > t2)
            std::swap(t1, t2);
        t1 = std::max(t1, 0.0);
        t2 = std::min(t2, 1.0);
        if (t1 > t2)
            continue;
        const double x1 = a.x() + t1 * (b.x() - a.x());
        const double x2 = a.x() + t2 * (b.x() - a.x());
        const int left = std::max(box.left(), toInt(std::floor(std::min(x1, x2) - margin)));
        const int right = std::min(box.right(), toInt(std::ceil(std::max(x1, x2) + margin)));
        if (left <= right)
            span(y, left, right);
    }
}

} // namespace ui
