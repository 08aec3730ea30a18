#include "core/ValueReader.h"

#include <QFile>
#include <QFileInfo>
#include <cmath>

#include "core/GameError.h"
#include "core/ShiftJis.h"

namespace {
bool isLineBreak(QChar c) {
    return c == u'\r' || c == u'\n';
}
bool isBlank(QChar c) {
    return c == u' ' || c == u'\t';
}
}  // namespace

ValueReader::ValueReader(const QByteArray& bytes, QString fileName)
    : fileName_(std::move(fileName)), text_(fromShiftJis(bytes)) {}

ValueReader ValueReader::open(const QString& path) {
    QFile f(path);
    QString name = QFileInfo(path).fileName();
    if (!f.open(QIODevice::ReadOnly))
        throw GameError(name, QStringLiteral("opening"),
                        QStringLiteral("a readable file at ") + path);
    return ValueReader(f.readAll(), name);
}

bool ValueReader::atEnd() const {
    for (qsizetype i = pos_; i < text_.size(); ++i) {
        QChar c = text_[i];
        if (!isBlank(c) && !isLineBreak(c)) return false;
    }
    return true;
}

QString ValueReader::position() const {
    return QStringLiteral("line %1, field %2").arg(fieldLine_).arg(fieldIndex_);
}

void ValueReader::fail(const QString& expected) const {
    throw GameError(fileName_, position(), expected);
}

ValueReader::Field ValueReader::readField() {
    const qsizetype n = text_.size();
    if (pos_ >= n && !afterComma_) {
        fieldLine_ = line_;
        fieldIndex_ = fieldInLine_ + 1;
        fail(QStringLiteral("more values (the file ends in the middle of a record)"));
    }
    afterComma_ = false;
    while (pos_ < n && isBlank(text_[pos_])) ++pos_;
    fieldLine_ = line_;
    fieldIndex_ = ++fieldInLine_;

    Field field;
    if (pos_ < n && text_[pos_] == u'"') {
        field.quoted = true;
        qsizetype close = text_.indexOf(u'"', pos_ + 1);
        if (close < 0) fail(QStringLiteral("a closing double quote"));
        field.text = text_.mid(pos_ + 1, close - pos_ - 1);
        line_ += static_cast<int>(field.text.count(u'\n'));
        pos_ = close + 1;
        while (pos_ < n && text_[pos_] != u',' && !isLineBreak(text_[pos_])) ++pos_;
    } else {
        qsizetype start = pos_;
        while (pos_ < n && text_[pos_] != u',' && !isLineBreak(text_[pos_])) ++pos_;
        field.text = text_.mid(start, pos_ - start);
        while (!field.text.isEmpty() && isBlank(field.text.back())) field.text.chop(1);
    }
    // Consume one separator: a comma, or one line break (CR LF, CR or LF).
    if (pos_ < n) {
        if (text_[pos_] == u',') {
            ++pos_;
            afterComma_ = true;
        } else if (text_[pos_] == u'\r') {
            ++pos_;
            if (pos_ < n && text_[pos_] == u'\n') ++pos_;
            ++line_;
            fieldInLine_ = 0;
        } else if (text_[pos_] == u'\n') {
            ++pos_;
            ++line_;
            fieldInLine_ = 0;
        }
    }
    return field;
}

double ValueReader::readNumber() {
    Field f = readField();
    if (f.text.trimmed().isEmpty()) return 0;
    if (!Value::isNumericText(f.text)) fail(QStringLiteral("a number, found \"%1\"").arg(f.text));
    return f.text.trimmed().toDouble();
}

int ValueReader::readInt() {
    Field f = readField();
    if (f.text.trimmed().isEmpty()) return 0;
    if (!Value::isNumericText(f.text))
        fail(QStringLiteral("a whole number, found \"%1\"").arg(f.text));
    double rounded = std::nearbyint(f.text.trimmed().toDouble());  // halves to even
    if (!(rounded >= -32768 && rounded <= 32767))
        fail(QStringLiteral("a whole number within -32768..32767, found %1").arg(f.text.trimmed()));
    return static_cast<int>(rounded);
}

QString ValueReader::readText() {
    return readField().text;
}

Value ValueReader::readValue() {
    Field f = readField();
    if (f.quoted) return Value(f.text);
    if (f.text.isEmpty()) return Value();
    if (Value::isNumericText(f.text)) return Value(f.text.trimmed().toDouble());
    return Value(f.text);
}
