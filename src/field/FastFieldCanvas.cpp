#include "field/FastFieldCanvas.h"

#include <algorithm>
#include <cstring>

#include "platform/Blit.h"

namespace {
constexpr quint32 kOpaque = 0xff000000u;
constexpr quint32 kSeeThroughAnd = 0xffffffffu;  // an AND plane pixel that keeps the destination

// Sheet columns and rows a tile code can name.
constexpr int kSheetColumns = 10;
constexpr int kSheetRows = 100;

bool namesSheetCell(int column, int row) {
    return column >= 0 && column < kSheetColumns && row >= 0 && row < kSheetRows;
}

// The row kernels are built twice, for plain x86-64 and for AVX2, and the better one is chosen
// when the program starts.
#if defined(__GNUC__) && !defined(__clang__) && defined(__x86_64__)
#define FIELD_KERNEL __attribute__((target_clones("avx2", "default")))
#else
#define FIELD_KERNEL
#endif

using Pixels8 = quint32 __attribute__((vector_size(32)));

// d = ((d & and) ^ xor) | opaque over n pixels: the two passes of masked drawing in one.
[[gnu::always_inline]] inline void maskRun(quint32* __restrict d, const quint32* __restrict andPlane,
                                           const quint32* __restrict xorPlane, int n) {
    int k = 0;
    const Pixels8 opaque = {kOpaque, kOpaque, kOpaque, kOpaque, kOpaque, kOpaque, kOpaque, kOpaque};
    for (; k + 8 <= n; k += 8) {
        Pixels8 dv, av, xv;
        std::memcpy(&dv, d + k, sizeof dv);
        std::memcpy(&av, andPlane + k, sizeof av);
        std::memcpy(&xv, xorPlane + k, sizeof xv);
        dv = ((dv & av) ^ xv) | opaque;
        std::memcpy(d + k, &dv, sizeof dv);
    }
    for (; k < n; ++k) d[k] = ((d[k] & andPlane[k]) ^ xorPlane[k]) | kOpaque;
}

// Where a prepared masked picture lands: rows [rowFrom, rowTo) of the picture, drawn with its
// top-left corner at (x, y) of the image, clipped to columns [0, width).
struct MaskTarget {
    quint32* image;
    qsizetype stride;  // in pixels
    int width;
    int x, y;
    int rowFrom, rowTo;
};

FIELD_KERNEL void maskRows(const MaskTarget& t, const quint32* planes, int size,
                          const MaskSpan* spans) {
    for (int r = t.rowFrom; r < t.rowTo; ++r) {
        const int from = std::max(spans[r].from, -t.x);
        const int to = std::min(spans[r].to, t.width - t.x);
        if (from >= to) continue;
        const quint32* andPlane = planes + static_cast<qsizetype>(r) * 2 * size;
        quint32* d = t.image + (t.y + r) * t.stride + t.x + from;
        maskRun(d, andPlane + from, andPlane + size + from, to - from);
    }
}

quint32* pixelsOf(QImage& img) {
    return reinterpret_cast<quint32*>(img.bits());
}
qsizetype strideOf(const QImage& img) {
    return img.bytesPerLine() / static_cast<qsizetype>(sizeof(quint32));
}

// Stretches the whole of (sx, sy, sourceSize²) of a sheet onto a size × size picture with the
// platform's own stretch, so the pixels are exactly the game's.
QImage stretchedCell(const QImage& sheet, int sx, int sy, int sw, int sh, int w, int h) {
    QImage cell(w, h, QImage::Format_RGB32);
    ::stretchBlt(cell, 0, 0, w, h, sheet, sx, sy, sw, sh, Rop::Copy);
    return cell;
}

bool holds(const QImage& sheet, int x, int y, int w, int h) {
    return !sheet.isNull() && x >= 0 && y >= 0 && x + w <= sheet.width() && y + h <= sheet.height();
}

// Splits a masked picture into its AND and XOR planes, row by row, and finds the span of each
// row that changes the destination. Returns the bounding box of the changing pixels (empty when
// the picture is wholly see-through).
QRect splitPlanes(const QImage& mask, const QImage& picture, std::vector<quint32>& pixels,
                  std::vector<MaskSpan>& spans) {
    const int w = picture.width(), h = picture.height();
    QRect box;
    for (int r = 0; r < h; ++r) {
        const auto* m = reinterpret_cast<const quint32*>(mask.constScanLine(r));
        const auto* p = reinterpret_cast<const quint32*>(picture.constScanLine(r));
        int from = w, to = 0;
        for (int k = 0; k < w; ++k) {
            const quint32 a = m[k] | kOpaque, x = p[k] & ~kOpaque;
            pixels.push_back(a);
            if (a != kSeeThroughAnd || x != 0) {
                from = std::min(from, k);
                to = k + 1;
            }
        }
        for (int k = 0; k < w; ++k) pixels.push_back(p[k] & ~kOpaque);
        if (from >= to) from = to = 0;
        spans.push_back(MaskSpan{from, to});
        if (from < to) box |= QRect(from, r, to - from, 1);
    }
    return box;
}

std::uint32_t tileKey(TileLayer layer, int column, int row) {
    return 1 + static_cast<std::uint32_t>(layer) * 1000 + static_cast<std::uint32_t>(column) * 100 +
           static_cast<std::uint32_t>(row);
}
}  // namespace

