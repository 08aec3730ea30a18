#pragma once

#include <QImage>
#include <array>

// Pictures made for the town tests and the view benchmark.

// A sheet of cols × rows cells (at most 10 × 10) of cell × cell pixels; every cell is filled
// with its own colour (cellColour), so a test can tell which cell was copied where. Sheets with
// another tint have other colours.
QImage cellSheet(int cols, int rows, int cell, int tint = 0);
QRgb cellColour(int col, int row, int tint = 0);

// A sprite sheet and its mask: every cell but (0, 0) holds a square of its cellColour, `margin`
// pixels in from the cell's edges, on black, with a mask that is black under the square and
// white around it. Cell (0, 0) is see-through (black picture, white mask).
struct SpriteSheet {
    QImage image, mask;
};
SpriteSheet spriteSheet(int cols, int rows, int cell, int margin, int tint);

// The eight tile sheets of the overhead map made as above (ground tint 0, feature 60, props
// 120, blocks 180 with a margin of 8, tall pieces 240 without a margin).
std::array<QImage, 8> madeTileSheets();
// The colour at (x, y) of a picture, without the alpha byte.
QRgb rgbAt(const QImage& picture, int x, int y);
