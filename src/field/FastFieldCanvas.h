#pragma once

#include <QColor>
#include <QImage>
#include <array>
#include <cstdint>
#include <vector>

#include "field/FieldCanvas.h"

// The pixels [from, to) of one row of a masked picture that change what is under it.
struct MaskSpan {
    int from = 0, to = 0;
};

// The game's own field canvas, built for a frame on every movement tick.
//
// Every sheet cell is stretched once, on first use, into a block of ready pixels: opaque tiles
// as they will appear, masked tiles as an AND plane and an XOR plane with, for each row, the
// span of pixels the cell actually changes (the rest is see-through). Drawing is then plain
// row loops without branches per pixel. Two kinds of work are skipped because they cannot
// change the picture: filling a square with the background colour that an opaque tile covers
// before anything else touches it, and copying a tile onto a square that already holds exactly
// that tile (the feature layer is drawn twice). Cells that lie partly or wholly off their sheet
// are drawn by the platform's own stretch, which defines the game's pixels.
class FastFieldCanvas : public FieldCanvas {
  public:
    explicit FastFieldCanvas(const FieldPictures& pictures, QColor background = QColor(0, 0, 0));

    const QImage& backBuffer() override;
    void clear() override;
    void copyTile(TileLayer layer, int column, int row, int x, int y) override;
    void maskTile(TileLayer layer, int column, int row, int x, int y) override;
    void drawParty(int column, int row, int x, int y) override;
    void drawLight(int x, int y, int w, int h) override;
    void present(QImage& visible) override;

  private:
    // A picture stretched to its screen size. Opaque: one plane. Masked: per row the AND plane
    // followed by the XOR plane, and the span [from, to) of pixels the row changes.
    struct Prepared {
        enum class State : std::uint8_t { Unprepared, OffSheet, Blank, Ready };
        State state = State::Unprepared;
        std::size_t offset = 0;  // first pixel in the layer's pool
        std::size_t spans = 0;   // first span in the layer's span list
        int boxLeft = 0, boxTop = 0, boxRight = 0, boxBottom = 0;  // the part that changes
    };
    struct Layer {
        int sourceSize = kSheetCell;
        int size = kCellSize;
        bool masked = false;
        QImage picture, mask;  // mask is null for opaque layers
        std::vector<Prepared> cells;  // by column × 100 + row
        std::vector<quint32> pixels;
        std::vector<MaskSpan> spans;
    };
    // The light overlay stretched to one target size.
    struct PreparedLight {
        int w = 0, h = 0;
        bool onSheet = false;
        std::vector<quint32> pixels;
        std::vector<MaskSpan> spans;
    };

    // The back buffer in squares of one cell: what each holds, so work that changes nothing can
    // be skipped.
    static constexpr int kBlocksX = (kViewWidth + kCellSize - 1) / kCellSize;
    static constexpr int kBlocksY = (kViewHeight + kCellSize - 1) / kCellSize;
    struct Block {
        bool awaitingClear = false;  // logically background; the pixels are not written yet
        std::uint32_t tile = 0;      // the opaque tile it holds and nothing else, or 0
    };

    Layer& layer(TileLayer l) { return layers_[static_cast<std::size_t>(l)]; }
    const Prepared& prepare(Layer& layer, int column, int row);
    const PreparedLight& prepareLight(int w, int h);

    // Writes the pending background of every square that (x, y, w, h) touches.
    void settle(int x, int y, int w, int h);
    // Marks the squares that (x, y, w, h) touches as holding mixed pixels.
    void touch(int x, int y, int w, int h);
    void flushDeferredCopy();
    void writeCopy(const Layer& layer, const Prepared& cell, int x, int y);
    void writeMasked(const Layer& layer, const Prepared& cell, int x, int y);

    std::array<Layer, 5> layers_;
    std::array<QImage, 2> party_;
    std::array<QImage, 2> light_;
    std::vector<PreparedLight> lights_;
    QRgb background_;
    QImage back_;
    std::array<Block, kBlocksX * kBlocksY> blocks_{};
    // An opaque copy not yet written: a copy onto the same square may make it unnecessary.
    struct DeferredCopy {
        const Layer* layer = nullptr;
        const Prepared* cell = nullptr;
        int x = 0, y = 0;
    } deferred_;
};
