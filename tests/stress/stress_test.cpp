// Seeded random interaction across all three windows: clicks, keys, slider
// moves, presses, drags and releases, many of them arriving nested inside the
// animation, the still redraw, the first field drawing and the amplitude
// scan. After every action the window state must be sound, and every
// sequence ends with a close, after which nothing runs or draws.
//
// WELLENZEIGER_STRESS_SEEDS=n runs n seeds from 1 (make stress); the default
// is a few fixed seeds, bounded for CI.

#include "../support/support.h"

#include "phasor/wave_model.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLocale>
#include <random>

namespace {

class Stress {
public:
    Stress(App& app, unsigned seed, long actions) : app_(app), random_(seed), budget_(actions) {}
    long run();

private:
    int between(int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random_);
    }
    template <typename T> T* pick(const std::vector<T*>& items) {
        return items.empty() ? nullptr : items[between(0, int(items.size()) - 1)];
    }
    std::vector<ui::Form*> loadedForms();
    // The widgets of a kind in the visible windows, the windows' own surfaces too.
    template <typename W> std::vector<W*> reachable();
    void act();
    void useMouse(ui::Surface& surface);
    void closeAWindow();
    void check();

    App& app_;
    std::mt19937 random_;
    long budget_, actions_ = 0;
    int depth_ = 0, scans_ = 0;
    std::string failure_;
};

std::vector<ui::Form*> Stress::loadedForms() {
    std::vector<ui::Form*> forms;
    for (ui::Form* form : {static_cast<ui::Form*>(&app_.form1()),
                           app_.form2Created() ? static_cast<ui::Form*>(&app_.form2()) : nullptr,
                           app_.form3Created() ? static_cast<ui::Form*>(&app_.form3()) : nullptr})
        if (form && form->loaded())
            forms.push_back(form);
    return forms;
}

template <typename W> std::vector<W*> Stress::reachable() {
    std::vector<W*> found;
    for (ui::Form* form : loadedForms()) {
        if (!form->visible())
            continue;
        if (auto* self = qobject_cast<W*>(&form->window()))
            found.push_back(self);
        for (W* widget : form->window().findChildren<W*>())
            if (widget->isVisible() &&
                (static_cast<QWidget*>(widget) != app_.form1().Command3 || between(0, 20) == 0))
                found.push_back(widget); // "Ende" seldom, or few sequences get far
    }
    return found;
}

long Stress::run() {
    ui::setEventProcessingHook([this] {
        check();
        if (ui::eventProcessingCount() > 6000)
            return closeAWindow();
        if (depth_ >= 3) { // deep down only a running animation is stopped
            if (app_.form2Created() && app_.form2().loaded() && app_.form2().stoppedFlag == 0)
                leftClick(app_.form2().Command1);
        } else if (between(0, 32) == 0) {
            ++depth_;
            act();
            --depth_;
        }
    });
    while (!ui::programEnded() && actions_ < budget_) {
        act();
        ui::runHandler([this] {
            QCoreApplication::processEvents();
            check();
        });
    }
    if (!ui::programEnded())
        closeAWindow();
    ui::setEventProcessingHook({});
    EXPECT_EQ(failure_, "");
    EXPECT_TRUE(ui::programEnded()) << "the close did not end the program";
    const long drawn = ui::Surface::drawCallCount(), processed = ui::eventProcessingCount();
    for (ui::Form* form : loadedForms())
        for (auto* button : form->window().findChildren<ui::PushButton*>())
            leftClick(button);
    EXPECT_EQ(std::tuple(ui::Surface::drawCallCount(), ui::eventProcessingCount()),
              std::tuple(drawn, processed))
        << "something ran after the end";
    return actions_;
}

