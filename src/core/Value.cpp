#include "core/Value.h"

#include <QRegularExpression>
#include <cmath>

#include "core/GameError.h"

namespace {
const QRegularExpression& numericPattern() {
    static const QRegularExpression re(
        QStringLiteral("^\\s*[+-]?(\\d+\\.?\\d*|\\.\\d+)([eE][+-]?\\d+)?\\s*$"));
    return re;
}
}  // namespace

bool Value::isNumericText(const QString& s) {
    return numericPattern().match(s).hasMatch();
}

QString Value::formatNumber(double n) {
    if (n == 0) return QStringLiteral("0");  // also turns -0 into 0
    if (std::floor(n) == n && std::fabs(n) < 1e15)
        return QString::number(static_cast<long long>(n));
    QString s = QString::number(n, 'f', 10);
    while (s.endsWith(u'0')) s.chop(1);
    if (s.endsWith(u'.')) s.chop(1);
    return s;
}

double Value::num() const {
    switch (kind_) {
        case Kind::Empty:
            return 0;
        case Kind::Number:
            return num_;
        case Kind::Text:
            if (text_.trimmed().isEmpty()) return 0;
            if (isNumericText(text_)) return text_.trimmed().toDouble();
            throw GameError(QString(), QStringLiteral("value \"%1\"").arg(text_),
                            QStringLiteral("a number"));
    }
    return 0;
}

long long Value::toInt() const {
    double n = num();
    if (!std::isfinite(n) || std::fabs(n) > 9e15)
        throw GameError(QString(), QStringLiteral("value %1").arg(n),
                        QStringLiteral("a whole number"));
    return static_cast<long long>(std::nearbyint(n));  // default rounding mode: halves to even
}

QString Value::text() const {
    switch (kind_) {
        case Kind::Empty:
            return QString();
        case Kind::Number:
            return formatNumber(num_);
        case Kind::Text:
            return text_;
    }
    return QString();
}

double Value::val() const {
    if (kind_ != Kind::Text) return num();
    static const QRegularExpression prefix(QStringLiteral("^\\s*[+-]?(\\d+\\.?\\d*|\\.\\d+)"));
    auto m = prefix.match(text_);
    return m.hasMatch() ? m.captured(0).trimmed().toDouble() : 0.0;
}

int Value::compare(const Value& a, const Value& b) {
    auto numCmp = [](double x, double y) { return x < y ? -1 : (x > y ? 1 : 0); };
    auto textCmp = [](const QString& x, const QString& y) {
        int c = QString::compare(x, y, Qt::CaseSensitive);
        return c < 0 ? -1 : (c > 0 ? 1 : 0);
    };
    Kind ka = a.kind_, kb = b.kind_;
    if (ka == Kind::Empty && kb == Kind::Empty) return 0;
    if (ka == Kind::Empty) ka = (kb == Kind::Text) ? Kind::Text : Kind::Number;
    if (kb == Kind::Empty) kb = (ka == Kind::Text) ? Kind::Text : Kind::Number;
    if (ka == Kind::Number && kb == Kind::Number) return numCmp(a.num(), b.num());
    if (ka == Kind::Text && kb == Kind::Text) return textCmp(a.text(), b.text());
    // A number against a text: numerically when the text is a number, else numbers come first.
    const Value& t = (ka == Kind::Text) ? a : b;
    if (isNumericText(t.text_)) return numCmp(a.num(), b.num());
    return ka == Kind::Number ? -1 : 1;
}
