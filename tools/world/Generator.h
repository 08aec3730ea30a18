#pragma once

#include <QImage>
#include <QString>

#include "world/DataWriter.h"
#include "world/World.h"

// Turns a loaded World into every file of the data directory: tables, maps, stairs files,
// pictures and music. The result depends on the World alone, so two runs give the same bytes.
FileSet generateWorld(const World& w);

// The tile sheets as pictures (also used by the previews and the tests).
struct TileSheets {
    QImage ground, feature;  // opaque
    QImage propImage, propMask, blockImage, blockMask, tallImage, tallMask;
};
TileSheets drawTileSheets(const World& w);

// Writes the files into dir (created when missing). A file whose bytes are unchanged is left
// alone, so its time stamp stays; files of the game itself (save slots) are never touched.
void writeFileSet(const FileSet& files, const QString& dir);
