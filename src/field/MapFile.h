#pragma once

#include <QByteArray>
#include <QString>
#include <array>
#include <optional>
#include <vector>

#include "core/Value.h"

// The map file of a place: the highest cell index, a header the game keeps but never uses, and
// for every row y and within it every column x the six layer values of cell (x, y). These
// readers only parse; loading a map into the game, the town screen's own loader and the data
// check all build on them.

// The six layers of a cell, in the order the file stores them.
enum MapLayer { kGroundLayer, kFeatureLayer, kPropLayer, kBlockLayer, kTallLayer, kEventLayer };
inline constexpr int kMapLayerCount = 6;

// A map may cover at most cells 0..90: the field view pads ten cells beyond the last one and
// the grids end at 100. It needs at least cells 0..1, because the padding copies the cell
// before the last.
inline constexpr int kLargestMapSize = 90;
inline constexpr int kSmallestMapSize = 1;

struct MapFileData {
    int mapSize = 0;  // the highest cell index in both directions
    Value header2;
    std::array<Value, 4> header;
    // (mapSize + 1)² cells, row after row; each holds the six layer values.
    std::vector<std::array<Value, kMapLayerCount>> cells;
    // Values after the last cell: the game ignores them, the data check reports them.
    bool trailingValues = false;

    const std::array<Value, kMapLayerCount>& cell(int x, int y) const {
        return cells[static_cast<std::size_t>(y * (mapSize + 1) + x)];
    }
};

// Parses a map file. Tile codes (layers 1 to 5) are numbers or empty; an empty event becomes 0.
// A map size outside 1..90, a tile code that is a text, or a file shorter than its size
// promises raises a GameError naming the file and the place in it.
MapFileData parseMapFile(const QByteArray& bytes, const QString& fileName);
// Reads the map file at path; a missing file is a GameError naming it.
MapFileData readMapFile(const QString& path);

// The stairs file of a map: the stairs type, the floor a staircase starts from, and either the
// map of each floor (type 0) or where each floor's stairs lead on the same map (type 1).
struct StairsFileData {
    Value type;
    Value startFloor;
    std::array<Value, 11> floorMap;  // type 0: map base names of floors 0..10
    std::array<Value, 11> stairX;    // type 1: destination of floor k
    std::array<Value, 11> stairY;
};

// The stairs file belonging to a map file: its name without the last four characters (".map").
QString stairsFileName(const QString& mapFileName);
StairsFileData parseStairsFile(const QByteArray& bytes, const QString& fileName);
// Reads the stairs file at path; nothing when there is no such file (most maps have none).
std::optional<StairsFileData> readStairsFile(const QString& path);
