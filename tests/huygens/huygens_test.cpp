// Seven sources 50 apart around y = 0 at x = 0, wavelength 100, unless changed.

#include "../support/support.h"

#include "huygens/form3.h"

#include <QApplication>
#include <QKeyEvent>
#include <QScreen>
#include <cmath>

namespace {

constexpr double pi = 3.14159265358979;

// A phasor of the column: the base dot and the line from it.
void expectColumnPhasor(const ui::DrawCall& dot, const ui::DrawCall& line, double base,
                        double phase) {
    EXPECT_TRUE(drawn(dot, Op::PSet, -500, base, -500, base, ui::WindowText, 3));
    EXPECT_TRUE(isLine(line, -500, base, -500 + 80 * std::cos(phase), base + 80 * std::sin(phase),
                       ui::WindowText, 1));
}

// The window as the screen shows it after the pending repaints (grab() repaints all).
QImage onScreen(QWidget& window) {
    QEvent paint(QEvent::UpdateRequest);
    QApplication::sendEvent(&window, &paint);
    return window.screen()->grabWindow(window.winId()).toImage();
}

int pixelsOf(const QImage& image, QRgb colour) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixel(x, y) == (colour | 0xff000000);
    return count;
}

class HuygensTest : public AppTest {
protected:
    Form3& form = openHuygens();
    ui::Surface& window = form.window();
};

} // namespace

TEST_F(HuygensTest, HuygensLayoutAsDesigned) {
    EXPECT_EQ(window.windowTitle(), " Huygen-Fresnel Prinzip und Zeigerdarstellung");
    const std::tuple<QWidget*, ui::Surface*, ui::Geometry, QString> layout[] = {
        {form.Picture1, &window, {120, 7800, 6975, 2895}, ""},
        {form.Text2, &window, {1320, 0, 375, 375}, "7"},
        {form.HScroll2, &window, {0, 0, 1335, 375}, ""},
        {form.Label1, &window, {0, 360, 1695, 735}, "Zahl der Elementarwellen"},
        {form.HScroll3, &window, {1800, 0, 1335, 375}, ""},
        {form.Text3, &window, {3120, 0, 375, 375}, "100"},
        {form.Label2, &window, {1800, 360, 1695, 375}, "Wellenlänge"},
        {form.Picture3, &window, {3960, 840, 7920, 1000 * 16200 / 2925.0}, ""},
        {form.Label3, form.Picture3, {120, 0, 4215, 735}, "Zeiger und respektive Vektorsumme"},
        {form.Command1, form.Picture1, {0, 0, 855, 375}, "Cls"},
        {form.Command2, form.Picture3, {3360, 3240, 495, 375}, "Cls"},
        {form.Label4, form.Picture1, {2160, 0, 2895, 375}, "Amplitudenverteilung"},
        {form.Label5,
         &window,
         {4920, 0, 8055, 255},
         "Im Wellenfeld Mausklick links: Zeiger (einzel) und Vektorsumme"},
        {form.Command3, &window, {3600, 0, 1215, 375}, "Menu"},
        {form.Frame1,
         &window,
         {4800, 240, 7935, 255},
         "Im Wellenfeld Mausklick rechts:Berechnung der Amplitutenverteilung (Nahfeld)"}};
    for (const auto& [control, in, twips, text] : layout) {
        const auto* placed = dynamic_cast<const ui::Placed*>(control);
        EXPECT_EQ(&placed->container(), in);
        const ui::Geometry got = placed->twips();
        EXPECT_EQ(std::tuple(got.left, got.top), std::tuple(twips.left, twips.top));
        EXPECT_NEAR(got.width, twips.width, 1e-6);
        EXPECT_NEAR(got.height, twips.height, 1e-6);
        EXPECT_EQ(control->property(control == form.Frame1 ? "title" : "text").toString(), text);
    }
    for (const auto& [bar, range] : {std::pair{form.HScroll2, std::array{1, 6, 3, 1, 5}},
                                     std::pair{form.HScroll3, std::array{60, 200, 100, 10, 10}}})
        EXPECT_EQ((std::array{bar->minimum(), bar->maximum(), bar->value(), bar->singleStep(),
                              bar->pageStep()}),
                  range);
    EXPECT_FALSE(form.Picture1->Visible() || form.Picture3->Visible());
    // The labels' bold 9.75 points in pixels; the frame white like the window.
    EXPECT_EQ(std::tuple(form.Label1->font().pixelSize(), form.Frame1->font().pixelSize(),
                         form.Frame1->palette().color(QPalette::Window).rgb()),
              std::tuple(13, 13, ui::WindowBackground));

    // Scales: the field, the plot, the phasor box (y up).
    const ui::Surface* scaled[] = {&window, form.Picture1, form.Picture3};
    const std::array<double, 4> scales[] = {
        {-300, -1500, 4000, 2925}, {-3000, 0, 6000, 800}, {-600, 500, 1100, -1000}};
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(
            (std::array{scaled[i]->ScaleLeft(), scaled[i]->ScaleTop(),
                        std::round(scaled[i]->ScaleWidth()), std::round(scaled[i]->ScaleHeight())}),
            scales[i]);
    EXPECT_EQ(std::tuple(form.Left(), form.Width(), form.Height()),
              std::tuple(0.0, ui::Screen::Width(), ui::Screen::Height()));
}

