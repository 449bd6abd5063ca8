#include "../support/support.h"

#include "ui/colour.h"
#include "ui/form.h"
#include "ui/line_weight.h"
#include "ui/numeric.h"
#include "ui/pixels.h"

#include <QApplication>
#include <QCloseEvent>
#include <QPointer>
#include <QTest>
#include <limits>

namespace {

class TestForm : public ui::Form {
public:
    TestForm() : ui::Form({"Test", ui::WindowBackground, 4500, 3000, {8.25, true}}) {}
    ui::PictureBox* Picture1 = nullptr; // 100 x 70 pixels inside its border
    ui::Label* Label1 = nullptr;        // lies on Picture1
    ui::HScrollBar* HScroll1 = nullptr;
    ui::PushButton* Command1 = nullptr;
    std::function<void()> whenUnloading;

protected:
    void buildLayout() override {
        Picture1 = addPictureBox(window(), {150, 150, 1530, 1080});
        Label1 = addLabel(*Picture1, {0, 0, 600, 300}, "label", windowFont());
        HScroll1 = addHScrollBar(window(), {150, 1500, 3000, 255}, {0, 100, 50, 1, 10});
        Command1 = addButton(window(), {150, 2000, 1200, 400}, "button", windowFont());
    }
    void Form_Unload(ui::Integer&) override {
        if (whenUnloading)
            whenUnloading();
    }
};

class ServicesTest : public AppTest {
protected:
    void SetUp() override { form.Show(); }
    TestForm form;
};

using Seen = std::vector<std::tuple<char, int, int, float, float>>;

} // namespace

TEST(Numeric, SixteenBitsAndTables) {
    EXPECT_THROW(ui::add(32767, 1), ui::OverflowError);
    EXPECT_THROW(ui::multiply(200, 200), ui::OverflowError);
    EXPECT_EQ(ui::toInteger(2.5), 2); // halves to even
    EXPECT_EQ(ui::toInteger(3.5), 4);
    EXPECT_THROW(ui::toInteger(32767.5), ui::OverflowError);
    EXPECT_THROW(ui::toSingle(1e300), ui::OverflowError);
    ui::Table<float, 201> table;
    EXPECT_THROW(table(201), ui::SubscriptError);
    EXPECT_THROW(table(-1), ui::SubscriptError);
}

TEST(Pixels, EveryDoubleBecomesADefinedIntAndTwipsRoundHalvesUp) {
    EXPECT_EQ((std::array{ui::toInt(-2.9), ui::toInt(std::numeric_limits<double>::quiet_NaN()),
                          ui::toInt(-1e300), ui::twipsToPixels(1e12)}),
              (std::array{-2, 0, -16777215, 16777215}));
    for (const auto& [twips, pixels] : {std::pair{22.4, 1}, {22.5, 2}, {-7.5, 0}, {-7.6, -1}})
        EXPECT_EQ(ui::twipsToPixels(twips), pixels) << twips;
}

// From double weight every colour reads on a projector: 4.5 to 1 on white at
// least, its hue kept, as bright as that allows; the white that erases stays.
TEST(LineWeight, ProjectorColoursReadOnWhiteAndKeepTheirHue) {
    EXPECT_NEAR(ui::contrastRatio(ui::WindowText, white), 21, 1e-9);
    EXPECT_NEAR(ui::contrastRatio(ui::RGB(118, 118, 118), white), 4.54, 0.005);
    EXPECT_EQ(ui::shownColour(grey, white, 2), ui::RGB(118, 118, 118)); // 119 gives 4.48
    for (const ui::Colour colour :
         {green, blue, red, grey, olive, lightGrey, stillWave1, stillWave2, ui::WindowText})
        for (const int weight : {2, 3}) {
            const ui::Colour shown = ui::shownColour(colour, white, weight);
            EXPECT_GE(ui::contrastRatio(shown, white), 4.5) << std::hex << colour;
            if (colour == blue || colour == ui::WindowText) // they read already
                EXPECT_EQ(shown, colour);
            else
                EXPECT_LT(ui::contrastRatio(shown, white), 4.8) << std::hex << colour;
            EXPECT_NEAR(QColor(shown).hsvHueF(), QColor(colour).hsvHueF(), 0.01);
            EXPECT_EQ(ui::shownColour(colour, white, 1), colour);
        }
    EXPECT_EQ(ui::shownColour(white, white, 3), white);
}

