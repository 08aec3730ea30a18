#include "core/ValueWriter.h"

#include <QFileInfo>
#include <QSaveFile>

#include "core/GameError.h"
#include "core/ShiftJis.h"

namespace {
const QString kCrLf = QStringLiteral("\r\n");

bool hasLineBreak(const QString& s) {
    return s.contains(u'\r') || s.contains(u'\n');
}
bool isBlank(QChar c) {
    return c == u' ' || c == u'\t';
}

QString quoteForLine(const QString& s) {
    QString inner = s;
    inner.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    return QStringLiteral("\"") + inner + QStringLiteral("\"");
}
}  // namespace

void ValueWriter::writeLine(const Value& v) {
    if (!v.isText()) {
        text_ += v.text() + kCrLf;
        return;
    }
    const QString s = v.text();
    // Readers drop blanks around a plain line, so a text with blanks at either end is quoted.
    bool needsQuotes = hasLineBreak(s) || s.startsWith(u'"') ||
                       (!s.isEmpty() && (isBlank(s.front()) || isBlank(s.back()))) ||
                       Value::isNumericText(s);
    text_ += (needsQuotes ? quoteForLine(s) : s) + kCrLf;
}

void ValueWriter::writeRawLine(const QString& text) {
    text_ += text + kCrLf;
}

void ValueWriter::writeRecord(const QList<Value>& fields) {
    QStringList parts;
    for (const Value& v : fields) {
        if (!v.isText()) {
            parts << v.text();
            continue;
        }
        const QString s = v.text();
        if (s.contains(u'"'))
            throw GameError(QString(), QStringLiteral("text \"%1\"").arg(s),
                            QStringLiteral("a table text without double quotes"));
        bool needsQuotes = s.isEmpty() || s.contains(u',') || hasLineBreak(s) ||
                           isBlank(s.front()) || isBlank(s.back()) || Value::isNumericText(s);
        parts << (needsQuotes ? QStringLiteral("\"") + s + QStringLiteral("\"") : s);
    }
    text_ += parts.join(u',') + kCrLf;
}

QByteArray ValueWriter::bytes() const {
    return toShiftJis(text_);
}

void ValueWriter::saveTo(const QString& path) const {
    writeFileAtomically(path, bytes());
}

void writeFileAtomically(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    const QString name = QFileInfo(path).fileName();
    // Unbuffered, so that a write cut short (a full disk) is seen here: a buffered save file
    // would report success and put the truncated file in place of the old one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        throw GameError(name, QStringLiteral("writing"),
                        QStringLiteral("a writable file at ") + path);
    qint64 done = 0;
    while (done < bytes.size()) {
        const qint64 n = file.write(bytes.constData() + done, bytes.size() - done);
        if (n <= 0) {
            file.cancelWriting();
            throw GameError(name, QStringLiteral("writing"),
                            QStringLiteral("room to write the whole file"));
        }
        done += n;
    }
    if (!file.commit())
        throw GameError(name, QStringLiteral("writing"), QStringLiteral("the file to be replaced"));
}
