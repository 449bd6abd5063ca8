#include "../support/support.h"
#include "test_form.h"

#include "ui/presenter.h"
#include "ui/runtime.h"

#include <QElapsedTimer>
#include <QEvent>

namespace {

class SurfaceTest : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        form.Show();
        picture = form.Picture1;
    }
    TestForm form;
    ui::PictureBox* picture = nullptr;
};

QRgb pixel(const ui::Surface& surface, QPoint widgetPixel) {
    return surface.screenImage().pixel(widgetPixel - surface.innerRect().topLeft());
}

} // namespace

TEST_F(SurfaceTest, UserScaleMapsCornersAndNegativeHeightGrowsUpwards) {
    ASSERT_EQ(picture->innerRect().size(), QSize(100, 70));
    // Unset: twips from the top left.
    EXPECT_DOUBLE_EQ(picture->ScaleWidth(), 1500);
    EXPECT_DOUBLE_EQ(picture->ScaleHeight(), 1050);

    picture->setScaleWidth(300);
    picture->setScaleHeight(-280);
    picture->setScaleLeft(-150);
    picture->setScaleTop(140);
    EXPECT_EQ(pixelAt(*picture, -150, 140), QPoint(1, 1));
    EXPECT_EQ(pixelAt(*picture, 149.9, -139.9), QPoint(100, 70));
    EXPECT_EQ(picture->toUser(QPointF(50, 35)), QPointF(0, 0));

    picture->PSet(-150, 140, ui::RGB(255, 0, 0));
    picture->PSet(149.9, -139.9, ui::RGB(0, 0, 255));
    picture->PSet(0, 100, ui::RGB(0, 255, 0)); // above the origin
    EXPECT_EQ(pixel(*picture, {1, 1}), ui::RGB(255, 0, 0));
    EXPECT_EQ(pixel(*picture, {100, 70}), ui::RGB(0, 0, 255));
    EXPECT_EQ(pixel(*picture, {51, 11}), ui::RGB(0, 255, 0));

    // Controls inside a scaled container are placed in its units.
    form.Label1->setLeft(0);
    form.Label1->setTop(0);
    EXPECT_EQ(form.Label1->pos(), QPoint(51, 36));
    EXPECT_DOUBLE_EQ(form.Label1->Left(), 0);
    EXPECT_NEAR(form.Label1->Width(), 120, 1e-9); // 600 twips = 40 of 100 pixels
}

TEST_F(SurfaceTest, DrawingCallsAreLoggedWithPenAndColourAndMoveTheCurrentPoint) {
    picture->setRecording(true);
    picture->setDrawWidth(3);
    picture->Line(10, 20, 30, 40, ui::RGB(1, 2, 3));
    picture->LineTo(50, 60);
    picture->setDrawWidth(5);
    picture->PSet(70, 80);
    picture->Circle(5, 6, 7);
    picture->Cls();

    using Op = ui::DrawCall::Op;
    const auto& log = picture->drawLog();
    ASSERT_EQ(log.size(), 5u);
    EXPECT_EQ(log[0].op, Op::Line);
    EXPECT_EQ(log[0].colour, ui::RGB(1, 2, 3));
    EXPECT_EQ(log[0].width, 3);
    EXPECT_EQ(log[1].op, Op::Line);
    EXPECT_EQ(QPointF(log[1].x1, log[1].y1), QPointF(30, 40));
    EXPECT_EQ(QPointF(log[1].x2, log[1].y2), QPointF(50, 60));
    EXPECT_EQ(log[1].colour, ui::WindowText);
    EXPECT_EQ(log[2].op, Op::PSet);
    EXPECT_EQ(log[2].width, 5);
    EXPECT_EQ(log[3].op, Op::Circle);
    EXPECT_EQ(log[3].x2, 7);
    EXPECT_EQ(log[4].op, Op::Cls);
    EXPECT_EQ(picture->CurrentX(), 0);
}

TEST_F(SurfaceTest, CallsOffAnyScreenFailAndDrawNothing) {
    picture->setRecording(true);
    EXPECT_THROW(picture->Line(0, 0, std::nan(""), 0), ui::DrawingError);
    EXPECT_THROW(picture->PSet(1e12, 0), ui::DrawingError);
    EXPECT_THROW(picture->Circle(0, 0, INFINITY), ui::DrawingError);
    EXPECT_TRUE(picture->drawLog().empty());
}

