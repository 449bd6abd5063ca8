#include "ui/surface.h"

#include "ui/line_weight.h"
#include "ui/mouse_codes.h"
#include "ui/pixels.h"
#include "ui/presenter.h"
#include "ui/runtime.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPointer>
#include <cmath>

namespace ui {

namespace {

// Beyond this many device pixels a coordinate lies off any screen: the call fails.
constexpr double deviceLimit = 1e7;

long drawCalls = 0;
long nonFiniteCalls = 0;

void checkFinite(std::initializer_list<double> values) {
    for (double v : values)
        if (!std::isfinite(v)) {
            ++nonFiniteCalls;
            throw DrawingError();
        }
}

} // namespace

Surface::Surface(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

Surface::~Surface() {
    Presenter::instance().forget(this);
}

// Runs a change of the canvas; the first change after a repaint asks the
// presenter for the next one.
template <typename Change> void Surface::change(Change&& change) {
    const bool wasClean = canvas_.changed().isEmpty();
    change();
    if (wasClean && !canvas_.changed().isEmpty())
        Presenter::instance().schedule(this);
}

void Surface::draw(const Stroke& stroke, Colour colour) {
    ensureImages();
    change([&] { canvas_.draw(stroke, shownColour(colour, backColor_, lineWeight())); });
}

// The pen in device pixels: the screen's pixels per logical pixel, times the
// projector's line weight.
double Surface::penWidth() const {
    return drawWidth_ * deviceRatio() * lineWeight();
}

UserScale Surface::scale() const {
    return userScale_ ? *userScale_ : UserScale::twipsOf(innerRect().size());
}

// Setting one part of the scale keeps the others as they read now.
UserScale& Surface::userScale() {
    if (!userScale_)
        userScale_ = scale();
    return *userScale_;
}

void Surface::setScaleLeft(double value) {
    userScale().left = value;
}

void Surface::setScaleTop(double value) {
    userScale().top = value;
}

void Surface::setScaleWidth(double value) {
    userScale().width = value;
}

void Surface::setScaleHeight(double value) {
    userScale().height = value;
}

void Surface::setDrawWidth(int pixels) {
    drawWidth_ = std::max(1, pixels);
}

void Surface::setBackColor(Colour colour) {
    backColor_ = colour;
    setRetainDrawing(RetainDrawing());
    ensureImages();
    change([&] { canvas_.fill(colour); });
}

void Surface::setRetainDrawing(bool on) {
    if (on && !canvas_.hasPersistentImage())
        ensureImages();
    canvas_.setRetaining(on);
}

// Controls inside the surface are placed in twips of its inner area.
double Surface::toTwipsX(double x) const {
    return scale().toPixels(x, 0, innerRect().size()).x() * twipsPerPixel;
}

double Surface::toTwipsY(double y) const {
    return scale().toPixels(0, y, innerRect().size()).y() * twipsPerPixel;
}

double Surface::toUnitsX(double twipsX) const {
    return toUser({twipsX / twipsPerPixel, 0}).x();
}

double Surface::toUnitsY(double twipsY) const {
    return toUser({0, twipsY / twipsPerPixel}).y();
}

double Surface::widthToTwips(double width) const {
    return scale().widthToPixels(width, innerRect().size()) * twipsPerPixel;
}

double Surface::heightToTwips(double height) const {
    return scale().heightToPixels(height, innerRect().size()) * twipsPerPixel;
}

double Surface::widthToUnits(double twips) const {
    return scale().pixelsToWidth(twips / twipsPerPixel, innerRect().size());
}

double Surface::heightToUnits(double twips) const {
    return scale().pixelsToHeight(twips / twipsPerPixel, innerRect().size());
}

QPointF Surface::toUser(QPointF pixel) const {
    return scale().toUser(pixel, innerRect().size());
}

double Surface::deviceRatio() const {
    return devicePixelRatioF();
}

QPointF Surface::toDevice(double x, double y) const {
    const QPointF device = scale().toPixels(x, y, innerRect().size()) * deviceRatio();
    if (!(std::abs(device.x()) < deviceLimit && std::abs(device.y()) < deviceLimit))
        throw DrawingError();
    // A point is drawn on the pixel that contains it.
    return {std::floor(device.x()), std::floor(device.y())};
}

void Surface::ensureImages() {
    const QSize size = (QSizeF(innerRect().size()) * deviceRatio()).toSize().expandedTo({1, 1});
    canvas_.resize(size, backColor_);
}

long Surface::drawCallCount() {
    return drawCalls;
}
long Surface::nonFiniteCallCount() {
    return nonFiniteCalls;
}

void Surface::record(DrawCall call) {
    ++drawCalls;
    call.width = drawWidth_;
    call.retained = RetainDrawing();
    if (recording_)
        log_.push_back(call);
}

void Surface::Line(double x1, double y1, double x2, double y2, std::optional<Colour> colour) {
    checkFinite({x1, y1, x2, y2});
    const Colour c = colour.value_or(foreColor_);
    const Stroke stroke{Stroke::Kind::Line, toDevice(x1, y1), toDevice(x2, y2), penWidth()};
    record({DrawCall::Op::Line, x1, y1, x2, y2, c});
    currentX_ = x2;
    currentY_ = y2;
    draw(stroke, c);
}

void Surface::LineTo(double x2, double y2, std::optional<Colour> colour) {
    Line(currentX_, currentY_, x2, y2, colour);
}

void Surface::Circle(double x, double y, double radius, std::optional<Colour> colour) {
    checkFinite({x, y, radius});
    const Colour c = colour.value_or(foreColor_);
    const double ratio = deviceRatio();
    const double deviceRadius = scale().widthToPixels(std::abs(radius), innerRect().size()) * ratio;
    if (!(deviceRadius < deviceLimit))
        throw DrawingError();
    const Stroke stroke{Stroke::Kind::Ellipse, toDevice(x, y), QPointF(deviceRadius, 0),
                        penWidth()};
    record({DrawCall::Op::Circle, x, y, radius, 0, c});
    currentX_ = x;
    currentY_ = y;
    draw(stroke, c);
}

void Surface::PSet(double x, double y, std::optional<Colour> colour) {
    checkFinite({x, y});
    const Colour c = colour.value_or(foreColor_);
    const Stroke stroke{Stroke::Kind::Dot, toDevice(x, y), {}, penWidth()};
    record({DrawCall::Op::PSet, x, y, x, y, c});
    currentX_ = x;
    currentY_ = y;
    draw(stroke, c);
}

// Clears to the background, or with RetainDrawing off back to what was
// drawn with it on.
void Surface::Cls() {
    ensureImages();
    record({DrawCall::Op::Cls, 0, 0, 0, 0, backColor_});
    currentX_ = 0;
    currentY_ = 0;
    change([&] { canvas_.clear(backColor_); });
}

void Surface::present() {
    const QRect dirty = canvas_.takeChanged();
    if (dirty.isEmpty())
        return;
    const double ratio = deviceRatio();
    const QRect logical =
        QRectF(dirty.x() / ratio, dirty.y() / ratio, dirty.width() / ratio, dirty.height() / ratio)
            .toAlignedRect()
            .translated(innerRect().topLeft());
    update(logical);
}

void Surface::paintEvent(QPaintEvent* event) {
    ensureImages();
    QPainter painter(this);
    const QRect inner = innerRect();
    const QRect target = event->rect().intersected(inner);
    if (!target.isEmpty()) {
        const double ratio = deviceRatio();
        const QRectF source(QPointF(target.topLeft() - inner.topLeft()) * ratio,
                            QSizeF(target.size()) * ratio);
        painter.drawImage(QRectF(target), canvas_.screen(), source);
    }
    paintFrame(painter);
    paintCursor(painter);
}

void Surface::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    ensureImages();
}

void Surface::dispatchMouse(QMouseEvent* event, MouseHandler handler, Integer button) {
    event->accept();
    report(std::move(handler), button, shiftCode(event->modifiers()), event->position());
}

// The handler is a copy: it may process events that unload the window and
// destroy this surface while it runs.
void Surface::report(MouseHandler handler, Integer button, Integer shift, QPointF pixel) {
    if (!handler)
        return;
    const QPointF user = toUser(pixel - QPointF(innerRect().topLeft()));
    runHandler([&] {
        handler(button, shift, static_cast<Single>(user.x()), static_cast<Single>(user.y()));
    });
}

void Surface::mousePressEvent(QMouseEvent* event) {
    longPress_.press(*event);
    setKeyboardInUse(false);
    if (event->button() == Qt::LeftButton)
        pressedLeft_ = true;
    dispatchMouse(event, onMouseDown, buttonCode(event->button()));
}

void Surface::mouseMoveEvent(QMouseEvent* event) {
    if (longPress_.trembles(*event))
        return event->accept();
    dispatchMouse(event, onMouseMove, buttonsCode(longPress_.buttons(*event)));
}

void Surface::mouseReleaseEvent(QMouseEvent* event) {
    const Qt::MouseButton button = longPress_.release(*event);
    const bool click =
        button == Qt::LeftButton && pressedLeft_ && rect().contains(event->position().toPoint());
    if (button == Qt::LeftButton)
        pressedLeft_ = false;
    const QPointer<Surface> alive(this);
    dispatchMouse(event, onMouseUp, buttonCode(button));
    if (click && alive && onClick)
        runHandler(std::function<void()>(onClick));
}

// A finger held still: its left press ends without a click, and the right
// button goes down where it went down.
void Surface::pressRight(QPointF pixel) {
    pressedLeft_ = false;
    const Integer shift = shiftCode(QGuiApplication::keyboardModifiers());
    const QPointer<Surface> alive(this);
    report(onMouseUp, buttonCode(Qt::LeftButton), shift, pixel);
    if (alive)
        report(onMouseDown, buttonCode(Qt::RightButton), shift, pixel);
}

void Surface::mouseDoubleClickEvent(QMouseEvent* event) {
    mousePressEvent(event);
}

} // namespace ui
