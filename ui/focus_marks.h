#pragma once
// The marks that only a keyboard user needs: the frame that shows which
// control has the focus where the toolkit's style shows none, and the cross
// of a surface's keyboard cursor. They are painted over a widget's picture,
// never into it, and left out of the pictures the program saves and copies.

#include <QImage>
#include <QPointF>
#include <QRect>

class QPainter;
class QWidget;

namespace ui {

// A picture of `widget` as the program drew it, without the marks.
QImage pictureOf(QWidget& widget);
// Whether a picture is being taken: the marks are left out.
bool takingPicture();

// A frame in the highlight colour, two pixels wide, inside `box`.
void paintFocusFrame(QPainter& painter, const QRect& box);

// The keyboard's cursor: a blue cross around `centre` (widget pixels), as
// thick as the lines around it. `crossArea` is every pixel it may cover.
QRect crossArea(QPointF centre);
void paintCross(QPainter& painter, QPointF centre);

} // namespace ui
