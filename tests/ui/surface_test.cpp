#include "draw_check.h"
#include "test_form.h"

#include "ui/presenter.h"
#include "ui/runtime.h"

#include <QElapsedTimer>
#include <QEvent>

using SurfaceTest = TestFormTest;

TEST_F(SurfaceTest, UserScaleMapsCornersAndNegativeHeightGrowsUpwards) {
    ASSERT_EQ(form.Picture1->innerRect().size(), QSize(100, 70));
    // Unset: twips from the top left.
    EXPECT_DOUBLE_EQ(form.Picture1->ScaleWidth(), 1500);
    EXPECT_DOUBLE_EQ(form.Picture1->ScaleHeight(), 1050);

    form.Picture1->setScaleWidth(300);
    form.Picture1->setScaleHeight(-280);
    form.Picture1->setScaleLeft(-150);
    form.Picture1->setScaleTop(140);
    EXPECT_EQ(pixelAt(*form.Picture1, -150, 140), QPoint(1, 1));
    EXPECT_EQ(pixelAt(*form.Picture1, 149.9, -139.9), QPoint(100, 70));
    EXPECT_EQ(form.Picture1->toUser(QPointF(50, 35)), QPointF(0, 0));

    form.Picture1->PSet(-150, 140, ui::RGB(255, 0, 0));
    form.Picture1->PSet(149.9, -139.9, ui::RGB(0, 0, 255));
    form.Picture1->PSet(0, 100, ui::RGB(0, 255, 0));    // above the origin
    const QImage& image = form.Picture1->screenImage(); // inside the one-pixel border
    EXPECT_EQ(image.pixel(0, 0), ui::RGB(255, 0, 0));
    EXPECT_EQ(image.pixel(99, 69), ui::RGB(0, 0, 255));
    EXPECT_EQ(image.pixel(50, 10), ui::RGB(0, 255, 0));

    // Controls inside a scaled container are placed in its units.
    form.Label1->setLeft(0);
    form.Label1->setTop(0);
    EXPECT_EQ(form.Label1->pos(), QPoint(51, 36));
    EXPECT_DOUBLE_EQ(form.Label1->Left(), 0);
    EXPECT_NEAR(form.Label1->Width(), 120, 1e-9); // 600 twips = 40 of 100 pixels
}

TEST_F(SurfaceTest, DrawingCallsAreLoggedWithPenAndColourAndMoveTheCurrentPoint) {
    form.Picture1->setRecording(true);
    form.Picture1->setDrawWidth(3);
    form.Picture1->Line(10, 20, 30, 40, ui::RGB(1, 2, 3));
    form.Picture1->LineTo(50, 60);
    form.Picture1->setDrawWidth(5);
    form.Picture1->PSet(70, 80);
    form.Picture1->Circle(5, 6, 7);
    // Calls off any screen fail and draw nothing.
    EXPECT_THROW(form.Picture1->Line(0, 0, std::nan(""), 0), ui::DrawingError);
    EXPECT_THROW(form.Picture1->PSet(1e12, 0), ui::DrawingError);
    EXPECT_THROW(form.Picture1->Circle(0, 0, INFINITY), ui::DrawingError);
    form.Picture1->Cls();

    const auto& log = form.Picture1->drawLog();
    ASSERT_EQ(log.size(), 5u);
    EXPECT_TRUE(isLine(log[0], 10, 20, 30, 40, ui::RGB(1, 2, 3), 3));
    EXPECT_TRUE(isLine(log[1], 30, 40, 50, 60, ui::WindowText, 3));
    EXPECT_EQ(std::make_tuple(log[2].op, log[2].x1, log[2].width),
              std::make_tuple(Op::PSet, 70.0, 5));
    EXPECT_TRUE(drawn(log[3], Op::Circle, 5, 6, 7, 0, ui::WindowText, 5));
    EXPECT_EQ(log[4].op, Op::Cls);
    EXPECT_EQ(form.Picture1->CurrentX(), 0);
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
    form.Picture1->setScaleLeft(-10);
    form.Picture1->setScaleWidth(1000);
    form.Picture1->setScaleTop(0);
    form.Picture1->setScaleHeight(700);
    std::vector<std::tuple<char, int, int, float, float>> seen;
    auto logAs = [&seen](char kind) {
        return [&seen, kind](ui::Integer b, ui::Integer s, ui::Single x, ui::Single y) {
            seen.emplace_back(kind, b, s, x, y);
        };
    };
    form.Picture1->onMouseDown = logAs('d');
    form.Picture1->onMouseMove = logAs('m');
    form.Picture1->onMouseUp = logAs('u');
    int clicks = 0;
    form.Picture1->onClick = [&] { ++clicks; };

    mousePress(form.Picture1, Qt::RightButton, {11, 8}, {}, Qt::ShiftModifier);
    mousePress(form.Picture1, Qt::LeftButton, {11, 8}, Qt::RightButton);
    mouseMove(form.Picture1, {-200, 8}, Qt::LeftButton | Qt::RightButton); // dragged outside
    mouseRelease(form.Picture1, Qt::RightButton, {-200, 8}, Qt::LeftButton);
    mouseRelease(form.Picture1, Qt::LeftButton, {11, 8});
    mousePress(form.Picture1, Qt::MiddleButton, {11, 8});

    const decltype(seen) expected{{'d', 2, 1, 90, 70},    {'d', 1, 0, 90, 70},
                                  {'m', 3, 0, -2020, 70}, {'u', 2, 0, -2020, 70},
                                  {'u', 1, 0, 90, 70},    {'d', 4, 0, 90, 70}};
    EXPECT_EQ(seen, expected);
    EXPECT_EQ(clicks, 1);

    // Controls on the surface take the presses over them.
    mousePress(form.Label1, Qt::LeftButton, {5, 5});
    mouseRelease(form.Label1, Qt::LeftButton, {5, 5});
    EXPECT_EQ(seen.size(), expected.size());
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
    form.Picture1->installEventFilter(&counter);
    QElapsedTimer clock;
    clock.start();
    int calls = 0;
    while (clock.elapsed() < 100) {
        form.Picture1->Line(0, 0, 100 + calls % 50, 100);
        ui::DoEvents();
        ++calls;
    }
    EXPECT_GT(calls, 100);
    EXPECT_GE(paints, 1);
    EXPECT_LE(paints, 100 / ui::Presenter::refreshMs + 3);
}