TEST_F(AppTest, FirstFieldProcessesEventsBeforeEveryCircle) {
    ui::Surface* window = nullptr;
    std::vector<long> circlesBefore;
    ui::setEventProcessingHook([&] {
        if (!window && app->form3().loaded()) {
            window = &app->form3().window();
            record(*window); // the dots and the axis came before the first circle
        }
        if (window)
            circlesBefore.push_back(long(callsOf(*window, Op::Circle).size()));
    });
    Form3& form = openHuygens();
    ASSERT_EQ(circlesBefore.size(), 41u * 7);
    for (size_t k = 0; k < circlesBefore.size(); ++k)
        ASSERT_EQ(circlesBefore[k], static_cast<long>(k));
    // Ring by ring, top source first, radius 0 to 4000 in wavelengths.
    const auto circles = callsOf(form.window(), Op::Circle);
    for (size_t k = 0; k < circles.size(); k += 50)
        EXPECT_TRUE(drawn(circles[k], Op::Circle, 0, 50.0 * (k % 7) - 150, 100.0 * (k / 7), 0,
                          ui::WindowText, 1))
            << k;
    EXPECT_TRUE(circles.back().retained);
    EXPECT_FALSE(form.window().RetainDrawing());
}

TEST_F(HuygensTest, SlidersRedrawTheFieldToStay) {
    // One slider at a time: its value, the rings of each source, the sources.
    const std::tuple<ui::HScrollBar*, int, int, int> settings[] = {{form.HScroll3, 60, 67, 7},
                                                                   {form.HScroll3, 200, 21, 7},
                                                                   {form.HScroll2, 1, 21, 3},
                                                                   {form.HScroll2, 6, 21, 13},
                                                                   {form.HScroll3, 70, 58, 13}};
    for (const auto& [slider, value, rings, sources] : settings) {
        record(window);
        const long before = ui::eventProcessingCount(); // only the first field processes events
        slider->setValue(value);
        EXPECT_EQ(ui::eventProcessingCount(), before);
        EXPECT_EQ(std::tuple(form.Text2->Text(), form.Text3->Text()),
                  std::tuple(QString::number(sources), QString::number(form.HScroll3->value())));
        EXPECT_EQ(window.drawLog().front().op, Op::Cls);
        EXPECT_TRUE(isLine(callsOf(window, Op::Line)[0], 0, 0, 3800, 0, ui::WindowText, 1)); // axis
        EXPECT_EQ(callsOf(window, Op::Circle).size(), size_t(rings * sources)) << value;
        const auto dots = callsOf(window, Op::PSet); // top first, pen 5
        ASSERT_EQ(dots.size(), size_t(sources));
        EXPECT_TRUE(drawn(dots.back(), Op::PSet, 0, 25.0 * (sources - 1), 0, 25.0 * (sources - 1),
                          ui::WindowText, 5));
    }
    // A slider takes the old field and what was drawn over it; the new field stays.
    form.Form_MouseDown(2, 0, 1000, 0);
    ASSERT_EQ(shownAt(window, 1000, -1400), red);
    form.HScroll2->setValue(2);
    EXPECT_NE(shownAt(window, 1000, -1400), red);
    EXPECT_FALSE(form.Picture3->Visible());
    EXPECT_EQ(shownAt(window, 0, 200), ui::WindowBackground); // a dot of the 13 sources
    EXPECT_EQ(shownAt(window, 0, 50), ui::WindowText);        // a source dot
    window.Cls();
    EXPECT_EQ(shownAt(window, 0, 50), ui::WindowText);
}

