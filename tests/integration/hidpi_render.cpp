// Renders the HiDPI pictures at the screen's device pixel ratio and writes
// them, with the control geometries of the three windows, for hidpi_compare.

#include "../support/support.h"
#include "hidpi.h"

#include "app/form1.h"
#include "huygens/form3.h"
#include "phasor/form2.h"
#include "ui/form.h"

#include <QFile>
#include <QGuiApplication>
#include <QScreen>
#include <QTextStream>

namespace {

constexpr ui::Colour red = ui::RGB(255, 0, 0);
constexpr ui::Colour blue = ui::RGB(0, 0, 255);

// A window with one surface per kind of stroke. Both picture boxes are scaled
// one unit to one logical pixel of their inner area.
class SceneForm : public ui::Form {
public:
    SceneForm() : ui::Form({"Szenen", ui::WindowBackground, 9000, 5250, {8.25, true}}) {}
    ui::PictureBox* Strokes = nullptr;  // 380 x 280 inside its border
    ui::PictureBox* Retained = nullptr; // 180 x 140 inside its border

protected:
    void buildLayout() override {
        Strokes = addPictureBox(window(), {150, 150, 5730, 4230});
        Retained = addPictureBox(window(), {6000, 150, 2730, 2130});
    }
    void Form_Load() override {
        for (ui::Surface* surface : {Strokes, Retained}) {
            surface->setScaleWidth(surface->innerRect().width());
            surface->setScaleHeight(surface->innerRect().height());
        }
    }
};

void drawStrokes(ui::Surface& s) {
    for (int pen = 1; pen <= 6; ++pen) {
        s.setDrawWidth(pen);
        s.Line(10, 10 + 14 * (pen - 1), 150, 10 + 14 * (pen - 1));  // horizontal
        s.Line(170 + 14 * (pen - 1), 10, 170 + 14 * (pen - 1), 90); // vertical
        s.PSet(20 + 30 * (pen - 1), 230);                           // dots
    }
    s.setDrawWidth(1);
    s.Line(10, 100, 150, 180);
    s.Circle(300, 60, 40);
    s.setDrawWidth(3);
    s.Line(10, 120, 150, 200);
    s.Circle(300, 60, 25);
    s.setDrawWidth(2);
    s.Circle(300, 180, 50, blue);
    s.setDrawWidth(4);
    s.Line(200, 230, 370, 270, red);
}

// Retained strokes, transient strokes over them, then a Cls that must leave
// exactly the retained ones.
void drawRetained(ui::Surface& s) {
    s.setRetainDrawing(true);
    s.setDrawWidth(2);
    s.Circle(90, 70, 50);
    s.Line(10, 70, 170, 70);
    s.setRetainDrawing(false);
    s.setDrawWidth(3);
    s.Line(10, 10, 170, 130, red);
    s.Circle(90, 70, 30, blue);
    s.setDrawWidth(5);
    s.PSet(40, 110, red);
    s.Cls();
}

int screenRatio() {
    return static_cast<int>(QGuiApplication::primaryScreen()->devicePixelRatio());
}

void save(const ui::Surface& surface, const QString& name) {
    const QString dir = hidpi::runDirectory(screenRatio());
    ASSERT_TRUE(QDir().mkpath(dir));
    const QImage& image = surface.screenImage();
    // The backing image has the device resolution of the surface's inner area.
    EXPECT_EQ(image.size(), surface.innerRect().size() * screenRatio()) << name.toStdString();
    EXPECT_TRUE(image.save(QDir(dir).filePath(name + ".png"))) << name.toStdString();
}

// The widget shows its backing image pixel for pixel, at device resolution.
void expectShownAsDrawn(ui::Surface& surface, QRect logical) {
    const QImage shown = surface.grab(logical).toImage().convertToFormat(QImage::Format_RGB32);
    const int ratio = screenRatio();
    const QRect device(logical.topLeft() - surface.innerRect().topLeft(), logical.size());
    const QImage drawn =
        surface.screenImage().copy(QRect(device.topLeft() * ratio, device.size() * ratio));
    ASSERT_EQ(shown.size(), drawn.size());
    EXPECT_TRUE(shown == drawn);
}

// Every widget of a window with its place in the window, in logical pixels.
void describe(QTextStream& out, const QString& name, const ui::Form& form) {
    const QWidget& window = form.window();
    out << name << " window " << window.width() << 'x' << window.height() << '\n';
    for (const QWidget* child : window.findChildren<QWidget*>()) {
        const QRect box(child->mapTo(&window, QPoint(0, 0)), child->size());
        out << name << ' ' << child->metaObject()->className() << ' ' << box.x() << ',' << box.y()
            << ' ' << box.width() << 'x' << box.height() << (child->isHidden() ? " hidden" : "")
            << '\n';
    }
}

using HiDpiRender = AppTest;

} // namespace

TEST_F(HiDpiRender, StrokesCirclesDotsAndRetainedDrawing) {
    // The logical screen is the same at both ratios, so windows sized to it match.
    ASSERT_EQ(QGuiApplication::primaryScreen()->geometry().size(), QSize(1920, 1080));
    SceneForm form;
    form.Show();
    drawStrokes(*form.Strokes);
    drawRetained(*form.Retained);
    // Drawing on the client area of the window itself, in twips.
    form.window().setDrawWidth(2);
    form.window().Line(6000, 2700, 8850, 5100);
    form.window().Circle(7400, 3900, 900, red);

    expectShownAsDrawn(*form.Strokes, form.Strokes->innerRect());
    expectShownAsDrawn(*form.Retained, form.Retained->innerRect());
    expectShownAsDrawn(form.window(), QRect(400, 160, 200, 190)); // no control there
    // The red dot and the top of the blue circle are gone after the Cls.
    const QImage& retained = form.Retained->screenImage();
    for (const QPoint at : {QPoint(40, 110), QPoint(90, 40)})
        EXPECT_EQ(retained.pixel(at * screenRatio()) | 0xff000000u, ui::WindowBackground);
    save(*form.Strokes, "strokes");
    save(*form.Retained, "retained");
    save(form.window(), "scene_window");
    form.Unload();
}

TEST_F(HiDpiRender, WindowPicturesAndControlGeometries) {
    app->form1().Command1_Click();
    Form3& huygens = app->form3();
    ui::Surface& field = huygens.window();
    leftClick(&field, pixelAt(field, 1500, 300));
    const QPoint scan = pixelAt(field, 1000, 0);
    mousePress(&field, Qt::RightButton, scan);
    mouseRelease(&field, Qt::RightButton, scan);
    ASSERT_TRUE(huygens.Picture3->Visible());
    ASSERT_TRUE(huygens.Picture1->Visible());
    save(field, "huygens_field");
    save(*huygens.Picture3, "huygens_phasors");
    save(*huygens.Picture1, "huygens_scan");

    app->form1().Command2_Click();
    Form2& phasor = app->form2();
    atEventProcessing(1, [&] { phasor.stoppedFlag = 1; }); // stop after the first frame
    phasor.Command1_Click();
    save(*phasor.Picture1, "phasor_waves");
    save(*phasor.Picture2, "phasor_box");

    QFile file(QDir(hidpi::runDirectory(screenRatio())).filePath(hidpi::geometryFile));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QTextStream out(&file);
    describe(out, "Form1", app->form1());
    describe(out, "Form2", phasor);
    describe(out, "Form3", huygens);
}
