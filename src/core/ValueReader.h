#pragma once

#include <QByteArray>
#include <QString>

#include "core/Value.h"

// Reads the value stream of the data files: fields separated by commas or line breaks, a line
// break carrying no other meaning. A quoted field runs to the next double quote (commas and line
// breaks included) and anything after the closing quote up to the next separator is skipped; an
// unquoted field runs to the next separator and loses its trailing spaces; leading spaces and
// tabs are skipped. Every failure raises a GameError naming the file and the line and field.
class ValueReader {
  public:
    // Takes the raw Shift_JIS bytes of a file; fileName is used in error reports.
    ValueReader(const QByteArray& bytes, QString fileName);

    // Opens a file; a missing or unreadable file raises a GameError naming it.
    static ValueReader open(const QString& path);

    // True when nothing but spaces and line breaks is left. Readers test it before a record,
    // never inside one.
    bool atEnd() const;

    // A signed 16-bit integer field: fractions round to the nearest integer, halves to even; an
    // empty field is 0; anything else (letters, values outside -32768..32767) is an error.
    int readInt();
    // A text field, kept as read.
    QString readText();
    // A value field: a number when the text is numeric, empty when nothing was there, otherwise
    // the text. A quoted field is always a text.
    Value readValue();
    // A value field that must be a number (empty counts as 0); any numeric range.
    double readNumber();

    const QString& fileName() const { return fileName_; }
    // "line L, field F" of the field read last (or about to be read).
    QString position() const;

    // Raises a GameError at the current position.
    [[noreturn]] void fail(const QString& expected) const;

  private:
    struct Field {
        QString text;
        bool quoted = false;
    };
    Field readField();

    QString fileName_;
    QString text_;
    qsizetype pos_ = 0;
    int line_ = 1;
    int fieldInLine_ = 0;
    int fieldLine_ = 1;
    int fieldIndex_ = 0;
    bool afterComma_ = false;
};
