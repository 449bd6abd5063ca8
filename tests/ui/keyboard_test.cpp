#include "test_form.h"

#include <QTest>

using KeyboardTest = TestFormTest;

TEST_F(KeyboardTest, SpaceAndEnterPressTheFocusedButtonButNeverAMouseOnlyButton) {
    int clicks = 0, mouseDowns = 0;
    const auto mouseDown = [&](ui::Integer, ui::Integer, ui::Single, ui::Single) { ++mouseDowns; };
    for (const Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter}) {
        SCOPED_TRACE(QTest::toString(key));
        clicks = mouseDowns = 0;
        form.Command1->onClick = [&] { ++clicks; };
        form.Command1->onMouseDown = {};
        QTest::keyClick(form.Command1, key);
        EXPECT_EQ(clicks, 1);

        // A button that acts on the mouse press alone, like "---->".
        form.Command1->onClick = {};
        form.Command1->onMouseDown = mouseDown;
        QTest::keyClick(form.Command1, key);
        EXPECT_EQ(mouseDowns, 0);
    }
    leftClick(form.Command1);
    EXPECT_EQ(mouseDowns, 1);
}

TEST_F(KeyboardTest, NumberBoxesShowWhatTheProgramWritesNeverWhatIsTyped) {
    const ui::Colour grey = ui::RGB(224, 224, 224);
    ui::TextBox box(form.window(), {3000, 150, 375, 285}, "7", grey);
    ui::TextBox writable(form.window(), {3000, 600, 375, 285}, "7", grey);
    writable.setReadOnly(false);

    QTest::keyClicks(&box, "99");
    QTest::keyClick(&box, Qt::Key_Backspace);
    EXPECT_EQ(box.Text(), "7");
    box.setText("13");
    EXPECT_EQ(box.Text(), "13");

    // Still reached with Tab, and drawn like a box that takes input.
    EXPECT_EQ(box.focusPolicy(), Qt::StrongFocus);
    box.setText("7");
    EXPECT_EQ(box.grab().toImage(), writable.grab().toImage());
}