TEST_F(SurfaceTest, ClsWithoutRetainedDrawingClearsBackToThePersistentImage) {
    ui::Surface& surface = form.window();
    surface.setScaleWidth(300);
    surface.setScaleHeight(200);
    surface.setRetainDrawing(true);
    surface.setDrawWidth(1);
    for (int r = 10; r < 200; r += 15)
        surface.Circle(150, 100, r);
    surface.setDrawWidth(5);
    surface.PSet(20, 20);
    const QImage persistent = surface.screenImage().copy();

    surface.setRetainDrawing(false);
    for (int width : {1, 2, 5}) {
        surface.setDrawWidth(width);
        surface.Line(0, 0, 299, 199, ui::RGB(255, 0, 0));
        surface.Line(299, 3, 7, 150, ui::RGB(255, 0, 0));
        surface.Circle(80, 90, 40 + width, ui::RGB(0, 0, 255));
        surface.PSet(150, 100, ui::RGB(0, 255, 0));
    }
    EXPECT_NE(surface.screenImage(), persistent);
    surface.Cls();
    EXPECT_EQ(surface.screenImage(), persistent);

    // So many transient lines that they are no longer kept one by one.
    for (int i = 0; i < 5000; ++i)
        surface.Line(i % 300, 0, 0, i % 200, ui::RGB(255, 0, 0));
    surface.Cls();
    EXPECT_EQ(surface.screenImage(), persistent);

    // With RetainDrawing on, Cls clears the persistent image too.
    surface.setRetainDrawing(true);
    surface.Cls();
    surface.setRetainDrawing(false);
    surface.Line(0, 0, 299, 199);
    surface.Cls();
    QImage blank(persistent.size(), persistent.format());
    blank.fill(ui::WindowBackground);
    EXPECT_EQ(surface.screenImage(), blank);
}

TEST_F(SurfaceTest, MouseEventsCarryButtonCodesShiftAndUserCoordinates) {
    picture->setScaleLeft(-10);
    picture->setScaleWidth(1000);
    picture->setScaleTop(0);
    picture->setScaleHeight(700);
    std::vector<std::tuple<char, int, int, float, float>> seen;
    picture->onMouseDown = [&](ui::Integer b, ui::Integer s, ui::Single x, ui::Single y) {
        seen.emplace_back('d', b, s, x, y);
    };
    picture->onMouseMove = [&](ui::Integer b, ui::Integer s, ui::Single x, ui::Single y) {
        seen.emplace_back('m', b, s, x, y);
    };
    picture->onMouseUp = [&](ui::Integer b, ui::Integer s, ui::Single x, ui::Single y) {
        seen.emplace_back('u', b, s, x, y);
    };
    int clicks = 0;
    picture->onClick = [&] { ++clicks; };

    mousePress(picture, Qt::RightButton, {11, 8}, {}, Qt::ShiftModifier);
    mousePress(picture, Qt::LeftButton, {11, 8}, Qt::RightButton);
    mouseMove(picture, {-200, 8}, Qt::LeftButton | Qt::RightButton); // dragged outside
    mouseRelease(picture, Qt::RightButton, {-200, 8}, Qt::LeftButton);
    mouseRelease(picture, Qt::LeftButton, {11, 8});
    mousePress(picture, Qt::MiddleButton, {11, 8});

    using Event = std::tuple<char, int, int, float, float>;
    const std::vector<Event> expected{
        {'d', 2, 1, 90, 70},  {'d', 1, 0, 90, 70}, {'m', 3, 0, -2020, 70},
        {'u', 2, 0, -2020, 70}, {'u', 1, 0, 90, 70}, {'d', 4, 0, 90, 70}};
    EXPECT_EQ(seen, expected);
    EXPECT_EQ(clicks, 1);
}

TEST_F(SurfaceTest, ControlsOnASurfaceTakeThePressesOverThem) {
    int presses = 0;
    picture->onMouseDown = [&](ui::Integer, ui::Integer, ui::Single, ui::Single) { ++presses; };
    mousePress(form.Label1, Qt::LeftButton, {5, 5});
    mouseRelease(form.Label1, Qt::LeftButton, {5, 5});
    EXPECT_EQ(presses, 0);
    mousePress(picture, Qt::LeftButton, {60, 60});
    EXPECT_EQ(presses, 1);
}

TEST_F(SurfaceTest, RepaintsHappenAtMostOncePerRefreshNotOnEveryEventProcessing) {
    int paints = 0;
    struct Counter : QObject {
        int& count;
        explicit Counter(int& c) : count(c) {}
        bool eventFilter(QObject*, QEvent* event) override {
            count += event->type() == QEvent::Paint;
            return false;
        }
    } counter(paints);
    picture->installEventFilter(&counter);
    QElapsedTimer clock;
    clock.start();
    int calls = 0;
    while (clock.elapsed() < 100) {
        picture->Line(0, 0, 100 + calls % 50, 100);
        ui::DoEvents();
        ++calls;
    }
    EXPECT_GT(calls, 100);
    EXPECT_GE(paints, 1);
    EXPECT_LE(paints, 100 / ui::Presenter::refreshMs + 3);
}
