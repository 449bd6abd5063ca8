#pragma once
// The Huygens window opened from the menu as a user would.

#include "../support/support.h"
#include "../ui/draw_check.h"

#include "huygens/form3.h"
#include "huygens/huygens_model.h"

constexpr ui::Colour red = ui::RGB(255, 0, 0);

class HuygensTest : public AppTest {
protected:
    Form3& open() {
        ui::runHandler([this] { app->form3().Show(); });
        return app->form3();
    }
};
