#include "../support/support.h"

#include "ui/form.h"

#include <QStringList>

namespace {

// A window whose button's click handler fails as long as `failure` says so.
class FailingForm : public ui::Form {
public:
    FailingForm() : ui::Form({"Fehler", ui::WindowBackground, 3000, 2000, {8.25, true}, "FormX"}) {}

    ui::PushButton* Command1 = nullptr;
    std::function<void()> failure;
    int completed = 0;

protected:
    void buildLayout() override {
        Command1 = addButton(window(), {150, 150, 1200, 400}, "Knopf", windowFont());
        Command1->onClick = handler("Command1_Click", [this] { Command1_Click(); });
    }

private:
    void Command1_Click() {
        if (failure)
            failure();
        ++completed;
    }
};

} // namespace

using FailureTest = AppTest;

TEST_F(FailureTest, AFailingHandlerPrintsOneLinePerDistinctFailureAndTheProgramGoesOn) {
    FailingForm form;
    form.Show();
    testing::internal::CaptureStderr();
    form.failure = [] { ui::add(32767, 1); };
    leftClick(form.Command1);
    leftClick(form.Command1);
    form.failure = [] { ui::Table<int, 3>()(3); };
    leftClick(form.Command1);
    form.failure = {};
    leftClick(form.Command1);
    const QString printed = QString::fromStdString(testing::internal::GetCapturedStderr());

    EXPECT_EQ(printed, "wellenzeiger: Laufzeitfehler in FormX.Command1_Click: Überlauf\n"
                       "wellenzeiger: Laufzeitfehler in FormX.Command1_Click: "
                       "Index außerhalb des Bereichs\n");
    EXPECT_EQ(form.completed, 1);
    EXPECT_FALSE(ui::programEnded());
    form.Unload();
}
