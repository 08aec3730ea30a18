#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include "core/Value.h"

// Writes the two text formats of the game in Shift_JIS with CR LF line ends:
//  - save files: one value per line (read back with LineValueReader);
//  - data tables: records of comma-separated fields (read back with ValueReader).
// Texts that would not read back as the same text are quoted; everything else is written plain,
// so the files stay easy to read.
class ValueWriter {
  public:
    // One value on a line of its own, read back exactly as written: a text is quoted (inner quotes
    // doubled) when it holds a line break, starts with a double quote, starts or ends with a
    // blank or reads as a number; a number is written in plain decimal; empty is an empty line.
    void writeLine(const Value& v);
    // A text written exactly as given on a line of its own, without any quoting.
    void writeRawLine(const QString& text);

    // One record of a data table: the fields separated by commas, then a line break. A text is
    // quoted when it holds a comma or a line break, has leading or trailing blanks, is empty or
    // reads as a number. A text holding a double quote cannot be stored in a table and raises a
    // GameError.
    void writeRecord(const QList<Value>& fields);

    // The text written so far, and its Shift_JIS bytes.
    const QString& text() const { return text_; }
    QByteArray bytes() const;

    // Writes bytes() to path through a temporary file renamed into place, so a failed write
    // leaves any previous file intact. Raises a GameError naming the file when it cannot.
    void saveTo(const QString& path) const;

  private:
    QString text_;
};

// Writes bytes to path through a temporary file in the same folder and renames it into place.
// Raises a GameError naming the file on failure; the old file, if any, is then untouched.
void writeFileAtomically(const QString& path, const QByteArray& bytes);
