#include "ui/desktop.h"

#include <QGuiApplication>
#include <QScreen>
#include <optional>

#ifdef Q_OS_WASM
#include <QTimer>
#endif
#if defined(Q_OS_WIN) || defined(Q_OS_WASM)
#include <QWindow>
#else
#include <QtGui/qguiapplication_platform.h>
#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <thread>
#include <vector>
#include <xcb/xcb.h>
#endif

namespace ui {
namespace {

#if defined(Q_OS_WIN) || defined(Q_OS_WASM)

// Windows knows the frame of a window from its style before it is shown; Qt
// works it out (AdjustWindowRectEx) when it creates the native window. In the
// browser Qt draws a title bar and a border itself, on the page, which is the
// screen. The probe is a fixed-size top-level window like the program's.
QMargins platformWindowFrame() {
#ifdef Q_OS_WIN
    if (QGuiApplication::platformName() != QLatin1String("windows"))
        return {};
#endif
    QWindow probe;
#ifdef Q_OS_WASM
    // A widget's window gets these hints from Qt; a bare one has no title bar.
    probe.setFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
#endif
    probe.setMinimumSize(QSize(100, 100));
    probe.setMaximumSize(QSize(100, 100));
    probe.create();
    return probe.frameMargins();
}

#else

template <typename Reply> using XcbReply = std::unique_ptr<Reply, decltype(&std::free)>;

template <typename Reply> XcbReply<Reply> take(Reply* reply) {
    return XcbReply<Reply>(reply, &std::free);
}

xcb_atom_t atom(xcb_connection_t* connection, const char* name) {
    const auto reply = take(xcb_intern_atom_reply(
        connection,
        xcb_intern_atom(connection, false, static_cast<uint16_t>(std::strlen(name)), name),
        nullptr));
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

// A property of 32-bit values; empty when the window does not have it.
std::vector<uint32_t> values(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t property,
                             xcb_atom_t type) {
    const auto reply = take(xcb_get_property_reply(
        connection, xcb_get_property(connection, false, window, property, type, 0, 1024), nullptr));
    if (!reply || reply->format != 32 || reply->type != type)
        return {};
    const auto* data = static_cast<const uint32_t*>(xcb_get_property_value(reply.get()));
    return std::vector<uint32_t>(data, data + xcb_get_property_value_length(reply.get()) / 4);
}

bool windowManagerAnswersFrameRequests(xcb_connection_t* connection, xcb_window_t root) {
    const xcb_atom_t request = atom(connection, "_NET_REQUEST_FRAME_EXTENTS");
    const auto supported =
        values(connection, root, atom(connection, "_NET_SUPPORTED"), XCB_ATOM_ATOM);
    return request != XCB_ATOM_NONE &&
           std::find(supported.begin(), supported.end(), request) != supported.end();
}

// The window manager is asked for the frame it would give a window that is
// never shown (_NET_REQUEST_FRAME_EXTENTS); it answers by setting
// _NET_FRAME_EXTENTS (left, right, top, bottom) on that window.
std::optional<QMargins> askWindowManager(xcb_connection_t* connection, xcb_screen_t& screen) {
    const xcb_window_t probe = xcb_generate_id(connection);
    xcb_create_window(connection, XCB_COPY_FROM_PARENT, probe, screen.root, 0, 0, 100, 100, 0,
                      XCB_WINDOW_CLASS_INPUT_OUTPUT, screen.root_visual, 0, nullptr);
    // Of a fixed size like the program's windows: window managers leave the
    // resize handles off such a frame.
    std::array<uint32_t, 18> sizeHints{};
    sizeHints[0] = 16 | 32; // PMinSize | PMaxSize
    sizeHints[5] = sizeHints[7] = 100;
    sizeHints[6] = sizeHints[8] = 100;
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, probe, XCB_ATOM_WM_NORMAL_HINTS,
                        XCB_ATOM_WM_SIZE_HINTS, 32, sizeHints.size(), sizeHints.data());

    xcb_client_message_event_t request{};
    request.response_type = XCB_CLIENT_MESSAGE;
    request.format = 32;
    request.window = probe;
    request.type = atom(connection, "_NET_REQUEST_FRAME_EXTENTS");
    xcb_send_event(connection, false, screen.root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char*>(&request));
    xcb_flush(connection);

    const xcb_atom_t extents = atom(connection, "_NET_FRAME_EXTENTS");
    const auto due = std::chrono::steady_clock::now() + std::chrono::milliseconds(500);
    std::optional<QMargins> frame;
    while (!frame && std::chrono::steady_clock::now() < due) {
        const auto answer = values(connection, probe, extents, XCB_ATOM_CARDINAL);
        if (answer.size() == 4)
            frame = QMargins(int(answer[0]), int(answer[2]), int(answer[1]), int(answer[3]));
        else
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    xcb_destroy_window(connection, probe);
    xcb_flush(connection);
    return frame;
}

QMargins x11WindowFrame() {
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (!connection)
        return {};
    xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    if (!screen || !windowManagerAnswersFrameRequests(connection, screen->root))
        return {};
    const std::optional<QMargins> frame = askWindowManager(connection, *screen);
    if (!frame) {
        std::fprintf(stderr, "wellenzeiger: Der Fenstermanager nennt keine Fensterrahmen; "
                             "die Fenster werden ohne Rahmen bemessen.\n");
        return {};
    }
    // The window manager counts device pixels, the windows logical ones.
    const QScreen* primary = QGuiApplication::primaryScreen();
    const double ratio = primary ? primary->devicePixelRatio() : 1.0;
    const auto logical = [ratio](int pixels) { return int(std::ceil(pixels / ratio)); };
    return {logical(frame->left()), logical(frame->top()), logical(frame->right()),
            logical(frame->bottom())};
}

QMargins platformWindowFrame() {
    return QGuiApplication::platformName() == QLatin1String("xcb") ? x11WindowFrame() : QMargins();
}

#endif

} // namespace

QRect workArea() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

void whenWorkAreaChanges(std::function<void()> changed) {
#ifdef Q_OS_WASM
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    // Resizing a page sends many sizes in a row: the windows are laid out
    // once it has rested for a moment.
    auto* rest = new QTimer(qApp); // owned by the application
    rest->setSingleShot(true);
    rest->setInterval(150);
    QObject::connect(rest, &QTimer::timeout, qApp, std::move(changed));
    QObject::connect(screen, &QScreen::availableGeometryChanged, rest, [rest] { rest->start(); });
#else
    (void)changed;
#endif
}

QSettings::Format userSettingsFormat() {
#ifdef Q_OS_WASM
    return QSettings::NativeFormat; // the browser's local storage of the page's site
#else
    return QSettings::IniFormat;
#endif
}

QMargins windowFrame() {
    static std::optional<QMargins> frame;
    if (!frame)
        frame = platformWindowFrame();
    return *frame;
}

} // namespace ui
