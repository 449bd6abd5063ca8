#include "ui/save_file.h"

#include "ui/runtime.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QSaveFile>

namespace ui {

QString writeFileSafely(const QString& path, const QByteArray& data) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    if (file.write(data) != data.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return reason;
    }
    if (!file.commit())
        return file.errorString();
    return {};
}

void showMessage(QWidget& window, const QString& title, const QString& text) {
    auto* box = new QMessageBox(QMessageBox::Warning, title, text, QMessageBox::Ok, &window);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

namespace {

void writeChosenFile(QWidget& window, const QString& title, const QString& path,
                     const QByteArray& data) {
    // An encoder that produced nothing is a failure too, not an empty file.
    const QString reason = data.isEmpty() ? QString("Die Daten ließen sich nicht umwandeln.")
                                          : writeFileSafely(path, data);
    if (reason.isEmpty())
        return;
    showMessage(window, title,
                QString("Die Datei „%1“ konnte nicht gespeichert werden.\n\nGrund: %2")
                    .arg(QDir::toNativeSeparators(path), reason));
}

} // namespace

void askAndSave(QWidget& window, const SaveRequest& request, std::function<QByteArray()> contents) {
#ifdef Q_OS_WASM
    // In the browser the file is a download under the proposed name: the
    // browser asks where it goes or puts it into the downloads folder.
    const QString name = QFileInfo(request.proposedPath).fileName();
    const QByteArray data = contents();
    if (data.isEmpty())
        writeChosenFile(window, request.title, name, data); // says why nothing is saved
    else
        QFileDialog::saveFileContent(data, name);
#else
    auto* dialog = new QFileDialog(&window, request.title, request.proposedPath, request.filter);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setDefaultSuffix(request.suffix);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(dialog, &QFileDialog::fileSelected, &window,
                     [&window, title = request.title, contents](const QString& path) {
                         runHandler([&] { writeChosenFile(window, title, path, contents()); });
                     });
    dialog->open();
#endif
}

QString userFolder(QStandardPaths::StandardLocation location) {
    const QString folder = QStandardPaths::writableLocation(location);
    return !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : QDir::homePath();
}

} // namespace ui
