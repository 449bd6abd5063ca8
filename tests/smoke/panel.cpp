// A dock along the top edge that reserves its height until killed: panel HEIGHT
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[]) {
    Display* display = argc == 2 ? XOpenDisplay(nullptr) : nullptr;
    if (!display) {
        std::fprintf(stderr, "usage: %s HEIGHT, with an X display\n", argv[0]);
        return 2;
    }
    const long height = std::atol(argv[1]);
    const int screen = DefaultScreen(display);
    const long width = DisplayWidth(display, screen);
    const Window panel =
        XCreateSimpleWindow(display, RootWindow(display, screen), 0, 0, unsigned(width),
                            unsigned(height), 0, 0, WhitePixel(display, screen));
    const auto set = [&](const char* name, Atom type, const void* data, int count) {
        XChangeProperty(display, panel, XInternAtom(display, name, False), type, 32,
                        PropModeReplace, static_cast<const unsigned char*>(data), count);
    };
    const Atom dock = XInternAtom(display, "_NET_WM_WINDOW_TYPE_DOCK", False);
    set("_NET_WM_WINDOW_TYPE", XA_ATOM, &dock, 1);
    // left, right, top, bottom, then the start and end of each along its edge
    const long strut[12] = {0, 0, height, 0, 0, 0, 0, 0, 0, width - 1, 0, 0};
    set("_NET_WM_STRUT_PARTIAL", XA_CARDINAL, strut, 12);
    set("_NET_WM_STRUT", XA_CARDINAL, strut, 4);
    XMapWindow(display, panel);
    XFlush(display);
    for (XEvent event;;)
        XNextEvent(display, &event);
}