TEST_F(HuygensTest, LeftClickOnASourceShowsRaysChainAndColumn) {
    record(window, *form.Picture3);
    form.Form_MouseDown(1, 0, 0, -150); // on source 0: distances 0, 50, 100, ... 300
    EXPECT_TRUE(form.Picture3->Visible());
    EXPECT_NEAR(form.Picture3->Left(), 0, 1e-6); // the box opens at the point
    const auto& rays = window.drawLog();
    ASSERT_EQ(rays.size(), 7u); // the window is not cleared first
    for (int i = 0; i < 7; ++i)
        EXPECT_TRUE(isLine(rays[i], 0, -150, 0, 50 * i - 150, red, 2));

    const auto& box = form.Picture3->drawLog();
    ASSERT_EQ(box.size(), 6u + 2 * 4);
    EXPECT_EQ(box[0].op, Op::Cls);
    EXPECT_TRUE(drawn(box[1], Op::PSet, 0, 0, 0, 0, ui::WindowText, 1));
    // Source 0's phasor reversed, the dots at both ends and the red resultant.
    EXPECT_TRUE(isLine(box[2], 0, 0, -80, 0, ui::WindowText, 1));
    EXPECT_TRUE(drawn(box[3], Op::PSet, 0, 0, 0, 0, ui::WindowText, 5));
    EXPECT_TRUE(drawn(box[4], Op::PSet, -80, 0, -80, 0, ui::WindowText, 5));
    EXPECT_TRUE(isLine(box[5], -80, 0, 0, 0, red, 2));
    // The column of sources 0 to 3: phases 0, pi, 0, pi.
    for (int i = 0; i <= 3; ++i)
        expectColumnPhasor(box[6 + 2 * i], box[7 + 2 * i], 100 * i, i % 2 ? pi : 0);
    EXPECT_EQ(shownAt(window, 0, -125), red);
    mouseRelease(&window, Qt::LeftButton, {}); // the release takes the rays away
    EXPECT_EQ(shownAt(window, 0, -125), ui::WindowBackground);
}

