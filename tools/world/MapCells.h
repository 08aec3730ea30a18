#pragma once

#include <QString>
#include <array>
#include <optional>
#include <vector>

#include "world/World.h"

// What every map source (a text map with its legend, a map drawn in Tiled) says about one cell,
// and how the generator turns those cells into the game's grids. Both sources go through here, so
// a map reads the same whichever form it is kept in.

// One cell as its source describes it: at most one tile of each sheet, and the event when the
// source names one.
struct SourceCell {
    std::array<const TileDef*, kSheetCount> tiles{};
    std::optional<int> event;
};

// The grids of a map from its cells, row by row ((size + 1)² of them). An autotile takes the
// variant its four neighbours ask for; a cell whose source names no event gets the default one.
MapGrid buildMapGrid(const QString& name, const QString& sourceFile, int size,
                     const std::vector<SourceCell>& cells);

// The event of a cell whose source names none: a wall when any of its tiles is solid.
int defaultEvent(const std::array<const TileDef*, kSheetCount>& tiles);

// The tiles standing in a cell of finished grids, as a map source would name them: the ground
// layer always names its tile (code 0 included), the other layers name none for code 0.
std::array<const TileDef*, kSheetCount> tilesOfCell(const World& w, const MapGrid& m, int x, int y);

// Event names as map sources write them ("enter 9", "scene 1", "chest", "code 123" …), both ways.
// parseEvent raises a ContentError at (file, line) for a name it does not know.
int parseEvent(const QString& text, const QString& file, int line);
QString eventName(int code);

// A stairs table from its parts as sources write them: floors are eleven map names (type 0) or
// eleven destinations "X,Y" (type 1). Mistakes raise a ContentError at (file, line).
StairsDef stairsFrom(const QString& map, int type, int startFloor, const QString& floors,
                     const QString& file, int line);
QString floorsText(const StairsDef& s);
