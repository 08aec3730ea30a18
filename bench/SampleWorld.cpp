#include "SampleWorld.h"

#include <QDir>
#include <QFile>

QString sampleWorldPath() {
    return QStringLiteral(HOSHIKAGE_WORLD_DIR "/");
}

bool sampleWorldReady(benchmark::State& state) {
    if (QDir(sampleWorldPath()).exists(QStringLiteral("Map_f01.map"))) return true;
    state.SkipWithError("the sample world has not been generated");
    return false;
}

WorldCopy::WorldCopy() : dir_(std::make_unique<QTemporaryDir>()) {
    const QDir world(sampleWorldPath());
    for (const QString& name : world.entryList(QDir::Files))
        QFile::link(world.filePath(name), dir_->filePath(name));
}

QString WorldCopy::path() const {
    return dir_->path() + u'/';
}
