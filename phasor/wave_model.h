#pragma once
// The arithmetic of the phasor window: phases, displacements, slider mappings
// and probe positions, as plain functions of the values the window holds.
// Each function rounds its result only where the window stores it.

#include "ui/colour.h"
#include "ui/numeric.h"

#include <QLocale>
#include <QString>

namespace phasor {

// Colours of the animation.
constexpr ui::Colour green = ui::RGB(0, 200, 0);
constexpr ui::Colour blue = ui::RGB(0, 0, 255);
constexpr ui::Colour red = ui::RGB(255, 0, 0);
constexpr ui::Colour grey = ui::RGB(128, 128, 128);
constexpr ui::Colour olive = ui::RGB(128, 128, 18);
constexpr ui::Colour lightGrey = ui::RGB(160, 160, 160);
constexpr ui::Colour white = ui::RGB(255, 255, 255);
// The still pointer picture has colours of its own, so that it is not taken
// for a frame of the animation.
constexpr ui::Colour stillWave1 = ui::RGB(128, 255, 0);
constexpr ui::Colour stillWave2 = ui::RGB(0, 200, 255);

// The phase of a wave at a point: index × phasePerStep + time, in Double.
double wavePhase(ui::Integer index, ui::Double phasePerStep, ui::Single time);

// The phase at a point for the frame the animation drew last, one phaseStep
// before `time`.
double stillPhase(ui::Integer index, ui::Double phasePerStep, ui::Single time,
                  ui::Single phaseStep);

// amplitude × sin(phase) and amplitude × cos(phase), the sine taken in Double.
double displacement(ui::Single amplitude, ui::Single phase);
double horizontal(ui::Single amplitude, ui::Single phase);
// The sum wave: amplitude × (sin(phase1) + sin(phase2)).
double sumDisplacement(ui::Single amplitude, ui::Single phase1, ui::Single phase2);

// Phase change from one point to the next, −2π / wavelengthSteps.
ui::Double phasePerStepFor(ui::Single pi, ui::Integer wavelengthSteps);
// Phase advance per frame, speedFactor / wavelengthSteps.
ui::Single phaseStepFor(ui::Single speedFactor, ui::Integer wavelengthSteps);
// The speed slider's value 800 to 1000 as a factor 0 to 2.
ui::Single speedFactorFor(ui::Integer sliderValue);
// The speed factor rounded to two decimals, halves up.
double roundedSpeed(ui::Single speedFactor);
// The rounded speed as the number box shows it: no trailing zeros, the
// locale's decimal separator.
QString speedText(ui::Single speedFactor, const QLocale& locale);

// The wave point nearest to x (halves go right); not limited to the wave.
ui::Integer probeIndexAt(ui::Single x, ui::Integer pointSpacing);
// The phasor box's left edge in window units for a probe point: one point
// spacing of the wave picture per step, at 1055 for point 50.
ui::Single probeBoxLeft(ui::Integer probeIndex);

// Radius of the circle through the resultant's tip.
double resultantRadius(ui::Single tipX, ui::Single tipY);

} // namespace phasor
