#include "field/MapFile.h"

#include <QFile>
#include <QFileInfo>

#include "core/GameError.h"
#include "core/ValueReader.h"

namespace {
QByteArray readWholeFile(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        throw GameError(QFileInfo(path).fileName(), QStringLiteral("opening"),
                        QStringLiteral("a readable file at ") + path);
    return f.readAll();
}
}  // namespace

MapFileData parseMapFile(const QByteArray& bytes, const QString& fileName) {
    ValueReader in(bytes, fileName);
    MapFileData map;

    const Value size = in.readValue();
    if (!size.isNumber() && !(size.isText() && Value::isNumericText(size.text())))
        in.fail(QStringLiteral("the map size (a number), found \"%1\"").arg(size.text()));
    const double raw = size.num();
    const long long n = (raw > -1e6 && raw < 1e6) ? size.toInt() : -1;
    if (n < kSmallestMapSize || n > kLargestMapSize)
        in.fail(QStringLiteral("a map size of %1 to %2, found %3")
                    .arg(kSmallestMapSize)
                    .arg(kLargestMapSize)
                    .arg(size.text()));
    map.mapSize = static_cast<int>(n);

    map.header2 = in.readValue();
    for (Value& v : map.header) v = in.readValue();

    const int side = map.mapSize + 1;
    map.cells.resize(static_cast<std::size_t>(side * side));
    for (auto& cell : map.cells) {
        for (int layer = 0; layer < kMapLayerCount; ++layer) {
            Value v = in.readValue();
            if (layer == kEventLayer) {
                if (v.isEmpty()) v = Value(0);
            } else if (v.isText() && !v.isBlank() && !Value::isNumericText(v.text())) {
                in.fail(QStringLiteral("a tile code (a number), found \"%1\"").arg(v.text()));
            }
            cell[static_cast<std::size_t>(layer)] = std::move(v);
        }
    }
    map.trailingValues = !in.atEnd();
    return map;
}

MapFileData readMapFile(const QString& path) {
    return parseMapFile(readWholeFile(path), QFileInfo(path).fileName());
}

QString stairsFileName(const QString& mapFileName) {
    return mapFileName.left(std::max<qsizetype>(0, mapFileName.size() - 4));
}

StairsFileData parseStairsFile(const QByteArray& bytes, const QString& fileName) {
    ValueReader in(bytes, fileName);
    StairsFileData stairs;
    stairs.type = in.readValue();
    stairs.startFloor = in.readValue();
    if (stairs.type == Value(0)) {
        for (Value& name : stairs.floorMap) name = in.readValue();
    } else if (stairs.type == Value(1)) {
        for (std::size_t k = 0; k < stairs.stairX.size(); ++k) {
            stairs.stairX[k] = Value(in.readNumber());
            stairs.stairY[k] = Value(in.readNumber());
        }
    }
    return stairs;
}

std::optional<StairsFileData> readStairsFile(const QString& path) {
    // Only a file counts: a map named ".map" would otherwise point at the data folder itself.
    if (!QFileInfo(path).isFile()) return std::nullopt;
    return parseStairsFile(readWholeFile(path), QFileInfo(path).fileName());
}
