#pragma once
// The menu window: leads to the two demonstrations and ends the program.

#include "ui/form.h"

class App;

class Form1 : public ui::Form {
public:
    explicit Form1(App& app);

    ui::ControlPtr<ui::Label> Label1;
    ui::ControlPtr<ui::PushButton> Command1; // "Huyghenssches Prinzip"
    ui::ControlPtr<ui::PushButton> Command2; // "Zeigerformalismus"
    ui::ControlPtr<ui::Label> Label2;
    ui::ControlPtr<ui::Label> Label3;
    ui::ControlPtr<ui::PushButton> Command3; // "Ende"

    void Command1_Click();
    void Command2_Click();
    void Command3_Click();

protected:
    void buildLayout() override;
    void Form_Load() override;
    void Form_Unload(ui::Integer& cancel) override;

private:
    void installKeys();

    App& app_;
};
