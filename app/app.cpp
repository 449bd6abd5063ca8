#include "app/app.h"

#include "app/form1.h"
#include "app/settings.h"
#include "huygens/form3.h"
#include "phasor/form2.h"
#include "ui/desktop.h"
#include "ui/help_window.h"
#include "ui/line_weight.h"

App::App() = default;

// The windows go in reverse order of creation; no handler runs any more.
App::~App() {
    form3_.reset();
    form2_.reset();
    form1_.reset();
}

// The line weight saved at the last run counts from the first window on.
void App::start() {
    ui::setLineWeight(readLineWeight());
    ui::whenWorkAreaChanges(
        [this] { forEachLoadedForm("WorkArea_Change", &ui::Form::WorkArea_Change); });
    form1().Show();
}

Form1& App::form1() {
    if (!form1_)
        form1_ = std::make_unique<Form1>(*this);
    return *form1_;
}

Form2& App::form2() {
    if (!form2_)
        form2_ = std::make_unique<Form2>(*this);
    return *form2_;
}

Form3& App::form3() {
    if (!form3_)
        form3_ = std::make_unique<Form3>(*this);
    return *form3_;
}

void App::showMenu() {
    form1().Show();
}

void App::unloadAll() {
    form1().Unload();
    form2().Unload();
    form3().Unload();
}

// A key that leaves the weight as it is (Ctrl+Plus at triple weight) saves
// nothing: the settings file is only written when the user changes it.
void App::changeLineWeight(int weight) {
    const int before = ui::lineWeight();
    ui::setLineWeight(weight);
    if (ui::lineWeight() == before)
        return;
    saveLineWeight(ui::lineWeight());
    forEachLoadedForm("LineWeight_Change", &ui::Form::LineWeight_Change);
}

// Each loaded window in turn, with an open help refreshed afterwards.
void App::forEachLoadedForm(const char* handler, void (ui::Form::*change)()) {
    ui::Form* forms[] = {form1_.get(), form2_.get(), form3_.get()};
    for (ui::Form* form : forms) {
        if (form && form->loaded()) {
            ui::runHandler(
                [form, change] {
                    (form->*change)();
                    // Events processed while it drew may have unloaded the window.
                    if (form->loaded())
                        ui::refreshHelp(form->window());
                },
                form->handlerName(handler));
        }
    }
}
