// Writing a generated world into its folder without ever leaving a half-written file.

#include <unistd.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "world/Generator.h"
#include "world/Source.h"

namespace {

// The ending of a file still being written; what a stopped run leaves is removed by the next.
const QString kPartEnding = QStringLiteral(".worldgen-part");

QString reason() {
    return QString::fromLocal8Bit(std::strerror(errno));
}

void removeLeftovers(const QString& dir) {
    QDirIterator it(dir, {QStringLiteral("*") + kPartEnding}, QDir::Files | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) QFile::remove(it.next());
}

// Writes bytes whole into path and syncs them to the disk.
void writeWhole(const QString& path, const QByteArray& bytes, const QString& name) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered))
        throw ContentError(name, 0, QStringLiteral("cannot be written: ") + f.errorString());
    if (f.write(bytes) != bytes.size())
        throw ContentError(name, 0, QStringLiteral("cannot be written: ") + f.errorString());
    if (::fsync(f.handle()) != 0)
        throw ContentError(name, 0, QStringLiteral("cannot be written to the disk: ") + reason());
    f.close();
}

}  // namespace

void writeFileSet(const FileSet& files, const QString& dir) {
    if (!QDir().mkpath(dir)) throw ContentError(dir, 0, QStringLiteral("cannot be made"));
    removeLeftovers(dir);
    struct Pending {
        QString name, path, part;
    };
    QList<Pending> pending;
    try {
        for (auto it = files.constBegin(); it != files.constEnd(); ++it) {
            const QString path = dir + u'/' + it.key();
            QFile old(path);
            if (old.open(QIODevice::ReadOnly) && old.readAll() == it.value()) continue;
            if (!QDir().mkpath(QFileInfo(path).path()))
                throw ContentError(it.key(), 0, QStringLiteral("its folder cannot be made"));
            pending.append({it.key(), path, path + kPartEnding});
            writeWhole(pending.back().part, it.value(), it.key());
        }
    } catch (const ContentError&) {
        for (const Pending& p : pending) QFile::remove(p.part);
        throw;
    }
    for (int i = 0; i < pending.size(); ++i) {
        if (std::rename(QFile::encodeName(pending[i].part).constData(),
                        QFile::encodeName(pending[i].path).constData()) != 0) {
            const QString why = reason();
            for (int k = i; k < pending.size(); ++k) QFile::remove(pending[k].part);
            throw ContentError(pending[i].name, 0,
                               QStringLiteral("cannot be put in place (%1); %2 of %3 changed "
                                              "files were; run the generator again")
                                   .arg(why)
                                   .arg(i)
                                   .arg(pending.size()));
        }
    }
}
