// "MS Sans Serif" comes out as an installed sans-serif family at 96/72 pixels
// per point, and no text of the three windows is cut off by its box at 96 dpi.

#include "../support/support.h"

#include "app/form1.h"
#include "huygens/form3.h"
#include "phasor/form2.h"
#include "ui/form.h"

#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyleOption>

namespace {

QString describe(const QWidget* widget, const QString& text) {
    return QString("%1 \"%2\" %3x%4")
        .arg(widget->metaObject()->className(), text)
        .arg(widget->width())
        .arg(widget->height());
}

QString overflow(int needed, int available, const char* what) {
    return needed > available ? QString(" %1 %2 > %3 (%4 px short)")
                                    .arg(what)
                                    .arg(needed)
                                    .arg(available)
                                    .arg(needed - available)
                              : QString();
}

// A label draws its text wrapped at blanks into its contents rectangle.
QString labelClipping(const QLabel& label) {
    const QRect box = label.contentsRect();
    const int flags = int(label.alignment()) | (label.wordWrap() ? Qt::TextWordWrap : 0);
    const QRect needed = label.fontMetrics().boundingRect(box, flags, label.text());
    return overflow(needed.width(), box.width(), "width") +
           overflow(needed.height(), box.height(), "height");
}

// A button draws its caption on one line into the style's contents area.
QString buttonClipping(const QPushButton& button) {
    QStyleOptionButton option;
    option.initFrom(&button);
    option.text = button.text();
    const QRect box =
        button.style()->subElementRect(QStyle::SE_PushButtonContents, &option, &button);
    const QFontMetrics metrics = button.fontMetrics();
    return overflow(metrics.horizontalAdvance(button.text()), box.width(), "width") +
           overflow(metrics.height(), box.height(), "height");
}

// A frame draws its caption on one line from the top left of the style's
// label area, which lies over the frame's top edge.
QString frameClipping(const QGroupBox& frame) {
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
    return overflow(text.right() + 1, frame.width(), "right edge") +
           overflow(text.bottom() + 1, frame.height(), "bottom edge") +
           overflow(-text.top(), 0, "above the top by");
}

// A text box shows its text on one line inside its frame and margins.
QString textBoxClipping(const QLineEdit& box) {
    const QMargins margins = box.textMargins();
    const int frame =
        box.hasFrame() ? 2 * box.style()->pixelMetric(QStyle::PM_DefaultFrameWidth) : 0;
    const int available = box.width() - frame - margins.left() - margins.right() - 4;
    return overflow(box.fontMetrics().horizontalAdvance(box.text()), available, "width");
}

// Every text of a window that does not fit its box, with by how much.
QStringList clippedTexts(const ui::Form& form) {
    QStringList clipped;
    auto note = [&](const QWidget* widget, const QString& text, const QString& problem) {
        if (!problem.isEmpty())
            clipped << form.caption() + ": " + describe(widget, text) + problem;
    };
    for (const QWidget* child : form.window().findChildren<QWidget*>()) {
        if (auto* label = qobject_cast<const QLabel*>(child))
            note(label, label->text(), labelClipping(*label));
        else if (auto* button = qobject_cast<const QPushButton*>(child))
            note(button, button->text(), buttonClipping(*button));
        else if (auto* frame = qobject_cast<const QGroupBox*>(child))
            note(frame, frame->title(), frameClipping(*frame));
        else if (auto* box = qobject_cast<const QLineEdit*>(child))
            note(box, box->text(), textBoxClipping(*box));
    }
    return clipped;
}

std::string report(const QStringList& clipped) {
    return clipped.join('\n').toStdString();
}

using FontsTest = AppTest;

} // namespace

TEST(Fonts, MsSansSerifIsLiberationSansAtNinetySixDotsPerInch) {
    const std::pair<double, int> sizes[] = {{8.25, 11}, {9.75, 13}, {12, 16}, {18, 24}};
    for (const auto& [points, pixels] : sizes) {
        const QFont font = ui::toQFont({points, true});
        const QFontInfo info(font);
        EXPECT_EQ(info.family(), "Liberation Sans") << points;
        EXPECT_EQ(info.pixelSize(), pixels) << points;
        EXPECT_TRUE(info.bold()) << points;
    }
}

TEST_F(FontsTest, NoTextOfTheMenuWindowIsCutOff) {
    EXPECT_EQ(report(clippedTexts(app->form1())), "");
}

TEST_F(FontsTest, NoTextOfThePhasorWindowIsCutOffInAnyState) {
    app->form1().Command2_Click();
    Form2& form = app->form2();
    EXPECT_EQ(report(clippedTexts(form)), "") << "as opened";
    // The other captions: W2 and the sum on, the vector sum picture.
    form.Command2_Click();
    form.Command3_Click();
    form.Command4_Click();
    EXPECT_EQ(report(clippedTexts(form)), "") << "W2, sum and vector sum on";
    // While the animation runs; stopped after its first frame.
    QStringList running;
    atEventProcessing(1, [&] {
        running = clippedTexts(form);
        form.stoppedFlag = 1;
    });
    form.Command1_Click();
    EXPECT_EQ(report(running), "") << "animation running";
    form.Command4_Click();
    for (auto* slider : {form.HScroll1, form.HScroll2, form.HScroll3})
        slider->setValue(slider->maximum());
    EXPECT_EQ(report(clippedTexts(form)), "") << "stopped, sliders at their maxima";
}

TEST_F(FontsTest, NoTextOfTheHuygensWindowIsCutOff) {
    app->form1().Command1_Click();
    Form3& form = app->form3();
    EXPECT_EQ(report(clippedTexts(form)), "") << "as opened";
    form.HScroll2->setValue(form.HScroll2->maximum()); // 13 sources
    form.HScroll3->setValue(form.HScroll3->maximum());
    EXPECT_EQ(report(clippedTexts(form)), "") << "sliders at their maxima";
}
