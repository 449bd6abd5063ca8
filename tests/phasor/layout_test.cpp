#include "phasor_fixture.h"

TEST_F(PhasorTest, ControlsHaveTheirTextsFontsColoursAndTabOrder) {
    EXPECT_EQ(f().caption(), "Superposition von Wellen - Phasenzeiger");
    const std::pair<QString, QString> captions[] = {
        {f().Command1->Caption(), "Start W1/Menu"},
        {f().Command2->Caption(), "Welle 2 on/off"},
        {f().Command3->Caption(), "Summe on/off"},
        {f().Command4->Caption(), "Vektorsumme W1+W2"},
        {f().Command5->Caption(), "---->"},
        {f().Command6->Caption(), "<----"},
        {f().Label1->Caption(), QStringLiteral("Wellenlänge")},
        {f().Label2->Caption(), "Geschwindigkeit"},
        {f().Label3->Caption(), "Phasenverschiebung"},
        {f().Label4->Caption(), "Mausklick an einer Stelle der Wellen zeigt Vektorsumme "},
        {f().Label5->Caption(), "off" + QString(37, ' ')},
        {f().Label6->Caption(), "off"},
        {f().Label7->Caption(), "off"},
        {f().Label8->Caption(), "Zeiger W1 und W2"},
        {f().Text1->Text(), "28"},
        {f().Text3->Text(), "1"},
        {f().Text2->Text(), "7"}};
    for (const auto& [actual, expected] : captions)
        EXPECT_EQ(actual, expected);

    const std::pair<ui::HScrollBar*, std::array<int, 5>> sliders[] = {
        {f().HScroll1, {15, 42, 28, 1, 1}},
        {f().HScroll2, {800, 1000, 900, 1, 5}},
        {f().HScroll3, {0, 50, 7, 1, 1}}};
    for (const auto& [bar, r] : sliders)
        EXPECT_EQ((std::array{bar->minimum(), bar->maximum(), bar->value(), bar->singleStep(),
                              bar->pageStep()}),
                  r);

    EXPECT_EQ(f().Command1->font(), ui::toQFont({9.75, true}));
    EXPECT_EQ(f().Command5->font(), ui::toQFont({12, true}));
    EXPECT_EQ(f().Label3->font(), ui::toQFont({8.25, true}));
    const QColor panel(224, 224, 224);
    EXPECT_EQ(f().Label5->palette().color(QPalette::Window), panel);
    EXPECT_EQ(f().Text3->palette().color(QPalette::Base), panel);
    EXPECT_EQ(f().Label8->palette().color(QPalette::Window), QColor(Qt::white));
    EXPECT_EQ(f().Picture1->BackColor(), ui::RGB(255, 255, 255));
    EXPECT_EQ(&f().Label4->container(), f().Picture1);
    EXPECT_EQ(&f().Command4->container(), f().Picture2);
    EXPECT_EQ(f().Text3->twips().left, 2040);
    EXPECT_EQ(f().Text3->twips().width, 495);

    const std::vector<QWidget*> tabOrder{f().Picture1, f().Picture2, f().Command1, f().Command2,
                                         f().Command3, f().HScroll1, f().HScroll2, f().Command4,
                                         f().HScroll3, f().Text1,    f().Text2,    f().Text3,
                                         f().Command5, f().Command6};
    std::vector<QWidget*> chain{f().Picture1};
    for (QWidget* w = f().Picture1->nextInFocusChain(); w != f().Picture1;
         w = w->nextInFocusChain())
        if (std::find(tabOrder.begin(), tabOrder.end(), w) != tabOrder.end())
            chain.push_back(w);
    EXPECT_EQ(chain, tabOrder);
}