FastFieldCanvas::FastFieldCanvas(const FieldPictures& pictures, QColor background)
    : background_(background.rgb() | kOpaque),
      back_(kViewWidth, kViewHeight, QImage::Format_RGB32) {
    back_.fill(background_);
    const std::array<std::array<int, 2>, 5> sheets = {{{0, -1}, {1, -1}, {2, 3}, {4, 5}, {6, 7}}};
    for (std::size_t l = 0; l < layers_.size(); ++l) {
        Layer& L = layers_[l];
        const bool tall = l == static_cast<std::size_t>(TileLayer::Tall);
        L.sourceSize = tall ? kTallSheetCell : kSheetCell;
        L.size = tall ? kTallSize : kCellSize;
        L.picture = toSurfaceFormat(pictures.tiles[static_cast<std::size_t>(sheets[l][0])]);
        L.masked = sheets[l][1] >= 0;
        if (L.masked) L.mask = toSurfaceFormat(pictures.tiles[static_cast<std::size_t>(sheets[l][1])]);
        L.cells.resize(kSheetColumns * kSheetRows);
    }
    for (std::size_t k = 0; k < 2; ++k) {
        party_[k] = toSurfaceFormat(pictures.party[k]);
        light_[k] = toSurfaceFormat(pictures.light[k]);
    }
}

const FastFieldCanvas::Prepared& FastFieldCanvas::prepare(Layer& L, int column, int row) {
    Prepared& p = L.cells[static_cast<std::size_t>(column * kSheetRows + row)];
    if (p.state != Prepared::State::Unprepared) return p;
    const int s = L.sourceSize, n = L.size, sx = column * s, sy = row * s;
    if (!holds(L.picture, sx, sy, s, s) || (L.masked && !holds(L.mask, sx, sy, s, s))) {
        p.state = Prepared::State::OffSheet;
        return p;
    }
    const QImage picture = stretchedCell(L.picture, sx, sy, s, s, n, n);
    p.offset = L.pixels.size();
    if (!L.masked) {
        for (int r = 0; r < n; ++r) {
            const auto* line = reinterpret_cast<const quint32*>(picture.constScanLine(r));
            L.pixels.insert(L.pixels.end(), line, line + n);
        }
        p.boxRight = p.boxBottom = n;
        p.state = Prepared::State::Ready;
        return p;
    }
    p.spans = L.spans.size();
    const QRect box =
        splitPlanes(stretchedCell(L.mask, sx, sy, s, s, n, n), picture, L.pixels, L.spans);
    if (box.isEmpty()) {
        // Nothing to draw: give the memory back and remember that.
        L.pixels.resize(p.offset);
        L.spans.resize(p.spans);
        p.state = Prepared::State::Blank;
        return p;
    }
    p.boxLeft = box.left();
    p.boxTop = box.top();
    p.boxRight = box.right() + 1;
    p.boxBottom = box.bottom() + 1;
    p.state = Prepared::State::Ready;
    return p;
}

