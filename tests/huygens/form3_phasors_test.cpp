#include "huygens_test.h"

#include <cmath>
#include <map>

namespace {

// A phasor of the column: the base dot and the line from it.
void expectColumnPhasor(const ui::DrawCall& dot, const ui::DrawCall& line, double base,
                        double phase) {
    EXPECT_EQ(std::make_tuple(dot.op, dot.x1, dot.y1, dot.width),
              std::make_tuple(Op::PSet, -500.0, base, 3));
    EXPECT_TRUE(isLine(line, -500, base, -500 + 80 * std::cos(phase), base + 80 * std::sin(phase),
                       ui::WindowText, 1));
}

ui::Single expectedPhase(const Form3& form, ui::Single x, ui::Single y, int source) {
    return huygens::phaseOf(
        huygens::cycleFractionAt(huygens::distanceToSource(x, y, 0, form.sourceY(source)),
                                 form.wavelength),
        form.piValue);
}

// The bar heights of the plot, by cut coordinate.
std::map<double, double> bars(const ui::Surface& plot) {
    std::map<double, double> heights;
    for (const auto& bar : callsOf(plot, Op::Line))
        heights[bar.x1] = bar.y1 - bar.y2;
    return heights;
}

} // namespace

TEST_F(HuygensTest, LeftClickOnASourceShowsRaysChainAndColumn) {
    Form3& form = open();
    form.window().setRecording(true);
    form.Picture3->setRecording(true);
    form.Form_MouseDown(1, 0, 0, -150); // exactly on source 0

    EXPECT_TRUE(form.Picture3->Visible());
    EXPECT_NEAR(form.Picture3->Left(), 0, 1e-9);
    EXPECT_NEAR(form.Picture3->Top(), -150, 1e-9);
    const auto& rays = form.window().drawLog();
    ASSERT_EQ(rays.size(), 7u); // the window is not cleared first
    for (int i = 0; i < 7; ++i)
        EXPECT_TRUE(isLine(rays[i], 0, -150, 0, 50 * i - 150, red, 2));
    EXPECT_EQ(form.window().DrawWidth(), 1);

    EXPECT_EQ(form.sourcePhase(0), 0);
    EXPECT_FLOAT_EQ(form.sourcePhase(2), expectedPhase(form, 0, -150, 2));
    const auto& box = form.Picture3->drawLog();
    ASSERT_EQ(box.size(), 6u + 2 * 4);
    EXPECT_EQ(box[0].op, Op::Cls);
    EXPECT_EQ(std::make_tuple(box[1].op, box[1].x1, box[1].y1, box[1].width),
              std::make_tuple(Op::PSet, 0.0, 0.0, 1));
    // Source 0's phasor reversed, the dots at both ends and the red resultant.
    EXPECT_EQ(std::make_tuple(box[2].op, box[2].x1, box[2].y1, box[2].x2, box[2].y2),
              std::make_tuple(Op::Line, 0.0, 0.0, -80.0, 0.0));
    EXPECT_EQ(std::make_tuple(box[3].x1, box[3].width, box[4].x1, box[4].width),
              std::make_tuple(0.0, 5, -80.0, 5));
    EXPECT_TRUE(isLine(box[5], -80, 0, 0, 0, red, 2));
    // The column of sources 0 to N, source 0's phasor ending at -420.
    for (int i = 0; i <= 3; ++i)
        expectColumnPhasor(box[6 + 2 * i], box[7 + 2 * i], 100 * i, form.sourcePhase(i));
    EXPECT_EQ(box[7].x2, -420);
    EXPECT_EQ(std::make_tuple(form.chainX, form.chainY), std::make_tuple(0.0, 0.0f));

    // Near the edges the box is left partly outside the window.
    form.Form_MouseDown(1, 0, 3650, 1400);
    EXPECT_NEAR(form.Picture3->Left(), 3650, 1e-6);
    EXPECT_NEAR(form.Picture3->Top(), 1400, 1e-6);
    EXPECT_GT(form.Picture3->geometry().right(), form.window().width());
}

