#include "huygens_test.h"

#include <QFont>
#include <QLabel>

namespace {

// Records the window from the moment its controls exist, so that the first
// drawing in Form_Load is logged too.
class RecordedForm3 : public Form3 {
public:
    using Form3::Form3;

protected:
    void buildLayout() override {
        Form3::buildLayout();
        window().setRecording(true);
    }
};

// The heights of the source dots of one field drawing, top first.
std::vector<double> dotHeights(const ui::Surface& window) {
    std::vector<double> heights;
    for (const auto& dot : callsOf(window, Op::PSet)) {
        EXPECT_EQ(std::make_tuple(dot.x1, dot.width), std::make_tuple(0.0, 5));
        heights.push_back(dot.y1);
    }
    return heights;
}

// The source row of 2 * half + 1 sources, 50 apart around the axis.
std::vector<double> row(int half) {
    std::vector<double> heights;
    for (int i = -half; i <= half; ++i)
        heights.push_back(50 * i);
    return heights;
}

// Every circle of the field, ring by ring and top source first.
void expectRings(const Form3& form, int wavelength, int passes) {
    const auto circles = callsOf(form.window(), Op::Circle);
    const int sources = 2 * form.halfCount + 1;
    ASSERT_EQ(circles.size(), static_cast<size_t>(passes * sources));
    for (size_t k = 0; k < circles.size(); ++k) {
        EXPECT_EQ(circles[k].x2, static_cast<double>(k / sources * wavelength));
        EXPECT_EQ(circles[k].y1, 50.0 * static_cast<double>(k % sources) - 50 * form.halfCount);
        EXPECT_TRUE(circles[k].retained);
    }
}

std::array<int, 5> range(const ui::HScrollBar& bar) {
    return {bar.minimum(), bar.maximum(), bar.value(), bar.singleStep(), bar.pageStep()};
}

} // namespace

TEST_F(HuygensTest, LayoutAsDesigned) {
    Form3& form = open();
    ui::Surface* window = &form.window();
    EXPECT_EQ(window->windowTitle(), " Huygen-Fresnel Prinzip und Zeigerdarstellung");
    const struct {
        QWidget* control;
        ui::Surface* in;
        ui::Geometry twips;
        QString text;
    } layout[] = {
        {form.Picture1, window, {120, 7800, 6975, 2895}, ""},
        {form.Text2, window, {1320, 0, 375, 375}, "7"},
        {form.HScroll2, window, {0, 0, 1335, 375}, ""},
        {form.Label1, window, {0, 360, 1695, 735}, "Zahl der Elementarwellen"},
        {form.HScroll3, window, {1800, 0, 1335, 375}, ""},
        {form.Text3, window, {3120, 0, 375, 375}, "100"},
        {form.Label2, window, {1800, 360, 1695, 375}, "Wellenlänge"},
        {form.Picture3, window, {3960, 840, 7920, 1000 * 16200 / 2925.0}, ""},
        {form.Label3, form.Picture3, {120, 0, 4215, 735}, "Zeiger und respektive Vektorsumme"},
        {form.Command1, form.Picture1, {0, 0, 855, 375}, "Cls"},
        {form.Command2, form.Picture3, {3360, 3240, 495, 375}, "Cls"},
        {form.Label4, form.Picture1, {2160, 0, 2895, 375}, "Amplitudenverteilung"},
        {form.Label5,
         window,
         {4920, 0, 8055, 255},
         "Im Wellenfeld Mausklick links: Zeiger (einzel) und Vektorsumme"},
        {form.Command3, window, {3600, 0, 1215, 375}, "Menu"},
        {form.Frame1,
         window,
         {4800, 240, 7935, 255},
         "Im Wellenfeld Mausklick rechts:Berechnung der Amplitutenverteilung (Nahfeld)"},
    };
    std::vector<QWidget*> tabOrder;
    for (const auto& [control, in, twips, text] : layout) {
        const auto* placed = dynamic_cast<const ui::Placed*>(control);
        EXPECT_EQ(&placed->container(), in);
        const ui::Geometry got = placed->twips();
        EXPECT_EQ(std::make_tuple(got.left, got.top), std::make_tuple(twips.left, twips.top));
        EXPECT_NEAR(got.width, twips.width, 1e-6);
        EXPECT_NEAR(got.height, twips.height, 1e-6);
        EXPECT_EQ(control->property(control == form.Frame1 ? "title" : "text").toString(), text);
        // Labels and the frame caption in 9.75 points, the other texts in 8.25.
        const bool large = qobject_cast<QLabel*>(control) || control == form.Frame1;
        if (large || text != "") {
            EXPECT_EQ(control->font(), ui::toQFont({large ? 9.75 : 8.25, true}));
        }
        tabOrder.push_back(control);
    }
    EXPECT_EQ(range(*form.HScroll2), (std::array{1, 6, 3, 1, 5}));
    EXPECT_EQ(range(*form.HScroll3), (std::array{60, 200, 100, 10, 10}));

    std::vector<QWidget*> chain; // the focus chain follows the tab order
    for (QWidget* w = window->nextInFocusChain(); w != window; w = w->nextInFocusChain())
        if (std::find(tabOrder.begin(), tabOrder.end(), w) != tabOrder.end())
            chain.push_back(w);
    EXPECT_EQ(chain, tabOrder);

    EXPECT_FALSE(form.Picture1->Visible());
    EXPECT_FALSE(form.Picture3->Visible());
    const ui::PictureBox& plot = *form.Picture1;
    EXPECT_EQ(
        std::make_tuple(plot.ScaleLeft(), plot.ScaleTop(), plot.ScaleWidth(), plot.ScaleHeight()),
        std::make_tuple(-3000, 0, 6000, 800));
}

