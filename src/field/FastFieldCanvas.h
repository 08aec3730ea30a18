#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <array>
#include <cstdint>
#include <deque>
#include <vector>

#include "field/FieldCanvas.h"

// The game's own field canvas, fast enough for a frame on every movement tick.
//
// Every picture it draws (a sheet cell stretched to its screen size, a party sprite cell, the
// light overlay at one size) is prepared once, on first use, with the game's own stretch: per
// row, the runs of pixels that the picture copies (opaque) and those it blends with AND and
// XOR; see-through pixels are left out. A frame's operations are only written down while the
// view is drawn; when the picture is needed, each 48 × 48 square of the back buffer is worked
// out on its own, starting from the last picture that covers the whole square (usually the
// feature or ground tile, drawn twice per frame) and applying only what comes after it. So
// nothing is drawn that a later tile hides, and each square stays in the processor's cache
// while all its layers are applied. The pixels are exactly those of drawing every operation in
// turn.
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

    // A run of pixels [from, to) of one row of a prepared picture: copied, or blended.
    struct Run {
        std::int16_t from, to;
        bool blend;
    };
    // A picture ready to draw.
    struct Prepared {
        bool ready = false;
        int w = 0, h = 0;
        bool covers = false;  // copies every one of its pixels: hides what was under it
        bool blends = false;  // has pixels that depend on what is under them
        QRect box;            // the pixels it changes (empty: it changes nothing)
        // The kept planes: the pixels to copy or XOR, and the AND pixels when the picture blends
        // at all. A picture stretched by exactly 2 : 3 keeps them at source size and is widened
        // while drawn; others keep them at destination size.
        bool widen = false;
        int planeWidth = 0;
        std::size_t pixels = 0;
        std::size_t andPixels = 0;
        std::size_t rows = 0;  // h + 1 offsets into the runs of each destination row
    };

    // One recorded operation: a prepared picture with its top-left corner at (x, y).
    struct Op {
        const Prepared* picture;
        int x, y;
    };

  private:
    struct Source {
        const QImage* picture;  // copied (no mask) or XOR-ed
        const QImage* mask;     // AND-ed; null for opaque pictures
        int sx, sy, sw, sh;
    };
    static constexpr int kSquaresX = (kViewWidth + kCellSize - 1) / kCellSize;
    static constexpr int kSquaresY = (kViewHeight + kCellSize - 1) / kCellSize;

    void build(Prepared& p, const Source& source, int w, int h);
    const Prepared& tile(TileLayer layer, int column, int row);
    // Pictures other than tile cells (party cells, the light at each size) by source and size.
    const Prepared& other(const Source& source, int w, int h);
    void record(const Prepared& picture, int x, int y);
    // Works out every square that has operations waiting, onto target.
    void settle(QImage& target);
    // Applies one operation to the pixels of clip.
    void drawInto(QImage& target, const Op& op, const QRect& clip);
    // The back buffer to draw on, holding the last presented frame when no clear came since.
    QImage& workingBuffer();

    struct Layer {
        QImage picture, mask;
        int sourceSize = kSheetCell, size = kCellSize;
        std::vector<Prepared> cells;  // by column × 100 + row
    };
    std::array<Layer, 5> layers_;
    std::array<QImage, 2> party_, light_;
    struct OtherPicture {
        Source source;
        int w, h;
        Prepared prepared;
    };
    std::deque<OtherPicture> others_;

    std::vector<quint32> pixelPool_;
    std::vector<Run> runPool_;
    std::vector<std::uint32_t> rowPool_;

    QRgb background_;
    QImage back_;
    // The last frame presented, sharing the visible picture's pixels: it is the back buffer's
    // content until the next clear, without a copy.
    QImage presented_;
    bool cleared_ = false;  // the back buffer is logically background under the waiting work
    std::vector<Op> ops_;
    std::array<std::vector<std::uint32_t>, kSquaresX * kSquaresY> squares_;  // ops per square
};
