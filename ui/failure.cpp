#include "ui/failure.h"

#include <QSet>
#include <cstdio>

#ifdef Q_OS_WIN
#include "ui/report_log.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#endif

namespace ui {
namespace {

QSet<QString>& reported() {
    static QSet<QString> lines;
    return lines;
}

#ifdef Q_OS_WIN
// A program of the Windows GUI has no standard error that anyone reads: its
// reports are kept in the user's local application data.
QString logFolder() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    return !folder.isEmpty() && QDir().mkpath(folder) ? folder : QString();
}
#endif

} // namespace

void writeReport(const QString& line) {
    std::fprintf(stderr, "%s\n", line.toLocal8Bit().constData());
    std::fflush(stderr);
#ifdef Q_OS_WIN
    if (const QString folder = logFolder(); !folder.isEmpty())
        appendToLog(folder + QStringLiteral("/wellenzeiger.log"), line);
#endif
}

void writeReportAboutFile(const QString& line, const QString& file) {
#ifdef Q_OS_WIN
    // The log would repeat it at every start while the file stays as it is.
    QFile about(file);
    const QByteArray contents = about.open(QIODevice::ReadOnly) ? about.readAll() : QByteArray();
    if (const QString folder = logFolder();
        !folder.isEmpty() &&
        !isNewState(folder + '/' + QFileInfo(file).fileName() + QStringLiteral(".gemeldet"),
                    line.toUtf8() + '\n' + contents))
        return;
#else
    (void)file;
#endif
    writeReport(line);
}

void reportFailure(const QString& where, const std::exception& error) {
    const QString what = QString::fromUtf8(error.what());
    const QString line =
        where.isEmpty() ? QStringLiteral("wellenzeiger: Laufzeitfehler: %1").arg(what)
                        : QStringLiteral("wellenzeiger: Laufzeitfehler in %1: %2").arg(where, what);
    if (reported().contains(line))
        return;
    reported().insert(line);
    writeReport(line);
}

void forgetReportedFailures() {
    reported().clear();
}

} // namespace ui
