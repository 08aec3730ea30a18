#include "battle/BattleView.h"

#include "platform/Blit.h"

void drawMaskedCell(QImage& view, const QImage& sheet, const QImage& mask, int cellSize, int col,
                    int row, const QRect& dest) {
    if (sheet.isNull() || mask.isNull()) return;
    const int sx = col * cellSize;
    const int sy = row * cellSize;
    if (dest.width() == cellSize && dest.height() == cellSize) {
        bitBlt(view, dest.x(), dest.y(), cellSize, cellSize, mask, sx, sy, Rop::And);
        bitBlt(view, dest.x(), dest.y(), cellSize, cellSize, sheet, sx, sy, Rop::Xor);
        return;
    }
    stretchBlt(view, dest.x(), dest.y(), dest.width(), dest.height(), mask, sx, sy, cellSize,
               cellSize, Rop::And);
    stretchBlt(view, dest.x(), dest.y(), dest.width(), dest.height(), sheet, sx, sy, cellSize,
               cellSize, Rop::Xor);
}
