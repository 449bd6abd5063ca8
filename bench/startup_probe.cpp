// Starts a program and prints the milliseconds from its start until a
// top-level window with the given name is mapped, then kills it. Measured
// from outside the program, which takes no arguments and reads no settings.
//   startup_probe WINDOW-NAME PROGRAM

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <poll.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

std::string windowName(Display* display, Window window) {
    for (const char* property : {"_NET_WM_NAME", "WM_NAME"}) {
        Atom type = None;
        int format = 0;
        unsigned long items = 0, left = 0;
        unsigned char* data = nullptr;
        const Atom atom = XInternAtom(display, property, False);
        if (XGetWindowProperty(display, window, atom, 0, 1024, False, AnyPropertyType, &type,
                               &format, &items, &left, &data) == Success &&
            data) {
            std::string name(reinterpret_cast<char*>(data), items);
            XFree(data);
            if (!name.empty())
                return name;
        }
    }
    return {};
}

// Waits for the window to be mapped, at most 20 s.
bool awaitMapped(Display* display, const std::string& name) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (std::chrono::steady_clock::now() < deadline) {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify && windowName(display, event.xmap.window) == name)
                return true;
        }
        pollfd fd{ConnectionNumber(display), POLLIN, 0};
        poll(&fd, 1, 100);
    }
    return false;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: startup_probe WINDOW-NAME PROGRAM\n");
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "startup_probe: no X display\n");
        return 2;
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execl(argv[2], argv[2], static_cast<char*>(nullptr));
        _exit(127);
    }
    const bool mapped = awaitMapped(display, argv[1]);
    const double ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    XCloseDisplay(display);
    if (!mapped) {
        std::fprintf(stderr, "startup_probe: window not mapped\n");
        return 1;
    }
    std::printf("%.1f\n", ms);
    return 0;
}
