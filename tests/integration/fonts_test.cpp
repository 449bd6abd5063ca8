// "MS Sans Serif" comes out as an installed sans-serif family at 96/72 pixels
// per point, and no text of the three windows is cut off by its box at 96 dpi.

#include "../support/support.h"

#include "ui/form.h"

#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyleOption>

namespace {

// How many pixels a text needs beyond its box, the larger of width and height.
int excess(QSize needed, QSize box) {
    return std::max({0, needed.width() - box.width(), needed.height() - box.height()});
}

// A label draws its text wrapped at blanks into its contents rectangle.
int labelExcess(const QLabel& label) {
    const QRect box = label.contentsRect();
    const int flags = int(label.alignment()) | (label.wordWrap() ? Qt::TextWordWrap : 0);
    return excess(label.fontMetrics().boundingRect(box, flags, label.text()).size(), box.size());
}

// A button draws its caption on one line into the style's contents area.
int buttonExcess(const QPushButton& button) {
    QStyleOptionButton option;
    option.initFrom(&button);
    option.text = button.text();
    const QRect box =
        button.style()->subElementRect(QStyle::SE_PushButtonContents, &option, &button);
    const QFontMetrics metrics = button.fontMetrics();
    return excess({metrics.horizontalAdvance(button.text()), metrics.height()}, box.size());
}

// A frame draws its caption on one line from the top left of the style's
// label area, which lies over the frame's top edge.
int frameExcess(const QGroupBox& frame) {
    QStyleOptionGroupBox option;
    option.initFrom(&frame);
    option.text = frame.title();
    option.lineWidth = 1;
    option.textAlignment = frame.alignment();
    option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    const QRect label = frame.style()->subControlRect(QStyle::CC_GroupBox, &option,
                                                      QStyle::SC_GroupBoxLabel, &frame);
    const QFontMetrics metrics = frame.fontMetrics();
    const QRect text(label.topLeft(),
                     QSize(metrics.horizontalAdvance(frame.title()), metrics.height()));
    return std::max(excess({text.right() + 1, text.bottom() + 1}, frame.size()), -text.top());
}

// A text box shows its text on one line inside its frame and margins.
int textBoxExcess(const QLineEdit& box) {
    const QMargins margins = box.textMargins();
    const int frame =
        box.hasFrame() ? 2 * box.style()->pixelMetric(QStyle::PM_DefaultFrameWidth) : 0;
    const int available = box.width() - frame - margins.left() - margins.right() - 4;
    return std::max(0, box.fontMetrics().horizontalAdvance(box.text()) - available);
}

// Every text of a window that does not fit its box, with by how many pixels.
std::string clippedTexts(const ui::Form& form) {
    QStringList clipped;
    auto note = [&](const QWidget* widget, const QString& text, int excess) {
        if (excess > 0)
            clipped << QString("%1: %2 \"%3\" %4 px too large")
                           .arg(form.caption(), widget->metaObject()->className(), text)
                           .arg(excess);
    };
    for (const QWidget* child : form.window().findChildren<QWidget*>()) {
        if (auto* label = qobject_cast<const QLabel*>(child))
            note(label, label->text(), labelExcess(*label));
        else if (auto* button = qobject_cast<const QPushButton*>(child))
            note(button, button->text(), buttonExcess(*button));
        else if (auto* frame = qobject_cast<const QGroupBox*>(child))
            note(frame, frame->title(), frameExcess(*frame));
        else if (auto* box = qobject_cast<const QLineEdit*>(child))
            note(box, box->text(), textBoxExcess(*box));
    }
    return clipped.join('\n').toStdString();
}

using FontsTest = AppTest;

} // namespace

TEST(Fonts, MsSansSerifIsLiberationSansAtNinetySixDotsPerInch) {
    const std::pair<double, int> sizes[] = {{8.25, 11}, {9.75, 13}, {12, 16}, {18, 24}};
    for (const auto& [points, pixels] : sizes) {
        const QFontInfo info(ui::toQFont({points, true}));
        EXPECT_EQ(info.family(), "Liberation Sans") << points;
        EXPECT_EQ(info.pixelSize(), pixels) << points;
        EXPECT_TRUE(info.bold()) << points;
    }
}

TEST_F(FontsTest, NoTextOfTheThreeWindowsIsCutOff) {
    EXPECT_EQ(clippedTexts(app->form1()), "");
    Form3& huygens = openHuygens();
    huygens.HScroll2->setValue(huygens.HScroll2->maximum()); // 13 sources
    huygens.HScroll3->setValue(huygens.HScroll3->maximum());
    EXPECT_EQ(clippedTexts(huygens), "");
    // The phasor window with its longer captions: W2, sum and vector sum on,
    // the animation started once, the sliders at their maxima.
    Form2& phasor = openPhasor();
    phasor.Command2_Click();
    phasor.Command3_Click();
    phasor.Command4_Click();
    std::string running;
    atEventProcessing(1, [&] {
        running = clippedTexts(phasor);
        phasor.stoppedFlag = 1;
    });
    phasor.Command1_Click();
    EXPECT_EQ(running, "");
    for (auto* slider : {phasor.HScroll1, phasor.HScroll2, phasor.HScroll3})
        slider->setValue(slider->maximum());
    EXPECT_EQ(clippedTexts(phasor), "");
}
