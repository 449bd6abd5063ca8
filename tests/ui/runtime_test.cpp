#include "test_form.h"

#include "ui/runtime.h"

#include <QApplication>
#include <QCloseEvent>
#include <QStyleOptionSlider>
#include <QTest>

using RuntimeTest = TestFormTest;

TEST_F(RuntimeTest, ShowLoadsOnceAndUnloadRunsFormUnloadOnce) {
    form.Hide();
    EXPECT_FALSE(form.visible());
    form.Show();
    form.Show();
    EXPECT_TRUE(form.visible());
    EXPECT_EQ(form.loads, 1);

    TestForm never;
    never.Unload();
    EXPECT_EQ(never.unloads, 0);
    form.whenUnloading = [&] { form.Unload(); }; // re-entered while unloading
    form.Unload();
    form.Unload();
    EXPECT_EQ(form.unloads, 1);
    EXPECT_FALSE(form.loaded());
}

TEST_F(RuntimeTest, DoEventsRunsPendingHandlersNestedInsideTheCaller) {
    std::vector<std::string> order;
    form.Command1->onClick = [&] { order.push_back("click"); };
    form.Picture1->onMouseDown = [&](ui::Integer, ui::Integer, ui::Single, ui::Single) {
        order.push_back("loop start");
        postLeftClick(form.Command1);
        ui::DoEvents();
        order.push_back("loop end");
    };
    mousePress(form.Picture1, Qt::LeftButton, {20, 20});
    EXPECT_EQ(order, (std::vector<std::string>{"loop start", "click", "loop end"}));
}

TEST_F(RuntimeTest, EndInsideALoopThatProcessesEventsStopsEverythingAtOnce) {
    int passes = 0;
    bool afterLoop = false;
    form.whenUnloading = [] { ui::End(); };
    form.Picture1->setRecording(true);
    form.Picture1->onMouseDown = [&](ui::Integer, ui::Integer, ui::Single, ui::Single) {
        for (int i = 0; i < 1000; ++i) {
            ++passes;
            form.Picture1->Line(0, i, 100, i);
            if (i == 4) // the close box, handled at the next event processing
                QCoreApplication::postEvent(&form.window(), new QCloseEvent);
            ui::DoEvents();
        }
        afterLoop = true;
    };
    mousePress(form.Picture1, Qt::LeftButton, {20, 20});

    EXPECT_TRUE(ui::programEnded());
    EXPECT_EQ(passes, 5);
    EXPECT_FALSE(afterLoop);
    EXPECT_EQ(form.Picture1->drawLog().size(), 5u);
    EXPECT_FALSE(form.window().isVisible());

    // No handler runs any more.
    mousePress(form.Picture1, Qt::LeftButton, {20, 20});
    EXPECT_EQ(passes, 5);
}

TEST_F(RuntimeTest, RuntimeErrorsAbandonOnlyTheirHandler) {
    int after = 0;
    form.Command1->onClick = [&] {
        ui::add(32767, 1);
        ++after;
    };
    leftClick(form.Command1);
    EXPECT_EQ(after, 0);
    EXPECT_FALSE(ui::programEnded());
    form.Command1->onClick = [&] { ++after; };
    leftClick(form.Command1);
    EXPECT_EQ(after, 1);
}

TEST_F(RuntimeTest, ScrollBarChangesOnRealNotificationsButNeverDuringAThumbDrag) {
    ui::HScrollBar* bar = form.HScroll1;
    std::vector<int> changes;
    bar->onChange = [&] { changes.push_back(bar->Value()); };

    struct Style : QScrollBar {
        using QScrollBar::initStyleOption;
    };
    QStyleOptionSlider option;
    (bar->*&Style::initStyleOption)(&option);
    auto part = [&](QStyle::SubControl control) {
        return bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, control, bar);
    };
    const QRect thumb = part(QStyle::SC_ScrollBarSlider);
    const QRect addLine = part(QStyle::SC_ScrollBarAddLine);

    mousePress(bar, Qt::LeftButton, thumb.center());
    mouseMove(bar, thumb.center() + QPoint(20, 0), Qt::LeftButton);
    mouseMove(bar, thumb.center() + QPoint(40, 0), Qt::LeftButton);
    EXPECT_TRUE(changes.empty());
    mouseRelease(bar, Qt::LeftButton, thumb.center() + QPoint(40, 0));
    leftClick(bar, addLine.center()); // arrow: one small step
    bar->setFocus();
    QTest::keyClick(bar, Qt::Key_Left);
    ASSERT_EQ(changes.size(), 3u);
    const int dragged = changes[0];
    EXPECT_GT(dragged, 50);
    EXPECT_EQ(changes, (std::vector{dragged, dragged + 1, dragged}));
}
