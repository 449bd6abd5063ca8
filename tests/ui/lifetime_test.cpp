#include "test_form.h"

#include "ui/runtime.h"

#include <QApplication>
#include <QCloseEvent>
#include <QPointer>
#include <algorithm>
#include <stdexcept>

using LifetimeTest = TestFormTest;

// Any exception stops at the handler's entry point with one line on stderr;
// the program goes on.
TEST_F(LifetimeTest, ForeignExceptionsStopAtTheHandlerWithOneLine) {
    int after = 0;
    testing::internal::CaptureStderr();
    ui::runHandler([&] {
        (void)std::vector<int>().at(3);
        ++after;
    });
    ui::runHandler([&] {
        throw 7;
        ++after;
    });
    const std::string printed = testing::internal::GetCapturedStderr();
    EXPECT_EQ(after, 0);
    EXPECT_EQ(std::count(printed.begin(), printed.end(), '\n'), 2) << printed;
    EXPECT_NE(printed.find("wellenzeiger: "), std::string::npos) << printed;
    EXPECT_FALSE(ui::programEnded());
}

// A form that is gone leaves its window waiting for deletion; the window's
// close box must not reach the form any more.
TEST_F(LifetimeTest, AnUnloadedWindowNeitherReachesItsFormNorIsReachedThroughIt) {
    QPointer<ui::FormWindow> window;
    {
        TestForm gone;
        gone.Show();
        window = &gone.window();
        gone.Unload();
        EXPECT_THROW(gone.window(), ui::UnloadedError);
    }
    ASSERT_FALSE(window.isNull());
    QCloseEvent close;
    QApplication::sendEvent(window, &close);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull());
}
