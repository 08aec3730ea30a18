// Feeds arbitrary bytes to the value-stream reader: every field kind, until the end of the
// stream. Broken input may raise GameError; nothing else may happen.
#include <cstddef>
#include <cstdint>

#include "core/GameError.h"
#include "core/ValueReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const QByteArray bytes(reinterpret_cast<const char*>(data + 1),
                           static_cast<qsizetype>(size - 1));
    ValueReader in(bytes, QStringLiteral("fuzz"));
    try {
        for (int n = 0; !in.atEnd() && n < 100000; ++n) {
            switch ((data[0] + n) % 4) {
                case 0:
                    in.readInt();
                    break;
                case 1:
                    in.readText();
                    break;
                case 2:
                    in.readValue();
                    break;
                default:
                    in.readNumber();
                    break;
            }
        }
    } catch (const GameError&) {
    }
    return 0;
}
