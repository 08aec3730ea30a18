#include "support/DataDir.h"

#include <QFile>
#include <stdexcept>

#include "core/ShiftJis.h"

DataDir::DataDir() {
    if (!dir_.isValid()) throw std::runtime_error("cannot create a temporary data directory");
}

void DataDir::write(const QString& name, const QString& text) const {
    QString crlf = text;
    crlf.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    crlf.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    writeBytes(name, toShiftJis(crlf));
}

void DataDir::writeLines(const QString& name, const QStringList& lines) const {
    write(name, lines.join(u'\n') + u'\n');
}

void DataDir::writeBytes(const QString& name, const QByteArray& bytes) const {
    QFile f(file(name));
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write test file " + name.toStdString());
}

QByteArray DataDir::readBytes(const QString& name) const {
    QFile f(file(name));
    if (!f.open(QIODevice::ReadOnly)) return QByteArray();
    return f.readAll();
}

void DataDir::copyFrom(const QString& sourcePath, const QString& name) const {
    QFile::remove(file(name));
    if (!QFile::copy(sourcePath, file(name)))
        throw std::runtime_error("cannot copy " + sourcePath.toStdString());
}

bool DataDir::exists(const QString& name) const {
    return QFile::exists(file(name));
}

void DataDir::remove(const QString& name) const {
    QFile::remove(file(name));
}

QString testDataDir() {
    return QStringLiteral(HOSHIKAGE_TEST_DATA_DIR);
}
QString sampleWorldDir() {
    return QStringLiteral(HOSHIKAGE_WORLD_DIR);
}
