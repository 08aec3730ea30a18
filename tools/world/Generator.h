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

// Writes the files into dir (created when missing; names may hold folders). A file whose bytes
// are unchanged is left alone, so its time stamp stays; files of the game itself (save slots) are
// never touched. Every changed file is first written whole beside its place and synced, and only
// when all of them are can they replace the old ones, so a failed write leaves dir as it was and
// no file is ever half-written. A failure raises a ContentError naming the file.
void writeFileSet(const FileSet& files, const QString& dir);
