// Compares the pictures rendered at device pixel ratio 1 and 2: at the same
// logical size they show the same, the ratio-2 pictures really have twice the
// resolution, and the windows keep their layout.

#include "hidpi.h"

#include <QFile>
#include <QImage>
#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>

namespace {

QImage load(int ratio, const QString& name) {
    return QImage(QDir(hidpi::runDirectory(ratio)).filePath(name + ".png"))
        .convertToFormat(QImage::Format_RGB32);
}

int difference(QRgb a, QRgb b) {
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                     std::abs(qBlue(a) - qBlue(b))});
}

struct Comparison {
    long ink = 0;       // pixels drawn (not background) in either picture
    long unmatched = 0; // drawn pixels with nothing like them nearby in the other picture
};

// Strokes rasterised on the finer grid may land one logical pixel beside
// where the coarse grid puts them, and a stroke half covering a logical pixel
// comes out half tone; so a drawn pixel matches a pixel of the other picture
// within one pixel that differs from it by less than half the range.
bool matchedNearby(const QImage& other, int x, int y, QRgb colour) {
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (other.rect().contains(x + dx, y + dy) &&
                difference(other.pixel(x + dx, y + dy), colour) < 128)
                return true;
    return false;
}

// Two pictures of the same logical size, with the background colour in their
// top left corner, where none of them draws.
Comparison compare(const QImage& a, const QImage& b) {
    Comparison result;
    const QRgb background = a.pixel(0, 0);
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            const bool inkA = difference(p, background) > 64;
            const bool inkB = difference(q, background) > 64;
            if (inkA || inkB)
                ++result.ink;
            if ((inkA && !matchedNearby(b, x, y, p)) || (inkB && !matchedNearby(a, x, y, q)))
                ++result.unmatched;
        }
    return result;
}

bool dark(QRgb p) {
    return qGray(p) < 96;
}

// The length of the run of dark pixels through (x, y) along a direction.
int darkRun(const QImage& image, QPoint at, QPoint step) {
    while (image.rect().contains(at - step) && dark(image.pixel(at - step)))
        at -= step;
    int length = 0;
    for (; image.rect().contains(at) && dark(image.pixel(at)); at += step)
        ++length;
    return length;
}

QStringList lines(int ratio) {
    QFile file(QDir(hidpi::runDirectory(ratio)).filePath(hidpi::geometryFile));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
}

} // namespace

TEST(HiDpiCompare, RatioTwoPicturesShowTheSameAtTheLogicalSize) {
    for (const QString& name : hidpi::pictureNames) {
        SCOPED_TRACE(name.toStdString());
        const QImage one = load(1, name), two = load(2, name);
        ASSERT_FALSE(one.isNull());
        ASSERT_FALSE(two.isNull());
        ASSERT_EQ(two.size(), one.size() * 2);
        // Each logical pixel the mean of its 2 x 2 device pixels.
        const Comparison c =
            compare(one, two.scaled(one.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        EXPECT_GT(c.ink, 0);
        EXPECT_LE(c.unmatched, c.ink / 100)
            << c.unmatched << " of " << c.ink << " drawn pixels have no match";
        // A picture blown up from ratio 1 has only 2 x 2 blocks of one colour.
        const QImage blownUp = two.scaled(one.size()).scaled(two.size());
        EXPECT_TRUE(two != blownUp) << "the ratio-2 picture is only a blown-up one";
    }
}

TEST(HiDpiCompare, PensAreTwiceAsWideInDevicePixels) {
    const QImage one = load(1, "strokes"), two = load(2, "strokes");
    ASSERT_FALSE(one.isNull());
    ASSERT_FALSE(two.isNull());
    for (int pen = 1; pen <= 6; ++pen) {
        SCOPED_TRACE(pen);
        const int row = 10 + 14 * (pen - 1), column = 170 + 14 * (pen - 1);
        EXPECT_EQ(darkRun(one, {80, row}, {0, 1}), pen);
        EXPECT_EQ(darkRun(two, {160, 2 * row}, {0, 1}), 2 * pen);
        EXPECT_EQ(darkRun(one, {column, 50}, {1, 0}), pen);
        EXPECT_EQ(darkRun(two, {2 * column, 100}, {1, 0}), 2 * pen);
        // A dot is a pen wide both ways.
        const QPoint dot(2 * (20 + 30 * (pen - 1)), 460);
        EXPECT_EQ(darkRun(two, dot, {1, 0}), 2 * pen);
        EXPECT_EQ(darkRun(two, dot, {0, 1}), 2 * pen);
    }
}

TEST(HiDpiCompare, WindowsKeepTheirLayoutInLogicalPixels) {
    const QStringList one = lines(1), two = lines(2);
    ASSERT_FALSE(one.isEmpty());
    EXPECT_EQ(one, two);
}
