// Feeds arbitrary bytes to the map and stairs readers and, when a map reads, walks every cell.
#include <cstddef>
#include <cstdint>

#include "core/GameError.h"
#include "field/MapFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    try {
        MapFileData map = parseMapFile(bytes, QStringLiteral("fuzz.map"));
        long long sum = 0;
        for (int y = 0; y <= map.mapSize; ++y)
            for (int x = 0; x <= map.mapSize; ++x) sum += map.cell(x, y)[kGroundLayer].isNumber();
        (void)sum;
    } catch (const GameError&) {
    }
    try {
        parseStairsFile(bytes, QStringLiteral("fuzz"));
    } catch (const GameError&) {
    }
    return 0;
}
