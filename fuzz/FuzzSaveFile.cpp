// Feeds arbitrary bytes to the save-slot reader, as a damaged slot file would: it must raise
// GameError or read a game, and a game it read must write back and read again the same way.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>

#include "core/GameError.h"
#include "core/GameState.h"
#include "save/SaveFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    static auto st = std::make_unique<GameState>();
    try {
        readSaveFile(bytes, QStringLiteral("use1"), *st);
    } catch (const GameError&) {
        return 0;
    }
    // What was read writes back to a file that reads back to the same bytes.
    const QByteArray again = saveFileBytes(*st);
    auto copy = std::make_unique<GameState>();
    readSaveFile(again, QStringLiteral("use1"), *copy);
    if (saveFileBytes(*copy) != again) std::abort();
    return 0;
}
