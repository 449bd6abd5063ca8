#include "ui/user_scale.h"

#include "ui/pixels.h"

#include <cmath>

namespace ui {

namespace {

// The one mapping of the scale: `amount` on an axis where `span` of its units
// cover `per` of the other's.
double rescale(double amount, double per, double span) {
    return amount * per / span;
}

} // namespace

UserScale UserScale::twipsOf(QSize area) {
    return {0, 0, area.width() * twipsPerPixel, area.height() * twipsPerPixel};
}

QPointF UserScale::toPixels(double x, double y, QSize area) const {
    return {rescale(x - left, area.width(), width), rescale(y - top, area.height(), height)};
}

QPointF UserScale::toUser(QPointF pixel, QSize area) const {
    return {left + rescale(pixel.x(), width, area.width()),
            top + rescale(pixel.y(), height, area.height())};
}

double UserScale::widthToPixels(double units, QSize area) const {
    return rescale(units, area.width(), std::abs(width));
}

double UserScale::heightToPixels(double units, QSize area) const {
    return rescale(units, area.height(), std::abs(height));
}

double UserScale::pixelsToWidth(double pixels, QSize area) const {
    return rescale(pixels, std::abs(width), area.width());
}

double UserScale::pixelsToHeight(double pixels, QSize area) const {
    return rescale(pixels, std::abs(height), area.height());
}

} // namespace ui