const FastFieldCanvas::PreparedLight& FastFieldCanvas::prepareLight(int w, int h) {
    for (const PreparedLight& l : lights_)
        if (l.w == w && l.h == h) return l;
    PreparedLight& l = lights_.emplace_back();
    l.w = w;
    l.h = h;
    const int s = kLightSheetSize;
    l.onSheet = w > 0 && h > 0 && holds(light_[0], 0, 0, s, s) && holds(light_[1], 0, 0, s, s);
    if (l.onSheet)
        splitPlanes(stretchedCell(light_[0], 0, 0, s, s, w, h),
                    stretchedCell(light_[1], 0, 0, s, s, w, h), l.pixels, l.spans);
    return l;
}

void FastFieldCanvas::settle(int x, int y, int w, int h) {
    const int left = std::max(x, 0), top = std::max(y, 0);
    const int right = std::min(x + w, kViewWidth), bottom = std::min(y + h, kViewHeight);
    if (left >= right || top >= bottom) return;
    for (int by = top / kCellSize; by <= (bottom - 1) / kCellSize; ++by) {
        for (int bx = left / kCellSize; bx <= (right - 1) / kCellSize; ++bx) {
            Block& b = blocks_[static_cast<std::size_t>(by * kBlocksX + bx)];
            if (!b.awaitingClear) continue;
            b.awaitingClear = false;
            const int x0 = bx * kCellSize, x1 = std::min(x0 + kCellSize, kViewWidth);
            const int y1 = std::min((by + 1) * kCellSize, kViewHeight);
            for (int yy = by * kCellSize; yy < y1; ++yy)
                std::fill(pixelsOf(back_) + yy * strideOf(back_) + x0,
                          pixelsOf(back_) + yy * strideOf(back_) + x1, background_);
        }
    }
}

void FastFieldCanvas::touch(int x, int y, int w, int h) {
    const int left = std::max(x, 0), top = std::max(y, 0);
    const int right = std::min(x + w, kViewWidth), bottom = std::min(y + h, kViewHeight);
    if (left >= right || top >= bottom) return;
    for (int by = top / kCellSize; by <= (bottom - 1) / kCellSize; ++by)
        for (int bx = left / kCellSize; bx <= (right - 1) / kCellSize; ++bx)
            blocks_[static_cast<std::size_t>(by * kBlocksX + bx)].tile = 0;
}

void FastFieldCanvas::flushDeferredCopy() {
    if (!deferred_.cell) return;
    writeCopy(*deferred_.layer, *deferred_.cell, deferred_.x, deferred_.y);
    deferred_ = {};
}

void FastFieldCanvas::writeCopy(const Layer& L, const Prepared& cell, int x, int y) {
    const int n = L.size;
    const int c0 = std::max(0, -x), c1 = std::min(n, kViewWidth - x);
    const int r0 = std::max(0, -y), r1 = std::min(n, kViewHeight - y);
    if (c0 >= c1) return;
    const quint32* src = L.pixels.data() + cell.offset;
    quint32* dst = pixelsOf(back_);
    const qsizetype stride = strideOf(back_);
    for (int r = r0; r < r1; ++r)
        std::memcpy(dst + (y + r) * stride + x + c0, src + r * n + c0,
                    static_cast<std::size_t>(c1 - c0) * sizeof(quint32));
}

void FastFieldCanvas::writeMasked(const Layer& L, const Prepared& cell, int x, int y) {
    const MaskTarget t{pixelsOf(back_),
                       strideOf(back_),
                       kViewWidth,
                       x,
                       y,
                       std::max(cell.boxTop, -y),
                       std::min(cell.boxBottom, kViewHeight - y)};
    maskRows(t, L.pixels.data() + cell.offset, L.size, L.spans.data() + cell.spans);
}

const QImage& FastFieldCanvas::backBuffer() {
    flushDeferredCopy();
    settle(0, 0, kViewWidth, kViewHeight);
    return back_;
}

void FastFieldCanvas::clear() {
    // Whatever was waiting to be written is covered by the background anyway.
    deferred_ = {};
    for (Block& b : blocks_) b = Block{true, 0};
}

