// A desktop panel: a dock window along the top edge of the screen that
// reserves its height (_NET_WM_STRUT_PARTIAL), until it is killed.
//   panel HEIGHT
#include "x11.h"

#include <X11/Xatom.h>

int main(int argc, char* argv[]) {
    Display* display = openDisplay(argc, argv, 1, "HEIGHT");
    const long height = std::atol(argv[1]);
    const int screen = DefaultScreen(display);
    const long width = DisplayWidth(display, screen);
    const Window panel =
        XCreateSimpleWindow(display, RootWindow(display, screen), 0, 0, unsigned(width),
                            unsigned(height), 0, 0, WhitePixel(display, screen));

    const Atom dock = atom(display, "_NET_WM_WINDOW_TYPE_DOCK");
    XChangeProperty(display, panel, atom(display, "_NET_WM_WINDOW_TYPE"), XA_ATOM, 32,
                    PropModeReplace, reinterpret_cast<const unsigned char*>(&dock), 1);
    // left, right, top, bottom, then the start and end of each along its edge
    const long strut[12] = {0, 0, height, 0, 0, 0, 0, 0, 0, width - 1, 0, 0};
    XChangeProperty(display, panel, atom(display, "_NET_WM_STRUT_PARTIAL"), XA_CARDINAL, 32,
                    PropModeReplace, reinterpret_cast<const unsigned char*>(strut), 12);
    XChangeProperty(display, panel, atom(display, "_NET_WM_STRUT"), XA_CARDINAL, 32,
                    PropModeReplace, reinterpret_cast<const unsigned char*>(strut), 4);
    XMapWindow(display, panel);
    XFlush(display);
    for (XEvent event;;)
        XNextEvent(display, &event);
}
