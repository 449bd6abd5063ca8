// The render test runs at device pixel ratio 1 and 2 and writes its pictures
// into <HIDPI_DIR>/dpr<ratio>/; the compare test reads both runs: at ratio 2
// they have twice the resolution, show the same and pens are twice as wide.

#include "../support/support.h"

#include <QDir>
#include <QGuiApplication>
#include <QScreen>

namespace {

QString picturePath(int ratio, const QString& name) {
    return QDir(qEnvironmentVariable("HIDPI_DIR"))
        .filePath(QString("dpr%1/%2.png").arg(ratio).arg(name));
}

QImage load(int ratio, const QString& name) {
    return QImage(picturePath(ratio, name)).convertToFormat(QImage::Format_RGB32);
}

void save(const ui::Surface& surface, const QString& name) {
    const int ratio = static_cast<int>(QGuiApplication::primaryScreen()->devicePixelRatio());
    ASSERT_TRUE(QDir().mkpath(QFileInfo(picturePath(ratio, name)).path()));
    EXPECT_EQ(surface.screenImage().size(), surface.innerRect().size() * ratio);
    EXPECT_TRUE(surface.screenImage().save(picturePath(ratio, name)));
}

// The length of the run of dark pixels through `at` along `step`.
int darkRun(const QImage& image, QPoint at, QPoint step) {
    auto dark = [&](QPoint p) { return image.rect().contains(p) && qGray(image.pixel(p)) < 96; };
    while (dark(at - step))
        at -= step;
    int length = 0;
    for (; dark(at); at += step)
        ++length;
    return length;
}

// Drawn pixels of `a` with no pixel of like colour within one pixel in `b`.
long unmatched(const QImage& a, const QImage& b, long& ink) {
    auto near = [](QRgb p, QRgb q, int by) {
        return std::abs(qRed(p) - qRed(q)) <= by && std::abs(qGreen(p) - qGreen(q)) <= by &&
               std::abs(qBlue(p) - qBlue(q)) <= by;
    };
    long missing = 0;
    for (int y = 1; y < a.height() - 1; ++y)
        for (int x = 1; x < a.width() - 1; ++x) {
            const QRgb p = a.pixel(x, y);
            if (near(p, a.pixel(0, 0), 64))
                continue;
            ++ink;
            bool found = false;
            for (int d = 0; d < 9 && !found; ++d)
                found = near(b.pixel(x + d % 3 - 1, y + d / 3 - 1), p, 127);
            missing += !found;
        }
    return missing;
}

} // namespace

using HiDpiRender = AppTest;

TEST_F(HiDpiRender, PenStrokesAndTheWindowsPictures) {
    ASSERT_EQ(QGuiApplication::primaryScreen()->geometry().size(), QSize(1920, 1080));
    // Pens 1 to 6 in the Huygens plot, scaled to one unit a logical pixel: a
    // level line, an upright line and a dot each.
    Form3& huygens = openHuygens();
    ui::PictureBox& plot = *huygens.Picture1;
    plot.setScaleLeft(0);
    plot.setScaleWidth(plot.innerRect().width());
    plot.setScaleHeight(plot.innerRect().height());
    for (int pen = 1; pen <= 6; ++pen) {
        plot.setDrawWidth(pen);
        plot.Line(10, 10 + 14 * (pen - 1), 150, 10 + 14 * (pen - 1));
        plot.Line(170 + 14 * (pen - 1), 10, 170 + 14 * (pen - 1), 90);
        plot.PSet(20 + 30 * (pen - 1), 150);
    }
    plot.setDrawWidth(3);
    plot.Line(10, 100, 150, 180, ui::RGB(255, 0, 0));
    plot.Circle(300, 60, 25);
    save(plot, "strokes");
    huygens.Form_MouseDown(1, 0, 1500, 300);
    save(huygens.window(), "huygens_field");
    Form2& phasor = openPhasor();
    runFrames(1);
    save(*phasor.Picture2, "phasor_box");
}

TEST(HiDpiCompare, RatioTwoShowsTheSameAtTwiceTheResolution) {
    for (const QString name : {"strokes", "phasor_box", "huygens_field"}) {
        const QImage one = load(1, name), two = load(2, name);
        ASSERT_FALSE(one.isNull());
        ASSERT_EQ(two.size(), one.size() * 2) << name.toStdString();
        // Each logical pixel the mean of its 2 x 2 device pixels.
        const QImage reduced =
            two.scaled(one.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        long ink = 0;
        const long missing = unmatched(one, reduced, ink) + unmatched(reduced, one, ink);
        EXPECT_GT(ink, 0);
        EXPECT_LE(missing, ink / 100) << name.toStdString() << ": " << missing << " of " << ink;
        EXPECT_TRUE(two != two.scaled(one.size()).scaled(two.size())) << "only blown up";
    }
    const QImage one = load(1, "strokes"), two = load(2, "strokes");
    for (int pen = 1; pen <= 6; ++pen) {
        const int row = 10 + 14 * (pen - 1), column = 170 + 14 * (pen - 1);
        const QPoint dot(2 * (20 + 30 * (pen - 1)), 300);
        EXPECT_EQ((std::array{darkRun(one, {80, row}, {0, 1}), darkRun(one, {column, 50}, {1, 0}),
                              darkRun(two, {160, 2 * row}, {0, 1}),
                              darkRun(two, {2 * column, 100}, {1, 0}), darkRun(two, dot, {1, 0}),
                              darkRun(two, dot, {0, 1})}),
                  (std::array{pen, pen, 2 * pen, 2 * pen, 2 * pen, 2 * pen}))
            << pen;
    }
}