void Stress::act() {
    ++actions_;
    const int kind = between(0, 9);
    if (auto* button = kind < 4 ? pick(reachable<ui::PushButton>()) : nullptr) {
        const QPoint at(between(1, button->width() - 2), between(1, button->height() - 2));
        const Qt::MouseButton which[] = {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton};
        if (kind == 3) {
            QKeyEvent space(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, " ");
            QApplication::sendEvent(button, &space);
            QKeyEvent release(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, " ");
            QApplication::sendEvent(button, &release);
        } else {
            mousePress(button, which[kind], at);
            mouseRelease(button, which[kind], at);
        }
    } else if (auto* bar = kind >= 4 && kind < 6 ? pick(reachable<ui::HScrollBar>()) : nullptr) {
        if (kind == 4) {
            bar->triggerAction(QAbstractSlider::SliderAction(between(1, 4))); // arrows, track
        } else { // a thumb drag: the change comes with the release
            bar->setSliderDown(true);
            bar->setSliderPosition(between(bar->minimum(), bar->maximum()));
            bar->setSliderDown(false);
        }
    } else if (auto* surface = kind >= 6 ? pick(reachable<ui::Surface>()) : nullptr) {
        useMouse(*surface);
    }
}

// Presses, moves and releases with any set of buttons, now and then far
// outside the surface; at most one scan of the Huygens field per sequence.
void Stress::useMouse(ui::Surface& surface) {
    const bool field =
        app_.form3Created() && app_.form3().loaded() && &surface == &app_.form3().window();
    Qt::MouseButtons held;
    for (int i = between(1, 8); i > 0 && !ui::programEnded(); --i) {
        const QPoint at = between(0, 4) ? QPoint(between(0, surface.width() - 1),
                                                 between(0, surface.height() - 1))
                                        : QPoint(between(-3000, 5000), between(-3000, 5000));
        const auto button = Qt::MouseButton(1 << between(0, 2)); // left, right, middle
        if (between(0, 1) && !(held & button) && !(field && button == Qt::RightButton && scans_)) {
            scans_ += field && button == Qt::RightButton;
            held |= button;
            mousePress(&surface, button, at, held);
        } else if (held & button) {
            held &= ~Qt::MouseButtons(button);
            mouseRelease(&surface, button, at, held);
        } else {
            mouseMove(&surface, at, held);
        }
    }
    for (auto button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton})
        if ((held & button) && !ui::programEnded())
            mouseRelease(&surface, button, {}, held &= ~Qt::MouseButtons(button));
}

void Stress::closeAWindow() {
    QCloseEvent close;
    QApplication::sendEvent(&pick(loadedForms())->window(), &close);
}

void Stress::check() {
    auto fail = [this](const std::string& what) {
        if (failure_.empty())
            failure_ = what + " (action " + std::to_string(actions_) + ")";
        ui::End();
    };
    if (ui::Surface::nonFiniteCallCount() != 0)
        fail("a drawing call received a coordinate that is not finite");
    if (app_.form2Created() && app_.form2().loaded()) {
        const Form2& f = app_.form2();
        for (ui::Integer flag : {f.stoppedFlag, f.wave2Hidden, f.sumHidden, f.vectorSumMode})
            if (flag != 0 && flag != 1)
                fail("a flag of the phasor window holds " + std::to_string(flag));
        if (f.pointerMode != 1 - f.vectorSumMode)
            fail("pointerMode is not 1 - vectorSumMode");
        if (f.Text1->Text() != QString::number(f.wavelengthSteps) ||
            f.Text2->Text() != QString::number(f.shiftSteps) ||
            f.Text3->Text() != phasor::speedText(f.speedFactor, QLocale()))
            fail("a number box of the phasor window does not show its setting");
    }
    if (app_.form3Created() && app_.form3().loaded()) {
        const Form3& f = app_.form3();
        if (f.Text2->Text() != QString::number(2 * f.halfCount + 1) ||
            f.Text3->Text() != QString::number(f.wavelength))
            fail("a number box of the Huygens window does not show its setting");
    }
}

} // namespace

TEST(Stress, RandomInteractionKeepsEveryWindowSoundAndACloseEndsAll) {
    const unsigned many = qEnvironmentVariableIntValue("WELLENZEIGER_STRESS_SEEDS");
    long tried = 0;
    for (unsigned seed = 1; seed <= (many ? many : 6); ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        takeQtWarnings();
        ui::startProgram();
        ui::setFramePacing(false);
        auto app = std::make_unique<App>();
        ui::runHandler([&] { app->start(); });
        tried += Stress(*app, seed, many ? 400 : 150).run();
        app.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(takeQtWarnings().join('\n').toStdString(), "");
    }
    RecordProperty("actions", static_cast<int>(tried));
}
