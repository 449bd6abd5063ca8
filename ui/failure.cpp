#include "ui/failure.h"

#include <QSet>
#include <cstdio>

namespace ui {
namespace {

QSet<QString>& reported() {
    static QSet<QString> lines;
    return lines;
}

} // namespace

void reportFailure(const QString& where, const std::exception& error) {
    const QString what = QString::fromUtf8(error.what());
    const QString line =
        where.isEmpty() ? QStringLiteral("wellenzeiger: Laufzeitfehler: %1").arg(what)
                        : QStringLiteral("wellenzeiger: Laufzeitfehler in %1: %2").arg(where, what);
    if (reported().contains(line))
        return;
    reported().insert(line);
    std::fprintf(stderr, "%s\n", line.toLocal8Bit().constData());
    std::fflush(stderr);
}

void forgetReportedFailures() {
    reported().clear();
}

} // namespace ui
