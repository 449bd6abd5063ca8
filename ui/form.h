#pragma once
// A top-level window built from a layout table, with the life of a form:
// the first Show loads it (builds the controls, runs Form_Load), Hide keeps
// it, Unload runs Form_Unload and destroys it.

#include "ui/control_ptr.h"
#include "ui/controls.h"
#include "ui/runtime.h"
#include "ui/surface.h"

#include <QFont>
#include <QMargins>
#include <QString>
#include <memory>

namespace ui {

class Form;

// The window's client area: its own drawing surface. Its close box unloads
// the form.
class FormWindow : public Surface {
    Q_OBJECT
public:
    explicit FormWindow(Form& form);

    // The form lets go of its window when it unloads it; until Qt deletes the
    // window, its close box then does nothing.
    void detach() { form_ = nullptr; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    Form* form_;
};

// "MS Sans Serif" at a point size, mapped to an installed sans-serif family.
struct Font {
    double points = 8.25;
    bool bold = true;
};
QFont toQFont(Font font);

struct FormDesign {
    QString caption;
    Colour background = WindowBackground;
    double clientWidth = 0, clientHeight = 0; // twips
    Font font;
    QString name = {}; // the window's name in reports of failing handlers, e.g. "Form2"
};

// The size in twips of the work area: the screen less the desktop's panels.
struct Screen {
    static double Width();
    static double Height();
};

class Form {
public:
    explicit Form(FormDesign design);
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    void Show();
    void Hide();
    void Unload();
    void Move(double left, double top); // twips from the work area's top left, frame included
    double Left() const;
    double Top() const;
    double Width() const; // outer size in twips
    double Height() const;
    void setWidth(double twips);
    void setHeight(double twips);

    bool loaded() const { return window_ != nullptr; }
    bool unloading() const { return unloading_; }
    bool visible() const;
    const QString& caption() const { return design_.caption; }
    // A handler's full name, e.g. "Form2.Command1_Click".
    QString handlerName(const char* handler) const;

    // The client area. Asking for it while the form is not loaded fails
    // (UnloadedError), like using any of its controls then.
    FormWindow& window() const;

    // The line weight changed (the projector setting, for every window at
    // once): a window draws its still pictures again in the new weight.
    virtual void LineWeight_Change() {}

    // The work area changed size (in the browser: the page was resized or
    // turned): a window that fills it lays itself out anew and draws again
    // what it shows.
    virtual void WorkArea_Change() {}

protected:
    virtual void buildLayout() = 0; // the controls, in tab order
    virtual void Form_Load() {}
    virtual void Form_Unload(Integer& cancel) { (void)cancel; }

    // Wraps a handler of this window so that a run-time error in it is
    // reported under its name: Command1->onClick = handler("Command1_Click", ...).
    template <typename Handler> auto handler(const char* name, Handler run) const {
        return [name = handlerName(name), run](auto... args) {
            runHandler([&] { run(args...); }, name);
        };
    }

    Font windowFont() const { return design_.font; }
    PushButton* addButton(Surface& in, Geometry twips, const QString& caption, Font font);
    Label* addLabel(Surface& in, Geometry twips, const QString& caption, Font font);
    TextBox* addTextBox(Surface& in, Geometry twips, const QString& text, Font font,
                        Colour background = WindowBackground);
    HScrollBar* addHScrollBar(Surface& in, Geometry twips, ScrollRange range);
    Frame* addFrame(Surface& in, Geometry twips, const QString& caption, Font font);
    PictureBox* addPictureBox(Surface& in, Geometry twips, Colour background = WindowBackground);

private:
    void load();
    QMargins frame() const;

    FormDesign design_;
    // The loaded window. Unload hands it to Qt, which deletes it once control
    // is back in the event loop: its own handlers may still be on the stack.
    std::unique_ptr<FormWindow> window_;
    QMargins frame_; // the window manager's frame, known before the first Show
    bool unloading_ = false;
};

} // namespace ui
