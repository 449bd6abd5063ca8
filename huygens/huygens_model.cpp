#include "huygens/huygens_model.h"

#include <cmath>

namespace huygens {

ui::Single sourceRowY(ui::Single spacing, ui::Integer index, ui::Integer halfCount) {
    return ui::toSingle(ui::toSingle(spacing * index) - ui::toSingle(spacing * halfCount));
}

ui::Double distanceToSource(ui::Single x, ui::Single y, ui::Single sourceX, ui::Single sourceY) {
    const double dx = static_cast<double>(x) - sourceX;
    const double dy = static_cast<double>(y) - sourceY;
    return std::sqrt(dx * dx + dy * dy);
}

ui::Double cycleFractionAt(ui::Double distance, ui::Integer wavelength) {
    const double cycles = distance / wavelength;
    return cycles - std::floor(cycles);
}

ui::Single phaseOf(ui::Double cycleFraction, ui::Double pi) {
    return ui::toSingle(cycleFraction * (pi * 2));
}

ChainTip addPhasor(ChainTip tip, ui::Single phase) {
    return {tip.x + phasorLength * std::cos(static_cast<double>(phase)),
            ui::toSingle(tip.y + phasorLength * std::sin(static_cast<double>(phase)))};
}

ChainTip subtractPhasor(ChainTip tip, ui::Single phase) {
    return {tip.x - phasorLength * std::cos(static_cast<double>(phase)),
            ui::toSingle(tip.y - phasorLength * std::sin(static_cast<double>(phase)))};
}

ui::Single amplitudeOf(ChainTip tip) {
    const double y = tip.y;
    return ui::toSingle(std::sqrt(y * y + tip.x * tip.x));
}

PhasorEnd phasorEnd(ui::Double baseX, ui::Double baseY, ui::Single phase) {
    return {baseX + phasorLength * std::cos(static_cast<double>(phase)),
            baseY + phasorLength * std::sin(static_cast<double>(phase))};
}

} // namespace huygens