TEST_F(HuygensTest, LoadSizesScalesAndFillsTheState) {
    Form3& form = open();
    EXPECT_EQ(std::make_tuple(form.Left(), form.Width(), form.Height()),
              std::make_tuple(0.0, ui::Screen::Width(), ui::Screen::Height()));
    const ui::Surface& window = form.window();
    EXPECT_EQ(std::make_tuple(window.ScaleLeft(), window.ScaleTop(), window.ScaleWidth(),
                              window.ScaleHeight()),
              std::make_tuple(-300, -1500, 4000, 2925));

    // (0, 0) 600 units from the left and 500 from the top, y upward.
    const ui::PictureBox& box = *form.Picture3;
    EXPECT_NEAR(box.ScaleWidth(), 1100, 1e-9);
    EXPECT_NEAR(box.ScaleHeight(), -1000, 1e-9);
    EXPECT_NEAR(box.toTwipsX(0), box.widthToTwips(600), 1e-6);
    EXPECT_NEAR(box.toTwipsY(0), box.heightToTwips(500), 1e-6);
    EXPECT_LT(box.toTwipsY(80), box.toTwipsY(0));

    EXPECT_EQ(std::make_tuple(form.halfCount, form.wavelength, form.sourceSpacing, form.sourceIndex,
                              form.initialDrawing),
              std::make_tuple(3, 100, 50, 7, 0));
    EXPECT_DOUBLE_EQ(form.piValue, 3.141592653589793);
    EXPECT_FALSE(form.window().RetainDrawing());
}

TEST_F(HuygensTest, FirstDrawingProcessesEventsBeforeEveryCircle) {
    RecordedForm3 form(*app);
    std::vector<long> circlesBefore;
    ui::setEventProcessingHook(
        [&] { circlesBefore.push_back(form.loaded() ? countOf(form.window(), Op::Circle) : -1); });
    ui::runHandler([&] { form.Show(); });
    ASSERT_EQ(circlesBefore.size(), 41u * 7);
    for (size_t k = 0; k < circlesBefore.size(); ++k)
        ASSERT_EQ(circlesBefore[k], static_cast<long>(k));

    const auto& log = form.window().drawLog();
    EXPECT_EQ(dotHeights(form.window()), row(3));
    const auto axis = callsOf(form.window(), Op::Line);
    ASSERT_EQ(axis.size(), 1u);
    EXPECT_TRUE(isLine(axis[0], 0, 0, 3800, 0, ui::WindowText, 1));
    EXPECT_TRUE(std::all_of(log.begin(), log.end(), [](auto& call) {
        return call.retained && call.colour == ui::WindowText;
    }));
    expectRings(form, 100, 41);

    // The sliders redraw without processing events.
    const long afterLoad = ui::eventProcessingCount();
    form.HScroll3->setValue(60);
    EXPECT_EQ(ui::eventProcessingCount(), afterLoad);
}

