#pragma once
// The arithmetic of the Huygens window: where the sources sit, the phase of an
// elementary wave at a point, the head-to-tail sum of the phasors and the
// length of the resultant. Every value has the width the window stores it in.

#include "ui/numeric.h"

namespace huygens {

// Every elementary wave has the same amplitude: its phasor is this long in
// the phasor box, whatever the distance to the source.
constexpr double phasorLength = 80;

// y of source `index` in a row of 2 * halfCount + 1 sources centred on y = 0,
// source 0 at the top.
ui::Single sourceRowY(ui::Single spacing, ui::Integer index, ui::Integer halfCount);

// The distance from the point (x, y) to the source at (sourceX, sourceY).
ui::Double distanceToSource(ui::Single x, ui::Single y, ui::Single sourceX, ui::Single sourceY);

// How far into its current cycle a wave has got after `distance`: in [0, 1).
ui::Double cycleFractionAt(ui::Double distance, ui::Integer wavelength);

// The phase in radians, in [0, 2 pi), for a fraction of a cycle.
ui::Single phaseOf(ui::Double cycleFraction, ui::Double pi);

// The tip of a phasor chain: x is accumulated in double, y in single precision.
struct ChainTip {
    ui::Double x = 0;
    ui::Single y = 0;
};

// One phasor of the given phase appended to the chain, or taken away from it.
ChainTip addPhasor(ChainTip tip, ui::Single phase);
ChainTip subtractPhasor(ChainTip tip, ui::Single phase);

// The length of the resultant from the origin to the tip.
ui::Single amplitudeOf(ChainTip tip);

// The end of a phasor of the given phase drawn from (baseX, baseY).
struct PhasorEnd {
    ui::Double x = 0;
    ui::Double y = 0;
};
PhasorEnd phasorEnd(ui::Double baseX, ui::Double baseY, ui::Single phase);

} // namespace huygens
