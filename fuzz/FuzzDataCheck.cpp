// Runs the data check on a copy of the sample world in which one data file (chosen by the first
// input byte) is replaced by the rest of the input. The check must report, never crash.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "core/DataCheck.h"

namespace {
const char* const kFiles[] = {
    "Ca_DataFile", "En_DataFile2", "B_DataFile", "I_DataFile", "M_DataFile",  "timei_F",
    "mati_F",      "MatiEv_F",     "Kaiwa_F",    "MapEv_F",    "Sene_F",      "KEv_F",
    "Takara_F",    "Bos_F",        "Ca_TF",      "s_f",        "Map_f01.map", "mori001.map"};

// The sample world copied once: data files and maps as they are, every other file empty (the
// check only asks whether pictures and music exist).
QTemporaryDir* world() {
    static std::unique_ptr<QTemporaryDir> dir = [] {
        auto d = std::make_unique<QTemporaryDir>();
        const QByteArray source = qgetenv("HOSHIKAGE_FUZZ_WORLD");
        QDir src(source.isEmpty() ? QStringLiteral(HOSHIKAGE_WORLD_DIR)
                                  : QString::fromLocal8Bit(source));
        for (const QString& name : src.entryList(QDir::Files)) {
            const bool data = !name.contains(u'.') || name.endsWith(QStringLiteral(".map"));
            if (data) {
                QFile::copy(src.filePath(name), d->filePath(name));
            } else {
                QFile f(d->filePath(name));
                if (f.open(QIODevice::WriteOnly)) f.close();
            }
        }
        return d;
    }();
    return dir.get();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    QTemporaryDir* dir = world();
    const QString name = QString::fromLatin1(kFiles[data[0] % std::size(kFiles)]);
    const QString path = dir->filePath(name);
    QFile original(path);
    QByteArray kept;
    if (original.open(QIODevice::ReadOnly)) kept = original.readAll();
    original.close();
    {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly)) std::abort();
        f.write(reinterpret_cast<const char*>(data + 1), static_cast<qint64>(size - 1));
    }
    DataCheckResult result = checkDataDir(dir->path());
    (void)result.summary();
    QFile restore(path);
    if (!restore.open(QIODevice::WriteOnly)) std::abort();
    restore.write(kept);
    return 0;
}
