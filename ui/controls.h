#pragma once
// The standard controls. Each is placed inside a container surface; its
// position and size are read and written in that container's units.

#include "ui/numeric.h"
#include "ui/surface.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <functional>

namespace ui {

// Geometry in twips, relative to the container's inner area.
struct Geometry {
    double left, top, width, height;
};

// The placement every control shares. Positions are kept exactly as set (in
// twips) and rounded to pixels only for the widget.
class Placed {
public:
    double Left() const;
    double Top() const;
    double Width() const;
    double Height() const;
    void setLeft(double value);
    void setTop(double value);
    void setWidth(double value);
    void setHeight(double value);
    bool Visible() const; // set with QWidget::setVisible
    Surface& container() const { return container_; }
    Geometry twips() const { return twips_; }

protected:
    Placed(QWidget& self, Surface& container, Geometry twips);
    virtual ~Placed() = default;
    void applyGeometry();

private:
    QWidget& self_;
    Surface& container_;
    Geometry twips_;
};

class PushButton : public QPushButton, public Placed {
    Q_OBJECT
public:
    PushButton(Surface& container, Geometry twips, const QString& caption);
    QString Caption() const { return text(); }
    void setCaption(const QString& caption) { setText(caption); }

    std::function<void()> onClick;     // a completed left click, Space or Enter
    Surface::MouseHandler onMouseDown; // any mouse button, at the press

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

class Label : public QLabel, public Placed {
    Q_OBJECT
public:
    Label(Surface& container, Geometry twips, const QString& caption, Colour background);
    QString Caption() const { return text(); }
    void setCaption(const QString& caption) { setText(caption); }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

// A number box: shows what the program writes, never what the user types.
class TextBox : public QLineEdit, public Placed {
    Q_OBJECT
public:
    TextBox(Surface& container, Geometry twips, const QString& text, Colour background);
    QString Text() const { return text(); }
    void setText(const QString& text) { QLineEdit::setText(text); }

protected:
    bool event(QEvent* event) override;
};

struct ScrollRange {
    int min, max, value, smallChange, largeChange;
};

class HScrollBar : public QScrollBar, public Placed {
    Q_OBJECT
public:
    HScrollBar(Surface& container, Geometry twips, ScrollRange range);
    Integer Value() const { return static_cast<Integer>(value()); }
    void setValue(int value) { QScrollBar::setValue(value); }

    // A real change of the value: an arrow, the track, a key, or the end of a
    // thumb drag; never while the thumb is being dragged.
    std::function<void()> onChange;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};

class Frame : public QGroupBox, public Placed {
    Q_OBJECT
public:
    Frame(Surface& container, Geometry twips, const QString& caption);
    QString Caption() const { return title(); }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

// A picture box: a drawing surface with a flat one-pixel border, and a
// focus frame inside it while it has the keyboard focus, which it takes only
// when its window sets a focus policy for the keys it gives it.
class PictureBox : public Surface, public Placed {
    Q_OBJECT
public:
    PictureBox(Surface& container, Geometry twips);
    QRect innerRect() const override { return rect().adjusted(1, 1, -1, -1); }

protected:
    void paintFrame(QPainter& painter) override;
};

} // namespace ui
