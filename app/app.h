#pragma once
// The application shell: owns the single instance of each window.

#include "app/form1.h"
#include "app/shell.h"
#include "huygens/form3.h"
#include "phasor/form2.h"

#include <memory>

class App : public Shell {
public:
    App();
    ~App() override;

    // Start-up: creates the menu window, loads it and shows it.
    void start();

    // Each window instance is created the first time it is referred to.
    Form1& form1() override;
    Form2& form2() override;
    Form3& form3() override;

    bool created(const ui::Form* form) const;
    bool form2Created() const { return form2_ != nullptr; }
    bool form3Created() const { return form3_ != nullptr; }

private:
    std::unique_ptr<Form1> form1_;
    std::unique_ptr<Form2> form2_;
    std::unique_ptr<Form3> form3_;
};
