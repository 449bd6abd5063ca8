#pragma once
// The application shell: owns the single instance of each window and gives
// the windows the menu window and the shutdown sequence.

#include "app/form1.h"
#include "huygens/form3.h"
#include "phasor/form2.h"
#include "ui/shell.h"

#include <memory>

class App : public ui::Shell {
public:
    App();
    ~App() override;

    // Start-up: creates the menu window, loads it and shows it.
    void start();

    // Each window instance is created the first time it is referred to.
    Form1& form1();
    Form2& form2();
    Form3& form3();

    void showMenu() override;
    void unloadAll() override; // Form1, Form2 and Form3, in this order
    void changeLineWeight(int weight) override;

    bool form2Created() const { return form2_ != nullptr; }
    bool form3Created() const { return form3_ != nullptr; }

private:
    void forEachLoadedForm(const char* handler, void (ui::Form::*change)());

    std::unique_ptr<Form1> form1_;
    std::unique_ptr<Form2> form2_;
    std::unique_ptr<Form3> form3_;
};
