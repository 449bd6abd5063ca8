#include "../support/support.h"
#include "test_form.h"

#include "ui/runtime.h"

#include <QApplication>
#include <QCloseEvent>
#include <QStyleOptionSlider>

namespace {

class RuntimeTest : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        form.Show();
    }
    TestForm form;
};

} // namespace

TEST_F(RuntimeTest, ShowLoadsOnceAndHideKeepsTheWindow) {
    EXPECT_EQ(form.loads, 1);
    form.Hide();
    EXPECT_FALSE(form.visible());
    form.Show();
    form.Show();
    EXPECT_TRUE(form.visible());
    EXPECT_EQ(form.loads, 1);
}

TEST_F(RuntimeTest, UnloadRunsFormUnloadOnceAndNotWhenNotLoaded) {
    TestForm never;
    never.Unload();
    EXPECT_EQ(never.unloads, 0);

    form.whenUnloading = [&] { form.Unload(); }; // re-entered while unloading
    form.Unload();
    EXPECT_EQ(form.unloads, 1);
    EXPECT_FALSE(form.loaded());
    form.Unload();
    EXPECT_EQ(form.unloads, 1);
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

    QStyleOptionSlider option;
    option.initFrom(bar);
    option.orientation = Qt::Horizontal;
    option.minimum = bar->minimum();
    option.maximum = bar->maximum();
    option.sliderPosition = option.sliderValue = bar->value();
    option.singleStep = bar->singleStep();
    option.pageStep = bar->pageStep();
    option.upsideDown = false;
    option.state |= QStyle::State_Horizontal;
    const QRect thumb =
        bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, bar);
    const QRect addLine =
        bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarAddLine, bar);

    mousePress(bar, Qt::LeftButton, thumb.center());
    mouseMove(bar, thumb.center() + QPoint(20, 0), Qt::LeftButton);
    mouseMove(bar, thumb.center() + QPoint(40, 0), Qt::LeftButton);
    EXPECT_TRUE(changes.empty());
    mouseRelease(bar, Qt::LeftButton, thumb.center() + QPoint(40, 0));
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_GT(changes[0], 50);

    const int dragged = changes[0];
    ASSERT_EQ(bar->style()->hitTestComplexControl(QStyle::CC_ScrollBar, &option, addLine.center(), bar),
              QStyle::SC_ScrollBarAddLine);
    leftClick(bar, addLine.center()); // arrow: one small step
    ASSERT_EQ(changes.size(), 2u);
    EXPECT_EQ(changes[1], dragged + 1);

    bar->setFocus();
    QKeyEvent left(QEvent::KeyPress, Qt::Key_Left, Qt::NoModifier);
    QApplication::sendEvent(bar, &left);
    ASSERT_EQ(changes.size(), 3u);
    EXPECT_EQ(changes[2], dragged);
}
