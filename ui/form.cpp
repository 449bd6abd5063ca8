#include "ui/form.h"

#include "ui/desktop.h"
#include "ui/pixels.h"
#include "ui/runtime.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace ui {

namespace {

// A window shown again comes to the front. The offscreen platform used for
// headless runs has no stacking order and warns when asked.
void bringToFront(QWidget& window) {
    if (QGuiApplication::platformName() == QLatin1String("offscreen"))
        return;
    window.raise();
    window.activateWindow();
}

} // namespace

QFont toQFont(Font font) {
#ifdef Q_OS_WIN
    // Windows has a "MS Sans Serif" of its own, a bitmap font of a few sizes
    // only; Arial, whose widths Liberation Sans shares, sets the captions as
    // wide as on Linux.
    static const QString family = QStringLiteral("Arial");
#else
    static const QString family = QStringLiteral("MS Sans Serif");
#endif
    static const bool substituted = [] {
        QFont::insertSubstitutions(family, {"Liberation Sans", "Arial", "DejaVu Sans"});
        return true;
    }();
    (void)substituted;
    QFont qfont(family);
    qfont.setPixelSize(toInt(std::round(font.points * 96 / 72)));
    qfont.setBold(font.bold);
    return qfont;
}

double Screen::Width() {
    return workArea().width() * twipsPerPixel;
}
double Screen::Height() {
    return workArea().height() * twipsPerPixel;
}

FormWindow::FormWindow(Form& form) : Surface(nullptr), form_(&form) {}

void FormWindow::closeEvent(QCloseEvent* event) {
    // The form decides: its Unload runs Form_Unload and destroys the window.
    event->ignore();
    if (Form* form = form_)
        runHandler([form] { form->Unload(); }, form->handlerName("Form_Unload"));
}

Form::Form(FormDesign design) : design_(std::move(design)) {}

Form::~Form() = default;

FormWindow& Form::window() const {
    if (!window_)
        throw UnloadedError();
    return *window_;
}

void Form::load() {
    window_ = std::make_unique<FormWindow>(*this);
    window_->setWindowTitle(design_.caption);
    frame_ = windowFrame();
    window_->setFont(toQFont(design_.font));
    window_->setFixedSize(twipsToPixels(design_.clientWidth), twipsToPixels(design_.clientHeight));
    window_->setBackColor(design_.background);
    buildLayout();
    Form_Load();
}

void Form::Show() {
    if (!loaded())
        load();
    if (!loaded()) // Form_Load may have unloaded it
        return;
    window_->show();
    bringToFront(*window_);
}

void Form::Hide() {
    if (loaded())
        window_->hide();
}

void Form::Unload() {
    if (!loaded() || unloading_)
        return;
    unloading_ = true;
    Integer cancel = 0;
    Form_Unload(cancel);
    unloading_ = false;
    if (cancel != 0)
        return;
    std::unique_ptr<FormWindow> window = std::move(window_);
    window->detach();
    window->hide();
    window.release()->deleteLater(); // its own close event may be on the stack
}

QString Form::handlerName(const char* handler) const {
    const QString name = QString::fromLatin1(handler);
    return design_.name.isEmpty() ? name : design_.name + QLatin1Char('.') + name;
}

bool Form::visible() const {
    return loaded() && window_->isVisible();
}

// The frame the window really has once the window manager has framed it;
// until then the one it gives every window.
QMargins Form::frame() const {
    const QRect outer = window_->frameGeometry();
    const QRect inner = window_->geometry();
    if (outer == inner)
        return frame_;
    return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
            outer.bottom() - inner.bottom()};
}

// A top-level window's position is that of its frame, also before the
// window manager has framed it.
void Form::Move(double left, double top) {
    if (loaded())
        window_->move(workArea().topLeft() + QPoint(twipsToPixels(left), twipsToPixels(top)));
}

double Form::Left() const {
    return loaded() ? (window_->frameGeometry().x() - workArea().x()) * twipsPerPixel : 0;
}
double Form::Top() const {
    return loaded() ? (window_->frameGeometry().y() - workArea().y()) * twipsPerPixel : 0;
}

double Form::Width() const {
    if (!loaded())
        return 0;
    const QMargins margins = frame();
    return (window_->width() + margins.left() + margins.right()) * twipsPerPixel;
}

double Form::Height() const {
    if (!loaded())
        return 0;
    const QMargins margins = frame();
    return (window_->height() + margins.top() + margins.bottom()) * twipsPerPixel;
}

// The size set is the outer one: the client area gets what the frame leaves.
void Form::setWidth(double twips) {
    if (!loaded())
        return;
    const QMargins margins = frame();
    window_->setFixedWidth(std::max(1, twipsToPixels(twips) - margins.left() - margins.right()));
}

void Form::setHeight(double twips) {
    if (!loaded())
        return;
    const QMargins margins = frame();
    window_->setFixedHeight(std::max(1, twipsToPixels(twips) - margins.top() - margins.bottom()));
}

PushButton* Form::addButton(Surface& in, Geometry twips, const QString& caption, Font font) {
    auto* button = new PushButton(in, twips, caption);
    button->setFont(toQFont(font));
    return button;
}

Label* Form::addLabel(Surface& in, Geometry twips, const QString& caption, Font font) {
    auto* label = new Label(in, twips, caption, in.BackColor());
    label->setFont(toQFont(font));
    return label;
}

TextBox* Form::addTextBox(Surface& in, Geometry twips, const QString& text, Font font,
                          Colour background) {
    auto* box = new TextBox(in, twips, text, background);
    box->setFont(toQFont(font));
    return box;
}

HScrollBar* Form::addHScrollBar(Surface& in, Geometry twips, ScrollRange range) {
    return new HScrollBar(in, twips, range);
}

Frame* Form::addFrame(Surface& in, Geometry twips, const QString& caption, Font font) {
    auto* frame = new Frame(in, twips, caption);
    frame->setFont(toQFont(font));
    return frame;
}

PictureBox* Form::addPictureBox(Surface& in, Geometry twips, Colour background) {
    auto* box = new PictureBox(in, twips);
    box->setBackColor(background);
    return box;
}

} // namespace ui
