#pragma once
// The program's life: event processing from inside handlers, the entry point
// every handler runs through, and End.

#include "ui/numeric.h"

#include <QString>

#include <functional>

namespace ui {

// Thrown by DoEvents (and End) once the program has ended, so that the code
// after the call never runs. Only handler entry points catch it; it is not a
// std::exception so that nothing else catches it by accident.
struct ProgramEnded {};

// Starts a fresh program life: clears the ended state and the counters.
void startProgram();

// True once End has run.
bool programEnded();

// Ends the program at once: hides every window, stops the event loop and
// unwinds to the handler entry point. Never returns.
[[noreturn]] void End();

// Processes pending window events; their handlers run nested inside the
// caller. Surfaces repaint at most once per display refresh, not on every call.
void DoEvents();

// Shows at once what has been drawn, as a complete frame of an animation:
// nothing is repainted in between until the next frame is presented (or a
// little longer than two refreshes have passed).
void PresentFrame();

// Processes events and keeps processing them, without spinning, until
// `periodMs` have passed since the previous call (the animation uses it once
// per frame). With pacing off it processes events once.
void DoEventsUntilNextFrame(double periodMs);
void setFramePacing(bool on);

// Runs one event handler: nothing once the program has ended; End and
// run-time errors stop at this frame and never reach the toolkit. Any failure
// is reported in one line under the handler's name (for example
// "Form2.Picture1_MouseDown"); nothing crosses the toolkit's event dispatch.
void runHandler(const std::function<void()>& handler, const QString& name = {});

// How often DoEvents has run since startProgram, and a hook that runs inside
// every DoEvents as if a pending event had been processed there (tests use it
// to run handlers nested at exact points).
long eventProcessingCount();
void setEventProcessingHook(std::function<void()> hook);

} // namespace ui
