#include "ui/canvas.h"

#include <cstring>

namespace ui {

namespace {

// Transient strokes kept for restoring; beyond that a clear restores everything.
constexpr std::size_t maxTransients = 4096;

// Copies columns left..right of row y between two images of the same size
// and format. No painter may be open on `to`.
void copyRow(const QImage& from, QImage& to, int y, int left, int right) {
    std::memcpy(to.scanLine(y) + left * sizeof(QRgb), from.constScanLine(y) + left * sizeof(QRgb),
                (right - left + 1) * sizeof(QRgb));
}

} // namespace

void Canvas::checkInvariants() const {
    Q_ASSERT(screen_.isNull() || screen_.format() == QImage::Format_RGB32);
    Q_ASSERT(persistent_.isNull() ||
             (persistent_.size() == screen_.size() && persistent_.format() == screen_.format()));
    Q_ASSERT(persistentBehind_.isEmpty() || layersEqual());
    Q_ASSERT(transients_.size() <= maxTransients);
    Q_ASSERT(dirty_.isEmpty() || screen_.rect().contains(dirty_));
}

// Opening a painter costs more than most strokes, so each image keeps one
// open between drawing calls. It is closed before the image is replaced,
// filled or written row by row.
QPainter& Canvas::painterOn(QImage& image, std::unique_ptr<QPainter>& painter) {
    if (painter && !image.isDetached())
        painter.reset(); // a new painter detaches the image from its copies
    if (!painter) {
        painter = std::make_unique<QPainter>(&image);
        painter->setBrush(Qt::NoBrush);
    }
    return *painter;
}

void Canvas::endPainting() {
    screenPainter_.reset();
    persistentPainter_.reset();
}

// The screen layer shows the persistent image and nothing else: no
// transient stroke is on it.
bool Canvas::layersEqual() const {
    return !persistent_.isNull() && transients_.empty() && !transientsOverflowed_;
}

// Brings the persistent image up to the retained drawing that went to the
// screen layer only, before the layers part.
void Canvas::syncPersistent() {
    if (persistentBehind_.isEmpty())
        return;
    persistentPainter_.reset();
    for (int y = persistentBehind_.top(); y <= persistentBehind_.bottom(); ++y)
        copyRow(screen_, persistent_, y, persistentBehind_.left(), persistentBehind_.right());
    persistentBehind_ = {};
}

void Canvas::resize(QSize size, Colour background) {
    if (screen_.size() == size)
        return;
    endPainting();
    syncPersistent();
    auto resized = [&](const QImage& old) {
        QImage image(size, QImage::Format_RGB32);
        image.fill(background);
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
    dirty_ = dirty_.intersected(screen_.rect());
    checkInvariants();
}

void Canvas::setRetaining(bool on) {
    retain_ = on;
    if (on && persistent_.isNull())
        persistent_ = screen_.copy();
    checkInvariants();
}

void Canvas::fill(Colour colour) {
    endPainting();
    screen_.fill(colour);
    if (!persistent_.isNull())
        persistent_.fill(colour);
    persistentBehind_ = {};
    transients_.clear();
    transientsOverflowed_ = false;
    markChanged(screen_.rect());
    checkInvariants();
}

void Canvas::draw(const Stroke& stroke, Colour colour) {
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
    markChanged(bounds);
    checkInvariants();
}

void Canvas::clear(Colour background) {
    if (!retain_ && !persistent_.isNull() && !transientsOverflowed_) {
        restoreTransients();
        checkInvariants();
        return;
    }
    endPainting();
    if (retain_ || persistent_.isNull()) {
        persistentBehind_ = {};
        if (!persistent_.isNull())
            persistent_.fill(background);
        screen_.fill(background);
    } else {
        syncPersistent();
        screen_ = persistent_.copy();
    }
    markChanged(screen_.rect());
    transients_.clear();
    transientsOverflowed_ = false;
    checkInvariants();
}

// Clears the screen layer back to the persistent image where transient
// strokes were drawn. Elsewhere the layers are equal, so copying rows of the
// persistent image over a little more than each stroke covered restores
// exactly, and costs far less than stroking again.
void Canvas::restoreTransients() {
    screenPainter_.reset();
    const QRect image = screen_.rect();
    for (const Stroke& stroke : transients_) {
        stroke.cover(image, [&](int y, int left, int right) {
            copyRow(persistent_, screen_, y, left, right);
        });
        markChanged(stroke.bounds());
    }
    transients_.clear();
}

void Canvas::markChanged(const QRect& rect) {
    dirty_ |= rect.intersected(screen_.rect());
}

QRect Canvas::takeChanged() {
    const QRect changed = dirty_;
    dirty_ = {};
    return changed;
}

} // namespace ui
