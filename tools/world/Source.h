#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>
#include <stdexcept>

// The world's readable sources are UTF-8 text files. Two shapes are used throughout:
//  - tables: a header line naming the columns, then one row per line, cells separated by '|';
//  - sectioned files: lines grouped under "== heading" lines (scenes, talks, maps, tunes).
// In both, a line starting with '#' is a comment and blank lines are skipped.

// A mistake in a source file, told as "file:line: message" so the author can find it.
class ContentError : public std::runtime_error {
  public:
    ContentError(const QString& file, int line, const QString& message);
    static QString format(const QString& file, int line, const QString& message);
};

// One non-comment line of a source file with its line number.
struct SourceLine {
    int number = 0;
    QString text;
};

// Reads a UTF-8 file into its lines (comments and blank lines dropped, trailing blanks trimmed).
// A missing file raises a ContentError.
QList<SourceLine> readSourceLines(const QString& path);
// The file name without its folder, for messages.
QString shortName(const QString& path);

// The header of a table: its file and column names, shared by all of its rows.
struct TableHeader {
    QString file;
    QStringList columns;
    int column(const QString& name, int line) const;  // raises when the column is unknown
};

// One row of a table, read cell by cell by column name.
class SourceRow {
  public:
    SourceRow(std::shared_ptr<const TableHeader> header, int line, QStringList cells)
        : table_(std::move(header)), line_(line), cells_(std::move(cells)) {}

    int line() const { return line_; }
    // The cell's text, trimmed; "" when the cell is empty.
    QString text(const QString& column) const;
    // A whole number; an empty cell is an error unless a default is given.
    int integer(const QString& column) const;
    int integer(const QString& column, int whenEmpty) const;
    std::optional<int> optionalInt(const QString& column) const;
    // Whole numbers separated by spaces ("3 4 8"); an empty cell gives an empty list.
    QList<int> integers(const QString& column) const;
    bool has(const QString& column) const;

    [[noreturn]] void fail(const QString& message) const;

  private:
    std::shared_ptr<const TableHeader> table_;
    int line_;
    QStringList cells_;
};

class SourceTable {
  public:
    // Reads a table file; every row must have as many cells as the header.
    static SourceTable read(const QString& path);

    const QString& file() const { return header_->file; }
    const QList<SourceRow>& rows() const { return rows_; }
    bool hasColumn(const QString& name) const { return header_->columns.contains(name); }

  private:
    std::shared_ptr<TableHeader> header_;
    QList<SourceRow> rows_;
};

// A sectioned file: "== heading" starts a section; the lines below it are its body.
struct SourceSection {
    int line = 0;
    QString heading;
    QList<SourceLine> body;
};
QList<SourceSection> readSections(const QString& path);

// Parses a whole number, raising a ContentError at (file, line) when it is none.
int parseInt(const QString& text, const QString& file, int line);
