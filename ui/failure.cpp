#include "ui/failure.h"

#include <QSet>
#include <cstdio>

#ifdef Q_OS_WIN
#include <QDateTime>
#include <QDir>
#include <QFile>
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
// reports are kept in a log file in the user's local application data.
void appendToLog(const QString& line) {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    if (folder.isEmpty() || !QDir().mkpath(folder))
        return;
    QFile log(folder + QStringLiteral("/wellenzeiger.log"));
    if (log.open(QIODevice::Append | QIODevice::Text))
        log.write(QDateTime::currentDateTime().toString(Qt::ISODate).toUtf8() + ' ' +
                  line.toUtf8() + '\n');
}
#endif

} // namespace

void writeReport(const QString& line) {
    std::fprintf(stderr, "%s\n", line.toLocal8Bit().constData());
    std::fflush(stderr);
#ifdef Q_OS_WIN
    appendToLog(line);
#endif
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
