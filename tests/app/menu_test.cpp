#include "../support/support.h"

#include "app/form1.h"

#include <QApplication>
#include <QCloseEvent>

namespace {

void closeBox(ui::Form& form) {
    QCloseEvent close;
    QApplication::sendEvent(&form.window(), &close);
}

// The program has ended after every loaded window began unloading (its
// Form_Unload has run or is still on the stack), and no window shows.
void expectShutDown(App& app) {
    EXPECT_TRUE(ui::programEnded());
    for (ui::Form* form :
         std::initializer_list<ui::Form*>{&app.form1(), &app.form2(), &app.form3()})
        EXPECT_TRUE(form->unloading() || !form->loaded()) << form->caption().toStdString();
    for (QWidget* window : QApplication::topLevelWidgets())
        EXPECT_FALSE(window->isVisible());
}

} // namespace

TEST_F(AppTest, MenuWindowIsLaidOutAtTheTopLeftWithItsExactTexts) {
    Form1& menu = app->form1();
    ASSERT_TRUE(menu.visible());
    EXPECT_EQ(menu.window().windowTitle(), "Huyghenssches Prinzip - Zeigerformalismus");
    EXPECT_EQ(menu.window().geometry(), QRect(0, 0, 575, 556));
    EXPECT_EQ(menu.window().BackColor(), ui::RGB(255, 255, 128));

    EXPECT_EQ(menu.Label1->Caption(), "Huyghenssches Prinzip und  Zeigerformalismus.");
    EXPECT_EQ(menu.Command1->Caption(), "Huyghenssches Prinzip");
    EXPECT_EQ(menu.Command2->Caption(), "Zeigerformalismus");
    EXPECT_EQ(menu.Command3->Caption(), "Ende");
    EXPECT_TRUE(menu.Label2->Caption().startsWith("Das Programm erläutert den Begriff  des "));
    EXPECT_TRUE(
        menu.Label2->Caption().endsWith("gegen- einander verschobenen Wellen berechnet werden."));
    EXPECT_TRUE(menu.Label3->Caption().contains(
        "Einhüllenden  das Momentbild eines Wellenfeldes entsteht." + QString(24, ' ') + "Durch "));
    EXPECT_TRUE(menu.Label3->Caption().contains("über das  Wellenfeld"));
    EXPECT_TRUE(menu.Label2->wordWrap());

    // Twips to pixels at 15 twips a pixel.
    EXPECT_EQ(menu.Label1->geometry(), QRect(88, 8, 385, 65));
    EXPECT_EQ(menu.Command1->geometry(), QRect(32, 264, 153, 41));
    EXPECT_EQ(menu.Command2->geometry(), QRect(40, 80, 153, 41));
    EXPECT_EQ(menu.Label2->geometry(), QRect(200, 80, 329, 169));
    EXPECT_EQ(menu.Label3->geometry(), QRect(192, 264, 345, 225));
    EXPECT_EQ(menu.Command3->geometry(), QRect(32, 496, 145, 41));
    EXPECT_EQ(menu.Label1->font().pixelSize(), 24);
    EXPECT_EQ(menu.Label2->font().pixelSize(), 16);
    EXPECT_EQ(menu.Command1->font().pixelSize(), 11);
    EXPECT_TRUE(menu.Command1->font().bold());

    // Tab order: the buttons in the order of the layout.
    EXPECT_EQ(menu.Label1->nextInFocusChain(), menu.Command1);
    EXPECT_EQ(menu.Command1->nextInFocusChain(), menu.Command2);
    EXPECT_EQ(menu.Command2->nextInFocusChain(), menu.Label2);
    EXPECT_EQ(menu.Label3->nextInFocusChain(), menu.Command3);
}

TEST_F(AppTest, EndeRightAfterStartEndsWithoutLoadingAnotherWindow) {
    leftClick(app->form1().Command3);
    expectShutDown(*app);
    EXPECT_FALSE(app->form2().loaded());
    EXPECT_FALSE(app->form3().loaded());
}

TEST_F(AppTest, TheMenuCloseBoxEndsTheProgramWhileTheMenuUnloads) {
    closeBox(app->form1());
    expectShutDown(*app);
    EXPECT_TRUE(app->form1().unloading());
}

TEST_F(AppTest, ClosingThePhasorWindowEndsTheProgramWithTheHiddenMenu) {
    leftClick(app->form1().Command2);
    ASSERT_TRUE(app->form2().visible());
    closeBox(app->form2());
    expectShutDown(*app);
}

TEST_F(AppTest, ClosingTheHuygensWindowEndsTheProgram) {
    leftClick(app->form1().Command2);
    leftClick(app->form1().Command1); // the menu is hidden but its button still works
    ASSERT_TRUE(app->form3().visible());
    closeBox(app->form3());
    expectShutDown(*app);
}

TEST_F(AppTest, DemonstrationWindowsOpenOnceAndComeBackWithTheirState) {
    leftClick(app->form1().Command1);
    ui::Form& huygens = app->form3();
    ASSERT_TRUE(huygens.visible());
    EXPECT_TRUE(app->form1().visible()); // stays behind the Huygens window
    const QWidget* window = &huygens.window();
    leftClick(app->form1().Command1);
    EXPECT_EQ(&huygens.window(), window);

    leftClick(app->form1().Command2);
    EXPECT_TRUE(app->form2().visible());
    EXPECT_FALSE(app->form1().visible());
}
