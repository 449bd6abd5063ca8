#include "../support/support.h"

#include "app/form1.h"
#include "phasor/form2.h"

#include <QCoreApplication>

TEST_F(AppTest, MenuWindowAtTheTopLeftWithItsTexts) {
    Form1& menu = app->form1();
    ASSERT_TRUE(menu.visible());
    EXPECT_EQ(menu.window().windowTitle(), "Huyghenssches Prinzip - Zeigerformalismus");
    EXPECT_EQ(menu.window().geometry(), QRect(0, 0, 575, 556));
    EXPECT_EQ(menu.window().BackColor(), ui::RGB(255, 255, 128));
    // Captions and the pixels of their boxes, 15 twips a pixel.
    const std::tuple<QWidget*, QString, QRect> controls[] = {
        {menu.Label1, "Huyghenssches Prinzip und  Zeigerformalismus.", {88, 8, 385, 65}},
        {menu.Command1, "Huyghenssches Prinzip", {32, 264, 153, 41}},
        {menu.Command2, "Zeigerformalismus", {40, 80, 153, 41}},
        {menu.Label2,
         "Das Programm erläutert den Begriff  des Phasenzeigers einer Sinuswelle. Seine "
         "Stellung wird in Abhängigkeit von Zeit und Ort dargestellt. Mit Hilfe der Vektorsumme "
         "von Phasenzeigern kann die Superposition von zwei gegen- einander verschobenen Wellen "
         "berechnet werden.",
         {200, 80, 329, 169}},
        {menu.Label3,
         "Das Programm zeigt, wie aus einer Schar von Elementarwellen und und ihren Einhüllenden "
         " das Momentbild eines Wellenfeldes entsteht.                        Durch Anwendung "
         "des Zeigerformalismus auf die Elementarwellen und Summation der Phasenzeiger lassen "
         "sich genauere Informationen über das  Wellenfeld gewinnen, z.B. Amplitudenspektren "
         "längs eines vorgegebenen Schnittes.",
         {192, 264, 345, 225}},
        {menu.Command3, "Ende", {32, 496, 145, 41}}};
    for (const auto& [control, text, pixels] : controls)
        EXPECT_EQ(std::pair(control->property("text").toString(), control->geometry()),
                  std::pair(text, pixels));
    EXPECT_EQ(std::tuple(menu.Label1->font().pixelSize(), menu.Label2->font().pixelSize()),
              std::tuple(24, 16));
    EXPECT_EQ(menu.Command1->nextInFocusChain(), menu.Command2); // tab order as laid out
}

TEST_F(AppTest, DemonstrationWindowsOpenOnceAndComeBackWithTheirState) {
    click(app->form1().Command1);
    ui::Form& huygens = app->form3();
    ASSERT_TRUE(huygens.visible());
    EXPECT_FALSE(app->form2Created());
    EXPECT_TRUE(app->form1().visible()); // stays behind the Huygens window
    const QWidget* window = &huygens.window();
    click(app->form1().Command1);
    EXPECT_EQ(&huygens.window(), window);

    click(app->form1().Command2);
    EXPECT_EQ(std::pair(app->form2().visible(), app->form1().visible()), std::pair(true, false));
}

// The phasor window unloads with its animation still on the stack: the
// sanitizer build sees any use of what its deletion destroyed.
TEST_F(AppTest, EndeWhileTheAnimationFinishesItsLastFrameAfterMenu) {
    Form1& menu = app->form1();
    click(menu.Command2);
    Form2& phasor = app->form2();
    atEventProcessing(1, [&] {
        click(phasor.Command1);                              // "Menu"
        atEventProcessing(1, [&] { click(menu.Command3); }); // "Ende"
    });
    click(phasor.Command1); // "Start W1/Menu": returns once the program ended

    EXPECT_EQ(std::tuple(ui::programEnded(), phasor.stoppedFlag, phasor.loaded(), menu.unloading()),
              std::tuple(true, 1, false, true));

    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(static_cast<ui::PictureBox*>(phasor.Picture1), nullptr);
    EXPECT_THROW(phasor.Picture1->Cls(), ui::UnloadedError);
    EXPECT_THROW(phasor.window(), ui::UnloadedError);
}
