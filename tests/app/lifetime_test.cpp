#include "../support/support.h"

#include "app/form1.h"
#include "phasor/form2.h"

#include <QCoreApplication>

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
