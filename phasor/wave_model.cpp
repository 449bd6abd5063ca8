#include "phasor/wave_model.h"

#include <cmath>

namespace phasor {

double wavePhase(ui::Integer index, ui::Double phasePerStep, ui::Single time) {
    return index * phasePerStep + time;
}

double stillPhase(ui::Integer index, ui::Double phasePerStep, ui::Single time,
                  ui::Single phaseStep) {
    return index * phasePerStep + time - phaseStep;
}

double displacement(ui::Single amplitude, ui::Single phase) {
    return amplitude * std::sin(static_cast<double>(phase));
}

double horizontal(ui::Single amplitude, ui::Single phase) {
    return amplitude * std::cos(static_cast<double>(phase));
}

double sumDisplacement(ui::Single amplitude, ui::Single phase1, ui::Single phase2) {
    return amplitude *
           (std::sin(static_cast<double>(phase1)) + std::sin(static_cast<double>(phase2)));
}

ui::Double phasePerStepFor(ui::Single pi, ui::Integer wavelengthSteps) {
    const double value = pi * -2.0 / wavelengthSteps;
    if (!std::isfinite(value))
        throw ui::OverflowError();
    return value;
}

ui::Single phaseStepFor(ui::Single speedFactor, ui::Integer wavelengthSteps) {
    return ui::toSingle(static_cast<double>(speedFactor) / wavelengthSteps);
}

ui::Single speedFactorFor(ui::Integer sliderValue) {
    const ui::Integer belowTop = ui::subtract(1000, sliderValue);
    return ui::toSingle(2.0 - belowTop / 100.0);
}

double roundedSpeed(ui::Single speedFactor) {
    return std::floor(speedFactor * 100.0 + 0.5) / 100;
}

QString speedText(ui::Single speedFactor, const QLocale& locale) {
    QLocale plain = locale;
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    return plain.toString(roundedSpeed(speedFactor), 'g', 15);
}

ui::Integer probeIndexAt(ui::Single x, ui::Integer pointSpacing) {
    const ui::Single quotient = x / static_cast<ui::Single>(pointSpacing);
    return ui::toInteger(std::floor(quotient + 0.5));
}

ui::Single probeBoxLeft(ui::Integer probeIndex) {
    return ui::toSingle(probeIndex * 39.5 - 920);
}

double resultantRadius(ui::Single tipX, ui::Single tipY) {
    return std::sqrt(static_cast<double>(tipX) * tipX + static_cast<double>(tipY) * tipY);
}

} // namespace phasor
