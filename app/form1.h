#pragma once
// The menu window: leads to the two demonstrations and ends the program.

#include "ui/form.h"

class App;

class Form1 : public ui::Form {
public:
    explicit Form1(App& app);

    ui::Label* Label1 = nullptr;
    ui::PushButton* Command1 = nullptr; // "Huyghenssches Prinzip"
    ui::PushButton* Command2 = nullptr; // "Zeigerformalismus"
    ui::Label* Label2 = nullptr;
    ui::Label* Label3 = nullptr;
    ui::PushButton* Command3 = nullptr; // "Ende"

    void Command1_Click();
    void Command2_Click();
    void Command3_Click();

protected:
    void buildLayout() override;
    void Form_Load() override;
    void Form_Unload(ui::Integer& cancel) override;

private:
    App& app_;
};
