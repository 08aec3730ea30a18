#pragma once

#include <QImage>

#include "world/Generator.h"
#include "world/World.h"

// Overhead pictures of whole maps, drawn the way the two screens draw them, for looking at the
// world while making it.
//  - town: 32-pixel cells, every layer drawn, tall pieces 64 x 64 unscaled 8 pixels up-left;
//  - field: 48-pixel cells, 32-pixel tiles stretched, tall pieces 96 x 96 at 24 left, 36 up.
// Both draw the grounds first, then column by column the objects, as the game does.
enum class PreviewStyle { Town, Field };
QImage previewMap(const MapGrid& m, const TileSheets& s, PreviewStyle style);
