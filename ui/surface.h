#pragma once
// A drawing surface: a window's client area or a picture box. The widget
// that turns Qt's mouse events into handler calls, maps the drawing calls
// through its user scale onto its canvas at the screen's device pixel ratio,
// repaints only the rectangle that changed and keeps the drawing log.

#include "ui/canvas.h"
#include "ui/colour.h"
#include "ui/mouse_codes.h"
#include "ui/numeric.h"
#include "ui/touch.h"
#include "ui/user_scale.h"

#include <QImage>
#include <QWidget>
#include <functional>
#include <optional>
#include <vector>

namespace ui {

// One drawing call as the surface received it, in user coordinates.
struct DrawCall {
    enum class Op { Line, Circle, PSet, Cls };
    Op op = Op::Line;
    double x1 = 0, y1 = 0; // Line: start; Circle: centre; PSet: the point
    double x2 = 0, y2 = 0; // Line: end; Circle: x2 is the radius
    Colour colour = 0;
    int width = 1;         // DrawWidth at the time of the call
    bool retained = false; // drawn with RetainDrawing on
};

class Surface : public QWidget {
    Q_OBJECT
public:
    explicit Surface(QWidget* parent = nullptr);
    ~Surface() override;

    // User scale. Until one is set the units are twips with (0, 0) at the top
    // left; setting any of the four switches to a user scale.
    double ScaleLeft() const { return scale().left; }
    double ScaleTop() const { return scale().top; }
    double ScaleWidth() const { return scale().width; }
    double ScaleHeight() const { return scale().height; }
    void setScaleLeft(double value);
    void setScaleTop(double value);
    void setScaleWidth(double value);
    void setScaleHeight(double value);

    int DrawWidth() const { return drawWidth_; }
    void setDrawWidth(int pixels);
    Colour ForeColor() const { return foreColor_; }
    void setForeColor(Colour colour) { foreColor_ = colour; }
    Colour BackColor() const { return backColor_; }
    void setBackColor(Colour colour);
    double CurrentX() const { return currentX_; }
    double CurrentY() const { return currentY_; }

    // With RetainDrawing on, drawing goes into the persistent image (and
    // shows); with it off, drawing goes to the screen layer only and Cls
    // clears back to the persistent image.
    bool RetainDrawing() const { return canvas_.retaining(); }
    void setRetainDrawing(bool on);

    // Drawing. Without a colour the foreground colour is used. Line and PSet
    // leave the current point at their end point. A call with a coordinate
    // that is not finite or lies beyond any screen throws DrawingError.
    void Line(double x1, double y1, double x2, double y2, std::optional<Colour> colour = {});
    void LineTo(double x2, double y2, std::optional<Colour> colour = {}); // from the current point
    void Circle(double x, double y, double radius, std::optional<Colour> colour = {});
    void PSet(double x, double y, std::optional<Colour> colour = {});
    void Cls();

    // Mouse events: button 1 left, 2 right, 4 middle (in moves the sum of the
    // held buttons), shift 1 Shift, 2 Ctrl, 4 Alt, and x, y in user units. A
    // finger acts as the left button, held still as the right one (touch.h).
    using MouseHandler = std::function<void(Integer button, Integer shift, Single x, Single y)>;
    MouseHandler onMouseDown, onMouseMove, onMouseUp;
    std::function<void()> onClick;

    // Keys: the arrows, Home, End, Enter and Esc with their codes
    // (key_codes.h) and the shift state, while the surface itself has the
    // focus; every other key goes on to the toolkit, and so do these when no
    // handler is set.
    using KeyHandler = std::function<void(Integer key, Integer shift)>;
    KeyHandler onKeyDown;

    // The keyboard's cursor: a small cross at a point in user units, shown
    // while the surface has the focus and the keyboard is being used on it.
    // Like the focus frame of a picture box it is painted over the picture,
    // never into it.
    void setCursorMark(QPointF user);

    // Conversions between user units and twips of the inner area (the twips
    // that controls inside the surface are placed in).
    double toTwipsX(double x) const;
    double toTwipsY(double y) const;
    double toUnitsX(double twipsX) const;
    double toUnitsY(double twipsY) const;
    double widthToTwips(double width) const;
    double heightToTwips(double height) const;
    double widthToUnits(double twips) const;
    double heightToUnits(double twips) const;
    QPointF toUser(QPointF logicalPixel) const; // from inner-area pixels

    // The inner (drawing) area in logical pixels, relative to the widget.
    virtual QRect innerRect() const { return rect(); }

    // The drawing log: every call while recording is on, for tests.
    void setRecording(bool on) { recording_ = on; }
    const std::vector<DrawCall>& drawLog() const { return log_; }
    void clearDrawLog() { log_.clear(); }

    // Drawing calls made on all surfaces, and calls refused for a coordinate
    // that was not a number or infinite: the stress test watches both.
    static long drawCallCount();
    static long nonFiniteCallCount();

    // What the surface shows (the screen layer), at device resolution.
    const QImage& screenImage() const { return canvas_.screen(); }

    // Repaints the changed rectangle at the next event processing; the
    // presenter calls it once per refresh.
    void present();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    virtual void paintFrame(QPainter&) {}
    bool showsFocus() const;

private:
    UserScale scale() const;
    UserScale& userScale(); // the scale as it reads now, from now on set by the user
    void ensureImages();
    QPointF toDevice(double x, double y) const;
    double deviceRatio() const;
    double penWidth() const;
    void record(DrawCall call);
    template <typename Change> void change(Change&& change);
    void draw(const Stroke& stroke, Colour colour);
    void report(MouseHandler handler, Integer button, Integer shift, QPointF pixel);
    void pressRight(QPointF pixel);
    void dispatchMouse(QMouseEvent* event, MouseHandler handler, Integer button);
    // The keyboard's cursor (surface_keys.cpp), in widget pixels.
    QRect cursorRect() const;
    QPointF cursorCentre() const;
    void paintCursor(QPainter& painter) const;
    void setKeyboardInUse(bool inUse);
    bool repeats(const QKeyEvent& press) const;

    std::optional<UserScale> userScale_; // none: twips of the inner area
    int drawWidth_ = 1;
    Colour foreColor_ = WindowText;
    Colour backColor_ = WindowBackground;
    double currentX_ = 0, currentY_ = 0;
    Canvas canvas_;
    bool pressedLeft_ = false;
    std::optional<QPointF> cursorMark_;
    bool keyboardInUse_ = false; // the cursor shows: Tab or a key, not the mouse, came last
    int releasedKey_ = 0;        // the last key released, and when: to tell repeats
    quint64 releasedAt_ = 0;

    bool recording_ = false;
    std::vector<DrawCall> log_;

    LongPress longPress_{*this, [this](QPointF pixel) { pressRight(pixel); }};
};

} // namespace ui
