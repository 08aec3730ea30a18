#pragma once

#include <QByteArray>
#include <QStringList>

#include "world/DataWriter.h"
#include "world/LayerData.h"
#include "world/World.h"

// Writes the world's maps as Tiled maps (TMX, orthogonal, 32-pixel cells): a tile layer per
// sheet (ground, feature, prop, block, tall) and an object layer "events" holding every event
// that the tiles do not already imply (a solid tile is a wall), each object named as the text
// maps name events ("enter 9") and carrying its code as the property "code". A map's stairs
// table travels in its properties. Tilesets are separate files in "tilesets/" beside the maps;
// they picture the generated sheets, the masked ones made see-through, the tall pieces set off
// their cells as the game draws them.

QByteArray writeTmx(const World& w, const MapGrid& m, LayerFormat format = LayerFormat::Csv);

// "tilesets/NAME.tsx" for every sheet (two for the tall sheet: field and overhead view) with
// their pictures.
FileSet tiledTilesets(const World& w);

// The maps named (every map when none is) as "NAME.tmx", with the tilesets.
FileSet tiledExport(const World& w, const QStringList& maps = {});
