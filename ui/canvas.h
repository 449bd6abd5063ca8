#pragma once
// The raster behind a surface, in device pixels: the screen image (what is
// shown) and, once retained drawing was switched on, the persistent image.
// Retained drawing goes into both; other drawing goes to the screen image
// only and is remembered as strokes, so that clearing restores exactly the
// pixels they covered from the persistent image. The canvas also collects
// the rectangle that changed since it was last taken. QImage and QPainter
// only: no widget.
//
// Invariants (checked after every change in debug builds):
// - Once sized, the screen image is 32-bit RGB; the persistent image, when
//   there is one, has the same size and format.
// - The persistent image is behind the screen (retained drawing not yet
//   copied, `persistentBehind_`) only while no transient stroke is on the
//   screen: then the layers differ only there, and copying that rectangle
//   brings them together again.
// - Transient strokes are listed (at most `maxTransients`) or, once that many
//   were drawn or the images were resized, marked as overflowed; clearing
//   then restores the whole screen image.
// - The changed rectangle lies within the screen image.
// - A painter is kept open on an image between strokes, and closed before
//   that image is filled, replaced or written row by row.

#include "ui/colour.h"
#include "ui/stroke.h"

#include <QImage>
#include <QPainter>
#include <QPen>
#include <QRect>
#include <memory>
#include <vector>

namespace ui {

class Canvas {
public:
    // Resizes both images to `size`, keeping what they show at the top left
    // and filling the new parts with `background`.
    void resize(QSize size, Colour background);

    bool retaining() const { return retain_; }
    bool hasPersistentImage() const { return !persistent_.isNull(); }
    // Switching retained drawing on the first time makes the persistent
    // image a copy of the screen.
    void setRetaining(bool on);

    // Fills both images and forgets every stroke.
    void fill(Colour colour);
    void draw(const Stroke& stroke, Colour colour);
    // With retained drawing on, or with no persistent image, clears both
    // images to `background`; otherwise restores the screen image from the
    // persistent one: stroke by stroke while the strokes are known, else as
    // a whole.
    void clear(Colour background);

    const QImage& screen() const { return screen_; }
    const QRect& changed() const { return dirty_; }
    QRect takeChanged();

private:
    void endPainting();
    QPainter& painterOn(QImage& image, std::unique_ptr<QPainter>& painter);
    bool layersEqual() const;
    void syncPersistent();
    void restoreTransients();
    void markChanged(const QRect& rect);
    void checkInvariants() const;

    QImage screen_; // none until the first resize
    QImage persistent_;
    bool retain_ = false;
    // Painters kept open on the images between drawing calls.
    std::unique_ptr<QPainter> screenPainter_, persistentPainter_;
    // The pen of the last stroke, for the next one of the same colour and width.
    QPen pen_{QColor::fromRgb(WindowText), 1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin};
    Colour penColour_ = WindowText;
    QRect persistentBehind_;
    std::vector<Stroke> transients_;
    bool transientsOverflowed_ = false;
    QRect dirty_;
};

} // namespace ui
