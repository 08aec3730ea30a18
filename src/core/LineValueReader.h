#pragma once

#include <QByteArray>
#include <QString>

#include "core/Value.h"

// Reads files of one value per line (save slots and the slot label file). Leading spaces of a
// line are skipped. A line that then starts with a double quote holds a quoted text, which may
// run over several lines and doubles its inner quotes; the rest of its closing line is ignored.
// Any other line is a number when it reads as one, empty when blank, otherwise a text without its
// trailing spaces. Running out of lines raises a GameError naming the file and line.
class LineValueReader {
  public:
    LineValueReader(const QByteArray& bytes, QString fileName);
    static LineValueReader open(const QString& path);

    bool atEnd() const { return pos_ >= text_.size(); }
    Value readValue();
    QString readText() { return readValue().text(); }
    int line() const { return line_; }
    const QString& fileName() const { return fileName_; }
    [[noreturn]] void fail(const QString& expected) const;

  private:
    QString fileName_;
    QString text_;
    qsizetype pos_ = 0;
    int line_ = 0;
};
