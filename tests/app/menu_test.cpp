#include "../support/support.h"

#include "app/form1.h"

TEST_F(AppTest, MenuWindowStartsAtTheTopLeft) {
    Form1& menu = app->form1();
    ASSERT_TRUE(menu.visible());
    EXPECT_EQ(menu.window().windowTitle(), "Huyghenssches Prinzip - Zeigerformalismus");
    EXPECT_EQ(menu.window().geometry().topLeft(), QPoint(0, 0));
}
