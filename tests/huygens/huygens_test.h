#pragma once
// Shared helpers of the Huygens window tests.

#include "../support/support.h"
#include "huygens/form3.h"

#include <algorithm>
#include <vector>

using Op = ui::DrawCall::Op;
constexpr ui::Colour red = ui::RGB(255, 0, 0);

// The menu window is up; the Huygens window is opened from it as a user would.
class HuygensTest : public AppTest {
protected:
    Form3& open() {
        ui::runHandler([this] { app->form3().Show(); });
        return app->form3();
    }
};

inline std::vector<ui::DrawCall> callsOf(const ui::Surface& surface, Op op) {
    std::vector<ui::DrawCall> calls;
    std::copy_if(surface.drawLog().begin(), surface.drawLog().end(), std::back_inserter(calls),
                 [op](const ui::DrawCall& call) { return call.op == op; });
    return calls;
}

inline long countOf(const ui::Surface& surface, Op op) {
    return static_cast<long>(callsOf(surface, op).size());
}

// The colour the surface shows at a point in its user units.
inline QRgb shownAt(const ui::Surface& surface, double x, double y) {
    const QPointF pixel =
        (pixelAt(surface, x, y) - surface.innerRect().topLeft()) * surface.devicePixelRatioF();
    return surface.screenImage().pixel(pixel.toPoint()) | 0xff000000u;
}
