// Saving, copying and help, through the keys. Runs at device pixel ratio 1, 1.25, 1.5 and 2.

#include "../support/support.h"

#include "app/form1.h"
#include "huygens/form3.h"
#include "phasor/form2.h"
#include "ui/focus_marks.h"
#include "ui/presenter.h"

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The dialog a key opened, once the window has shown what was drawn (waits up to a second).
template <typename Dialog> Dialog* dialogOf(QWidget& window) {
    const auto open = [&] { return window.findChild<Dialog*>(); };
    return QTest::qWaitFor([&] { return open() != nullptr; }, 1000) ? open() : nullptr;
}

// Closes a dialog; the window manager gives its window back the focus.
void closeDialog(QWidget* dialog) {
    QWidget* owner = dialog->parentWidget()->window();
    dialog->close();
    QApplication::setActiveWindow(owner);
}

// Chooses `path` in the save dialog, as its "Speichern" button does.
void choose(QFileDialog* dialog, const QString& path) {
    emit dialog->fileSelected(path);
    closeDialog(dialog);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QImage rgb(const QImage& image) {
    return image.convertToFormat(QImage::Format_RGB32);
}

class Keeping : public AppTest {
protected:
    QTemporaryDir folder;
    QString path(const QString& name) const { return folder.filePath(name); }
};

} // namespace

TEST_F(Keeping, SavedAndCopiedPicturesAreTheHuygensWindowAsShown) {
    app->form1().Command1_Click();
    Form3& huygens = app->form3();
    ui::Surface& window = huygens.window();
    click(&window, pixelAt(window, 1000, 0), Qt::RightButton);
    typeKey(Qt::Key_Right); // the keyboard's cursor shows
    typeKey(Qt::Key_S, Qt::ControlModifier);
    QFileDialog* dialog = dialogOf<QFileDialog>(window);
    ASSERT_TRUE(dialog);
    EXPECT_EQ(dialog->windowTitle(), "Bild speichern");
    EXPECT_EQ(dialog->windowModality(), Qt::WindowModal); // the rest of the program goes on
    const QString proposed = dialog->selectedFiles().value(0);
    EXPECT_TRUE(proposed.contains(QRegularExpression(R"(/wellenzeiger-huygens-[-\d]{17}\.png$)")))
        << proposed.toStdString();
    choose(dialog, path("feld.png"));
    // The picture is the window as drawn, without the keyboard's cursor on the field.
    const QImage drawn = rgb(ui::pictureOf(window));
    ASSERT_EQ(drawn.size(), window.size() * window.devicePixelRatio());
    EXPECT_TRUE(rgb(QImage(path("feld.png"))) == drawn);
    EXPECT_FALSE(rgb(window.grab().toImage()) == drawn);

    QApplication::clipboard()->clear();
    click(huygens.Text2);
    typeKey(Qt::Key_C, Qt::ControlModifier);
    dialogOf<QFileDialog>(window); // gives the presenter a second to show the window
    EXPECT_TRUE(rgb(QApplication::clipboard()->image()) == rgb(window.grab().toImage()));

    // A number box with a selection copies its text instead.
    huygens.Text2->selectAll();
    typeKey(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "7");
}

// During the animation the picture is the frame on screen, never a cleared picture.
TEST_F(Keeping, PictureOfTheRunningAnimationIsTheFrameOnScreen) {
    app->form1().Command2_Click();
    Form2& phasor = app->form2();
    const ui::Single firstFrame = phasor.timePhase;
    QImage shown;
    ui::setEventProcessingHook([&] {
        if (phasor.timePhase == firstFrame)
            return;
        // Next comes the first event processing after the box is cleared.
        atEventProcessing(1, [&] {
            typeKey(Qt::Key_S, Qt::ControlModifier);
            ui::Presenter::instance().whenShown(
                [&] { shown = rgb(phasor.window().grab().toImage()); });
            atEventProcessing(400, [&] { phasor.stoppedFlag = 1; });
        });
    });
    click(phasor.Command1); // the focus stays on the button
    QFileDialog* dialog = dialogOf<QFileDialog>(phasor.window());
    ASSERT_TRUE(dialog);
    EXPECT_TRUE(dialog->selectedFiles().value(0).contains("/wellenzeiger-zeiger-"));
    choose(dialog, path("zeiger.png"));
    const QImage picture = rgb(QImage(path("zeiger.png")));
    const qreal ratio = phasor.window().devicePixelRatioF();
    ASSERT_EQ(picture.size(), phasor.window().size() * ratio);
    EXPECT_TRUE(picture == shown);
    const QImage box = picture.copy(
        QRectF(QPointF(phasor.Picture2->pos()) * ratio, QSizeF(phasor.Picture2->size()) * ratio)
            .toRect());
    int coloured = 0; // the pointers, over the white box
    for (int y = 0; y < box.height(); ++y)
        for (int x = 0; x < box.width(); ++x)
            coloured += QColor(box.pixel(x, y)).saturation() > 100;
    EXPECT_GT(coloured, 0);
}

