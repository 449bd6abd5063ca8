#include "support.h"

#include "app/form1.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPointingDevice>

namespace {

QStringList& warnings() {
    static QStringList list;
    return list;
}

void collectWarnings(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type != QtDebugMsg && type != QtInfoMsg) {
        warnings() << message;
        fprintf(stderr, "Qt: %s\n", qPrintable(message));
    }
}

Qt::MouseButtons withButton(Qt::MouseButtons held, Qt::MouseButton button, bool down) {
    return down ? (held | button) : (held & ~Qt::MouseButtons(button));
}

QMouseEvent* mouseEvent(QEvent::Type type, QWidget* widget, QPoint pos, Qt::MouseButton button,
                        Qt::MouseButtons held, Qt::KeyboardModifiers modifiers = {}) {
    return new QMouseEvent(type, QPointF(pos), QPointF(widget->mapToGlobal(pos)), button, held,
                           modifiers, QPointingDevice::primaryPointingDevice());
}

void deliver(QWidget* widget, QMouseEvent* event) {
    QApplication::sendEvent(widget, event);
    delete event;
}

QPoint centreIfNull(QWidget* widget, QPoint pos) {
    return pos.isNull() ? widget->rect().center() : pos;
}

} // namespace

QStringList takeQtWarnings() {
    static const bool installed = (qInstallMessageHandler(collectWarnings), true);
    (void)installed;
    QStringList taken = warnings();
    warnings().clear();
    return taken;
}

void AppTest::SetUp() {
    takeQtWarnings();
    ui::startProgram();
    ui::setFramePacing(false);
    app = std::make_unique<App>();
    ui::runHandler([this] { app->start(); });
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
    deliver(widget, mouseEvent(QEvent::MouseButtonPress, widget, pos, button,
                               withButton(held, button, true), modifiers));
}

void mouseRelease(QWidget* widget, Qt::MouseButton button, QPoint pos, Qt::MouseButtons held) {
    deliver(widget, mouseEvent(QEvent::MouseButtonRelease, widget, pos, button,
                               withButton(held, button, false)));
}

void mouseMove(QWidget* widget, QPoint pos, Qt::MouseButtons held) {
    deliver(widget, mouseEvent(QEvent::MouseMove, widget, pos, Qt::NoButton, held));
}

void leftClick(QWidget* widget, QPoint pos) {
    pos = centreIfNull(widget, pos);
    mousePress(widget, Qt::LeftButton, pos);
    mouseRelease(widget, Qt::LeftButton, pos);
}

void postMousePress(QWidget* widget, Qt::MouseButton button, QPoint pos, Qt::MouseButtons held) {
    QCoreApplication::postEvent(widget, mouseEvent(QEvent::MouseButtonPress, widget, pos, button,
                                                   withButton(held, button, true)));
}

void postMouseRelease(QWidget* widget, Qt::MouseButton button, QPoint pos, Qt::MouseButtons held) {
    QCoreApplication::postEvent(widget, mouseEvent(QEvent::MouseButtonRelease, widget, pos, button,
                                                   withButton(held, button, false)));
}

void postMouseMove(QWidget* widget, QPoint pos, Qt::MouseButtons held) {
    QCoreApplication::postEvent(widget,
                                mouseEvent(QEvent::MouseMove, widget, pos, Qt::NoButton, held));
}

void postLeftClick(QWidget* widget, QPoint pos) {
    pos = centreIfNull(widget, pos);
    postMousePress(widget, Qt::LeftButton, pos);
    postMouseRelease(widget, Qt::LeftButton, pos);
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
