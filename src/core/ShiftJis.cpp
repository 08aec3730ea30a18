#include "core/ShiftJis.h"

#include <QStringDecoder>
#include <QStringEncoder>

QString fromShiftJis(const QByteArray& bytes) {
    QStringDecoder decoder("Shift_JIS");
    return decoder.decode(bytes);
}

QByteArray toShiftJis(const QString& text) {
    QStringEncoder encoder("Shift_JIS");
    return encoder.encode(text);
}
