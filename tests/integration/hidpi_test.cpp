// Runs at device pixel ratio 1 and 2.

#include "../support/support.h"

#include "huygens/form3.h"
#include "phasor/form2.h"

#include <QGuiApplication>
#include <QScreen>

namespace {

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

} // namespace

TEST_F(AppTest, PensDotsAndPlacesFollowTheDevicePixelRatioAndTheWeight) {
    const int ratio = static_cast<int>(QGuiApplication::primaryScreen()->devicePixelRatio());
    // Pens 1 to 6 are `ratio` times `weight` as wide: a level line, an upright
    // line and a dot each in the Huygens plot, one unit a pixel; a circle with pen 3.
    ui::PictureBox& plot = *openHuygens().Picture1;
    plot.setScaleLeft(0);
    plot.setScaleWidth(plot.innerRect().width());
    plot.setScaleHeight(plot.innerRect().height());
    for (const int weight : {1, 3}) {
        app->changeLineWeight(weight);
        plot.Cls();
        for (int pen = 1; pen <= 6; ++pen) {
            plot.setDrawWidth(pen);
            plot.Line(10, 10 + 20 * (pen - 1), 150, 10 + 20 * (pen - 1));
            plot.Line(170 + 20 * (pen - 1), 10, 170 + 20 * (pen - 1), 90);
            plot.PSet(20 + 30 * (pen - 1), 150);
        }
        plot.setDrawWidth(3);
        plot.Circle(330, 60, 25);
        const QImage image = plot.screenImage().convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(image.size(), plot.innerRect().size() * ratio);

        const int scale = ratio * weight;
        for (int pen = 1; pen <= 6; ++pen) {
            const int row = ratio * (10 + 20 * (pen - 1)), column = ratio * (170 + 20 * (pen - 1));
            const QPoint dot(ratio * (20 + 30 * (pen - 1)), ratio * 150);
            EXPECT_EQ((std::array{darkRun(image, {80 * ratio, row}, {0, 1}),
                                  darkRun(image, {column, 50 * ratio}, {1, 0}),
                                  darkRun(image, dot, {1, 0}), darkRun(image, dot, {0, 1})}),
                      (std::array{pen * scale, pen * scale, pen * scale, pen * scale}))
                << pen << " " << weight;
        }
        EXPECT_EQ(darkRun(image, {355 * ratio, 60 * ratio}, {1, 0}),
                  3 * scale); // the circle's right
        // At ratio 2 some pixel differs from the others of its 2 x 2 block.
        EXPECT_TRUE(ratio == 1 || image != image.scaled(image.size() / 2).scaled(image.size()));
    }
}

// At triple weight a frame shows what the same frame showed on an empty
// picture, and a drag and a scan leave the field as it was.
TEST_F(AppTest, ThickLinesLeaveNothingBehind) {
    app->changeLineWeight(3);
    Form2& phasor = openPhasor();
    phasor.Command2_Click();
    phasor.Command3_Click();
    runFrames(1);
    const QImage first = phasor.Picture1->screenImage();
    runFrames(20);
    phasor.timePhase = 0;
    runFrames(1);
    EXPECT_TRUE(phasor.Picture1->screenImage() == first);
    EXPECT_EQ(shownAt(*phasor.Picture1, 0, 130), ui::RGB(118, 118, 118)); // W1's bar, darker

    Form3& huygens = openHuygens();
    ui::Surface& window = huygens.window();
    const QImage field = window.screenImage();
    mousePress(&window, Qt::LeftButton, pixelAt(window, 2000, 300));
    mouseMove(&window, pixelAt(window, 1500, -600), Qt::LeftButton);
    mouseRelease(&window, Qt::LeftButton, pixelAt(window, 1500, -600));
    mousePress(&window, Qt::RightButton, pixelAt(window, 1000, 0));
    mouseRelease(&window, Qt::RightButton, pixelAt(window, 1000, 0));
    EXPECT_TRUE(window.screenImage() == field);
}