TEST_F(HuygensTest, LeftDragRedrawsRaysAndTheSumChain) {
    ui::PictureBox& box = *form.Picture3;
    // With another button held too, only the column is drawn again, where it was.
    record(window, box);
    const double left = box.Left();
    mouseMove(&window, pixelAt(window, 2000, 300), Qt::LeftButton | Qt::RightButton);
    EXPECT_TRUE(window.drawLog().empty());
    EXPECT_EQ(std::tuple(box.drawLog().size(), box.Left()), std::tuple(2u * 7, left));
    record(window, box);
    form.Form_MouseMove(1, 0, 2000, 300); // 2050 from source 0: half a wavelength
    EXPECT_FALSE(box.Visible());          // a drag moves the box without showing it
    EXPECT_NEAR(box.Left(), 2000, 1e-6);
    EXPECT_EQ(std::pair(window.drawLog().front().op, callsOf(window, Op::Line).size()),
              std::pair(Op::Cls, size_t(7)));
    const auto& log = box.drawLog();
    ASSERT_EQ(log.size(), 2u + 7 + 3 + 2 * 7);
    // The chain head to tail: source 0 at pi, source 6 at 0.35293.
    EXPECT_TRUE(isLine(log[2], 0, 0, -80, 0, ui::WindowText, 1));
    const double lastPhase = 0.3529336;
    EXPECT_TRUE(isLine(log[8], log[7].x2, log[7].y2, log[7].x2 + 80 * std::cos(lastPhase),
                       log[7].y2 + 80 * std::sin(lastPhase), ui::WindowText, 1));
    EXPECT_TRUE(isLine(log[11], log[8].x2, log[8].y2, 0, 0, red, 2));
    expectColumnPhasor(log[12], log[13], -300, pi);
    expectColumnPhasor(log[24], log[25], 300, lastPhase);
}

TEST_F(HuygensTest, ScanPlotsTheAmplitudeSampleBySample) {
    record(window);
    const long before = ui::eventProcessingCount();
    form.Form_MouseDown(2, 0, 3600, 700);
    EXPECT_EQ(ui::eventProcessingCount() - before, 1201);
    // Each sample: the window cleared, then the rays; at the end the cut line.
    const auto& calls = window.drawLog();
    ASSERT_EQ(calls.size(), 1201u * 8 + 1);
    for (size_t k = 0; k < 16; ++k)
        EXPECT_EQ(calls[k].op, k % 8 ? Op::Line : Op::Cls) << k;
    EXPECT_TRUE(isLine(calls[1], 3600, -3000, 0, -150, red, 2));
    EXPECT_TRUE(isLine(calls.back(), 3600, -1500, 3600, 1500, red, 3));
}

// The cursor moves a hundredth of the field a key, a tenth with Shift, never
// drawn into the field's picture; its cross shows after Tab and after a key,
// not after a click, and leaves nothing behind on the screen.
TEST_F(HuygensTest, TheFieldAtTheKeyboard) {
    const auto blue = [&] { return pixelsOf(onScreen(window), qRgb(0, 0, 255)); };
    click(form.Text2);
    for (int tab = 0; tab < 5; ++tab) // the sliders, the other number box, "Menu"
        typeKey(Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), &window);
    const int cross = blue();
    EXPECT_GT(cross, 0);
    const QImage field = window.screenImage();
    const std::tuple<Qt::Key, Qt::KeyboardModifiers, double, double> moves[] = {
        {Qt::Key_Right, {}, 1740, 0},
        {Qt::Key_Down, Qt::ShiftModifier, 1740, 292.5},
        {Qt::Key_Up, {}, 1740, 263.25},
        {Qt::Key_Left, Qt::ShiftModifier, 1340, 263.25}};
    for (const auto& [key, shift, x, y] : moves) {
        typeKey(key, shift);
        EXPECT_NEAR(form.keyCursorX, x, 1e-3);
        EXPECT_NEAR(form.keyCursorY, y, 1e-3);
    }
    EXPECT_TRUE(window.screenImage() == field);
    EXPECT_EQ(blue(), cross);

    record(window);
    typeKey(Qt::Key_Return); // a left click: rays from the cursor, the box there
    EXPECT_TRUE(isLine(window.drawLog().front(), 1340, 263.25, 0, -150, red, 2));
    EXPECT_TRUE(form.Picture3->Visible());
    typeKey(Qt::Key_Right); // dragged
    EXPECT_NEAR(form.Picture3->Left(), 1380, 1e-3);
    EXPECT_EQ(window.drawLog()[7].op, Op::Cls);
    typeKey(Qt::Key_Escape); // released: the rays go, the arrows only move
    typeKey(Qt::Key_Right);
    EXPECT_TRUE(window.screenImage() == field);
    EXPECT_NEAR(form.Picture3->Left(), 1380, 1e-3);

    typeKey(Qt::Key_Return, Qt::ShiftModifier); // a right click: the scan
    EXPECT_TRUE(isLine(window.drawLog().back(), 1420, -1500, 1420, 1500, red, 3));
    for (int key = 0; key < 12; ++key)
        typeKey(Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(form.keyCursorX, 3700);
    click(&window, pixelAt(window, 500, 500)); // the cursor goes along, its cross goes
    EXPECT_NEAR(form.keyCursorX, 500, 3);
    EXPECT_EQ(blue(), 0);
    typeKey(Qt::Key_Left);
    EXPECT_GT(blue(), 0);
    typeKey(Qt::Key_Tab);
    EXPECT_EQ(blue(), 0);
}

