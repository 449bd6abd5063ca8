// Saving and copying what a window shows, saving the amplitude table, and the
// help windows, driven through the keys. Runs at device pixel ratio 1 and 2.

#include "../support/support.h"

#include "app/form1.h"
#include "huygens/form3.h"
#include "phasor/form2.h"
#include "ui/presenter.h"
#include "ui/save_file.h"

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QRegularExpression>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

namespace {

int screenRatio() {
    return static_cast<int>(QGuiApplication::primaryScreen()->devicePixelRatio());
}

// A key pressed in the window, which is the active one as after a click into it.
void press(QWidget& window, int key, Qt::KeyboardModifiers modifiers = {}) {
    window.activateWindow();
    QTest::keyClick(&window, static_cast<Qt::Key>(key), modifiers);
}

// Processes events until `done` holds (at most a second); says whether it does.
bool waitFor(const std::function<bool()>& done) {
    for (int wait = 0; wait < 100 && !done(); ++wait) {
        QCoreApplication::processEvents();
        QThread::msleep(10);
    }
    return done();
}

// The dialog a key opened, once the window has shown what was drawn.
template <typename Dialog> Dialog* dialogOf(QWidget& window) {
    waitFor([&] { return window.findChild<Dialog*>() != nullptr; });
    return window.findChild<Dialog*>();
}

// Chooses `path` in the save dialog, as its "Speichern" button does, and
// waits for the write.
void choose(QFileDialog* dialog, const QString& path) {
    emit dialog->fileSelected(path);
    dialog->close();
    QCoreApplication::processEvents();
}

// The part of the picture where the surface's drawing area sits, with the
// controls over it blacked out; `drawing` is what the surface drew there.
QImage uncovered(const QImage& image, const ui::Surface& surface) {
    const int ratio = screenRatio();
    QImage masked = image.convertToFormat(QImage::Format_RGB32);
    masked.setDevicePixelRatio(1); // the mask is in device pixels
    QPainter painter(&masked);
    for (const QWidget* control : surface.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (control->isVisible())
            painter.fillRect(QRect((control->pos() - surface.innerRect().topLeft()) * ratio,
                                   control->size() * ratio),
                             Qt::black);
    return masked;
}

// The picture shows what the surface drew, wherever no control covers it.
void expectShows(const QImage& picture, const ui::Surface& surface, const QWidget& window,
                 const QImage& drawing) {
    const int ratio = screenRatio();
    const QPoint inner = surface.mapTo(&window, surface.innerRect().topLeft());
    const QImage part = picture.copy(QRect(inner * ratio, drawing.size()));
    EXPECT_TRUE(uncovered(part, surface) == uncovered(drawing, surface))
        << surface.metaObject()->className();
}

void expectShows(const QImage& picture, const ui::Surface& surface, const QWidget& window) {
    expectShows(picture, surface, window, surface.screenImage());
}

class Keeping : public AppTest {
protected:
    // The offscreen platform says it cannot pass on the dialogs' size limits
    // or raise a window; those are no faults of the program.
    void TearDown() override {
        QStringList warnings = takeQtWarnings();
        warnings.removeAll("This plugin does not support propagateSizeHints()");
        warnings.removeAll("This plugin does not support raise()");
        EXPECT_EQ(warnings.join('\n').toStdString(), "");
        AppTest::TearDown();
    }

    QTemporaryDir folder;
    QString path(const QString& name) const { return folder.filePath(name); }

    Form3& scannedHuygens() {
        app->form1().Command1_Click();
        Form3& huygens = app->form3();
        huygens.window().activateWindow();
        const QPoint cut = pixelAt(huygens.window(), 1000, 0);
        mousePress(&huygens.window(), Qt::RightButton, cut);
        mouseRelease(&huygens.window(), Qt::RightButton, cut);
        return huygens;
    }
};

} // namespace

TEST_F(Keeping, SavedAndCopiedPicturesAreTheHuygensWindowAsShown) {
    Form3& huygens = scannedHuygens();
    QWidget& window = huygens.window();
    press(window, Qt::Key_S, Qt::ControlModifier);
    QFileDialog* dialog = dialogOf<QFileDialog>(window);
    ASSERT_TRUE(dialog);
    EXPECT_EQ(dialog->windowTitle(), "Bild speichern");
    EXPECT_EQ(dialog->windowModality(), Qt::WindowModal); // the rest of the program goes on
    const QString proposed = dialog->selectedFiles().value(0);
    EXPECT_TRUE(QRegularExpression(R"(/wellenzeiger-huygens-\d{4}-\d\d-\d\d-\d{6}\.png$)")
                    .match(proposed)
                    .hasMatch())
        << proposed.toStdString();
    EXPECT_EQ(QFileInfo(proposed).absolutePath(),
              QFileInfo(ui::userFolder(QStandardPaths::PicturesLocation)).absoluteFilePath());
    choose(dialog, path("feld.png"));

    QApplication::clipboard()->clear();
    press(window, Qt::Key_C, Qt::ControlModifier);
    EXPECT_TRUE(waitFor([] { return !QApplication::clipboard()->image().isNull(); }));
    const QImage pictures[] = {QImage(path("feld.png")), QApplication::clipboard()->image()};
    for (const QImage& picture : pictures) {
        ASSERT_EQ(picture.size(), window.size() * screenRatio());
        expectShows(picture, *huygens.Picture1, window);
        expectShows(picture, huygens.window(), window); // the field, with controls over it
    }
}

// The picture is taken when what is drawn is on screen, during the animation
// at the end of its frame, never right after a picture was cleared; the
// animation goes on while the dialog is open.
TEST_F(Keeping, PictureOfTheRunningAnimationIsTheFrameOnScreen) {
    app->form1().Command2_Click();
    Form2& phasor = app->form2();
    QWidget& window = phasor.window();
    const ui::Single firstFrame = phasor.timePhase;
    QImage shownBox;
    long pressedAt = 0;
    ui::setEventProcessingHook([&] {
        if (phasor.timePhase == firstFrame)
            return;
        // The first frame is done: the next event processing comes right
        // after the phasor box was cleared for the second frame.
        atEventProcessing(1, [&] {
            pressedAt = ui::eventProcessingCount();
            press(window, Qt::Key_S, Qt::ControlModifier);
            ui::Presenter::instance().whenShown(
                [&] { shownBox = phasor.Picture2->screenImage().copy(); });
            atEventProcessing(400, [&] { phasor.stoppedFlag = 1; });
        });
    });
    phasor.Command1_Click();
    EXPECT_GT(ui::eventProcessingCount(), pressedAt + 400);
    QFileDialog* dialog = dialogOf<QFileDialog>(window);
    ASSERT_TRUE(dialog);
    EXPECT_TRUE(dialog->selectedFiles().value(0).contains("/wellenzeiger-zeiger-"));
    choose(dialog, path("zeiger.png"));
    const QImage picture(path("zeiger.png"));
    ASSERT_EQ(picture.size(), window.size() * screenRatio());
    expectShows(picture, *phasor.Picture2, window, shownBox);
    const QImage box = uncovered(shownBox, *phasor.Picture2);
    bool pointersShown = false; // in colour, over the white box
    for (int y = 0; y < box.height() && !pointersShown; ++y)
        for (int x = 0; x < box.width() && !pointersShown; ++x)
            pointersShown = QColor(box.pixel(x, y)).saturation() > 100;
    EXPECT_TRUE(pointersShown);
}

TEST_F(Keeping, AmplitudeTableIsSavedAfterAScanOnlyAndFailuresAreReported) {
    app->form1().Command1_Click();
    Form3& huygens = app->form3();
    QWidget& window = huygens.window();
    window.activateWindow();
    press(window, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    QMessageBox* nothing = dialogOf<QMessageBox>(window);
    ASSERT_TRUE(nothing);
    EXPECT_TRUE(nothing->text().startsWith("Es gibt noch keine Amplitudenverteilung"));
    nothing->close();
    EXPECT_FALSE(window.findChild<QFileDialog*>());

    huygens.Form_MouseDown(2, 0, 3600, 0);
    const QString refused[] = {path("fehlt/tabelle.csv"), path(QString(300, 'x') + ".csv")};
    for (const QString& name : refused) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        press(window, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
        QFileDialog* dialog = dialogOf<QFileDialog>(window);
        ASSERT_TRUE(dialog);
        EXPECT_EQ(dialog->windowTitle(), "Amplitudenverteilung speichern");
        choose(dialog, name); // also a name the dialog itself would refuse
        QMessageBox* failure = dialogOf<QMessageBox>(window);
        ASSERT_TRUE(failure);
        EXPECT_TRUE(failure->text().contains("konnte nicht gespeichert werden.\n\nGrund: "))
            << failure->text().toStdString();
        failure->close();
        EXPECT_FALSE(QFileInfo::exists(name));
        EXPECT_EQ(QDir(folder.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
                  QStringList()); // no temporary file left either
    }

    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    press(window, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    choose(dialogOf<QFileDialog>(window), path("tabelle.csv"));
    QFile saved(path("tabelle.csv"));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll(), huygens::amplitudeCsv(*huygens.lastScan, QLocale()));
}

TEST_F(Keeping, F1ShowsTheHelpOfTheWindowWithItsKeys) {
    struct Case {
        ui::Form* form;
        QStringList keys;
        bool savesData;
    };
    app->form1().Command1_Click();
    const Case cases[] = {{&app->form1(), {"F1", "Esc", "Strg+S", "Strg+Umschalt+S"}, true},
                          {&app->form2(), {"F1", "Esc", "Strg+S", "Strg+C"}, false},
                          {&app->form3(), {"F1", "Esc", "Strg+S", "Strg+C"}, true}};
    for (const Case& c : cases) {
        c.form->Show();
        QWidget& window = c.form->window();
        press(window, Qt::Key_F1);
        auto* help = window.findChild<QDialog*>("helpWindow");
        ASSERT_TRUE(help) << c.form->caption().toStdString();
        EXPECT_EQ(help->windowTitle(), "Hilfe: " + c.form->caption().trimmed());
        EXPECT_TRUE(help->isVisible());
        const QString text = help->findChild<QLabel*>()->text();
        for (const QString& key : c.keys)
            EXPECT_TRUE(text.contains("<b>" + key + "</b>")) << key.toStdString();
        EXPECT_EQ(text.contains("<b>Strg+Umschalt+S</b>"), c.savesData);
        press(*help, Qt::Key_Escape);
        EXPECT_FALSE(help->isVisible());
    }
}
