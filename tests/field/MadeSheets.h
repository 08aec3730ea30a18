#pragma once

#include <QImage>
#include <cstdint>

#include "field/FieldCanvas.h"

struct GameState;

// Pictures and maps made in memory for the field view's tests, benchmark and screenshots, so
// they need no data folder. Every pixel of a sheet cell differs from its neighbours, so a cell
// drawn from the wrong place or stretched with the wrong mapping shows at once.

struct MadeSheetOptions {
    int rows = 12;  // sheet rows of every tile sheet (10 columns each)
    // Masks and pictures with arbitrary bits everywhere (not just black/white shapes), so that
    // every bit of the AND and XOR passes matters.
    bool noisyMasks = false;
    // Whether cell (0, 0) of the tall sheets is wholly see-through, as the game's data must be.
    bool blankTallOrigin = true;
    // One colour per cell with a darker edge instead of a pattern: easier to look at.
    bool plain = false;
};

FieldPictures makeFieldPictures(const MadeSheetOptions& options = {});

// Fills cells 0..mapSize of all five tile layers (and clears the events) with codes that name
// cells on sheets of `sheetRows` rows; MapSize becomes mapSize. Every cell has all five layers.
void fillWholeMap(GameState& st, int mapSize, std::uint32_t seed, int sheetRows = 12);

// A tile code naming sheet cell (column, row).
inline int tileCode(int column, int row) {
    return column * 100 + row;
}
