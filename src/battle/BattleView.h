#pragma once

#include <QImage>
#include <QRect>

// Drawing on the battle view: sheet cells drawn through their masks (the mask cell combined with
// AND, then the picture cell with XOR), so what lies around a sprite stays as it was. The view is
// never cleared during a battle: markers and effects stay until something is drawn over them.

// Draws cell (col, row) of a sheet of cellSize × cellSize cells onto dest of view (stretched when
// dest is another size). A missing sheet or mask draws nothing.
void drawMaskedCell(QImage& view, const QImage& sheet, const QImage& mask, int cellSize, int col,
                    int row, const QRect& dest);
