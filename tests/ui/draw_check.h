#pragma once
// Checks on what a surface drew (its drawing log) and shows (its screen image),
// shared by the window tests.

#include "../support/support.h"

#include <algorithm>
#include <cmath>
#include <vector>

using Op = ui::DrawCall::Op;

// A drawing call compared with the expected one (for a circle x2 is the radius).
inline ::testing::AssertionResult drawn(const ui::DrawCall& call, Op op, double x1, double y1,
                                        double x2, double y2, ui::Colour colour, int width) {
    const auto near = [](double a, double b) { return std::abs(a - b) < 1e-3; };
    if (call.op == op && near(call.x1, x1) && near(call.y1, y1) && near(call.x2, x2) &&
        near(call.y2, y2) && call.colour == colour && call.width == width)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "drawn " << int(call.op) << " (" << call.x1 << ", " << call.y1 << ", " << call.x2
           << ", " << call.y2 << ") " << std::hex << call.colour << std::dec << " w" << call.width
           << ", expected (" << x1 << ", " << y1 << ", " << x2 << ", " << y2 << ") " << std::hex
           << colour << std::dec << " w" << width;
}

inline ::testing::AssertionResult isLine(const ui::DrawCall& call, double x1, double y1, double x2,
                                         double y2, ui::Colour colour, int width) {
    return drawn(call, Op::Line, x1, y1, x2, y2, colour, width);
}

// A circle around the origin.
inline ::testing::AssertionResult isCircle(const ui::DrawCall& call, double radius,
                                           ui::Colour colour, int width) {
    return drawn(call, Op::Circle, 0, 0, radius, 0, colour, width);
}

inline std::vector<ui::DrawCall> callsOf(const ui::Surface& surface, Op op) {
    std::vector<ui::DrawCall> calls;
    std::copy_if(surface.drawLog().begin(), surface.drawLog().end(), std::back_inserter(calls),
                 [op](const ui::DrawCall& call) { return call.op == op; });
    return calls;
}

inline long countOf(const ui::Surface& surface, Op op) {
    return static_cast<long>(callsOf(surface, op).size());
}

// The colour an image of the surface shows at a point in its user units.
inline QRgb shownAt(const ui::Surface& surface, double x, double y, const QImage* image = nullptr) {
    const QPointF pixel =
        (pixelAt(surface, x, y) - surface.innerRect().topLeft()) * surface.devicePixelRatioF();
    return (image ? *image : surface.screenImage()).pixel(pixel.toPoint()) | 0xff000000u;
}
