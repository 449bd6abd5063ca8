#pragma once
// What the windows know of the application shell: the single instance of
// each window (created on first reference) and the shutdown sequence.

#include "ui/form.h"

class Shell {
public:
    virtual ~Shell() = default;
    virtual ui::Form& form1() = 0; // menu window
    virtual ui::Form& form2() = 0; // phasor window
    virtual ui::Form& form3() = 0; // Huygens window

    // Unload Form1, Form2 and Form3, in this order.
    void unloadAll() {
        form1().Unload();
        form2().Unload();
        form3().Unload();
    }

    // The shutdown sequence: unload all three windows, then End.
    [[noreturn]] void shutDown();
};
