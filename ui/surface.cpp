#include "ui/surface.h"

#include "ui/presenter.h"
#include "ui/runtime.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <cmath>

namespace ui {

namespace {

constexpr double twipsPerPixel = 15;
// Beyond this many device pixels a coordinate lies off any screen: the call fails.
constexpr double deviceLimit = 1e7;
// Transient strokes kept for restoring; beyond that a Cls restores everything.
constexpr std::size_t maxTransients = 4096;

} // namespace

Integer buttonCode(Qt::MouseButton button) {
    switch (button) {
    case Qt::LeftButton:
        return 1;
    case Qt::RightButton:
        return 2;
    case Qt::MiddleButton:
        return 4;
    default:
        return 0;
    }
}

Integer buttonsCode(Qt::MouseButtons buttons) {
    Integer code = 0;
    for (auto button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton})
        if (buttons & button)
            code = static_cast<Integer>(code + buttonCode(button));
    return code;
}

Integer shiftCode(Qt::KeyboardModifiers modifiers) {
    Integer code = 0;
    if (modifiers & Qt::ShiftModifier)
        code |= 1;
    if (modifiers & Qt::ControlModifier)
        code |= 2;
    if (modifiers & Qt::AltModifier)
        code |= 4;
    return code;
}

namespace {

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

// A transient drawing in device pixels, kept so that Cls can restore exactly
// the pixels it covered instead of the whole image.
struct Surface::Stroke {
    enum class Kind { Line, Ellipse, Dot };
    Kind kind;
    QPointF a, b; // line: from a to b; ellipse: centre a, radius b.x(); dot: at a
    double width; // device pixels

    void paint(QPainter& painter) const {
        switch (kind) {
        case Kind::Line:
            painter.drawLine(a, b);
            break;
        case Kind::Ellipse:
            painter.drawEllipse(a, b.x(), b.x());
            break;
        case Kind::Dot:
            painter.drawPoint(a);
            break;
        }
    }

