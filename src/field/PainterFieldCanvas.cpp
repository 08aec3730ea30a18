#include "field/PainterFieldCanvas.h"

#include "platform/Blit.h"

namespace {
// The picture and mask of each layer among the tile sheets (no mask: -1).
struct SheetPair {
    int picture, mask;
};
SheetPair sheetsOf(TileLayer layer) {
    switch (layer) {
        case TileLayer::Ground:
            return {0, -1};
        case TileLayer::Feature:
            return {1, -1};
        case TileLayer::Prop:
            return {2, 3};
        case TileLayer::Block:
            return {4, 5};
        case TileLayer::Tall:
            return {6, 7};
    }
    return {0, -1};
}
}  // namespace

PainterFieldCanvas::PainterFieldCanvas(const FieldPictures& pictures, QColor background)
    : background_(background), back_(kViewWidth, kViewHeight, QImage::Format_RGB32) {
    for (std::size_t k = 0; k < pictures.tiles.size(); ++k)
        pictures_.tiles[k] = toSurfaceFormat(pictures.tiles[k]);
    for (std::size_t k = 0; k < 2; ++k) {
        pictures_.party[k] = toSurfaceFormat(pictures.party[k]);
        pictures_.light[k] = toSurfaceFormat(pictures.light[k]);
    }
    back_.fill(background_);
}

PainterFieldCanvas::~PainterFieldCanvas() {
    if (painter_.isActive()) painter_.end();
}

QPainter& PainterFieldCanvas::painter() {
    if (!painter_.isActive()) {
        painter_.begin(&back_);
        painter_.setRenderHint(QPainter::SmoothPixmapTransform, false);
    }
    return painter_;
}

void PainterFieldCanvas::stretch(QPainter::CompositionMode mode, const QImage& source, int sx,
                                 int sy, int sw, int sh, int x, int y, int w, int h) {
    QPainter& p = painter();
    p.setCompositionMode(mode);
    if (sw == w && sh == h) {
        p.drawImage(QPoint(x, y), source, QRect(sx, sy, sw, sh));
    } else {
        p.drawImage(QRectF(x, y, w, h), source,
                    QRectF(sx + kSourceNudge, sy + kSourceNudge, sw, sh));
    }
}

const QImage& PainterFieldCanvas::backBuffer() {
    if (painter_.isActive()) painter_.end();
    return back_;
}

void PainterFieldCanvas::clear() {
    painter().setCompositionMode(QPainter::CompositionMode_Source);
    painter().fillRect(back_.rect(), background_);
}

void PainterFieldCanvas::copyTile(TileLayer layer, int column, int row, int x, int y) {
    const QImage& sheet = pictures_.tiles[static_cast<std::size_t>(sheetsOf(layer).picture)];
    stretch(QPainter::CompositionMode_Source, sheet, column * kSheetCell, row * kSheetCell,
            kSheetCell, kSheetCell, x, y, kCellSize, kCellSize);
}

void PainterFieldCanvas::maskTile(TileLayer layer, int column, int row, int x, int y) {
    const SheetPair pair = sheetsOf(layer);
    const bool tall = layer == TileLayer::Tall;
    const int s = tall ? kTallSheetCell : kSheetCell, n = tall ? kTallSize : kCellSize;
    stretch(QPainter::RasterOp_SourceAndDestination,
            pictures_.tiles[static_cast<std::size_t>(pair.mask)], column * s, row * s, s, s, x, y,
            n, n);
    stretch(QPainter::RasterOp_SourceXorDestination,
            pictures_.tiles[static_cast<std::size_t>(pair.picture)], column * s, row * s, s, s, x,
            y, n, n);
}

void PainterFieldCanvas::drawParty(int column, int row, int x, int y) {
    const int sx = column * kPartyWidth, sy = row * kPartyHeight;
    stretch(QPainter::RasterOp_SourceAndDestination, pictures_.party[1], sx, sy, kPartyWidth,
            kPartyHeight, x, y, kPartyWidth, kPartyHeight);
    stretch(QPainter::RasterOp_SourceXorDestination, pictures_.party[0], sx, sy, kPartyWidth,
            kPartyHeight, x, y, kPartyWidth, kPartyHeight);
}

void PainterFieldCanvas::drawLight(int x, int y, int w, int h) {
    const int s = kLightSheetSize;
    stretch(QPainter::RasterOp_SourceAndDestination, pictures_.light[0], 0, 0, s, s, x, y, w, h);
    stretch(QPainter::RasterOp_SourceXorDestination, pictures_.light[1], 0, 0, s, s, x, y, w, h);
}

void PainterFieldCanvas::present(QImage& visible) {
    const QImage& back = backBuffer();
    if (visible.size() != back.size() || visible.format() != back.format())
        visible = QImage(back.size(), back.format());
    QPainter p(&visible);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(QPoint(0, 0), back);
}
