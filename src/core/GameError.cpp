#include "core/GameError.h"

namespace {
QString joinReport(const QString& file, const QString& position, const QString& expected) {
    QStringList parts;
    if (!file.isEmpty()) parts << file;
    if (!position.isEmpty()) parts << position;
    parts << expected;
    return parts.join(QStringLiteral(": "));
}
}  // namespace

GameError::GameError(QString file, QString position, QString expected)
    : std::runtime_error(joinReport(file, position, expected).toStdString()),
      file_(std::move(file)),
      position_(std::move(position)),
      expected_(std::move(expected)) {}

QString GameError::report() const {
    return joinReport(file_, position_, expected_);
}

void throwIndexError(long long index, int lo, int hi) {
    throw GameError(QString(), QStringLiteral("index %1").arg(index),
                    QStringLiteral("an index within %1..%2").arg(lo).arg(hi));
}