TEST_F(ServicesTest, DoEventsNestsHandlersAndEndStopsEverythingAtOnce) {
    std::vector<int> passes;
    form.whenUnloading = [] { ui::End(); };
    form.Picture1->onMouseDown = [&](ui::Integer, ui::Integer, ui::Single, ui::Single) {
        for (int i = 0; i < 1000; ++i) {
            passes.push_back(i);
            if (i == 3) // the close box, handled nested in the next DoEvents
                QCoreApplication::postEvent(&form.window(), new QCloseEvent);
            ui::DoEvents();
        }
        passes.push_back(1000);
    };
    mousePress(form.Picture1, Qt::LeftButton, {20, 20});
    EXPECT_EQ(passes, (std::vector{0, 1, 2, 3}));
    EXPECT_FALSE(form.window().isVisible());
    mousePress(form.Picture1, Qt::LeftButton, {20, 20}); // no handler runs any more
    EXPECT_EQ(passes.size(), 4u);
}

TEST_F(ServicesTest, ControlsRoundTheirEdgesAndAnswerKeysAndSlidersOnlyRealChanges) {
    form.Command1->setLeft(1013); // 67.5 pixels
    form.Command1->setWidth(1013);
    EXPECT_EQ(std::pair(form.Command1->geometry().x(), form.Command1->geometry().width()),
              std::pair(68, 67)); // the right edge at 135.1

    int clicks = 0, mouseDowns = 0;
    const auto mouseDown = [&](ui::Integer, ui::Integer, ui::Single, ui::Single) { ++mouseDowns; };
    QApplication::setActiveWindow(&form.window());
    form.Command1->setFocus(Qt::TabFocusReason);
    for (const Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter}) {
        SCOPED_TRACE(int(key));
        clicks = mouseDowns = 0;
        form.Command1->onClick = [&] { ++clicks; };
        form.Command1->onMouseDown = {};
        typeKey(key);
        EXPECT_EQ(clicks, 1);

        // A button that acts on the mouse press alone, like "---->".
        form.Command1->onClick = {};
        form.Command1->onMouseDown = mouseDown;
        typeKey(key);
        EXPECT_EQ(mouseDowns, 0);
    }
    click(form.Command1);
    EXPECT_EQ(mouseDowns, 1);

    ui::HScrollBar* bar = form.HScroll1;
    std::vector<int> changes;
    bar->onChange = [&] { changes.push_back(bar->Value()); };
    bar->setSliderDown(true); // a thumb drag: one change, at its end
    bar->setSliderPosition(60);
    bar->setSliderPosition(70);
    bar->setSliderDown(false);
    const QImage plain = bar->grab().toImage();
    bar->setFocus(Qt::TabFocusReason);
    EXPECT_NE(bar->grab().toImage(), plain); // the focus shows
    typeKey(Qt::Key_Left);
    typeKey(Qt::Key_PageDown);
    EXPECT_EQ(changes, (std::vector{70, 69, 79}));
}

TEST_F(ServicesTest, UserScaleMapsCornersAndNegativeHeightGrowsUpwards) {
    ui::PictureBox& box = *form.Picture1;
    ASSERT_EQ(box.innerRect().size(), QSize(100, 70));
    EXPECT_DOUBLE_EQ(box.ScaleWidth(), 1500); // unset: twips
    box.setScaleWidth(300);
    box.setScaleHeight(-280);
    box.setScaleLeft(-150);
    box.setScaleTop(140);
    box.PSet(-150, 140, red);
    box.PSet(149.9, -139.9, ui::RGB(0, 0, 255));
    box.PSet(0, 100, ui::RGB(0, 255, 0)); // above the origin
    const QImage& image = box.screenImage();
    EXPECT_EQ((std::array{image.pixel(0, 0), image.pixel(99, 69), image.pixel(50, 10)}),
              (std::array{red, ui::RGB(0, 0, 255), ui::RGB(0, 255, 0)}));
    form.Label1->setLeft(0); // controls inside are placed in its units
    form.Label1->setTop(0);
    EXPECT_EQ(form.Label1->pos(), QPoint(51, 36));
    form.Label1->setHeight(80); // 20 of 70 pixels upwards; its width 600 twips, 40 of 100 pixels
    EXPECT_EQ(std::pair(form.Label1->Width(), form.Label1->height()), std::pair(120.0, 20));

    // Circles take their radius from the horizontal scale: 30 units, 10 pixels.
    box.setScaleHeight(-560);
    box.Circle(0, 0, 30, red);
    EXPECT_EQ(image.pixel(60, 17), red);
}

TEST_F(ServicesTest, ClsClearsBackToThePersistentImage) {
    ui::Surface& surface = form.window();
    surface.setScaleWidth(300);
    surface.setScaleHeight(200);
    surface.setRetainDrawing(true);
    for (int r = 10; r < 200; r += 15)
        surface.Circle(150, 100, r);
    surface.setDrawWidth(5);
    surface.PSet(20, 20);
    const QImage persistent = surface.screenImage().copy();
    surface.setRetainDrawing(false);
    surface.setDrawWidth(2);
    surface.Line(0, 0, 299, 199, red);
    surface.Line(299, 3, 7, 150, red);
    surface.Circle(80, 90, 42, red);
    surface.PSet(150, 100, red);
    surface.Cls();
    EXPECT_EQ(surface.screenImage(), persistent);

    surface.setRetainDrawing(true); // clears the persistent image too
    surface.Cls();
    surface.setRetainDrawing(false);
    surface.Line(0, 0, 299, 199);
    surface.Cls();
    QImage blank(persistent.size(), persistent.format());
    blank.fill(ui::WindowBackground);
    EXPECT_EQ(surface.screenImage(), blank);
}

