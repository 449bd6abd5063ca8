// Seeded random interaction across all three windows: clicks, slider moves,
// presses, drags and releases, many of them arriving nested inside the
// animation, the still redraw, the first field drawing and the amplitude
// scan. After every action the window state must be sound, and every
// sequence ends with a close that ends the program.
//
// WELLENZEIGER_STRESS_SEEDS=n runs n seeds from 1 (make stress); the default
// is a few fixed seeds, bounded for CI.

#include "../support/support.h"

#include <QApplication>
#include <QCloseEvent>
#include <random>

namespace {

struct Stress {
    App& app;
    std::mt19937 random;
    int depth = 0, scans = 0;
    std::string failure;

    int between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); }
    template <typename T> T* pick(const std::vector<T*>& items) {
        return items.empty() ? nullptr : items[between(0, int(items.size()) - 1)];
    }
    std::vector<ui::Form*> loadedForms() {
        std::vector<ui::Form*> forms;
        for (ui::Form* form : {static_cast<ui::Form*>(&app.form1()),
                               app.form2Created() ? static_cast<ui::Form*>(&app.form2()) : nullptr,
                               app.form3Created() ? static_cast<ui::Form*>(&app.form3()) : nullptr})
            if (form && form->loaded())
                forms.push_back(form);
        return forms;
    }
    // The widgets of a kind in the visible windows, their own surfaces too;
    // "Ende" seldom, or few sequences get far.
    template <typename W> std::vector<W*> reachable() {
        std::vector<W*> found;
        for (ui::Form* form : loadedForms())
            for (QWidget* widget : form->window().findChildren<QWidget*>() << &form->window())
                if (auto* w = qobject_cast<W*>(widget);
                    w && form->visible() && widget->isVisible() &&
                    (widget != app.form1().Command3 || between(0, 20) == 0))
                    found.push_back(w);
        return found;
    }
    void closeAWindow() {
        QCloseEvent close;
        QApplication::sendEvent(&pick(loadedForms())->window(), &close);
    }

    void act() {
        const int kind = between(0, 9);
        const Qt::MouseButton buttons[] = {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton};
        if (auto* button = kind < 4 ? pick(reachable<ui::PushButton>()) : nullptr) {
            const QPoint at(between(1, button->width() - 2), between(1, button->height() - 2));
            mousePress(button, buttons[kind % 3], at);
            mouseRelease(button, buttons[kind % 3], at);
        } else if (auto* bar = kind == 4 ? pick(reachable<ui::HScrollBar>()) : nullptr) {
            bar->triggerAction(QAbstractSlider::SliderAction(between(1, 4))); // arrows, track
        } else if (auto* slider = kind == 5 ? pick(reachable<ui::HScrollBar>()) : nullptr) {
            slider->setSliderDown(true); // a thumb drag: the change comes with the release
            slider->setSliderPosition(between(slider->minimum(), slider->maximum()));
            slider->setSliderDown(false);
        } else if (auto* surface = kind > 5 ? pick(reachable<ui::Surface>()) : nullptr) {
            // Presses, moves and releases with any set of buttons, now and then
            // far outside; at most one scan of the Huygens field.
            const bool field =
                app.form3Created() && app.form3().loaded() && surface == &app.form3().window();
            Qt::MouseButtons held;
            for (int i = between(1, 8); i > 0 && !ui::programEnded(); --i) {
                const QPoint at = between(0, 4)
                                      ? QPoint(between(0, surface->width() - 1),
                                               between(0, surface->height() - 1))
                                      : QPoint(between(-3000, 5000), between(-3000, 5000));
                const Qt::MouseButton button = buttons[between(0, 2)];
                const bool scan = field && button == Qt::RightButton;
                if (between(0, 1) && !(held & button) && !(scan && scans++)) {
                    mousePress(surface, button, at, held |= button);
                } else if (held & button) {
                    mouseRelease(surface, button, at, held &= ~Qt::MouseButtons(button));
                } else {
                    mouseMove(surface, at, held);
                }
            }
            for (const Qt::MouseButton button : buttons)
                if ((held & button) && !ui::programEnded())
                    mouseRelease(surface, button, {}, held &= ~Qt::MouseButtons(button));
        }
    }

    void check() {
        std::string found;
        if (ui::Surface::nonFiniteCallCount() != 0)
            found = "a drawing call received a coordinate that is not finite";
        if (app.form2Created() && app.form2().loaded()) {
            const Form2& f = app.form2();
            for (ui::Integer flag : {f.stoppedFlag, f.wave2Hidden, f.sumHidden, f.vectorSumMode})
                if (flag != 0 && flag != 1)
                    found = "a flag of the phasor window holds " + std::to_string(flag);
            if (f.pointerMode != 1 - f.vectorSumMode)
                found = "pointerMode is not 1 - vectorSumMode";
        }
        if (!found.empty()) { // one finding per sequence: reported, the program ended
            failure = failure.empty() ? found : failure;
            ui::End();
        }
    }

    void run(int actions) {
        ui::setEventProcessingHook([this] {
            check();
            if (ui::eventProcessingCount() > 6000)
                return closeAWindow();
            if (depth >= 3) { // deep down only a running animation is stopped
                if (app.form2Created() && app.form2().loaded() && app.form2().stoppedFlag == 0)
                    leftClick(app.form2().Command1);
            } else if (between(0, 32) == 0) {
                ++depth;
                act();
                --depth;
            }
        });
        for (int i = 0; i < actions && !ui::programEnded(); ++i) {
            act();
            ui::runHandler([this] {
                QCoreApplication::processEvents();
                check();
            });
        }
        if (!ui::programEnded())
            closeAWindow();
        ui::setEventProcessingHook({});
        EXPECT_EQ(failure, "");
        EXPECT_TRUE(ui::programEnded()) << "the close did not end the program";
    }
};

} // namespace

TEST(Stress, RandomInteractionKeepsEveryWindowSoundAndACloseEndsAll) {
    const unsigned many = qEnvironmentVariableIntValue("WELLENZEIGER_STRESS_SEEDS");
    for (unsigned seed = 1; seed <= (many ? many : 6); ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        takeQtWarnings();
        ui::startProgram();
        ui::setFramePacing(false);
        auto app = std::make_unique<App>();
        ui::runHandler([&] { app->start(); });
        Stress{*app, std::mt19937(seed), 0, 0, {}}.run(many ? 400 : 150);
        app.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(takeQtWarnings().join('\n').toStdString(), "");
    }
}
