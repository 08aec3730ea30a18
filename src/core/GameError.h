#pragma once

#include <QString>
#include <stdexcept>

// The one error the game raises for broken data or a broken rule: a missing or malformed file,
// a value outside its field, an index outside an array's bounds. It names the file (empty when
// the fault is not in a file), where in it the fault lies, and what was expected there.
class GameError : public std::runtime_error {
  public:
    GameError(QString file, QString position, QString expected);

    const QString& file() const { return file_; }
    const QString& position() const { return position_; }
    const QString& expected() const { return expected_; }

    // "file: position: expected", the form every report uses.
    QString report() const;

  private:
    QString file_;
    QString position_;
    QString expected_;
};

// Raises the error for an index outside lo..hi of a fixed array.
[[noreturn]] void throwIndexError(long long index, int lo, int hi);
