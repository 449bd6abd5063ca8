// Checks a window's frame against the work area as the window system sees
// them: the frame (the window plus its _NET_FRAME_EXTENTS) must lie inside
// the screen and the work area (_NET_WORKAREA) with its top left at the work
// area's top left; with a fraction above 0 its size must also be that
// fraction of the work area, to the pixel.
//   frame_check WINDOW-ID FRACTION
#include "x11.h"

#include <X11/Xatom.h>
#include <chrono>
#include <cmath>
#include <thread>
#include <vector>

namespace {

struct Rect {
    long x, y, width, height;
    bool contains(const Rect& r) const {
        return r.x >= x && r.y >= y && r.x + r.width <= x + width && r.y + r.height <= y + height;
    }
};

std::vector<long> cardinals(Display* display, Window window, const char* name) {
    Atom type;
    int format;
    unsigned long count, after;
    unsigned char* data = nullptr;
    std::vector<long> values;
    if (XGetWindowProperty(display, window, atom(display, name), 0, 64, False, XA_CARDINAL, &type,
                           &format, &count, &after, &data) == Success &&
        data && format == 32) {
        const auto* longs = reinterpret_cast<const long*>(data);
        values.assign(longs, longs + count);
    }
    if (data)
        XFree(data);
    return values;
}

Rect frameOf(Display* display, Window window) {
    XWindowAttributes attributes;
    XGetWindowAttributes(display, window, &attributes);
    int x = 0, y = 0;
    Window child;
    XTranslateCoordinates(display, window, DefaultRootWindow(display), 0, 0, &x, &y, &child);
    std::vector<long> extents = cardinals(display, window, "_NET_FRAME_EXTENTS");
    extents.resize(4, 0); // left, right, top, bottom
    return {x - extents[0], y - extents[2], attributes.width + extents[0] + extents[1],
            attributes.height + extents[2] + extents[3]};
}

bool fits(const Rect& frame, const Rect& screen, const Rect& work, double fraction) {
    if (!screen.contains(frame) || !work.contains(frame) || frame.x != work.x || frame.y != work.y)
        return false;
    return fraction <= 0 || (std::labs(frame.width - std::lround(fraction * work.width)) <= 1 &&
                             std::labs(frame.height - std::lround(fraction * work.height)) <= 1);
}

} // namespace

int main(int argc, char* argv[]) {
    Display* display = openDisplay(argc, argv, 2, "WINDOW-ID FRACTION");
    const Window window = std::strtoul(argv[1], nullptr, 0);
    const double fraction = std::atof(argv[2]);
    const Rect screen{0, 0, DisplayWidth(display, DefaultScreen(display)),
                      DisplayHeight(display, DefaultScreen(display))};

    // The window manager may still be framing the window: ask again for a while.
    Rect frame{}, work{};
    bool ok = false;
    for (int attempt = 0; attempt < 40 && !ok; ++attempt) {
        if (attempt > 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        const std::vector<long> area =
            cardinals(display, DefaultRootWindow(display), "_NET_WORKAREA");
        work = area.size() >= 4 ? Rect{area[0], area[1], area[2], area[3]} : screen;
        frame = frameOf(display, window);
        ok = fits(frame, screen, work, fraction);
    }
    std::printf("frame %ld,%ld %ldx%ld; work area %ld,%ld %ldx%ld; screen %ldx%ld: %s\n", frame.x,
                frame.y, frame.width, frame.height, work.x, work.y, work.width, work.height,
                screen.width, screen.height, ok ? "fits" : "does not fit");
    XCloseDisplay(display);
    return ok ? 0 : 1;
}
