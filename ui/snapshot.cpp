#include "ui/snapshot.h"

#include "ui/focus_marks.h"
#include "ui/presenter.h"
#include "ui/save_file.h"

#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QDir>
#include <QPointer>
#ifdef Q_OS_WASM
#include "ui/browser.h"
#endif

namespace ui {

QString timestampedName(const QString& stem, const QString& suffix, const QDateTime& when) {
    return QString("%1-%2.%3").arg(stem, when.toString("yyyy-MM-dd-HHmmss"), suffix);
}

namespace {

// Runs `action` with the window once what is drawn there is shown, unless the
// window has gone by then.
void whenShown(const Form& form, std::function<void(QWidget& window)> action) {
    QPointer<QWidget> window = &form.window();
    Presenter::instance().whenShown([window, action] {
        if (window)
            action(*window);
    });
}

QByteArray pngOf(const QImage& picture) {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "PNG");
    return png;
}

} // namespace

void savePicture(const Form& form, const QString& stem) {
    whenShown(form, [stem](QWidget& window) {
        const QImage picture = pictureOf(window);
        const SaveRequest request{
            "Bild speichern",
            QDir(userFolder(QStandardPaths::PicturesLocation))
                .filePath(timestampedName(stem, "png", QDateTime::currentDateTime())),
            "PNG-Bild (*.png)", "png"};
        askAndSave(window, request, [picture] { return pngOf(picture); });
    });
}

void copyPicture(const Form& form) {
    whenShown(form, [](QWidget& window) {
#ifdef Q_OS_WASM
        if (!browser::canCopyImages()) {
            showMessage(window, "Bild kopieren",
                        "Dieser Browser lässt die Seite kein Bild in die Zwischenablage legen "
                        "(das erlauben Browser nur Seiten, die über https kommen).\n\n"
                        "Mit Strg+S laden Sie das Bild als PNG-Datei herunter.");
            return;
        }
#endif
        QApplication::clipboard()->setImage(pictureOf(window));
    });
}

} // namespace ui
