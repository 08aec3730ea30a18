#include "core/Text.h"

QString fixedText(const QString& text, int width) {
    if (text.size() >= width) return text.left(width);
    return text + QString(width - text.size(), u' ');
}

QString trimSpaces(const QString& text) {
    qsizetype b = 0, e = text.size();
    while (b < e && text[b] == u' ') ++b;
    while (e > b && text[e - 1] == u' ') --e;
    return text.mid(b, e - b);
}

QString trimLeadingSpaces(const QString& text) {
    qsizetype b = 0;
    while (b < text.size() && text[b] == u' ') ++b;
    return text.mid(b);
}

QString rightChars(const QString& text, int n) {
    return text.right(n);
}
