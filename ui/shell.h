#pragma once
// What a window asks of the program that owns the windows: the menu window,
// the shutdown sequence and the projector setting they share. The application implements it, so the
// windows need nothing above them.

namespace ui {

class Shell {
public:
    virtual ~Shell() = default;

    // Shows the menu window (loading it first if need be).
    virtual void showMenu() = 0;

    // Unloads every window, the menu window first.
    virtual void unloadAll() = 0;

    // The projector setting for every window: sets the line weight, keeps it
    // for the next start and has the windows draw their still pictures again.
    virtual void changeLineWeight(int weight) = 0;

    // The shutdown sequence: unload every window, then End.
    [[noreturn]] void shutDown();
};

} // namespace ui
