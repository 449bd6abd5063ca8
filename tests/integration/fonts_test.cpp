// "MS Sans Serif" comes out as an installed sans-serif family at 96/72 pixels
// per point, and no label or button text of the three windows is cut off by
// its box at 96 dpi.

#include "../support/support.h"

#include "ui/form.h"

#include <QFontInfo>
#include <QLabel>
#include <QPushButton>
#include <QStyleOption>

namespace {

// Every label or button text of a window that does not fit its box: labels
// wrap at blanks into their contents, buttons take one line in the style's
// contents area.
std::string clippedTexts(const ui::Form& form) {
    QStringList clipped;
    for (const QWidget* child : form.window().findChildren<QWidget*>()) {
        QSize needed, box;
        if (auto* label = qobject_cast<const QLabel*>(child)) {
            const QRect inside = label->contentsRect();
            needed = label->fontMetrics()
                         .boundingRect(inside,
                                       int(label->alignment()) |
                                           (label->wordWrap() ? Qt::TextWordWrap : 0),
                                       label->text())
                         .size();
            box = inside.size();
        } else if (auto* button = qobject_cast<const QPushButton*>(child)) {
            QStyleOptionButton option;
            option.initFrom(button);
            option.text = button->text();
            box = button->style()
                      ->subElementRect(QStyle::SE_PushButtonContents, &option, button)
                      .size();
            needed = {button->fontMetrics().horizontalAdvance(button->text()),
                      button->fontMetrics().height()};
        }
        if (needed.width() > box.width() || needed.height() > box.height())
            clipped << form.caption() + ": " + child->property("text").toString();
    }
    return clipped.join('\n').toStdString();
}

} // namespace

TEST(Fonts, MsSansSerifIsLiberationSansAtNinetySixDotsPerInch) {
    for (const auto& [points, pixels] : {std::pair{8.25, 11}, {9.75, 13}, {12, 16}, {18, 24}}) {
        const QFontInfo info(ui::toQFont({points, true}));
        EXPECT_EQ(std::tuple(info.family(), info.pixelSize(), info.bold()),
                  std::tuple(QString("Liberation Sans"), pixels, true));
    }
}

TEST_F(AppTest, NoTextOfTheThreeWindowsIsCutOff) {
    EXPECT_EQ(clippedTexts(app->form1()), "");
    Form3& huygens = openHuygens();
    EXPECT_EQ(clippedTexts(huygens), "");
    // The phasor window with its longer captions: W2, sum and vector sum on,
    // and while the animation runs.
    Form2& phasor = openPhasor();
    phasor.Command2_Click();
    phasor.Command3_Click();
    phasor.Command4_Click();
    atEventProcessing(1, [&] {
        EXPECT_EQ(clippedTexts(phasor), "");
        phasor.stoppedFlag = 1;
    });
    phasor.Command1_Click();
}