TEST_F(HuygensTest, LeftDragRedrawsRaysAndSumChain) {
    Form3& form = open();
    ui::PictureBox& box = *form.Picture3;
    form.window().setRecording(true);
    box.setRecording(true);
    form.Form_MouseMove(1, 0, 2000, 300);

    EXPECT_FALSE(box.Visible()); // a drag moves the box without showing it
    EXPECT_NEAR(box.Left(), 2000, 1e-6);
    EXPECT_EQ(form.window().drawLog().front().op, Op::Cls);
    EXPECT_EQ(countOf(form.window(), Op::Line), 7);
    const auto& log = box.drawLog();
    ASSERT_EQ(log.size(), 2u + 7 + 3 + 2 * 7);
    huygens::ChainTip tip;
    for (int i = 0; i < 7; ++i) {
        EXPECT_FLOAT_EQ(form.sourcePhase(i), expectedPhase(form, 2000, 300, i));
        const ui::DrawCall& line = log[2 + i];
        EXPECT_EQ(std::make_tuple(line.x1, line.y1),
                  std::make_tuple(static_cast<float>(tip.x), tip.y));
        tip = huygens::addPhasor(tip, form.sourcePhase(i));
        EXPECT_EQ(std::make_tuple(line.x2, line.y2),
                  std::make_tuple(static_cast<float>(tip.x), tip.y));
    }
    const ui::DrawCall& resultant = log[2 + 7 + 2];
    EXPECT_EQ(std::make_tuple(resultant.x2, resultant.y2, resultant.colour),
              std::make_tuple(0.0, 0.0, red));
    for (int i = 0; i < 7; ++i)
        expectColumnPhasor(log[12 + 2 * i], log[13 + 2 * i], 100 * i - 300, form.sourcePhase(i));

    // Other buttons, or none, only redraw the centred column over the box.
    for (ui::Integer buttons : {2, 3, 0}) {
        form.window().clearDrawLog();
        box.clearDrawLog();
        form.Form_MouseMove(buttons, 0, 500, -500);
        EXPECT_TRUE(form.window().drawLog().empty());
        EXPECT_EQ(box.drawLog().size(), 14u);
        EXPECT_FLOAT_EQ(form.sourcePhase(0), expectedPhase(form, 2000, 300, 0));
    }

    // On the axis, sources symmetric about it have equal phases.
    form.Form_MouseMove(1, 0, 1234.5f, 0);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(form.sourcePhase(i), form.sourcePhase(6 - i));
}

TEST_F(HuygensTest, ScanPlotsTheAmplitudeAlongTheCut) {
    Form3& form = open();
    form.Picture1->setRecording(true);
    form.window().setRecording(true);
    const long before = ui::eventProcessingCount();
    form.Form_MouseDown(2, 0, 3600, 700);

    EXPECT_EQ(ui::eventProcessingCount() - before, 1201);
    EXPECT_TRUE(form.Picture1->Visible());
    EXPECT_TRUE(form.Picture3->Visible());
    EXPECT_EQ(form.Picture1->drawLog().front().op, Op::Cls);
    const auto heights = bars(*form.Picture1);
    ASSERT_EQ(heights.size(), 1201u);
    EXPECT_EQ(heights.begin()->first, -3000);
    EXPECT_EQ(heights.rbegin()->first, 3000);
    EXPECT_NEAR(heights.at(0), 558, 1);
    EXPECT_NEAR(heights.at(300), 486, 1);
    EXPECT_LT(heights.at(1000), 50);
    for (const auto& bar : callsOf(*form.Picture1, Op::Line))
        ASSERT_EQ(std::make_tuple(bar.y1, bar.colour, bar.width), std::make_tuple(800.0, red, 1));

    EXPECT_TRUE(isLine(form.window().drawLog().back(), 3600, -1500, 3600, 1500, red, 3));
    EXPECT_EQ(countOf(form.window(), Op::Cls), 1201);
    EXPECT_EQ(form.window().DrawWidth(), 1);
    EXPECT_EQ(std::make_tuple(form.chainX, form.chainY), std::make_tuple(0.0, 0.0f));
    for (int i = 0; i < 7; ++i)
        EXPECT_FLOAT_EQ(form.sourcePhase(i), expectedPhase(form, 3600, 3000, i));
    EXPECT_NEAR(form.Picture3->Top(), 3000, 1e-6);

    // A new scan clears the plot; a slider moved during it does not, and
    // leaves fewer sources for the rest of the scan.
    form.Picture1->clearDrawLog();
    atEventProcessing(601, [&] { form.HScroll2->setValue(1); });
    form.Form_MouseDown(2, 0, 3600, 0);
    EXPECT_EQ(countOf(*form.Picture1, Op::Cls), 1);
    const auto changed = bars(*form.Picture1);
    EXPECT_NEAR(changed.at(-5), 558, 1); // still seven sources
    EXPECT_NEAR(changed.at(0), 240, 1);  // three sources nearly in phase
    EXPECT_FALSE(form.Picture3->Visible());
}

