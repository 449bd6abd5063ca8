#include "ui/form.h"

#include "ui/pixels.h"
#include "ui/runtime.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace ui {

namespace {

QSize screenPixels() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->size() : QSize(1024, 768);
}

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
    static const bool substituted = [] {
        QFont::insertSubstitutions("MS Sans Serif", {"Liberation Sans", "Arial", "DejaVu Sans"});
        return true;
    }();
    (void)substituted;
    QFont qfont("MS Sans Serif");
    qfont.setPixelSize(toInt(std::round(font.points * 96 / 72)));
    qfont.setBold(font.bold);
    return qfont;
}

double Screen::Width() {
    return screenPixels().width() * twipsPerPixel;
}
double Screen::Height() {
    return screenPixels().height() * twipsPerPixel;
}

FormWindow::FormWindow(Form& form) : Surface(nullptr), form_(&form) {}

void FormWindow::closeEvent(QCloseEvent* event) {
    // The form decides: its Unload runs Form_Unload and destroys the window.
    event->ignore();
    if (Form* form = form_)
        runHandler([form] { form->Unload(); });
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

bool Form::visible() const {
    return loaded() && window_->isVisible();
}

QSize Form::frameExtra() const {
    return window_->frameGeometry().size() - window_->geometry().size();
}

void Form::Move(double left, double top) {
    if (loaded())
        window_->move(twipsToPixels(left), twipsToPixels(top));
}

double Form::Left() const {
    return loaded() ? window_->frameGeometry().x() * twipsPerPixel : 0;
}
double Form::Top() const {
    return loaded() ? window_->frameGeometry().y() * twipsPerPixel : 0;
}

double Form::Width() const {
    return loaded() ? window_->frameGeometry().width() * twipsPerPixel : 0;
}

double Form::Height() const {
    return loaded() ? window_->frameGeometry().height() * twipsPerPixel : 0;
}

void Form::setWidth(double twips) {
    if (loaded())
        window_->setFixedWidth(std::max(1, twipsToPixels(twips) - frameExtra().width()));
}

void Form::setHeight(double twips) {
    if (loaded())
        window_->setFixedHeight(std::max(1, twipsToPixels(twips) - frameExtra().height()));
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