TEST_F(ServicesTest, MouseEventsCarryButtonCodesShiftAndUserCoordinates) {
    ui::PictureBox& box = *form.Picture1;
    box.setScaleLeft(-10);
    box.setScaleWidth(1000);
    Seen seen;
    for (auto [handler, kind] : {std::pair{&box.onMouseDown, 'd'}, {&box.onMouseMove, 'm'}})
        *handler = [&seen, kind](ui::Integer b, ui::Integer s, ui::Single x, ui::Single y) {
            seen.emplace_back(kind, b, s, x, y);
        };
    int clicks = 0;
    box.onClick = [&] { ++clicks; };
    mousePress(&box, Qt::RightButton, {11, 8}, {}, Qt::ShiftModifier | Qt::ControlModifier);
    mousePress(&box, Qt::LeftButton, {11, 8}, Qt::RightButton);
    mouseMove(&box, {-200, 8}, Qt::LeftButton | Qt::RightButton); // dragged outside
    mouseRelease(&box, Qt::LeftButton, {11, 8}, Qt::RightButton);
    mousePress(&box, Qt::MiddleButton, {11, 8});
    mousePress(&box, Qt::LeftButton, {11, 8});
    mouseRelease(&box, Qt::LeftButton, {-200, 8}); // released outside: no click
    EXPECT_EQ(seen, (Seen{{'d', 2, 3, 90, 105},
                          {'d', 1, 0, 90, 105},
                          {'m', 3, 0, -2020, 105},
                          {'d', 4, 0, 90, 105},
                          {'d', 1, 0, 90, 105}}));
    EXPECT_EQ(clicks, 1);

    // Controls take the presses over them; buttons click on the left one only.
    click(form.Label1, {5, 5});
    form.Command1->onClick = [&] { ++clicks; };
    click(form.Command1, {5, 5}, Qt::RightButton);
    EXPECT_EQ(std::tuple(seen.size(), clicks), std::tuple(5u, 1));
}

TEST_F(ServicesTest, NumberBoxesShowWhatTheProgramWritesNeverWhatIsTyped) {
    const ui::Colour grey = ui::RGB(224, 224, 224);
    ui::TextBox box(form.window(), {3000, 150, 375, 285}, "7", grey);
    ui::TextBox writable(form.window(), {3000, 600, 375, 285}, "7", grey);
    writable.setReadOnly(false);

    // Drawn like a box that takes input, and reached with Tab.
    EXPECT_EQ(box.grab().toImage(), writable.grab().toImage());
    EXPECT_EQ(box.focusPolicy(), Qt::StrongFocus);

    box.show();
    click(&box);
    for (const int key : {Qt::Key_9, Qt::Key_9, Qt::Key_Backspace})
        typeKey(key);
    EXPECT_EQ(QApplication::focusWidget(), &box);
    EXPECT_EQ(box.Text(), "7");
}

// The close box of a window waiting for deletion no longer reaches its form.
TEST_F(ServicesTest, AnUnloadedWindowNeitherReachesItsFormNorIsReachedThroughIt) {
    QPointer<ui::FormWindow> window;
    {
        TestForm gone;
        gone.Show();
        window = &gone.window();
        gone.Unload();
        EXPECT_THROW(gone.window(), ui::UnloadedError);
    }
    ASSERT_FALSE(window.isNull());
    QCloseEvent close;
    QApplication::sendEvent(window, &close);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull());
}

// Any exception stops at the handler, reported in a line; the program goes on.
TEST_F(ServicesTest, ForeignExceptionsStopAtTheHandlerWithOneLineEach) {
    testing::internal::CaptureStderr();
    ui::runHandler([] { (void)std::vector<int>().at(3); }, "FormX.A");
    ui::runHandler([] { throw 7; }, "FormX.B");
    const QString printed = QString::fromStdString(testing::internal::GetCapturedStderr());
    EXPECT_TRUE(printed.startsWith("wellenzeiger: Laufzeitfehler in FormX.A: "))
        << printed.toStdString();
    EXPECT_TRUE(
        printed.endsWith("\nwellenzeiger: Laufzeitfehler in FormX.B: unbekannter Fehler\n"));
    EXPECT_EQ(printed.count('\n'), 2);
    EXPECT_FALSE(ui::programEnded());
}
