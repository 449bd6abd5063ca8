// Seeded random interaction across all three windows: clicks, keys, slider
// moves, presses, drags and releases in every surface, many of them arriving
// nested inside the animation, the still redraw, the first field drawing and
// the amplitude scan. After every action the window state must be sound, and
// every sequence ends with a close, after which nothing runs or draws.
//
// WELLENZEIGER_STRESS_SEEDS=n runs n seeds from 1 (make stress); the default
// is a few fixed seeds, bounded for CI.

#include "../support/support.h"

#include "app/form1.h"
#include "huygens/form3.h"
#include "phasor/form2.h"
#include "phasor/wave_model.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLocale>
#include <iostream>
#include <random>

namespace {

long nestedActions = 0; // of all sequences, for the summary

struct Budget {
    long actions;         // top-level actions per sequence
    long eventProcessing; // DoEvents calls per sequence before it is ended
    int scans;            // right clicks into the Huygens field per sequence
};

class Stress {
public:
    Stress(App& app, unsigned seed, Budget budget) : app_(app), random_(seed), budget_(budget) {}

    long run();

private:
    template <typename T> T pick(const std::vector<T>& items) {
        return items[std::uniform_int_distribution<std::size_t>(0, items.size() - 1)(random_)];
    }
    bool chance(double p) { return std::bernoulli_distribution(p)(random_); }
    int between(int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random_);
    }

    std::vector<ui::Form*> loadedForms();
    template <typename W> std::vector<W*> visible();
    void act();
    void clickButton();
    void moveSlider();
    void useMouse();
    void closeRandomWindow();
    void whileProcessingEvents();
    void check();
    void fail(const std::string& what);

    App& app_;
    std::mt19937 random_;
    Budget budget_;
    long actions_ = 0;
    int depth_ = 0;
    int scans_ = 0;
    std::map<ui::Form*, QWidget*> windows_;
    bool failed_ = false;
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

// The widgets of a kind that a user could reach now: in a visible window.
template <typename W> std::vector<W*> Stress::visible() {
    std::vector<W*> found;
    for (ui::Form* form : loadedForms()) {
        if (!form->visible())
            continue;
        if (auto* self = qobject_cast<W*>(&form->window()))
            found.push_back(self);
        for (W* widget : form->window().findChildren<W*>())
            if (widget->isVisible())
                found.push_back(widget);
    }
    return found;
}

long Stress::run() {
    ui::setEventProcessingHook([this] { whileProcessingEvents(); });
    while (!ui::programEnded() && actions_ < budget_.actions) {
        act();
        ui::runHandler([this] {
            QCoreApplication::processEvents();
            check();
        });
    }
    if (!ui::programEnded())
        closeRandomWindow();
    ui::setEventProcessingHook({});
    if (failed_)
        return actions_;
    if (!ui::programEnded())
        ADD_FAILURE() << "the close did not end the program";

    // After the end nothing runs and nothing is drawn.
    const long drawn = ui::Surface::drawCallCount();
    const long processed = ui::eventProcessingCount();
    for (ui::Form* form :
         {static_cast<ui::Form*>(&app_.form1()), static_cast<ui::Form*>(&app_.form2()),
          static_cast<ui::Form*>(&app_.form3())})
        if (form->loaded())
            for (auto* button : form->window().findChildren<ui::PushButton*>())
                leftClick(button);
    QCoreApplication::processEvents();
    if (ui::Surface::drawCallCount() != drawn || ui::eventProcessingCount() != processed)
        ADD_FAILURE() << "something ran after the end";
    return actions_;
}

void Stress::act() {
    ++actions_;
    const int kind = between(0, 9);
    if (kind < 4)
        clickButton();
    else if (kind < 6)
        moveSlider();
    else
        useMouse();
}

void Stress::clickButton() {
    const auto buttons = visible<ui::PushButton>();
    if (buttons.empty())
        return;
    ui::PushButton* button = pick(buttons);
    if (button == app_.form1().Command3 && !chance(0.05))
        return; // "Ende" now and then only, or few sequences get far
    const QPoint at(between(1, std::max(1, button->width() - 2)),
                    between(1, std::max(1, button->height() - 2)));
    switch (between(0, 4)) {
    case 0:
    case 1:
        leftClick(button, at);
        break;
    case 2:
        mousePress(button, Qt::RightButton, at);
        mouseRelease(button, Qt::RightButton, at);
        break;
    case 3:
        mousePress(button, Qt::MiddleButton, at);
        mouseRelease(button, Qt::MiddleButton, at);
        break;
    default: {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, " ");
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, " ");
        QApplication::sendEvent(button, &press);
        QApplication::sendEvent(button, &release);
    }
    }
}

void Stress::moveSlider() {
    const auto bars = visible<ui::HScrollBar>();
    if (bars.empty())
        return;
    ui::HScrollBar* bar = pick(bars);
    switch (between(0, 3)) {
    case 0: // arrows and track
        bar->triggerAction(pick(std::vector<QAbstractSlider::SliderAction>{
            QAbstractSlider::SliderSingleStepAdd, QAbstractSlider::SliderSingleStepSub,
            QAbstractSlider::SliderPageStepAdd, QAbstractSlider::SliderPageStepSub}));
        break;
    case 1: { // keys
        QKeyEvent key(QEvent::KeyPress,
                      pick(std::vector<int>{Qt::Key_Left, Qt::Key_Right, Qt::Key_PageUp,
                                            Qt::Key_PageDown, Qt::Key_Home, Qt::Key_End}),
                      Qt::NoModifier);
        QApplication::sendEvent(bar, &key);
        break;
    }
    case 2: // a thumb drag: the change comes with the release
        bar->setSliderDown(true);
        bar->setSliderPosition(between(bar->minimum(), bar->maximum()));
        bar->setSliderDown(false);
        break;
    default: { // the mouse anywhere on the bar
        const QPoint at(between(0, bar->width() - 1), between(0, bar->height() - 1));
        mousePress(bar, Qt::LeftButton, at);
        mouseMove(bar, at + QPoint(between(-300, 300), 0), Qt::LeftButton);
        mouseRelease(bar, Qt::LeftButton, at);
    }
    }
}

