#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A temporary data directory for one test. Files are written in Shift_JIS with CR LF line ends,
// as the game's own files are.
class DataDir {
  public:
    DataDir();

    QString path() const { return dir_.path(); }
    QString file(const QString& name) const { return dir_.path() + u'/' + name; }

    // Writes text (UTF-8 in the test source) as Shift_JIS; "\n" becomes CR LF.
    void write(const QString& name, const QString& text) const;
    // Writes the lines joined by CR LF, with a final CR LF.
    void writeLines(const QString& name, const QStringList& lines) const;
    void writeBytes(const QString& name, const QByteArray& bytes) const;
    QByteArray readBytes(const QString& name) const;
    // Copies a file of tests/data (or of the generated sample world when fromWorld is true).
    void copyFrom(const QString& sourcePath, const QString& name) const;
    bool exists(const QString& name) const;
    void remove(const QString& name) const;

  private:
    QTemporaryDir dir_;
};

// The folder of hand-written test data (tests/data) and of the generated sample world.
QString testDataDir();
QString sampleWorldDir();
