#include "world/Source.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

ContentError::ContentError(const QString& file, int line, const QString& message)
    : std::runtime_error(format(file, line, message).toStdString()) {}

QString ContentError::format(const QString& file, int line, const QString& message) {
    return line > 0 ? QStringLiteral("%1:%2: %3").arg(file).arg(line).arg(message)
                    : QStringLiteral("%1: %2").arg(file, message);
}

QString shortName(const QString& path) {
    return QFileInfo(path).fileName();
}

QList<SourceLine> readSourceLines(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) throw ContentError(shortName(path), 0, "cannot be read");
    const QString all = QString::fromUtf8(f.readAll());
    QList<SourceLine> out;
    const QStringList lines = all.split(u'\n');
    for (int i = 0; i < lines.size(); ++i) {
        QString t = lines[i];
        while (!t.isEmpty() && (t.back() == u'\r' || t.back() == u' ' || t.back() == u'\t'))
            t.chop(1);
        const QString probe = t.trimmed();
        if (probe.isEmpty() || probe.startsWith(u'#')) continue;
        out.append({i + 1, t});
    }
    return out;
}

int parseInt(const QString& text, const QString& file, int line) {
    bool ok = false;
    const int v = text.trimmed().toInt(&ok);
    if (!ok)
        throw ContentError(file, line, QStringLiteral("\"%1\" is not a whole number").arg(text));
    return v;
}

// --- tables -----------------------------------------------------------------------------------

namespace {
QStringList splitCells(const QString& line) {
    QStringList cells = line.split(u'|');
    for (QString& c : cells) c = c.trimmed();
    return cells;
}
}  // namespace

SourceTable SourceTable::read(const QString& path) {
    SourceTable t;
    t.header_ = std::make_shared<TableHeader>();
    t.header_->file = shortName(path);
    const QList<SourceLine> lines = readSourceLines(path);
    if (lines.isEmpty()) throw ContentError(t.file(), 0, "has no header line");
    t.header_->columns = splitCells(lines.front().text);
    for (int i = 1; i < lines.size(); ++i) {
        QStringList cells = splitCells(lines[i].text);
        if (cells.size() != t.header_->columns.size())
            throw ContentError(t.file(), lines[i].number,
                               QStringLiteral("has %1 cells, the header names %2")
                                   .arg(cells.size())
                                   .arg(t.header_->columns.size()));
        t.rows_.append(SourceRow(t.header_, lines[i].number, cells));
    }
    return t;
}

int TableHeader::column(const QString& name, int line) const {
    const int c = columns.indexOf(name);
    if (c < 0) throw ContentError(file, line, QStringLiteral("no column \"%1\"").arg(name));
    return c;
}

QString SourceRow::text(const QString& column) const {
    return cells_.value(table_->column(column, line_));
}

bool SourceRow::has(const QString& column) const {
    return table_->columns.contains(column) && !text(column).isEmpty();
}

int SourceRow::integer(const QString& column) const {
    const QString t = text(column);
    if (t.isEmpty()) fail(QStringLiteral("column \"%1\" is empty").arg(column));
    return parseInt(t, table_->file, line_);
}

int SourceRow::integer(const QString& column, int whenEmpty) const {
    const QString t = text(column);
    return t.isEmpty() ? whenEmpty : parseInt(t, table_->file, line_);
}

std::optional<int> SourceRow::optionalInt(const QString& column) const {
    const QString t = text(column);
    if (t.isEmpty()) return std::nullopt;
    return parseInt(t, table_->file, line_);
}

QList<int> SourceRow::integers(const QString& column) const {
    QList<int> out;
    for (const QString& part : text(column).split(u' ', Qt::SkipEmptyParts))
        out.append(parseInt(part, table_->file, line_));
    return out;
}

void SourceRow::fail(const QString& message) const {
    throw ContentError(table_->file, line_, message);
}

// --- sections ---------------------------------------------------------------------------------

QList<SourceSection> readSections(const QString& path) {
    QList<SourceSection> out;
    for (const SourceLine& l : readSourceLines(path)) {
        if (l.text.startsWith(QStringLiteral("=="))) {
            out.append({l.number, l.text.mid(2).trimmed(), {}});
        } else {
            if (out.isEmpty())
                throw ContentError(shortName(path), l.number,
                                   "text before the first \"==\" heading");
            out.back().body.append(l);
        }
    }
    return out;
}