// The table is the scan the plot shows, or a message says why there is none.
TEST_F(Keeping, AmplitudeTableIsThePlottedScanAndFailuresAreReported) {
    app->form1().Command1_Click();
    Form3& huygens = app->form3();
    ui::Surface& window = huygens.window();
    const QPoint cut = pixelAt(window, 3600, 0);
    const auto saveTable = [&] {
        typeKey(Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
        return dialogOf<QFileDialog>(window);
    };
    const auto answer = [&] { // the message instead of a dialog, closed again
        typeKey(Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
        std::unique_ptr<QMessageBox> box(window.findChild<QMessageBox*>());
        EXPECT_FALSE(window.findChild<QFileDialog*>());
        return box ? box->text() : QString();
    };
    click(&window, cut);
    EXPECT_TRUE(answer().startsWith("Es gibt noch keine Amplitudenverteilung"));

    mousePress(&window, Qt::RightButton, cut);
    // A missing folder, and a name the file system refuses (the dialog would, too).
    for (const QString& name : {path("fehlt/tabelle.csv"), path(QString(300, 'x') + ".csv")}) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QFileDialog* dialog = saveTable();
        ASSERT_TRUE(dialog);
        EXPECT_EQ(dialog->windowTitle(), "Amplitudenverteilung speichern");
        choose(dialog, name);
        QMessageBox* failure = dialogOf<QMessageBox>(window);
        ASSERT_TRUE(failure);
        EXPECT_TRUE(failure->text().contains("konnte nicht gespeichert werden.\n\nGrund: "))
            << failure->text().toStdString();
        closeDialog(failure);
        EXPECT_TRUE(QDir(folder.path()).isEmpty()); // no temporary file left either
    }
    choose(saveTable(), path("tabelle.csv"));
    QFile saved(path("tabelle.csv"));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll(), huygens::amplitudeCsv(huygens.plotRecord.table(), QLocale()));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    // While a later scan runs; after a scan that a slider or another scan got into.
    QString during;
    atEventProcessing(600, [&] { during = answer(); });
    mousePress(&window, Qt::RightButton, cut);
    EXPECT_TRUE(during.startsWith("Die Amplitudenverteilung wird noch berechnet"))
        << during.toStdString();
    atEventProcessing(600, [&] { huygens.HScroll2->setValue(2); });
    mousePress(&window, Qt::RightButton, cut);
    EXPECT_TRUE(answer().startsWith("Während der letzten Berechnung wurde die Zahl"));
    atEventProcessing(600, [&] { mousePress(&window, Qt::RightButton, cut); });
    mousePress(&window, Qt::RightButton, cut);
    EXPECT_TRUE(answer().startsWith("In die letzte Berechnung hinein wurde eine weitere"));
    atEventProcessing(600, [&] { huygens.halfCount = 20; }); // more sources than phases
    mousePress(&window, Qt::RightButton, cut);
    EXPECT_TRUE(answer().startsWith("Die letzte Berechnung wurde nicht zu Ende"));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"tabelle.csv"});
}

// A help belongs to its window: Esc closes it, and so does hiding the window.
TEST_F(Keeping, F1ShowsTheHelpOfTheWindowWithItsKeys) {
    app->form1().Command1_Click();
    const std::pair<ui::Form*, QStringList> cases[] = {
        {&app->form1(), {"F1", "Esc", "Strg+S, Strg+C, Strg+Umschalt+S", "Strg+0"}},
        {&app->form2(),
         {"F1", "Esc", "Strg+S", "Strg+C", "----&gt;", "Strg+Plus, Strg+Minus",
          "Pos1, Ende im Wellenbild"}},
        {&app->form3(),
         {"F1", "Esc", "Strg+S", "Strg+C", "Strg+Umschalt+S", "Strg+0",
          "Umschalt+Eingabetaste im Wellenfeld"}}};
    for (const auto& [form, keys] : cases) {
        form->Show();
        click(&form->window(), {5, 5});
        typeKey(Qt::Key_F1);
        auto* help = form->window().findChild<QDialog*>("helpWindow");
        ASSERT_TRUE(help) << form->caption().toStdString();
        EXPECT_EQ(help->windowTitle(), "Hilfe: " + form->caption().trimmed());
        const QString text = help->findChild<QLabel*>()->text();
        for (const QString& key : keys)
            EXPECT_TRUE(text.contains("<b>" + key + "</b>")) << key.toStdString();
        EXPECT_EQ(text.contains("auf einem Regler"),
                  form != &app->form1()); // only where sliders are
        // Scrolled where it is longer than the screen is high.
        const auto* label = help->findChild<QLabel*>();
        EXPECT_GE(label->height(), label->heightForWidth(label->width()));
        QCoreApplication::processEvents(); // the help is the active window now
        typeKey(Qt::Key_Escape);
        EXPECT_FALSE(help->isVisible());
        QApplication::setActiveWindow(&form->window()); // the window manager's doing
        typeKey(Qt::Key_F1);
        EXPECT_TRUE(help->isVisible());
        form->Hide();
        EXPECT_FALSE(help->isVisible());
    }
}
