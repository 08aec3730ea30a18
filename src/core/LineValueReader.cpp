#include "core/LineValueReader.h"

#include <QFile>
#include <QFileInfo>

#include "core/GameError.h"
#include "core/ShiftJis.h"

LineValueReader::LineValueReader(const QByteArray& bytes, QString fileName)
    : fileName_(std::move(fileName)), text_(fromShiftJis(bytes)) {}

LineValueReader LineValueReader::open(const QString& path) {
    QFile f(path);
    QString name = QFileInfo(path).fileName();
    if (!f.open(QIODevice::ReadOnly))
        throw GameError(name, QStringLiteral("opening"),
                        QStringLiteral("a readable file at ") + path);
    return LineValueReader(f.readAll(), name);
}

void LineValueReader::fail(const QString& expected) const {
    throw GameError(fileName_, QStringLiteral("line %1").arg(line_), expected);
}

Value LineValueReader::readValue() {
    const qsizetype n = text_.size();
    ++line_;
    if (pos_ >= n) fail(QStringLiteral("another value (the file ends too early)"));
    while (pos_ < n && (text_[pos_] == u' ' || text_[pos_] == u'\t')) ++pos_;

    auto skipToNextLine = [&] {
        while (pos_ < n && text_[pos_] != u'\r' && text_[pos_] != u'\n') ++pos_;
        if (pos_ < n && text_[pos_] == u'\r') ++pos_;
        if (pos_ < n && text_[pos_] == u'\n') ++pos_;
    };

    if (pos_ < n && text_[pos_] == u'"') {
        QString out;
        ++pos_;
        for (;;) {
            if (pos_ >= n) fail(QStringLiteral("a closing double quote"));
            QChar c = text_[pos_++];
            if (c == u'"') {
                if (pos_ < n && text_[pos_] == u'"') {
                    out += u'"';
                    ++pos_;
                    continue;
                }
                break;
            }
            if (c == u'\n') ++line_;
            out += c;
        }
        skipToNextLine();
        return Value(out);
    }

    qsizetype start = pos_;
    while (pos_ < n && text_[pos_] != u'\r' && text_[pos_] != u'\n') ++pos_;
    QString s = text_.mid(start, pos_ - start);
    skipToNextLine();
    while (!s.isEmpty() && (s.back() == u' ' || s.back() == u'\t')) s.chop(1);
    if (s.isEmpty()) return Value();
    if (Value::isNumericText(s)) return Value(s.toDouble());
    return Value(s);
}
