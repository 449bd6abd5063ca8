#include "../support/support.h"

#include "phasor/form2.h"

TEST_F(PhasorTest, PhasorControlsTextsPlacesAndRanges) {
    EXPECT_EQ(f.caption(), "Superposition von Wellen - Phasenzeiger");
    const std::tuple<QWidget*, QString, ui::Geometry> controls[] = {
        {f.Command1, "Start W1/Menu", {240, 120, 1695, 495}},
        {f.Command2, "Welle 2 on/off", {240, 720, 1695, 495}},
        {f.Command3, "Summe on/off", {240, 1320, 1695, 495}},
        {f.HScroll1, "", {240, 1920, 1695, 495}},
        {f.HScroll2, "", {240, 2880, 1695, 495}},
        {f.HScroll3, "", {240, 3960, 1695, 495}},
        {f.Label1, QStringLiteral("Wellenlänge"), {240, 2520, 1815, 255}},
        {f.Label2, "Geschwindigkeit", {240, 3480, 1695, 375}},
        {f.Label3, "Phasenverschiebung", {120, 4560, 1935, 375}},
        {f.Label5, "off" + QString(37, ' '), {2040, 240, 615, 255}},
        {f.Label6, "off", {2040, 840, 375, 255}},
        {f.Label7, "off", {2040, 1440, 375, 255}},
        {f.Text1, "28", {2040, 2040, 375, 285}},
        {f.Text3, "1", {2040, 3000, 495, 285}},
        {f.Text2, "7", {2040, 4080, 375, 285}}};
    for (const auto& [control, text, twips] : controls) {
        const ui::Geometry at = dynamic_cast<const ui::Placed*>(control)->twips();
        EXPECT_EQ(control->property("text").toString(), text);
        EXPECT_EQ(std::tuple(at.left, at.top, at.width, at.height),
                  std::tuple(twips.left, twips.top, twips.width, twips.height))
            << text.toStdString();
    }
    EXPECT_EQ(f.Label4->Caption(), "Mausklick an einer Stelle der Wellen zeigt Vektorsumme ");
    const std::pair<ui::HScrollBar*, std::array<int, 5>> sliders[] = {
        {f.HScroll1, {15, 42, 28, 1, 1}},
        {f.HScroll2, {800, 1000, 900, 1, 5}},
        {f.HScroll3, {0, 50, 7, 1, 1}}};
    for (const auto& [bar, r] : sliders)
        EXPECT_EQ((std::array{bar->minimum(), bar->maximum(), bar->value(), bar->singleStep(),
                              bar->pageStep()}),
                  r);

    // In the phasor box: the arrows in the top corners, the mode button centred
    // between them, Label8 centred at the bottom.
    EXPECT_EQ((QStringList{f.Command4->Caption(), f.Command5->Caption(), f.Command6->Caption(),
                           f.Label8->Caption()}),
              (QStringList{"Vektorsumme W1+W2", "---->", "<----", "Zeiger W1 und W2"}));
    const std::pair<double, double> edges[] = {{f.Command6->Left(), -150},
                                               {f.Command6->Top(), -140},
                                               {f.Command5->Left() + f.Command5->Width(), 150},
                                               {f.Command5->Top(), -140},
                                               {f.Command4->Left() + f.Command4->Width() / 2, 0},
                                               {f.Command4->Top(), -140},
                                               {f.Label8->Left() + f.Label8->Width() / 2, 0},
                                               {f.Label8->Top() + f.Label8->Height(), 140}};
    for (const auto& [edge, expected] : edges)
        EXPECT_NEAR(edge, expected, 1e-9);
    // Fonts in pixels: bold 9.75 points, the window's 8.25 and the arrows' 12.
    EXPECT_EQ((std::array{f.Command1->font().pixelSize(), f.Label3->font().pixelSize(),
                          f.Text1->font().pixelSize(), f.Command5->font().pixelSize()}),
              (std::array{13, 11, 11, 16}));
}

TEST_F(PhasorTest, PhasorLoadPlacesAndScalesItsPictures) {
    // Read back through the twips the boxes are kept in: exact up to rounding.
    auto expectPlaced = [](const ui::PictureBox& box, std::array<double, 8> expected) {
        const std::array placed{box.Left(),       box.Top(),        box.Width(),
                                box.Height(),     box.ScaleLeft(),  box.ScaleTop(),
                                box.ScaleWidth(), box.ScaleHeight()};
        for (std::size_t i = 0; i < placed.size(); ++i)
            EXPECT_NEAR(placed[i], expected[i], 1e-9) << i;
    };
    expectPlaced(*f.Picture1, {10, 1350, 3950, 1500, -10, 0, 3000, 1000});
    expectPlaced(*f.Picture2, {1055, 50, 1020, 1303, -150, -140, 300, 280});
    // In pixels: 0.99 of the work area, 1901 x 1069, at its top left, 3000 units each way.
    EXPECT_EQ(std::tuple(f.Left(), f.Top(), f.Picture2->geometry()),
              std::tuple(0.0, 0.0, QRect(669, 18, 646, 464)));
    // The window and its number boxes grey, the pictures and their labels white; black borders.
    EXPECT_EQ((std::array{f.window().BackColor(), f.Text1->palette().base().color().rgb(),
                          f.Picture1->BackColor(), f.Label4->palette().window().color().rgb(),
                          f.Picture2->grab().toImage().pixel(0, 0)}),
              (std::array{ui::RGB(224, 224, 224), ui::RGB(224, 224, 224), ui::WindowBackground,
                          ui::WindowBackground, ui::RGB(0, 0, 0)}));
}

// The buttons set the flags the frames read (see the animation tests) and these
// captions; "Menu" stops the animation, and the window comes back as it was.
TEST_F(PhasorTest, PhasorButtonsToggleTheirCaptionsAndMenuKeepsTheState) {
    const auto captions = [&] {
        return QStringList(
            {f.Label6->Caption(), f.Label7->Caption(), f.Label8->Caption(), f.Command4->Caption()});
    };
    for (const bool on : {true, false}) {
        click(f.Command2);
        click(f.Command3);
        click(f.Command4);
        EXPECT_EQ(captions(),
                  on ? QStringList({"on", "on", "Vektorsumme W1 + W2", "Zeiger W1 und W2"})
                     : QStringList({"off", "off", "Zeiger W1 und W2", "Vektorsumme W1 + W2"}));
    }
    f.probeIndex = 60;
    f.Command2_Click();
    atEventProcessing(1, [&] {
        EXPECT_EQ(f.Label5->Caption(), "W1 on");
        EXPECT_EQ(f.Command1->Caption(), "Menu");
        click(f.Command1); // nested in the first frame, like a user's click
    });
    f.Command1_Click();
    EXPECT_EQ(std::tuple(f.visible(), app->form1().visible(), f.stoppedFlag, f.Label5->Caption(),
                         f.Command1->Caption()),
              std::tuple(false, true, 1, QString("off"), QString("Start/W1")));
    EXPECT_NEAR(f.timePhase, 1.0 / 28, 1e-7); // the frame was finished

    app->form1().Command2_Click();
    EXPECT_TRUE(f.visible());
    EXPECT_EQ(std::tuple(f.probeIndex, f.wave2Hidden), std::tuple(60, 0));
}
