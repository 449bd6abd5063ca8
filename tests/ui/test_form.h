#pragma once
// A small window for testing the services on their own.

#include "../support/support.h"
#include "ui/form.h"

#include <functional>

class TestForm : public ui::Form {
public:
    TestForm() : ui::Form({"Test", ui::WindowBackground, 4500, 3000, {8.25, true}}) {}

    ui::PictureBox* Picture1 = nullptr; // 100 x 70 pixels inside its border
    ui::Label* Label1 = nullptr;        // lies on Picture1
    ui::HScrollBar* HScroll1 = nullptr;
    ui::PushButton* Command1 = nullptr;

    int loads = 0;
    int unloads = 0;
    std::function<void()> whenUnloading;

protected:
    void buildLayout() override {
        Picture1 = addPictureBox(window(), {150, 150, 1530, 1080});
        Label1 = addLabel(*Picture1, {0, 0, 600, 300}, "label", windowFont());
        HScroll1 = addHScrollBar(window(), {150, 1500, 3000, 255}, {0, 100, 50, 1, 10});
        Command1 = addButton(window(), {150, 2000, 1200, 400}, "button", windowFont());
    }
    void Form_Load() override { ++loads; }
    void Form_Unload(ui::Integer&) override {
        ++unloads;
        if (whenUnloading)
            whenUnloading();
    }
};

// The program started, with the test window shown too.
class TestFormTest : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        form.Show();
    }
    TestForm form;
};