TEST_F(PhasorTest, FormLoadSetsScalesPositionsStateAndTables) {
    EXPECT_NEAR(f().Width(), 0.99 * 28800, 15);
    EXPECT_NEAR(f().Height(), 0.99 * 16200, 15);
    EXPECT_EQ(f().window().ScaleWidth(), 3000);
    EXPECT_EQ(f().window().ScaleHeight(), 3000);
    auto placed = [](const ui::PictureBox& box) {
        return std::array{box.Left(),      box.Top(),      box.Width(),      box.Height(),
                          box.ScaleLeft(), box.ScaleTop(), box.ScaleWidth(), box.ScaleHeight()};
    };
    const std::array<double, 8> picture1{10, 1350, 3950, 1500, -10, 0, 3000, 1000};
    const std::array<double, 8> picture2{1055, 50, 1020, 1303, -150, -140, 300, 280};
    for (int i = 0; i < 8; ++i) {
        EXPECT_NEAR(placed(*f().Picture1)[i], picture1[i], 1e-9) << i;
        EXPECT_NEAR(placed(*f().Picture2)[i], picture2[i], 1e-9) << i;
    }
    // Corners and centres of the phasor box.
    EXPECT_NEAR(f().Command6->Left(), -150, 1e-9);
    EXPECT_NEAR(f().Command6->Top(), -140, 1e-9);
    EXPECT_NEAR(f().Command5->Left() + f().Command5->Width(), 150, 1e-9);
    EXPECT_NEAR(f().Command5->Top(), -140, 1e-9);
    EXPECT_NEAR(f().Command4->Left() + f().Command4->Width() / 2, 0, 1e-9);
    EXPECT_NEAR(f().Label8->Left() + f().Label8->Width() / 2, 0, 1e-9);
    EXPECT_NEAR(f().Label8->Top() + f().Label8->Height(), 140, 1e-9);

    const std::array<int, 11> integers{f().wavelengthSteps, f().pointIndex,  f().probeIndex,
                                       f().shiftSteps,      f().pointCount,  f().pointSpacing,
                                       f().stoppedFlag,     f().wave2Hidden, f().sumHidden,
                                       f().vectorSumMode,   f().pointerMode};
    EXPECT_EQ(integers, (std::array<int, 11>{28, 100, 50, 7, 100, 30, 1, 1, 1, 0, 1}));
    EXPECT_FLOAT_EQ(f().piValue, 3.14159265f);
    EXPECT_EQ(f().timePhase, 0);
    EXPECT_NEAR(f().phasePerStep, -0.2243995, 1e-7);
    EXPECT_NEAR(f().phaseStep, 0.0357143, 1e-7);
    EXPECT_EQ(f().amplitude, 100);
    EXPECT_EQ(f().speedFactor, 1);

    EXPECT_EQ(f().wave1X(99), 2970);
    EXPECT_EQ(f().wave1Base(99), 180);
    EXPECT_EQ(f().wave2X(45), 1350);
    EXPECT_EQ(f().wave2Base(0), 420);
    EXPECT_EQ(f().sumBase(0), 780);
    EXPECT_EQ(f().wave1X(100), 0);
    EXPECT_EQ(f().wave2Base(200), 0);
    EXPECT_THROW(f().sumBase(201), ui::SubscriptError);
}

TEST_F(PhasorTest, ModeButtonsToggleFlagsAndCaptions) {
    f().Command2_Click();
    EXPECT_EQ(f().wave2Hidden, 0);
    EXPECT_EQ(f().Label6->Caption(), "on");
    f().Command2_Click();
    EXPECT_EQ(f().Label6->Caption(), "off");
    f().Command3_Click();
    EXPECT_EQ(f().sumHidden, 0);
    EXPECT_EQ(f().Label7->Caption(), "on");

    f().Command4_Click();
    EXPECT_EQ(f().vectorSumMode, 1);
    EXPECT_EQ(f().pointerMode, 0);
    EXPECT_EQ(f().Label8->Caption(), "Vektorsumme W1 + W2");
    EXPECT_EQ(f().Command4->Caption(), "Zeiger W1 und W2");
    f().Command4_Click();
    EXPECT_EQ(f().pointerMode, 1);
    EXPECT_EQ(f().Label8->Caption(), "Zeiger W1 und W2");
    EXPECT_EQ(f().Command4->Caption(), "Vektorsumme W1 + W2");
}

TEST_F(PhasorTest, MenuButtonStopsHidesAndShowingAgainKeepsTheState) {
    f().probeIndex = 60;
    f().Command2_Click();
    atEventProcessing(1, [this] {
        EXPECT_EQ(f().Label5->Caption(), "W1 on");
        EXPECT_EQ(f().Command1->Caption(), "Menu");
        leftClick(f().Command1); // nested in the first frame, like a user's click
    });
    f().Command1_Click();
    EXPECT_FALSE(f().visible());
    EXPECT_TRUE(app->form1().visible());
    EXPECT_EQ(f().stoppedFlag, 1);
    EXPECT_EQ(f().Label5->Caption(), "off");
    EXPECT_EQ(f().Command1->Caption(), "Start/W1");
    EXPECT_FLOAT_EQ(f().timePhase, f().phaseStep); // the frame was finished

    f().Picture2->setLeft(1234); // Form_Load would put it back at 1055
    app->form1().Command2_Click();
    EXPECT_TRUE(f().visible());
    EXPECT_EQ(f().probeIndex, 60);
    EXPECT_FLOAT_EQ(f().timePhase, f().phaseStep);
    EXPECT_EQ(f().wave2Hidden, 0);
    EXPECT_NEAR(f().Picture2->Left(), 1234, 1e-9);
}
