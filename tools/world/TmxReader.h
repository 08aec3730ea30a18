#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

#include "world/World.h"

// Reads a Tiled map (TMX) drawn for this world: orthogonal, square, 32-pixel cells, at most 91
// cells a side; the tile layers ground, feature, prop, block and tall, drawn with the world's
// tilesets (known by their file names, wherever they lie); an optional object layer "events"
// whose objects name the event of the cell under their middle ("enter 9", "scene 1" …) or carry
// it as the property "code". Layer data may be CSV or Base64, raw, zlib or gzip, as Tiled
// writes it. Autotiles take the variant their neighbours ask for, whichever was drawn, exactly
// as in the text maps.
//
// Every mistake raises a ContentError naming the file, the line and, for a cell, its layer and
// column and row.

struct TmxMap {
    MapGrid grid;
    std::optional<StairsDef> stairs;  // from the map's properties
};

TmxMap readTmx(const QByteArray& bytes, const QString& fileName, const World& w);
TmxMap readTmxFile(const QString& path, const World& w);
