#pragma once

#include <QString>
#include <optional>

#include "world/World.h"

// How the world's maps look in Tiled: one tileset per sheet, each tileset's ids starting at a
// fixed first id a thousand apart, so that a sheet that grows never moves the ids of another
// sheet. A tileset has ten columns of cells, so sheet column c, row r is tile c + 10 × r.

inline constexpr int kTiledCell = 32;  // a map cell and a cell of the four small sheets
inline constexpr int kTiledTall = 64;  // a cell of the tall sheet
inline constexpr int kTiledColumns = 10;
inline constexpr int kTiledRows = 100;
inline constexpr int kTiledIdsPerSheet = 1000;

// Field maps draw a tall piece 16 pixels left of its cell and 24 above (at this scale), the
// overhead map's towns and world 8 and 8; each has its own tall tileset with that offset.
enum class TiledView { Field, Overhead };

inline int tiledFirstGid(Sheet s) {
    return 1 + int(s) * kTiledIdsPerSheet;
}
inline int tiledLocalId(int code) {
    return sheetColumn(code) + kTiledColumns * sheetRow(code);
}

// The tileset file names (without ".tsx") and the sheet each names.
QString tilesetName(Sheet s, TiledView view);
std::optional<Sheet> sheetOfTileset(const QString& name);
// The name of a tile layer, which is the name of its sheet.
QString layerName(Sheet s);
inline const QString kEventLayer = QStringLiteral("events");

// The view a map is shown in by the game: the overhead map for the world and the towns (places
// of kind 1), the field for every other map.
TiledView viewOf(const World& w, const QString& mapName);

// Map properties carrying the map's stairs table.
inline const QString kStairsTypeProperty = QStringLiteral("stairs.type");
inline const QString kStairsStartProperty = QStringLiteral("stairs.start");
inline const QString kStairsFloorsProperty = QStringLiteral("stairs.floors");
inline const QString kEventCodeProperty = QStringLiteral("code");