void FastFieldCanvas::copyTile(TileLayer l, int column, int row, int x, int y) {
    Layer& L = layer(l);
    const Prepared* cell = namesSheetCell(column, row) ? &prepare(L, column, row) : nullptr;
    const bool onGrid = x % kCellSize == 0 && y % kCellSize == 0;
    if (!cell || cell->state != Prepared::State::Ready || !onGrid) {
        flushDeferredCopy();
        settle(x, y, L.size, L.size);
        ::stretchBlt(back_, x, y, L.size, L.size, L.picture, column * L.sourceSize,
                     row * L.sourceSize, L.sourceSize, L.sourceSize, Rop::Copy);
        touch(x, y, L.size, L.size);
        return;
    }
    const int bx = x / kCellSize, by = y / kCellSize;
    if (bx < 0 || bx >= kBlocksX || by < 0 || by >= kBlocksY) return;  // wholly off the view
    Block& b = blocks_[static_cast<std::size_t>(by * kBlocksX + bx)];
    const std::uint32_t key = tileKey(l, column, row);
    const bool sameSquare = deferred_.cell && deferred_.x == x && deferred_.y == y;
    if (!sameSquare) {
        flushDeferredCopy();
        if (b.tile == key) return;  // the square already shows exactly this tile
    }
    deferred_ = {&L, cell, x, y};
    b.tile = key;
    b.awaitingClear = false;
}

void FastFieldCanvas::maskTile(TileLayer l, int column, int row, int x, int y) {
    flushDeferredCopy();
    Layer& L = layer(l);
    const Prepared* cell = namesSheetCell(column, row) ? &prepare(L, column, row) : nullptr;
    if (cell && cell->state == Prepared::State::Blank) return;
    if (!cell || cell->state != Prepared::State::Ready) {
        const int s = L.sourceSize;
        settle(x, y, L.size, L.size);
        ::stretchBlt(back_, x, y, L.size, L.size, L.mask, column * s, row * s, s, s, Rop::And);
        ::stretchBlt(back_, x, y, L.size, L.size, L.picture, column * s, row * s, s, s, Rop::Xor);
        touch(x, y, L.size, L.size);
        return;
    }
    const int bx = x + cell->boxLeft, by = y + cell->boxTop;
    const int bw = cell->boxRight - cell->boxLeft, bh = cell->boxBottom - cell->boxTop;
    settle(bx, by, bw, bh);
    writeMasked(L, *cell, x, y);
    touch(bx, by, bw, bh);
}

void FastFieldCanvas::drawParty(int column, int row, int x, int y) {
    flushDeferredCopy();
    settle(x, y, kPartyWidth, kPartyHeight);
    const int sx = column * kPartyWidth, sy = row * kPartyHeight;
    ::bitBlt(back_, x, y, kPartyWidth, kPartyHeight, party_[1], sx, sy, Rop::And);
    ::bitBlt(back_, x, y, kPartyWidth, kPartyHeight, party_[0], sx, sy, Rop::Xor);
    touch(x, y, kPartyWidth, kPartyHeight);
}

void FastFieldCanvas::drawLight(int x, int y, int w, int h) {
    flushDeferredCopy();
    settle(x, y, w, h);
    const PreparedLight& l = prepareLight(w, h);
    if (l.onSheet) {
        const MaskTarget t{pixelsOf(back_), strideOf(back_),       kViewWidth, x, y,
                           std::max(0, -y), std::min(h, kViewHeight - y)};
        maskRows(t, l.pixels.data(), w, l.spans.data());
    } else {
        const int s = kLightSheetSize;
        ::stretchBlt(back_, x, y, w, h, light_[0], 0, 0, s, s, Rop::And);
        ::stretchBlt(back_, x, y, w, h, light_[1], 0, 0, s, s, Rop::Xor);
    }
    touch(x, y, w, h);
}

void FastFieldCanvas::present(QImage& visible) {
    const QImage& back = backBuffer();
    if (visible.size() != back.size() || visible.format() != back.format())
        visible = QImage(back.size(), back.format());
    std::memcpy(visible.bits(), back.constBits(), static_cast<std::size_t>(back.sizeInBytes()));
}
