// What the X11 tools of the smoke tests share: the call check and the display.
#pragma once
#include <X11/Xlib.h>
#include <cstdio>
#include <cstdlib>

// The display, once the tool was called with `count` arguments; exits with 2 otherwise.
inline Display* openDisplay(int argc, char* argv[], int count, const char* usage) {
    if (argc != count + 1) {
        std::fprintf(stderr, "usage: %s %s\n", argv[0], usage);
        std::exit(2);
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "%s: no X display\n", argv[0]);
        std::exit(2);
    }
    return display;
}

inline Atom atom(Display* display, const char* name) {
    return XInternAtom(display, name, False);
}
