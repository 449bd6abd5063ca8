#include "ui/surface.h"

#include "ui/presenter.h"
#include "ui/runtime.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <cmath>
#include <cstring>

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

// A round dot filling the pixels of `square` whose centres lie within its
// inscribed circle, row by row.
void fillDisc(QPainter& painter, const QRect& square, const QColor& colour) {
    const double radius = square.width() / 2.0;
    for (int row = 0; row < square.height(); ++row) {
        const double dy = row + 0.5 - radius;
        int inset = 0;
        while (inset < radius && std::pow(inset + 0.5 - radius, 2) + dy * dy > radius * radius)
            ++inset;
        painter.fillRect(square.left() + inset, square.top() + row, square.width() - 2 * inset, 1,
                         colour);
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

    // Upright and level lines, the bars of the wave pictures and most of
    // what the program draws, are the pen's square swept along the line: one
    // rectangle fill instead of an outline stroked with round caps, which
    // costs far more than the few pixels it would round off at the ends.
    bool isUpright() const { return kind == Kind::Line && (a.x() == b.x() || a.y() == b.y()); }

    // The pixels a pen square covers around a line or a dot, the pen's
    // pixel count wide, centred on the pixel of the point.
    QRect sweptRect() const {
        const int pen = std::max(1, int(std::lround(width)));
        const int before = pen / 2;
        const int after = pen - 1 - before;
        const QPoint to = kind == Kind::Line ? b.toPoint() : a.toPoint();
        return QRect(
            QPoint(std::min(int(a.x()), to.x()) - before, std::min(int(a.y()), to.y()) - before),
            QPoint(std::max(int(a.x()), to.x()) + after, std::max(int(a.y()), to.y()) + after));
    }

    void paint(QPainter& painter, const QPen& pen) const {
        if (isUpright()) {
            painter.fillRect(sweptRect(), pen.color());
            return;
        }
        if (kind == Kind::Dot && width > 1) {
            fillDisc(painter, sweptRect(), pen.color());
            return;
        }
        painter.setPen(pen);
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

    // Calls span(y, left, right) for every row of `image` the stroke may have
    // painted, with a span of columns that holds every pixel it painted in
    // that row and perhaps a few more. A line's pixels lie within width / 2
    // of it plus a little rounding; the margin of the bounds covers both.
    template <typename Span> void cover(const QRect& image, Span span) const {
        const QRect box = bounds().intersected(image);
        if (box.isEmpty())
            return;
        if (kind != Kind::Line || a.y() == b.y()) {
            for (int y = box.top(); y <= box.bottom(); ++y)
                span(y, box.left(), box.right());
            return;
        }
        const double margin = width / 2 + 2;
        for (int y = box.top(); y <= box.bottom(); ++y) {
            // The part of the line within the margin of this row.
            double t1 = (y - margin - a.y()) / (b.y() - a.y());
            double t2 = (y + 1 + margin - a.y()) / (b.y() - a.y());
            if (t1 > t2)
                std::swap(t1, t2);
            t1 = std::max(t1, 0.0);
            t2 = std::min(t2, 1.0);
            if (t1 > t2)
                continue;
            const double x1 = a.x() + t1 * (b.x() - a.x());
            const double x2 = a.x() + t2 * (b.x() - a.x());
            const int left = std::max(box.left(), int(std::floor(std::min(x1, x2) - margin)));
            const int right = std::min(box.right(), int(std::ceil(std::max(x1, x2) + margin)));
            if (left <= right)
                span(y, left, right);
        }
    }
};

namespace {

// Copies columns left..right of row y between two images of the same size
// and format. No painter may be open on `to`.
void copyRow(const QImage& from, QImage& to, int y, int left, int right) {
    std::memcpy(to.scanLine(y) + left * sizeof(QRgb), from.constScanLine(y) + left * sizeof(QRgb),
                (right - left + 1) * sizeof(QRgb));
}

} // namespace

Surface::Surface(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

Surface::~Surface() {
    Presenter::instance().forget(this);
}

// Opening a painter costs more than most strokes, so each image keeps one
// open between drawing calls. It is closed before the image is replaced,
// filled or written row by row.
QPainter& Surface::painterOn(QImage& image, std::unique_ptr<QPainter>& painter) {
    if (painter && !image.isDetached())
        painter.reset(); // a new painter detaches the image from its copies
    if (!painter) {
        painter = std::make_unique<QPainter>(&image);
        painter->setBrush(Qt::NoBrush);
    }
    return *painter;
}

void Surface::endPainting() {
    screenPainter_.reset();
    persistentPainter_.reset();
}

// The screen layer shows the persistent image and nothing else: no
// transient stroke is on it.
bool Surface::layersEqual() const {
    return !persistent_.isNull() && transients_.empty() && !transientsOverflowed_;
}

// Brings the persistent image up to the retained drawing that went to the
// screen layer only, before the layers part.
void Surface::syncPersistent() {
    if (persistentBehind_.isEmpty())
        return;
    persistentPainter_.reset();
    for (int y = persistentBehind_.top(); y <= persistentBehind_.bottom(); ++y)
        copyRow(screen_, persistent_, y, persistentBehind_.left(), persistentBehind_.right());
    persistentBehind_ = {};
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
    endPainting();
    screen_.fill(colour);
    if (!persistent_.isNull())
        persistent_.fill(colour);
    persistentBehind_ = {};
    transients_.clear();
    transientsOverflowed_ = false;
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
    endPainting();
    syncPersistent();
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
    // Strokes no longer listed can only be cleared with the whole image.
    transientsOverflowed_ = transientsOverflowed_ || !transients_.empty();
    transients_.clear();
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
    if (penColour_ != colour || pen_.widthF() != stroke.width) {
        pen_ =
            QPen(QColor::fromRgb(colour), stroke.width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
        penColour_ = colour;
    }
    auto paintOn = [&](QImage& image, std::unique_ptr<QPainter>& painter) {
        stroke.paint(painterOn(image, painter), pen_);
    };
    const QRect bounds = stroke.bounds();
    if (retain_ && layersEqual()) {
        // Drawn once; the persistent image copies it when the layers part.
        paintOn(screen_, screenPainter_);
        persistentBehind_ |= bounds.intersected(screen_.rect());
    } else {
        if (!retain_)
            syncPersistent();
        paintOn(screen_, screenPainter_);
        if (retain_) {
            paintOn(persistent_, persistentPainter_);
        } else if (transients_.size() < maxTransients) {
            transients_.push_back(stroke);
        } else {
            transientsOverflowed_ = true;
        }
    }
    markDirty(bounds);
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

// With RetainDrawing on, or with no persistent image, Cls clears to the
// background; otherwise it clears the screen layer back to the persistent
// image: stroke by stroke while the strokes are known, else as a whole.
void Surface::Cls() {
    ensureImages();
    record({DrawCall::Op::Cls, 0, 0, 0, 0, backColor_});
    currentX_ = 0;
    currentY_ = 0;
    if (!retain_ && !persistent_.isNull() && !transientsOverflowed_) {
        restoreTransients();
        return;
    }
    endPainting();
    if (retain_ || persistent_.isNull()) {
        persistentBehind_ = {};
        if (!persistent_.isNull())
            persistent_.fill(backColor_);
        screen_.fill(backColor_);
    } else {
        syncPersistent();
        screen_ = persistent_.copy();
    }
    markDirty(screen_.rect());
    transients_.clear();
    transientsOverflowed_ = false;
}

// Clears the screen layer back to the persistent image where transient
// strokes were drawn. Elsewhere the layers are equal, so copying rows of the
// persistent image over a little more than each stroke covered restores
// exactly, and costs far less than stroking again.
void Surface::restoreTransients() {
    screenPainter_.reset();
    const QRect image = screen_.rect();
    for (const Stroke& stroke : transients_) {
        stroke.cover(image, [&](int y, int left, int right) {
            copyRow(persistent_, screen_, y, left, right);
        });
        markDirty(stroke.bounds());
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
