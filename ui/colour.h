#pragma once

#include <QRgb>

namespace ui {

using Colour = QRgb;

constexpr Colour RGB(int red, int green, int blue) {
    return 0xff000000u | (static_cast<unsigned>(red & 0xff) << 16) |
           (static_cast<unsigned>(green & 0xff) << 8) | static_cast<unsigned>(blue & 0xff);
}

// The system colours the windows use; fixed so that every machine shows the same.
constexpr Colour WindowText = RGB(0, 0, 0);
constexpr Colour WindowBackground = RGB(255, 255, 255);

} // namespace ui
