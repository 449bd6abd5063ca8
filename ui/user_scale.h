#pragma once
// A user coordinate system over an area of logical pixels: the user
// coordinates of the area's top left corner and its extent in user units. A
// negative extent runs the axis the other way (a negative height grows
// upwards). A plain value: no widget, no device.

#include <QPointF>
#include <QSize>

namespace ui {

struct UserScale {
    double left = 0, top = 0, width = 1, height = 1;

    // The default scale of an area: twips, with (0, 0) at its top left.
    static UserScale twipsOf(QSize area);

    // A point in user units to logical pixels of the area, and back.
    QPointF toPixels(double x, double y, QSize area) const;
    QPointF toUser(QPointF pixel, QSize area) const;

    // Lengths, whatever the direction of the axis: user units to pixels and
    // back. Circles take their radius in horizontal units.
    double widthToPixels(double units, QSize area) const;
    double heightToPixels(double units, QSize area) const;
    double pixelsToWidth(double pixels, QSize area) const;
    double pixelsToHeight(double pixels, QSize area) const;
};

} // namespace ui