TEST_F(HuygensTest, SlidersRedrawTheField) {
    Form3& form = open();
    ui::Surface& window = form.window();
    window.setRecording(true);
    const struct {
        int wavelength, passes;
    } wavelengths[] = {{60, 67}, {70, 58}, {200, 21}, {100, 41}};
    for (const auto& [wavelength, passes] : wavelengths) {
        window.clearDrawLog();
        form.HScroll3->setValue(wavelength);
        EXPECT_EQ(form.wavelength, wavelength);
        EXPECT_EQ(form.Text3->Text(), QString::number(wavelength));
        EXPECT_EQ(form.Text2->Text(), "7");
        EXPECT_EQ(window.drawLog().front().op, Op::Cls);
        EXPECT_TRUE(window.drawLog().front().retained);
        EXPECT_EQ(dotHeights(window), row(3));
        expectRings(form, wavelength, passes);
    }

    window.clearDrawLog();
    form.HScroll2->setValue(1);
    EXPECT_EQ(form.Text2->Text(), "3");
    EXPECT_EQ(form.Text3->Text(), "100");
    EXPECT_EQ(dotHeights(window), row(1));
    expectRings(form, 100, 41);
    window.clearDrawLog();
    form.HScroll2->setValue(6);
    EXPECT_EQ(form.Text2->Text(), "13");
    EXPECT_EQ(dotHeights(window), row(6));

    // The wavelength keeps the row, and entries above the row are left alone.
    form.HScroll3->setValue(150);
    form.HScroll2->setValue(2);
    EXPECT_EQ(form.sourceY(12), 300);
    EXPECT_EQ(form.sourceY(4), 100);
    EXPECT_EQ(form.Text3->Text(), "150");
    EXPECT_FALSE(window.RetainDrawing());
}

TEST_F(HuygensTest, SliderErasesDrawingsOverTheFieldAndHidesTheBox) {
    Form3& form = open();
    ui::Surface& window = form.window();
    const QRgb fieldAtDot = shownAt(window, 0, 0);
    form.Form_MouseDown(2, 0, 1000, 0); // rays, cut line, box and plot
    ASSERT_EQ(shownAt(window, 1000, -1400), red);
    form.Picture1->setRecording(true);
    const QImage plot = form.Picture1->screenImage();

    form.HScroll3->setValue(110);
    EXPECT_NE(shownAt(window, 1000, -1400), red);
    EXPECT_EQ(shownAt(window, 0, 0), fieldAtDot);
    EXPECT_FALSE(form.Picture3->Visible());
    EXPECT_TRUE(form.Picture1->Visible());
    EXPECT_TRUE(form.Picture1->drawLog().empty());
    EXPECT_EQ(form.Picture1->screenImage(), plot);
}

TEST_F(HuygensTest, FieldShowsOnTheWindowAndSurvivesClear) {
    Form3& form = open();
    ui::Surface& window = form.window();
    const QRgb black = ui::WindowText;
    EXPECT_EQ(shownAt(window, 0, -150), black); // source dots
    EXPECT_EQ(shownAt(window, 0, 150), black);
    EXPECT_EQ(shownAt(window, 2000, 0), black); // the axis
    // The left edge of the middle source's circle of radius 300, just above the axis.
    EXPECT_EQ(shownAt(window, -250, -3), ui::WindowBackground);
    bool circleShown = false;
    for (double x = -300; x <= -295; ++x)
        circleShown |= shownAt(window, x, -3) == black;
    EXPECT_TRUE(circleShown);

    const QImage field = window.screenImage();
    form.Form_MouseDown(1, 0, 2500, 800);
    EXPECT_NE(window.screenImage(), field);
    window.Cls();
    EXPECT_EQ(window.screenImage(), field);
}
