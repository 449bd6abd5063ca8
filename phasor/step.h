#pragma once
// The animation's failure rule: a drawing step that fails (a point outside
// the tables, a 16-bit overflow, a floating-point result that is not finite,
// a drawing call the surface refuses) is abandoned, and the frame goes on
// with its next step. Only run-time errors are absorbed here: the end of the
// program must still unwind through the animation.

#include "ui/numeric.h"

namespace phasor {

template <typename Step> void runStep(Step&& step) {
    try {
        step();
    } catch (const ui::RuntimeError&) {
        // Skipped: the next step draws from whatever the state holds.
    }
}

} // namespace phasor
