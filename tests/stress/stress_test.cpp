// Seeded random input in all windows, much of it nested in the long drawings.

#include "../support/support.h"

#include <QApplication>
#include <QCloseEvent>
#include <QTest>
#include <random>

namespace {

struct Stress {
    App& app;
    std::mt19937 random;
    int depth = 0, scans = 0;

    int between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); }
    // A widget of a kind on screen, a window too; "Ende" seldom, or few sequences get far.
    template <typename W> W* anyShown() {
        std::vector<W*> found;
        const QWidget* ende = app.form1().Command3;
        for (QWidget* window : QApplication::topLevelWidgets()) {
            QList<W*> widgets = window->findChildren<W*>();
            if (auto* w = qobject_cast<W*>(window))
                widgets << w;
            for (W* w : widgets)
                if (w->isVisible() && (static_cast<QWidget*>(w) != ende || between(0, 20) == 0))
                    found.push_back(w);
        }
        return found.empty() ? nullptr : found[between(0, int(found.size()) - 1)];
    }
    void closeAWindow() { // through the close box of a window on the screen
        QCloseEvent close;
        if (auto* window = anyShown<ui::FormWindow>())
            QApplication::sendEvent(window, &close);
    }

    void act() {
        const int kind = between(0, 11);
        const Qt::MouseButton buttons[] = {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton};
        if (auto* button = kind < 4 ? anyShown<ui::PushButton>() : nullptr) {
            const QPoint at(between(1, button->width() - 2), between(1, button->height() - 2));
            click(button, at, buttons[kind % 3]);
        } else if (auto* bar = kind < 6 ? anyShown<ui::HScrollBar>() : nullptr) {
            bar->setSliderDown(kind == 5); // arrows and track, or a thumb drag
            bar->triggerAction(QAbstractSlider::SliderAction(between(1, 4)));
            bar->setSliderDown(false);
        } else if (kind == 11) {
            app.changeLineWeight(between(1, 3));
        } else if (auto* keyed = kind == 10 ? anyShown<ui::Surface>() : nullptr) {
            const Qt::Key keys[] = {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up,     Qt::Key_Down,
                                    Qt::Key_Home, Qt::Key_End,   Qt::Key_Return, Qt::Key_Escape};
            const Qt::Key key = keys[between(0, 7)];
            const bool scan = key == Qt::Key_Return && between(0, 1); // Shift+Enter in the field
            if (!(scan && scans++))
                QTest::keyClick(keyed, key, scan ? Qt::ShiftModifier : Qt::NoModifier);
        } else if (auto* surface = kind > 5 ? anyShown<ui::Surface>() : nullptr) {
            // Presses, moves and releases, now and then far outside; at most one scan.
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
        if (ui::Surface::nonFiniteCallCount() != 0) {
            ADD_FAILURE() << "a drawing call received a coordinate that is not finite";
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
                    click(app.form2().Command1);
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
        EXPECT_TRUE(ui::programEnded()) << "the close did not end the program";
    }
};

} // namespace

using Stressed = AppTest;

// Each seed on a program of its own, started and taken down as for every test.
TEST_F(Stressed, RandomInteractionKeepsEveryWindowSoundAndACloseEndsAll) {
    const unsigned many = qEnvironmentVariableIntValue("WELLENZEIGER_STRESS_SEEDS");
    for (unsigned seed = 1; seed <= (many ? many : 6); ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        TearDown();
        start();
        Stress{*app, std::mt19937(seed), 0, 0}.run(many ? 400 : 150);
    }
}
