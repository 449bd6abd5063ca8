// The pictures at device pixel ratio 1 and 2. The render test runs once at
// each ratio and writes its pictures into <HIDPI_DIR>/dpr<ratio>/; the compare
// test then reads both runs: at the same logical size they show the same, the
// ratio-2 pictures really have twice the resolution, and pens are twice as
// wide in device pixels.

#include "../support/support.h"

#include "ui/form.h"

#include <QDir>
#include <QGuiApplication>
#include <QScreen>

namespace {

const QStringList pictureNames = {"strokes", "phasor_box", "huygens_field"};

QString runDirectory(int ratio) {
    return QDir(qEnvironmentVariable("HIDPI_DIR")).filePath(QString("dpr%1").arg(ratio));
}

QImage load(int ratio, const QString& name) {
    return QImage(QDir(runDirectory(ratio)).filePath(name + ".png"))
        .convertToFormat(QImage::Format_RGB32);
}

int screenRatio() {
    return static_cast<int>(QGuiApplication::primaryScreen()->devicePixelRatio());
}

void save(const ui::Surface& surface, const QString& name) {
    ASSERT_TRUE(QDir().mkpath(runDirectory(screenRatio())));
    const QImage& image = surface.screenImage();
    EXPECT_EQ(image.size(), surface.innerRect().size() * screenRatio()) << name.toStdString();
    EXPECT_TRUE(image.save(QDir(runDirectory(screenRatio())).filePath(name + ".png")));
}

// A picture box of 380 x 280 inner pixels, one unit a logical pixel.
class StrokesForm : public ui::Form {
public:
    StrokesForm() : ui::Form({"Striche", ui::WindowBackground, 6000, 4500, {8.25, true}}) {}
    ui::PictureBox* Strokes = nullptr;

protected:
    void buildLayout() override { Strokes = addPictureBox(window(), {150, 150, 5730, 4230}); }
    void Form_Load() override {
        Strokes->setScaleWidth(380);
        Strokes->setScaleHeight(280);
    }
};

// Pens 1 to 6: a level line, an upright line and a dot each.
void drawStrokes(ui::Surface& s) {
    for (int pen = 1; pen <= 6; ++pen) {
        s.setDrawWidth(pen);
        s.Line(10, 10 + 14 * (pen - 1), 150, 10 + 14 * (pen - 1));
        s.Line(170 + 14 * (pen - 1), 10, 170 + 14 * (pen - 1), 90);
        s.PSet(20 + 30 * (pen - 1), 230);
    }
    s.setDrawWidth(3);
    s.Line(10, 120, 150, 200, ui::RGB(255, 0, 0));
    s.Circle(300, 60, 25);
}

bool dark(QRgb p) {
    return qGray(p) < 96;
}

// The length of the run of dark pixels through `at` along `step`.
int darkRun(const QImage& image, QPoint at, QPoint step) {
    while (image.rect().contains(at - step) && dark(image.pixel(at - step)))
        at -= step;
    int length = 0;
    for (; image.rect().contains(at) && dark(image.pixel(at)); at += step)
        ++length;
    return length;
}

// Drawn pixels of `a` without a pixel of like colour within one pixel in `b`.
long unmatched(const QImage& a, const QImage& b, long& ink) {
    const QRgb background = a.pixel(0, 0);
    auto differ = [](QRgb p, QRgb q, int by) {
        return std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                         std::abs(qBlue(p) - qBlue(q))}) > by;
    };
    long missing = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            if (!differ(a.pixel(x, y), background, 64))
                continue;
            ++ink;
            bool found = false;
            for (int dy = -1; dy <= 1 && !found; ++dy)
                for (int dx = -1; dx <= 1 && !found; ++dx)
                    found = b.rect().contains(x + dx, y + dy) &&
                            !differ(b.pixel(x + dx, y + dy), a.pixel(x, y), 127);
            missing += !found;
        }
    return missing;
}

} // namespace

using HiDpiRender = AppTest;

TEST_F(HiDpiRender, StrokesAndWindowPictures) {
    ASSERT_EQ(QGuiApplication::primaryScreen()->geometry().size(), QSize(1920, 1080));
    StrokesForm form;
    form.Show();
    drawStrokes(*form.Strokes);
    save(*form.Strokes, "strokes");
    form.Unload();

    Form3& huygens = openHuygens();
    huygens.Form_MouseDown(1, 0, 1500, 300);
    save(huygens.window(), "huygens_field");
    Form2& phasor = openPhasor();
    runFrames(1);
    save(*phasor.Picture2, "phasor_box");
}

TEST(HiDpiCompare, RatioTwoShowsTheSameAtTwiceTheResolution) {
    for (const QString& name : pictureNames) {
        SCOPED_TRACE(name.toStdString());
        const QImage one = load(1, name), two = load(2, name);
        ASSERT_FALSE(one.isNull());
        ASSERT_EQ(two.size(), one.size() * 2);
        // Each logical pixel the mean of its 2 x 2 device pixels.
        const QImage reduced =
            two.scaled(one.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        long ink = 0;
        const long missing = unmatched(one, reduced, ink) + unmatched(reduced, one, ink);
        EXPECT_GT(ink, 0);
        EXPECT_LE(missing, ink / 100) << missing << " of " << ink << " drawn pixels";
        EXPECT_TRUE(two != two.scaled(one.size()).scaled(two.size())) << "only blown up";
    }
    const QImage one = load(1, "strokes"), two = load(2, "strokes");
    for (int pen = 1; pen <= 6; ++pen) {
        const int row = 10 + 14 * (pen - 1), column = 170 + 14 * (pen - 1);
        const QPoint dot(2 * (20 + 30 * (pen - 1)), 460);
        EXPECT_EQ((std::array{darkRun(one, {80, row}, {0, 1}), darkRun(one, {column, 50}, {1, 0}),
                              darkRun(two, {160, 2 * row}, {0, 1}),
                              darkRun(two, {2 * column, 100}, {1, 0}), darkRun(two, dot, {1, 0}),
                              darkRun(two, dot, {0, 1})}),
                  (std::array{pen, pen, 2 * pen, 2 * pen, 2 * pen, 2 * pen}))
            << pen;
    }
}
