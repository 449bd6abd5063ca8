#include "support.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPointingDevice>
#include <QSettings>
#include <QTest>

namespace {

QStringList& warnings() {
    static QStringList list;
    return list;
}

// What the offscreen platform cannot do (raise a window...) is no fault of the program.
void collectWarnings(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type != QtDebugMsg && type != QtInfoMsg &&
        !message.startsWith("This plugin does not support")) {
        warnings() << message;
        fprintf(stderr, "Qt: %s\n", qPrintable(message));
    }
}

QMouseEvent* mouseEvent(QEvent::Type type, QWidget* widget, QPoint pos, Qt::MouseButton button,
                        Qt::MouseButtons held, Qt::KeyboardModifiers modifiers = {}) {
    return new QMouseEvent(type, QPointF(pos), QPointF(widget->mapToGlobal(pos)), button, held,
                           modifiers, QPointingDevice::primaryPointingDevice());
}

void deliver(QWidget* widget, QMouseEvent* event) {
    QApplication::sendEvent(widget, std::unique_ptr<QMouseEvent>(event).get());
}

// What Qt does for a press from the window system, not for a sent event.
void giveClickFocus(QWidget* widget) {
    for (; widget && !widget->hasFocus(); widget = widget->parentWidget()) {
        if (widget->isEnabled() && (widget->focusPolicy() & Qt::ClickFocus)) {
            widget->setFocus(Qt::MouseFocusReason);
            return;
        }
        if (widget->isWindow())
            return;
    }
}

} // namespace

QStringList takeQtWarnings() {
    static const bool installed = (qInstallMessageHandler(collectWarnings), true);
    (void)installed;
    QStringList taken = warnings();
    warnings().clear();
    return taken;
}

void AppTest::start() {
    takeQtWarnings();
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsFolder.path());
    ui::startProgram();
    ui::setFramePacing(false);
    app = std::make_unique<App>();
    ui::runHandler([this] { app->start(); });
}

Form2& AppTest::openPhasor() {
    app->form1().Command2_Click();
    return app->form2();
}

Form3& AppTest::openHuygens() {
    ui::runHandler([this] { app->form3().Show(); });
    return app->form3();
}

// A frame processes events 201 times: the stop comes at the first of the last frame.
void AppTest::runFrames(int frames) {
    atEventProcessing(201L * (frames - 1) + 1, [this] { app->form2().stoppedFlag = 1; });
    app->form2().Command1_Click();
}

void AppTest::TearDown() {
    ui::setEventProcessingHook({});
    app.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(takeQtWarnings().join('\n').toStdString(), "");
}

QPoint pixelAt(const ui::Surface& surface, double x, double y) {
    const QRect inner = surface.innerRect();
    const double px = (x - surface.ScaleLeft()) * inner.width() / surface.ScaleWidth();
    const double py = (y - surface.ScaleTop()) * inner.height() / surface.ScaleHeight();
    return QPoint(static_cast<int>(std::floor(px)), static_cast<int>(std::floor(py))) +
           inner.topLeft();
}

void mousePress(QWidget* widget, Qt::MouseButton button, QPoint pos, Qt::MouseButtons held,
                Qt::KeyboardModifiers modifiers) {
    if (QApplication::activeWindow() != widget->window())
        QApplication::setActiveWindow(widget->window());
    giveClickFocus(widget);
    deliver(widget,
            mouseEvent(QEvent::MouseButtonPress, widget, pos, button, held | button, modifiers));
}

void mouseRelease(QWidget* widget, Qt::MouseButton button, QPoint pos, Qt::MouseButtons held) {
    deliver(widget, mouseEvent(QEvent::MouseButtonRelease, widget, pos, button,
                               held & ~Qt::MouseButtons(button)));
}

void mouseMove(QWidget* widget, QPoint pos, Qt::MouseButtons held) {
    deliver(widget, mouseEvent(QEvent::MouseMove, widget, pos, Qt::NoButton, held));
}

void click(QWidget* widget, QPoint pos, Qt::MouseButton button) {
    pos = pos.isNull() ? widget->rect().center() : pos;
    mousePress(widget, button, pos);
    mouseRelease(widget, button, pos);
}

void postMouseRelease(QWidget* widget, Qt::MouseButton button, QPoint pos) {
    QCoreApplication::postEvent(
        widget, mouseEvent(QEvent::MouseButtonRelease, widget, pos, button, Qt::NoButton));
}

void typeKey(int key, Qt::KeyboardModifiers modifiers) {
    QWidget* target = QApplication::focusWidget();
    if ((target = target ? target : QApplication::activeWindow()))
        QTest::keyClick(target, static_cast<Qt::Key>(key), modifiers);
    else
        ADD_FAILURE() << "no window is active to take the key";
}

void atEventProcessing(long n, std::function<void()> action) {
    const long target = ui::eventProcessingCount() + n;
    ui::setEventProcessingHook([target, action = std::move(action)] {
        if (ui::eventProcessingCount() == target) {
            ui::setEventProcessingHook({});
            action();
        }
    });
}

void record(ui::Surface& surface) {
    surface.clearDrawLog();
    surface.setRecording(true);
}

::testing::AssertionResult drawn(const ui::DrawCall& call, Op op, double x1, double y1, double x2,
                                 double y2, ui::Colour colour, int width) {
    const auto near = [](double a, double b) { return std::abs(a - b) < 1e-3; };
    if (call.op == op && near(call.x1, x1) && near(call.y1, y1) && near(call.x2, x2) &&
        near(call.y2, y2) && call.colour == colour && call.width == width)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "drawn " << int(call.op) << " " << call.x1 << " " << call.y1 << " " << call.x2 << " "
           << call.y2 << " " << std::hex << call.colour << " w" << call.width;
}

std::vector<ui::DrawCall> callsOf(const ui::Surface& surface, Op op) {
    std::vector<ui::DrawCall> calls;
    for (const ui::DrawCall& call : surface.drawLog())
        if (call.op == op)
            calls.push_back(call);
    return calls;
}

QRgb shownAt(const ui::Surface& surface, double x, double y) {
    const QPointF pixel =
        (pixelAt(surface, x, y) - surface.innerRect().topLeft()) * surface.devicePixelRatioF();
    return surface.screenImage().pixel(pixel.toPoint()) | 0xff000000u;
}
