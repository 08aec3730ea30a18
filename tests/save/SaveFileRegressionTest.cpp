#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <memory>

#include "core/GameError.h"
#include "core/GameState.h"
#include "save/SaveFile.h"
#include "support/DataDir.h"

// Slot files kept in tests/data/saves (a new game, and inputs the fuzzer found): whatever a slot
// file holds, a game read from it must save and read back to the very same file.
TEST(SaveFileRegression, EverySlotThatReadsSavesBackUnchanged) {
    QDir dir(testDataDir() + QStringLiteral("/saves"));
    const QStringList files = dir.entryList(QDir::Files);
    ASSERT_FALSE(files.isEmpty());
    for (const QString& name : files) {
        SCOPED_TRACE(name.toStdString());
        QFile f(dir.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        auto first = std::make_unique<GameState>();
        try {
            readSaveFile(f.readAll(), QStringLiteral("use1"), *first);
        } catch (const GameError&) {
            continue;  // a damaged slot is refused, which is fine
        }
        const QByteArray saved = saveFileBytes(*first);
        auto second = std::make_unique<GameState>();
        readSaveFile(saved, QStringLiteral("use1"), *second);
        EXPECT_EQ(saveFileBytes(*second), saved);
    }
}
