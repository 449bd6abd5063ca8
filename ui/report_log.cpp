#include "ui/report_log.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QFile>
#include <QSaveFile>
#include <algorithm>

namespace ui {
namespace {

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly | QIODevice::Text) ? file.readAll() : QByteArray();
}

// Written whole under a temporary name and then renamed: a log cut off in the
// middle would lose more than the newest line. With the line ends of the
// platform, for its editors.
bool replace(const QString& path, const QByteArray& text) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        return false;
    file.write(text);
    return file.commit(); // false after a failed write too
}

} // namespace

bool appendToLog(const QString& path, const QString& line) {
    QByteArrayList lines = contents(path).split('\n');
    if (lines.last().isEmpty()) // after the last line break
        lines.removeLast();
    lines.append(QDateTime::currentDateTime().toString(Qt::ISODate).toUtf8() + ' ' + line.toUtf8());
    lines.remove(0, std::max(qsizetype(0), lines.size() - keptLogLines));
    return replace(path, lines.join('\n') + '\n');
}

bool isNewState(const QString& path, const QByteArray& state) {
    const QByteArray fingerprint =
        QCryptographicHash::hash(state, QCryptographicHash::Sha256).toHex();
    if (contents(path) == fingerprint)
        return false;
    replace(path, fingerprint);
    return true;
}

} // namespace ui
