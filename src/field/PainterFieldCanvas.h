#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>

#include "field/FieldCanvas.h"

// The plain field canvas: every cell is stretched through QPainter with raster operations, the
// way anyone would first write it. The game draws with FastFieldCanvas; this one is the yardstick
// it is checked against (the two must give the same pixels) and measured against.
//
// QPainter's nearest-neighbour stretch takes, for a destination pixel whose centre falls exactly
// on the border between two source pixels, the upper-left one; the game's stretch (Blit.h) takes
// the lower-right one. Starting the source rectangle 1/128 of a pixel further on makes QPainter
// pick the same pixels as the game for every stretch the view uses (32 → 48, 64 → 96,
// 128 → 192 and 128 → 432 × 420) without moving any pixel that is not on such a border.
class PainterFieldCanvas : public FieldCanvas {
  public:
    static constexpr double kSourceNudge = 1.0 / 128;

    explicit PainterFieldCanvas(const FieldPictures& pictures, QColor background = QColor(0, 0, 0));
    ~PainterFieldCanvas() override;

    const QImage& backBuffer() override;
    void clear() override;
    void copyTile(TileLayer layer, int column, int row, int x, int y) override;
    void maskTile(TileLayer layer, int column, int row, int x, int y) override;
    void drawParty(int column, int row, int x, int y) override;
    void drawLight(int x, int y, int w, int h) override;
    void present(QImage& visible) override;

  private:
    QPainter& painter();
    void stretch(QPainter::CompositionMode mode, const QImage& source, int sx, int sy, int sw,
                 int sh, int x, int y, int w, int h);

    FieldPictures pictures_;
    QColor background_;
    QImage back_;
    QPainter painter_;
};