    QRect bounds() const {
        const double pad = width / 2 + 2;
        QRectF box = kind == Kind::Ellipse
                         ? QRectF(a.x() - b.x(), a.y() - b.x(), 2 * b.x(), 2 * b.x())
                         : QRectF(a, kind == Kind::Line ? b : a).normalized();
        return box.adjusted(-pad, -pad, pad, pad).toAlignedRect();
    }
};

Surface::Surface(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

Surface::~Surface() {
    Presenter::instance().forget(this);
}

double Surface::ScaleWidth() const {
    return userScale_ ? scaleWidth_ : innerRect().width() * twipsPerPixel;
}

double Surface::ScaleHeight() const {
    return userScale_ ? scaleHeight_ : innerRect().height() * twipsPerPixel;
}

// Setting one part of the scale keeps the others as they read now.
void Surface::adoptUserScale() {
    if (userScale_)
        return;
    scaleWidth_ = ScaleWidth();
    scaleHeight_ = ScaleHeight();
    userScale_ = true;
}

void Surface::setScaleLeft(double value) {
    adoptUserScale();
    scaleLeft_ = value;
}

void Surface::setScaleTop(double value) {
    adoptUserScale();
    scaleTop_ = value;
}

void Surface::setScaleWidth(double value) {
    adoptUserScale();
    scaleWidth_ = value;
}

void Surface::setScaleHeight(double value) {
    adoptUserScale();
    scaleHeight_ = value;
}

void Surface::setDrawWidth(int pixels) {
    drawWidth_ = std::max(1, pixels);
}

void Surface::setBackColor(Colour colour) {
    backColor_ = colour;
    setRetainDrawing(retain_);
    ensureImages();
    screen_.fill(colour);
    if (!persistent_.isNull())
        persistent_.fill(colour);
    transients_.clear();
    markDirty(screen_.rect());
}

void Surface::setRetainDrawing(bool on) {
    retain_ = on;
    if (on && persistent_.isNull()) {
        ensureImages();
        persistent_ = screen_.copy();
    }
}

double Surface::toTwipsX(double x) const {
    return (x - ScaleLeft()) * innerRect().width() * twipsPerPixel / ScaleWidth();
}

double Surface::toTwipsY(double y) const {
    return (y - ScaleTop()) * innerRect().height() * twipsPerPixel / ScaleHeight();
}

double Surface::toUnitsX(double twipsX) const {
    return twipsX * ScaleWidth() / (innerRect().width() * twipsPerPixel) + ScaleLeft();
}

double Surface::toUnitsY(double twipsY) const {
    return twipsY * ScaleHeight() / (innerRect().height() * twipsPerPixel) + ScaleTop();
}

double Surface::widthToTwips(double width) const {
    return width * innerRect().width() * twipsPerPixel / std::abs(ScaleWidth());
}

double Surface::heightToTwips(double height) const {
    return height * innerRect().height() * twipsPerPixel / std::abs(ScaleHeight());
}

double Surface::widthToUnits(double twips) const {
    return twips * std::abs(ScaleWidth()) / (innerRect().width() * twipsPerPixel);
}

double Surface::heightToUnits(double twips) const {
    return twips * std::abs(ScaleHeight()) / (innerRect().height() * twipsPerPixel);
}

QPointF Surface::toUser(QPointF pixel) const {
    const QRect inner = innerRect();
    return {ScaleLeft() + pixel.x() * ScaleWidth() / inner.width(),
            ScaleTop() + pixel.y() * ScaleHeight() / inner.height()};
}

double Surface::deviceRatio() const {
    return devicePixelRatioF();
}

QPointF Surface::toDevice(double x, double y) const {
    const QRect inner = innerRect();
    const double ratio = deviceRatio();
    const QPointF device((x - ScaleLeft()) * inner.width() / ScaleWidth() * ratio,
                         (y - ScaleTop()) * inner.height() / ScaleHeight() * ratio);
    if (!(std::abs(device.x()) < deviceLimit && std::abs(device.y()) < deviceLimit))
        throw DrawingError();
    // A point is drawn on the pixel that contains it.
    return {std::floor(device.x()), std::floor(device.y())};
}

void Surface::ensureImages() {
    const QSize size = (QSizeF(innerRect().size()) * deviceRatio()).toSize().expandedTo({1, 1});
    if (screen_.size() == size)
        return;
    auto resized = [&](const QImage& old) {
        QImage image(size, QImage::Format_RGB32);
        image.fill(backColor_);
        if (!old.isNull()) {
            QPainter painter(&image);
            painter.drawImage(0, 0, old);
        }
        return image;
    };
    screen_ = resized(screen_);
    if (!persistent_.isNull())
        persistent_ = resized(persistent_);
    transients_.clear();
    transientsOverflowed_ = false;
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
    call.retained = retain_;
    if (recording_)
        log_.push_back(call);
}

void Surface::draw(const Stroke& stroke, Colour colour) {
    ensureImages();
    QPen pen(QColor::fromRgb(colour), stroke.width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    auto paintOn = [&](QImage& image) {
        QPainter painter(&image);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        stroke.paint(painter);
    };
    paintOn(screen_);
    if (retain_) {
        paintOn(persistent_);
    } else if (transients_.size() < maxTransients) {
        transients_.push_back(stroke);
    } else {
        transientsOverflowed_ = true;
    }
    markDirty(stroke.bounds());
}

void Surface::Line(double x1, double y1, double x2, double y2, std::optional<Colour> colour) {
    checkFinite({x1, y1, x2, y2});
    const Colour c = colour.value_or(foreColor_);
    const Stroke stroke{Stroke::Kind::Line, toDevice(x1, y1), toDevice(x2, y2),
                        drawWidth_ * deviceRatio()};
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
    const double deviceRadius =
        std::abs(radius) * innerRect().width() / std::abs(ScaleWidth()) * ratio;
    if (!(deviceRadius < deviceLimit))
        throw DrawingError();
    const Stroke stroke{Stroke::Kind::Ellipse, toDevice(x, y), QPointF(deviceRadius, 0),
                        drawWidth_ * ratio};
    record({DrawCall::Op::Circle, x, y, radius, 0, c});
    currentX_ = x;
    currentY_ = y;
    draw(stroke, c);
}

void Surface::PSet(double x, double y, std::optional<Colour> colour) {
    checkFinite({x, y});
    const Colour c = colour.value_or(foreColor_);
    const Stroke stroke{Stroke::Kind::Dot, toDevice(x, y), {}, drawWidth_ * deviceRatio()};
    record({DrawCall::Op::PSet, x, y, x, y, c});
    currentX_ = x;
    currentY_ = y;
    draw(stroke, c);
}

void Surface::Cls() {
    ensureImages();
    record({DrawCall::Op::Cls, 0, 0, 0, 0, backColor_});
    currentX_ = 0;
    currentY_ = 0;
    if (retain_ || persistent_.isNull() || transientsOverflowed_) {
        if (retain_ && !persistent_.isNull())
            persistent_.fill(backColor_);
        if (persistent_.isNull() || retain_)
            screen_.fill(backColor_);
        else
            screen_ = persistent_.copy();
        markDirty(screen_.rect());
        transients_.clear();
        transientsOverflowed_ = false;
        return;
    }
    restoreTransients();
}

// Clears the screen layer back to the persistent image by painting over each
// transient stroke, a little wider, with the persistent image itself.
void Surface::restoreTransients() {
    {
        QPainter painter(&screen_);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.setBrush(Qt::NoBrush);
        const QBrush source(persistent_);
        for (const Stroke& stroke : transients_) {
            painter.setPen(
                QPen(source, stroke.width + 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            stroke.paint(painter);
            markDirty(stroke.bounds());
        }
    }
    transients_.clear();
}

void Surface::markDirty(const QRect& deviceRect) {
    const QRect clipped = deviceRect.intersected(screen_.rect());
    if (clipped.isEmpty())
        return;
    const bool wasClean = dirty_.isEmpty();
    dirty_ |= clipped;
    if (wasClean)
        Presenter::instance().schedule(this);
}

void Surface::present() {
    if (dirty_.isEmpty())
        return;
    const double ratio = deviceRatio();
    const QRect logical = QRectF(dirty_.x() / ratio, dirty_.y() / ratio, dirty_.width() / ratio,
                                 dirty_.height() / ratio)
                              .toAlignedRect()
                              .translated(innerRect().topLeft());
    dirty_ = {};
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
        painter.drawImage(QRectF(target), screen_, source);
    }
    paintFrame(painter);
}

void Surface::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    ensureImages();
}

void Surface::dispatchMouse(QMouseEvent* event, const MouseHandler& handler, Integer button) {
    event->accept();
    if (!handler)
        return;
    const QPointF user = toUser(event->position() - QPointF(innerRect().topLeft()));
    const Integer shift = shiftCode(event->modifiers());
    runHandler([&] {
        handler(button, shift, static_cast<Single>(user.x()), static_cast<Single>(user.y()));
    });
}

void Surface::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        pressedLeft_ = true;
    dispatchMouse(event, onMouseDown, buttonCode(event->button()));
}

void Surface::mouseMoveEvent(QMouseEvent* event) {
    dispatchMouse(event, onMouseMove, buttonsCode(event->buttons()));
}

void Surface::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = event->button() == Qt::LeftButton && pressedLeft_ &&
                       rect().contains(event->position().toPoint());
    if (event->button() == Qt::LeftButton)
        pressedLeft_ = false;
    dispatchMouse(event, onMouseUp, buttonCode(event->button()));
    if (click && onClick)
        runHandler(onClick);
}

void Surface::mouseDoubleClickEvent(QMouseEvent* event) {
    mousePressEvent(event);
}

} // namespace ui
