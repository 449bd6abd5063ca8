#include "ui/runtime.h"

#include "ui/failure.h"
#include "ui/presenter.h"

#include <QApplication>
#include <QTimer>
#ifdef Q_OS_WASM
#include "ui/browser.h"

#include <QAbstractEventDispatcher>
#include <QScopedValueRollback>
#endif
#include <QWidget>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <exception>

namespace ui {
namespace {

using Clock = std::chrono::steady_clock;

struct ProgramState {
    bool ended = false;
    long eventProcessing = 0;
    std::function<void()> hook;
    bool pacing = true;
    Clock::time_point lastFrame{};
    Clock::time_point lastWait{};
    bool waiting = false;
};

ProgramState& state() {
    static ProgramState instance;
    return instance;
}

void throwIfEnded() {
    if (state().ended)
        throw ProgramEnded{};
}

void runHook() {
    if (!state().hook)
        return;
    const auto hook = state().hook; // the hook may replace itself
    runHandler(hook);
}

// Processes events, sleeping in the event loop, until `due` has come.
void processEventsUntil(Clock::time_point due) {
    QTimer wakeUp;
    wakeUp.setSingleShot(true);
    wakeUp.setTimerType(Qt::PreciseTimer);
#ifdef Q_OS_WASM
    // The browser's event dispatcher runs a due timer without ending the wait
    // it interrupted: the timer ends it. The program's stack is suspended in
    // one wait only, so a handler that runs during a wait cannot wait itself;
    // it processes what is pending and goes on.
    QObject::connect(&wakeUp, &QTimer::timeout,
                     [] { QAbstractEventDispatcher::instance()->wakeUp(); });
    if (state().waiting) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        throwIfEnded();
        return;
    }
    const QScopedValueRollback<bool> waiting(state().waiting, true);
#endif
    while (Clock::now() < due) {
        // Rounded up: a wait rounded down to 0 ms would spin until `due`.
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(due - Clock::now());
        wakeUp.start(static_cast<int>(std::max<long long>(0, left.count())));
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        throwIfEnded();
    }
    state().lastWait = Clock::now();
}

#ifdef Q_OS_WASM
// The browser paints and takes input only while the program waits: a long
// drawing waits for a millisecond, at most once per display refresh.
void letBrowserPaint() {
    const auto now = Clock::now();
    if (now - state().lastWait >= std::chrono::milliseconds(Presenter::refreshMs))
        processEventsUntil(now + std::chrono::milliseconds(1));
}
#endif

} // namespace

void startProgram() {
    state() = ProgramState{};
    forgetReportedFailures();
#ifdef Q_OS_WASM
    browser::preparePage();
#endif
}

bool programEnded() {
    return state().ended;
}

void End() {
    state().ended = true;
    for (QWidget* window : QApplication::topLevelWidgets())
        window->hide();
#ifdef Q_OS_WASM
    // The end page replaces the program. Its event loop stays, idle: the
    // browser may still call into the windows it drew, which must not go.
    browser::showEndPage();
#else
    QCoreApplication::exit(0); // only stops a running event loop
#endif
    throw ProgramEnded{};
}

void DoEvents() {
    throwIfEnded();
    ++state().eventProcessing;
    runHook();
    throwIfEnded();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    throwIfEnded();
#ifdef Q_OS_WASM
    letBrowserPaint();
#endif
}

void PresentFrame() {
    throwIfEnded();
    Presenter::instance().presentFrame(2 * Presenter::refreshMs + 1);
}

void DoEventsUntilNextFrame(double periodMs) {
    DoEvents();
    if (!state().pacing)
        return;
    const auto period = std::chrono::duration_cast<Clock::duration>(
        std::chrono::duration<double, std::milli>(periodMs));
    const auto due = state().lastFrame + period;
    const auto now = Clock::now();
    if (now >= due) { // too slow for the frame rate: go on at once, no catching up
        state().lastFrame = now;
        return;
    }
    processEventsUntil(due);
    state().lastFrame = due;
}

void setFramePacing(bool on) {
    state().pacing = on;
}

void runHandler(const std::function<void()>& handler, const QString& name) {
    if (state().ended || !handler)
        return;
    try {
        handler();
    } catch (const ProgramEnded&) {
        // End unwinds to here; the toolkit never sees the exception.
    } catch (const std::exception& error) {
        // A failing window operation, or anything else, abandons its handler
        // and is reported; nothing crosses the toolkit's event dispatch and
        // the program goes on.
        reportFailure(name, error);
    } catch (...) {
        reportFailure(name, std::runtime_error("unbekannter Fehler"));
    }
}

long eventProcessingCount() {
    return state().eventProcessing;
}

void setEventProcessingHook(std::function<void()> hook) {
    state().hook = std::move(hook);
}

} // namespace ui