// The field's keys act only while it has the focus; Tab passes the plot and
// the phasor box by; a held key acts once, as a held mouse button does.
TEST_F(HuygensTest, TheFieldsKeysActOnlyInTheFieldAndOnceWhenHeld) {
    click(&window, pixelAt(window, 1000, 0), Qt::RightButton); // the plot and the box show
    click(form.Text2);
    record(window);
    const long before = ui::eventProcessingCount();
    const ui::Single y = form.keyCursorY;
    typeKey(Qt::Key_Return);
    typeKey(Qt::Key_Up, Qt::ShiftModifier);
    typeKey(Qt::Key_Tab); // the slider
    typeKey(Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_TRUE(window.drawLog().empty());
    EXPECT_EQ(ui::eventProcessingCount(), before);
    EXPECT_EQ(form.keyCursorY, y);

    for (int tab = 0, fields = 0; tab < 24 && fields < 2; ++tab) { // round to the field again
        typeKey(Qt::Key_Tab);
        const QWidget* focus = QApplication::focusWidget();
        EXPECT_TRUE(focus != form.Picture1 && focus != form.Picture3) << tab;
        fields += focus == &window;
    }
    typeKey(Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(ui::eventProcessingCount() - before, 1201);
    record(window);
    for (const int key : {Qt::Key_Return, Qt::Key_Escape}) {
        QKeyEvent repeat(QEvent::KeyPress, key, Qt::ShiftModifier, QString(), true);
        QApplication::sendEvent(&window, &repeat);
        for (const QEvent::Type type : {QEvent::KeyRelease, QEvent::KeyPress}) { // as X11 may
            QKeyEvent half(type, key, Qt::NoModifier);
            half.setTimestamp(5000);
            QApplication::sendEvent(&window, &half);
        }
    }
    EXPECT_TRUE(window.drawLog().empty());
    EXPECT_EQ(ui::eventProcessingCount() - before, 1201);
}

TEST_F(HuygensTest, HuygensControlsCloseTheBoxesAndReturnToTheMenu) {
    const QPoint at = pixelAt(window, 3000, 0);
    postMouseRelease(&window, Qt::RightButton, at); // handled during the scan: no effect
    mousePress(&window, Qt::RightButton, at);
    const double x = form.Picture3->Left();
    EXPECT_EQ(shownAt(window, x, -1400), red);
    click(form.Picture1, pixelAt(*form.Picture1, 2000, 700));
    EXPECT_FALSE(form.Picture1->Visible());
    EXPECT_EQ(shownAt(window, x, -1400), red); // the cut line stays
    form.Picture1->setVisible(true);
    click(form.Command1);
    EXPECT_FALSE(form.Picture1->Visible());
    EXPECT_NE(shownAt(window, x, -1400), red);
    click(form.Command2);
    EXPECT_FALSE(form.Picture3->Visible());

    click(form.Command3);
    EXPECT_EQ(std::pair(form.visible(), app->form1().visible()), std::pair(false, true));
    openHuygens();
    window.close(); // closing the window ends the program
    EXPECT_TRUE(ui::programEnded());
}