// Presses, moves and releases with any combination of buttons, often far
// outside the surface that was pressed.
void Stress::useMouse() {
    const auto surfaces = visible<ui::Surface>();
    if (surfaces.empty())
        return;
    ui::Surface* surface = pick(surfaces);
    auto anywhere = [&] {
        if (chance(0.8))
            return QPoint(between(0, surface->width() - 1), between(0, surface->height() - 1));
        return QPoint(between(-3000, 5000), between(-3000, 5000));
    };
    const bool huygensField =
        app_.form3Created() && app_.form3().loaded() && surface == &app_.form3().window();
    std::vector<Qt::MouseButton> buttons{Qt::LeftButton, Qt::MiddleButton};
    if (!huygensField || scans_ < budget_.scans)
        buttons.push_back(Qt::RightButton);

    Qt::MouseButtons held;
    const int steps = between(1, 8);
    for (int i = 0; i < steps && !ui::programEnded(); ++i) {
        const QPoint at = anywhere();
        const int what = between(0, 2);
        if (what == 0 && held != (Qt::LeftButton | Qt::RightButton | Qt::MiddleButton)) {
            const Qt::MouseButton button = pick(buttons);
            if (held & button)
                continue;
            scans_ += huygensField && button == Qt::RightButton;
            mousePress(surface, button, at, held);
            held |= button;
        } else if (what == 1 && held) {
            Qt::MouseButton button = Qt::LeftButton;
            while (!(held & button))
                button = pick(std::vector<Qt::MouseButton>{Qt::LeftButton, Qt::RightButton,
                                                           Qt::MiddleButton});
            held &= ~Qt::MouseButtons(button);
            mouseRelease(surface, button, at, held);
        } else {
            mouseMove(surface, at, held);
        }
    }
    for (auto button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton})
        if ((held & button) && !ui::programEnded()) {
            held &= ~Qt::MouseButtons(button);
            mouseRelease(surface, button, anywhere(), held);
        }
}

void Stress::closeRandomWindow() {
    const auto forms = loadedForms();
    QCloseEvent close;
    QApplication::sendEvent(&pick(forms)->window(), &close);
}

// Runs inside every DoEvents: actions arrive nested in the drawing that is
// going on; deep down, only a running animation is stopped, so that every
// nesting comes back out.
void Stress::whileProcessingEvents() {
    check();
    if (ui::eventProcessingCount() > budget_.eventProcessing) {
        closeRandomWindow();
        return;
    }
    if (depth_ >= 3) {
        if (app_.form2Created() && app_.form2().loaded() && app_.form2().stoppedFlag == 0)
            leftClick(app_.form2().Command1);
        return;
    }
    if (!chance(0.03))
        return;
    ++depth_;
    ++actions_;
    ++nestedActions;
    act();
    --depth_;
    check();
}

void Stress::check() {
    for (ui::Form* form : loadedForms()) {
        auto [known, added] = windows_.emplace(form, &form->window());
        if (!added && known->second != &form->window())
            fail("a window was loaded twice");
    }
    if (ui::Surface::nonFiniteCallCount() != 0)
        fail("a drawing call received a coordinate that is not finite");

    if (app_.form2Created() && app_.form2().loaded()) {
        const Form2& f = app_.form2();
        for (ui::Integer flag :
             {f.stoppedFlag, f.wave2Hidden, f.sumHidden, f.vectorSumMode, f.pointerMode})
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

// One finding per sequence is enough: it is reported and the program ended.
void Stress::fail(const std::string& what) {
    if (!failed_)
        ADD_FAILURE() << what << " (action " << actions_ << ")";
    failed_ = true;
    ui::End();
}

unsigned seedsFromEnvironment() {
    const QByteArray value = qgetenv("WELLENZEIGER_STRESS_SEEDS");
    return value.isEmpty() ? 0 : value.toUInt();
}

} // namespace

TEST(Stress, RandomInteractionKeepsEveryWindowSoundAndACloseEndsAll) {
    const unsigned manySeeds = seedsFromEnvironment();
    const std::vector<unsigned> seeds =
        manySeeds ? std::vector<unsigned>{} : std::vector<unsigned>{1, 2, 3, 4, 5, 6};
    const unsigned count = manySeeds ? manySeeds : static_cast<unsigned>(seeds.size());
    const Budget budget{manySeeds ? 400 : 150, 6000, 1};

    long tried = 0;
    for (unsigned i = 0; i < count; ++i) {
        const unsigned seed = manySeeds ? i + 1 : seeds[i];
        SCOPED_TRACE("seed " + std::to_string(seed));
        takeQtWarnings();
        ui::startProgram();
        ui::setFramePacing(false);
        auto app = std::make_unique<App>();
        ui::runHandler([&] { app->start(); });
        tried += Stress(*app, seed, budget).run();
        app.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(takeQtWarnings().join('\n').toStdString(), "");
    }
    std::cout << "stress: " << tried << " actions tried over " << count << " seeds, "
              << nestedActions << " of them nested in event processing\n";
    RecordProperty("actions", static_cast<int>(tried));
}
