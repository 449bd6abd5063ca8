#pragma once
// The animation's failure rule: a drawing step that fails (a point outside
// the tables, a 16-bit overflow, a floating-point result that is not finite,
// a drawing call the surface refuses) is abandoned and reported under the
// routine it belongs to, and the frame goes on with its next step. Only
// run-time errors are absorbed here: the end of the program must still unwind
// through the animation.

#include "ui/failure.h"
#include "ui/numeric.h"

#include <utility>

namespace phasor {

// The name a failing step is reported under: "Form2.AnimateWaves", with the
// routine of the frame it belongs to, e.g. "Form2.AnimateWaves (DrawProbeBars)".
inline QString animationStepName(const char* routine) {
    const QString animation = QStringLiteral("Form2.AnimateWaves");
    return routine ? QStringLiteral("%1 (%2)").arg(animation, QString::fromLatin1(routine))
                   : animation;
}

template <typename Step> void runStep(const char* routine, Step&& step) {
    try {
        step();
    } catch (const ui::RuntimeError& error) {
        // Skipped: the next step draws from whatever the state holds.
        ui::reportFailure(animationStepName(routine), error);
    }
}

// The steps of one routine of the animation, run as step([&] { ... }).
class Steps {
public:
    explicit Steps(const char* routine) : routine_(routine) {}
    template <typename Step> void operator()(Step&& step) const {
        runStep(routine_, std::forward<Step>(step));
    }

private:
    const char* routine_;
};

} // namespace phasor
