#include "app/app.h"

#include "app/form1.h"
#include "huygens/form3.h"
#include "phasor/form2.h"

App::App() = default;

// The windows go in reverse order of creation; no handler runs any more.
App::~App() {
    form3_.reset();
    form2_.reset();
    form1_.reset();
}

void App::start() {
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

bool App::created(const ui::Form* form) const {
    return form && (form == form1_.get() || form == form2_.get() || form == form3_.get());
}