TEST_F(HuygensTest, SecondRightClickRunsANestedScan) {
    Form3& form = open();
    form.Picture1->setRecording(true);
    form.window().setRecording(true);
    atEventProcessing(10, [&] { form.Form_MouseDown(2, 0, 1000, 0); });
    form.Form_MouseDown(2, 0, 3600, 0);

    const auto& plot = form.Picture1->drawLog();
    const auto second =
        std::find_if(plot.begin() + 1, plot.end(), [](auto& call) { return call.op == Op::Cls; });
    ASSERT_NE(second, plot.end());
    EXPECT_EQ(second - plot.begin(), 1 + 9); // nine bars of the first scan
    EXPECT_EQ(plot.end() - second, 1 + 1201 + 1192);
    EXPECT_EQ(second[1 + 1200].x1, 3000);
    EXPECT_EQ(second[1 + 1201].x1, -2955); // the first scan goes on where it was
    std::vector<double> cuts;
    for (const auto& call : callsOf(form.window(), Op::Line))
        if (call.width == 3)
            cuts.push_back(call.x1);
    EXPECT_EQ(cuts, (std::vector<double>{1000, 3600}));
}

TEST_F(HuygensTest, ReleaseDuringTheScanKeepsTheCutLine) {
    Form3& form = open();
    ui::Surface& window = form.window();
    const QPoint at = pixelAt(window, 3600, 0);
    postMouseRelease(&window, Qt::RightButton, at); // handled at the scan's first DoEvents
    mousePress(&window, Qt::RightButton, at);
    const double x = form.Picture3->Left();
    EXPECT_EQ(shownAt(window, x, -1400), red);

    mouseRelease(&window, Qt::RightButton, at); // a release after the scan removes it
    EXPECT_NE(shownAt(window, x, -1400), red);
    EXPECT_TRUE(form.Picture1->Visible());
    EXPECT_TRUE(form.Picture3->Visible());
}

TEST_F(HuygensTest, ControlsCloseTheBoxesAndReturnToTheMenu) {
    Form3& form = open();
    ui::Surface& window = form.window();
    form.Form_MouseDown(2, 0, 3000, 0);
    window.setRecording(true);
    leftClick(form.Picture1, pixelAt(*form.Picture1, 2000, 700));
    EXPECT_FALSE(form.Picture1->Visible());
    EXPECT_TRUE(window.drawLog().empty()); // the cut line stays
    EXPECT_EQ(shownAt(window, 3000, -1400), red);

    form.Picture1->setVisible(true);
    leftClick(form.Command1);
    EXPECT_FALSE(form.Picture1->Visible());
    EXPECT_NE(shownAt(window, 3000, -1400), red);
    leftClick(form.Command2);
    EXPECT_FALSE(form.Picture3->Visible());

    form.HScroll2->setValue(5);
    form.HScroll3->setValue(150);
    const QImage field = window.screenImage();
    const long events = ui::eventProcessingCount();
    leftClick(form.Command3);
    EXPECT_FALSE(form.visible());
    EXPECT_TRUE(app->form1().visible());
    ui::runHandler([this] { app->form3().Show(); });
    EXPECT_TRUE(form.visible());
    EXPECT_EQ(ui::eventProcessingCount(), events); // not loaded again
    EXPECT_EQ(std::make_tuple(form.halfCount, form.wavelength), std::make_tuple(5, 150));
    EXPECT_EQ(std::make_tuple(form.Text2->Text(), form.Text3->Text()),
              std::make_tuple(QString("11"), QString("150")));
    EXPECT_EQ(window.screenImage(), field);

    window.close(); // closing the window ends the program
    EXPECT_TRUE(ui::programEnded());
    EXPECT_FALSE(app->form1().visible());
}
