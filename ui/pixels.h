#pragma once
// Twips and pixels: the unit the layouts are written in, and the one way a
// double becomes an int.

#include <QWidget>
#include <algorithm>
#include <cmath>

namespace ui {

// Layouts and the default scale of a surface are in twips, 15 to a pixel.
inline constexpr double twipsPerPixel = 15;

// A double as an int, truncated toward zero (callers round first where they
// mean to round). The conversion is never undefined: a value that is not a
// number gives 0, and values beyond what a widget or image coordinate can
// take are clamped to that range.
inline int toInt(double value) {
    if (std::isnan(value))
        return 0;
    constexpr double limit = QWIDGETSIZE_MAX;
    return static_cast<int>(std::clamp(value, -limit, limit));
}

// Twips to the nearest pixel, halves rounded up.
inline int twipsToPixels(double twips) {
    return toInt(std::floor(twips / twipsPerPixel + 0.5));
}

} // namespace ui
