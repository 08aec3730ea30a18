#include "worldmap/WorldView.h"

#include "core/GameState.h"
#include "field/FieldCanvas.h"
#include "field/FieldView.h"
#include "platform/Blit.h"

namespace {
enum Sheet { kGround, kFeature, kProp, kPropMask, kBlock, kBlockMask, kTall, kTallMask };

bool cellIsSeeThrough(const QImage& image, const QImage& mask, int x0, int y0, int size) {
    for (int y = y0; y < y0 + size; ++y) {
        const auto* img = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        const auto* msk = reinterpret_cast<const QRgb*>(mask.constScanLine(y));
        for (int x = x0; x < x0 + size; ++x)
            if ((img[x] & 0xffffffu) != 0 || (msk[x] & 0xffffffu) != 0xffffffu) return false;
    }
    return true;
}

WorldSheets::SeeThrough findSeeThrough(const QImage& image, const QImage& mask, int size) {
    WorldSheets::SeeThrough s;
    s.columns = std::min(image.width(), mask.width()) / size;
    s.rows = std::min(image.height(), mask.height()) / size;
    s.cells.resize(static_cast<std::size_t>(s.columns * s.rows));
    for (int r = 0; r < s.rows; ++r)
        for (int c = 0; c < s.columns; ++c)
            s.cells[static_cast<std::size_t>(r * s.columns + c)] =
                cellIsSeeThrough(image, mask, c * size, r * size, size);
    return s;
}

// The masked draw of one sheet cell: the mask with AND, then the image with XOR.
void drawMasked(QImage& view, const WorldSheets& sheets, int layer, const Value& code, int x, int y,
                int size) {
    const SheetCell cell = decodeTile(code);
    if (sheets.seeThrough[static_cast<std::size_t>((layer - kProp) / 2)].at(cell.column, cell.row))
        return;
    const QImage& image = sheets.tiles[static_cast<std::size_t>(layer)];
    const QImage& mask = sheets.tiles[static_cast<std::size_t>(layer + 1)];
    bitBlt(view, x, y, size, size, mask, cell.column * size, cell.row * size, Rop::And);
    bitBlt(view, x, y, size, size, image, cell.column * size, cell.row * size, Rop::Xor);
}

void drawOpaque(QImage& view, const QImage& sheet, const Value& code, int x, int y) {
    const SheetCell cell = decodeTile(code);
    bitBlt(view, x, y, kWorldCell, kWorldCell, sheet, cell.column * kWorldCell,
           cell.row * kWorldCell, Rop::Copy);
}
}  // namespace

bool WorldSheets::SeeThrough::at(int column, int row) const {
    if (column < 0 || row < 0 || column >= columns || row >= rows) return false;
    return cells[static_cast<std::size_t>(row * columns + column)];
}

void WorldSheets::prepare() {
    for (int k = 0; k < 3; ++k) {
        const int layer = kProp + 2 * k;
        const int size = layer == kTall ? kWorldTall : kWorldCell;
        seeThrough[static_cast<std::size_t>(k)] =
            findSeeThrough(tiles[static_cast<std::size_t>(layer)],
                           tiles[static_cast<std::size_t>(layer + 1)], size);
    }
}

WorldSheets loadWorldSheets(const QString& dataPath) {
    WorldSheets sheets;
    for (std::size_t k = 0; k < sheets.tiles.size(); ++k)
        sheets.tiles[k] = loadPictureFile(dataPath + QString::fromLatin1(kTileSheetFiles[k]));
    sheets.prepare();
    return sheets;
}

bool viewPositionDrawable(int mapSize, int scrollX, int scrollY) {
    return scrollX >= 0 && scrollX <= mapSize - (kWorldViewCols - 1) && scrollY >= 0 &&
           scrollY <= mapSize - (kWorldViewRows - 1);
}

bool view2(const GameState& st, const WorldSheets& sheets, int scrollX, int scrollY, QImage& view) {
    if (!viewPositionDrawable(st.MapSize, scrollX, scrollY)) return false;
    if (view.size() != QSize(kWorldViewWidth, kWorldViewHeight) ||
        view.format() != QImage::Format_RGB32) {
        view = QImage(kWorldViewWidth, kWorldViewHeight, QImage::Format_RGB32);
        view.fill(0);
    }
    for (int x = scrollX; x < scrollX + kWorldViewCols; ++x)
        for (int y = scrollY; y < scrollY + kWorldViewRows; ++y)
            drawOpaque(view, sheets.tiles[kGround], st.GroundGrid(x, y), kWorldCell * (x - scrollX),
                       kWorldCell * (y - scrollY));
    for (int x = scrollX; x < scrollX + kWorldViewCols; ++x) {
        for (int y = scrollY; y < scrollY + kWorldViewRows; ++y) {
            const int px = kWorldCell * (x - scrollX);
            const int py = kWorldCell * (y - scrollY);
            if (st.FeatureGrid(x, y) > Value(0))
                drawOpaque(view, sheets.tiles[kFeature], st.FeatureGrid(x, y), px, py);
            drawMasked(view, sheets, kProp, st.PropGrid(x, y), px, py, kWorldCell);
            drawMasked(view, sheets, kBlock, st.BlockGrid(x, y), px, py, kWorldCell);
            drawMasked(view, sheets, kTall, st.TallGrid(x, y), px - 8, py - 8, kWorldTall);
        }
    }
    return true;
}
