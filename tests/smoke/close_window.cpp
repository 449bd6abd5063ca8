// Asks a window to close the way a window manager's close box does: a
// WM_DELETE_WINDOW message to the window with the given id.
#include "x11.h"

int main(int argc, char* argv[]) {
    Display* display = openDisplay(argc, argv, 1, "WINDOW-ID");
    const Window window = std::strtoul(argv[1], nullptr, 0);
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = atom(display, "WM_PROTOCOLS");
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(atom(display, "WM_DELETE_WINDOW"));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &event);
    XFlush(display);
    XCloseDisplay(display);
    return 0;
}
