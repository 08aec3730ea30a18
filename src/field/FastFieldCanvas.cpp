#include "field/FastFieldCanvas.h"

#include <algorithm>
#include <cstring>
#include <optional>

#include "platform/Blit.h"

namespace {
constexpr quint32 kOpaque = 0xff000000u;
constexpr quint32 kKeepAll = 0xffffffffu;  // an AND pixel that keeps the destination

// Sheet columns and rows a tile code can name.
constexpr int kSheetColumns = 10;
constexpr int kSheetRows = 100;

// The source pixel the game's stretch takes for destination pixel i of d when s source pixels
// are stretched over d (Blit.h); for s == d it is pixel i itself.
int sourcePixel(int i, int s, int d) {
    return static_cast<int>((2LL * i + 1) * s / (2LL * d));
}

// Pixel (x, y) of a picture, or nothing where (x, y) is off it.
std::optional<quint32> pixelAt(const QImage* img, int x, int y) {
    if (!img || img->isNull() || x < 0 || y < 0 || x >= img->width() || y >= img->height())
        return std::nullopt;
    return reinterpret_cast<const quint32*>(img->constScanLine(y))[x];
}

// A stretch of exactly 2 : 3 (32 → 48, 64 → 96, 128 → 192) takes source pixel (2·i + 1) / 3
// for destination pixel i, so its pictures are kept at source size and widened while drawing:
// less than half the memory to read per frame.
bool isTwoToThree(int s, int d) {
    return 2 * d == 3 * s;
}
inline int twoToThree(int i) {
    return (2 * i + 1) / 3;
}

// The row kernel is built twice, for plain x86-64 and for AVX2; the better one is chosen when
// the program starts.
#if defined(__GNUC__) && !defined(__clang__) && defined(__x86_64__)
#define FIELD_KERNEL __attribute__((target_clones("avx2", "default")))
#else
#define FIELD_KERNEL
#endif

using Pixels8 = quint32 __attribute__((vector_size(32)));

// One picture's rows [rowFrom, rowTo), clipped to columns [colFrom, colTo) of the picture.
struct RowJob {
    quint32* image;    // the destination's first pixel
    qsizetype stride;  // of the destination, in pixels
    int x, y;          // where the picture's pixel (0, 0) lands (maybe off the destination)
    const quint32* xorPixels;
    const quint32* andPixels;
    int planeWidth;  // pixels per row of the kept planes
    bool widen;      // kept at source size: destination pixel i reads kept pixel (2·i + 1) / 3
    int rowFrom, rowTo, colFrom, colTo;
    const std::uint32_t* rowRuns;  // runs of row r: runs[rowRuns[r] .. rowRuns[r + 1])
    const FastFieldCanvas::Run* runs;
};

// Eight kept pixels from p for destination pixels i .. i + 7 of a widened picture: the
// destination pixel i + k reads kept pixel (2·(i + k) + 1) / 3, and the pattern repeats every
// three destination pixels.
// (Passed by reference: a 32-byte vector in a return value would tie the plain build to AVX.)
[[gnu::always_inline]] inline void widened(Pixels8& out, const quint32* p, int i) {
    static const Pixels8 kPatterns[3] = {
        {0, 1, 1, 2, 3, 3, 4, 5}, {0, 0, 1, 2, 2, 3, 4, 4}, {0, 1, 2, 2, 3, 4, 4, 5}};
    Pixels8 v;
    std::memcpy(&v, p + twoToThree(i), sizeof v);
#if defined(__clang__)
    // clang has no run-time shuffle; the element loop gives the same pixels (the fuzz build).
    const Pixels8& pattern = kPatterns[i % 3];
    for (int k = 0; k < 8; ++k) out[k] = v[pattern[k]];
#else
    out = __builtin_shuffle(v, kPatterns[i % 3]);
#endif
}

// Eight pixels from picture column i on, over the destination pixels d[0 .. 7]: copied, or
// both passes of masked drawing in one, d = ((d & and) ^ xor) | opaque.
template <bool Widen>
[[gnu::always_inline]] inline void runChunk(Pixels8& out, const quint32* d, const quint32* x,
                                            const quint32* a, bool blend, int i) {
    if constexpr (Widen) {
        widened(out, x, i);
    } else {
        std::memcpy(&out, x + i, sizeof out);
    }
    if (blend) {
        const Pixels8 opaque = {kOpaque, kOpaque, kOpaque, kOpaque,
                                kOpaque, kOpaque, kOpaque, kOpaque};
        Pixels8 dv, av;
        std::memcpy(&dv, d, sizeof dv);
        if constexpr (Widen) {
            widened(av, a, i);
        } else {
            std::memcpy(&av, a + i, sizeof av);
        }
        out = ((dv & av) ^ out) | opaque;
    }
}

// Picture columns [from, to) of one row onto d[0 .. to - from). A run of eight or more is done
// in chunks of eight; its last chunk ends exactly at `to` and may overlap the one before, so it
// is worked out from the untouched pixels first and stored last (each pixel gets the same value
// either way).
template <bool Widen>
[[gnu::always_inline]] inline void applyRun(quint32* d, const quint32* x, const quint32* a,
                                            bool blend, int from, int to) {
    const int n = to - from;
    if (n >= 8) {
        Pixels8 last, out;
        runChunk<Widen>(last, d + n - 8, x, a, blend, to - 8);
        for (int k = 0; k < n - 8; k += 8) {
            runChunk<Widen>(out, d + k, x, a, blend, from + k);
            std::memcpy(d + k, &out, sizeof out);
        }
        std::memcpy(d + n - 8, &last, sizeof last);
        return;
    }
    for (int k = 0; k < n; ++k) {
        const int c = Widen ? twoToThree(from + k) : from + k;
        d[k] = blend ? ((d[k] & a[c]) ^ x[c]) | kOpaque : x[c];
    }
}

FIELD_KERNEL void applyRows(const RowJob& job) {
    for (int r = job.rowFrom; r < job.rowTo; ++r) {
        const qsizetype kept = job.widen ? twoToThree(r) : r;
        const quint32* x = job.xorPixels + kept * job.planeWidth;
        const quint32* a = job.andPixels + kept * job.planeWidth;
        quint32* line = job.image + qsizetype(job.y + r) * job.stride;
        for (std::uint32_t k = job.rowRuns[r]; k < job.rowRuns[r + 1]; ++k) {
            const FastFieldCanvas::Run run = job.runs[k];
            const int from = std::max<int>(run.from, job.colFrom);
            const int to = std::min<int>(run.to, job.colTo);
            if (from >= to) continue;
            quint32* d = line + job.x + from;
            if (job.widen)
                applyRun<true>(d, x, a, run.blend, from, to);
            else
                applyRun<false>(d, x, a, run.blend, from, to);
        }
    }
}

// A 48 × 48 square (or the part of one on the view) whose pictures only copy pixels: worked out
// from the last picture back to the first, keeping for each row the columns already final, so
// each pixel is written once, by the last picture that copies it. What no picture reaches gets
// the background when the frame was cleared.
struct SquareJob {
    quint32* image;
    qsizetype stride;
    int left, top, width, height;
    const FastFieldCanvas::Op* ops;
    const std::uint32_t* list;  // the square's operations, oldest first
    std::size_t first, end;     // the part of the list to work out
    const quint32* pixels;
    const std::uint32_t* rows;
    const FastFieldCanvas::Run* runs;
    bool fillRest;
    quint32 background;
};

inline std::uint64_t columnBits(int from, int to) {
    return (std::uint64_t{1} << to) - (std::uint64_t{1} << from);
}

FIELD_KERNEL void copySquareBackToFront(const SquareJob& job) {
    static_assert(kCellSize < 64, "a row of a square fits one 64-bit mask");
    std::uint64_t done[kCellSize] = {};
    const std::uint64_t full = columnBits(0, job.width);
    int rowsLeft = job.height;
    for (std::size_t k = job.end; k-- > job.first && rowsLeft > 0;) {
        const FastFieldCanvas::Op& op = job.ops[job.list[k]];
        const FastFieldCanvas::Prepared& p = *op.picture;
        const int rowFrom = std::max(p.box.top(), job.top - op.y);
        const int rowTo = std::min(p.box.bottom() + 1, job.top + job.height - op.y);
        const int colFrom = job.left - op.x, colTo = job.left + job.width - op.x;
        for (int r = rowFrom; r < rowTo; ++r) {
            std::uint64_t& rowDone = done[op.y + r - job.top];
            if (rowDone == full) continue;
            const quint32* x =
                job.pixels + p.pixels + qsizetype(p.widen ? twoToThree(r) : r) * p.planeWidth;
            quint32* line = job.image + qsizetype(op.y + r) * job.stride + job.left;
            for (std::uint32_t n = job.rows[p.rows + std::size_t(r)];
                 n < job.rows[p.rows + std::size_t(r) + 1]; ++n) {
                const int from = std::max<int>(job.runs[n].from, colFrom);
                const int to = std::min<int>(job.runs[n].to, colTo);
                if (from >= to) continue;
                // Square columns [sFrom, sTo) take picture columns [from, to).
                const int sFrom = op.x + from - job.left, sTo = op.x + to - job.left;
                const std::uint64_t run = columnBits(sFrom, sTo);
                for (std::uint64_t todo = run & ~rowDone; todo;) {
                    const int a = __builtin_ctzll(todo);
                    const int b = a + __builtin_ctzll(~(todo >> a));
                    if (p.widen)
                        applyRun<true>(line + a, x, nullptr, false, from + a - sFrom,
                                       from + b - sFrom);
                    else
                        applyRun<false>(line + a, x, nullptr, false, from + a - sFrom,
                                        from + b - sFrom);
                    todo &= ~columnBits(a, b);
                }
                rowDone |= run;
            }
            if (rowDone == full) --rowsLeft;
        }
    }
    if (!job.fillRest) return;
    for (int r = 0; r < job.height; ++r) {
        quint32* line = job.image + qsizetype(job.top + r) * job.stride + job.left;
        for (std::uint64_t todo = full & ~done[r]; todo;) {
            const int a = __builtin_ctzll(todo);
            const int b = a + __builtin_ctzll(~(todo >> a));
            std::fill(line + a, line + b, job.background);
            todo &= ~columnBits(a, b);
        }
    }
}

QRect viewRect() {
    return QRect(0, 0, kViewWidth, kViewHeight);
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
        if (sheets[l][1] >= 0)
            L.mask = toSurfaceFormat(pictures.tiles[static_cast<std::size_t>(sheets[l][1])]);
        L.cells.resize(kSheetColumns * kSheetRows);
    }
    for (std::size_t k = 0; k < 2; ++k) {
        party_[k] = toSurfaceFormat(pictures.party[k]);
        light_[k] = toSurfaceFormat(pictures.light[k]);
    }
}

void FastFieldCanvas::build(Prepared& p, const Source& s, int w, int h) {
    enum Kind : std::uint8_t { Keep, Copy, Blend };
    p.ready = true;
    p.w = w;
    p.h = h;
    p.widen = isTwoToThree(s.sw, w) && isTwoToThree(s.sh, h);
    p.planeWidth = p.widen ? s.sw : w;
    const int keptRows = p.widen ? s.sh : h;

    // The kept planes: at source size when widened while drawing, else at destination size.
    // What the two passes do to a pixel: AND with a, then XOR with x; a pixel that falls off its
    // picture leaves the destination as it is in that pass.
    const std::size_t count = std::size_t(p.planeWidth) * std::size_t(keptRows);
    std::vector<quint32> xorPlane(count), andPlane(count);
    std::vector<Kind> kinds(count);
    bool blends = false;
    for (int v = 0; v < keptRows; ++v) {
        for (int u = 0; u < p.planeWidth; ++u) {
            const int sx = s.sx + (p.widen ? u : sourcePixel(u, s.sw, w));
            const int sy = s.sy + (p.widen ? v : sourcePixel(v, s.sh, h));
            quint32 a = kKeepAll, x = 0;
            const auto pic = pixelAt(s.picture, sx, sy);
            if (!s.mask) {
                if (pic) a = kOpaque, x = *pic;
            } else {
                if (auto m = pixelAt(s.mask, sx, sy)) a = *m | kOpaque;
                if (pic) x = *pic & ~kOpaque;
            }
            const std::size_t at = std::size_t(v) * std::size_t(p.planeWidth) + std::size_t(u);
            const Kind kind = a == kOpaque ? Copy : (a == kKeepAll && x == 0 ? Keep : Blend);
            kinds[at] = kind;
            xorPlane[at] = kind == Copy ? (x | kOpaque) : x;
            andPlane[at] = a;
            blends = blends || kind == Blend;
        }
    }
    p.pixels = pixelPool_.size();
    pixelPool_.insert(pixelPool_.end(), xorPlane.begin(), xorPlane.end());
    if (blends) {
        p.andPixels = pixelPool_.size();
        pixelPool_.insert(pixelPool_.end(), andPlane.begin(), andPlane.end());
    }
    // Widening reads eight kept pixels at a time, up to seven beyond the last one used.
    pixelPool_.insert(pixelPool_.end(), 8, 0);

    // The runs of every destination row.
    bool allCopied = w > 0 && h > 0;
    p.rows = rowPool_.size();
    for (int j = 0; j < h; ++j) {
        rowPool_.push_back(static_cast<std::uint32_t>(runPool_.size()));
        const std::size_t rowStart =
            std::size_t(p.widen ? twoToThree(j) : j) * std::size_t(p.planeWidth);
        auto kindAt = [&](int i) {
            return kinds[rowStart + std::size_t(p.widen ? twoToThree(i) : i)];
        };
        for (int i = 0; i < w;) {
            const Kind kind = kindAt(i);
            int end = i + 1;
            while (end < w && kindAt(end) == kind) ++end;
            allCopied = allCopied && kind == Copy;
            if (kind != Keep) {
                runPool_.push_back(Run{std::int16_t(i), std::int16_t(end), kind == Blend});
                p.box |= QRect(i, j, end - i, 1);
            }
            i = end;
        }
    }
    rowPool_.push_back(static_cast<std::uint32_t>(runPool_.size()));
    p.covers = allCopied;
    p.blends = blends;
}

const FastFieldCanvas::Prepared& FastFieldCanvas::tile(TileLayer layer, int column, int row) {
    Layer& L = layers_[static_cast<std::size_t>(layer)];
    const int s = L.sourceSize;
    const Source source{&L.picture, L.mask.isNull() ? nullptr : &L.mask, column * s, row * s, s, s};
    if (column < 0 || column >= kSheetColumns || row < 0 || row >= kSheetRows)
        return other(source, L.size, L.size);  // no tile code names this cell
    Prepared& p = L.cells[static_cast<std::size_t>(column * kSheetRows + row)];
    if (!p.ready) build(p, source, L.size, L.size);
    return p;
}

const FastFieldCanvas::Prepared& FastFieldCanvas::other(const Source& s, int w, int h) {
    for (OtherPicture& o : others_) {
        if (o.source.picture == s.picture && o.source.mask == s.mask && o.source.sx == s.sx &&
            o.source.sy == s.sy && o.source.sw == s.sw && o.source.sh == s.sh && o.w == w &&
            o.h == h)
            return o.prepared;
    }
    OtherPicture& o = others_.emplace_back(OtherPicture{s, w, h, {}});
    build(o.prepared, s, w, h);
    return o.prepared;
}

void FastFieldCanvas::record(const Prepared& picture, int x, int y) {
    const QRect changed = picture.box.translated(x, y) & viewRect();
    if (changed.isEmpty()) return;
    const auto index = static_cast<std::uint32_t>(ops_.size());
    ops_.push_back(Op{&picture, x, y});
    for (int sy = changed.top() / kCellSize; sy <= changed.bottom() / kCellSize; ++sy)
        for (int sx = changed.left() / kCellSize; sx <= changed.right() / kCellSize; ++sx)
            squares_[static_cast<std::size_t>(sy * kSquaresX + sx)].push_back(index);
}

void FastFieldCanvas::clear() {
    // Whatever was waiting is under the background now, and so is the frame shown last.
    presented_ = QImage();
    ops_.clear();
    for (auto& s : squares_) s.clear();
    cleared_ = true;
}

void FastFieldCanvas::copyTile(TileLayer layer, int column, int row, int x, int y) {
    record(tile(layer, column, row), x, y);
}

void FastFieldCanvas::maskTile(TileLayer layer, int column, int row, int x, int y) {
    record(tile(layer, column, row), x, y);
}

void FastFieldCanvas::drawParty(int column, int row, int x, int y) {
    const Source source{&party_[0],         &party_[1],  column * kPartyWidth,
                        row * kPartyHeight, kPartyWidth, kPartyHeight};
    record(other(source, kPartyWidth, kPartyHeight), x, y);
}

void FastFieldCanvas::drawLight(int x, int y, int w, int h) {
    if (w <= 0 || h <= 0) return;
    const Source source{&light_[1], &light_[0], 0, 0, kLightSheetSize, kLightSheetSize};
    record(other(source, w, h), x, y);
}

void FastFieldCanvas::drawInto(QImage& target, const Op& op, const QRect& clip) {
    const Prepared& p = *op.picture;
    RowJob job;
    job.stride = target.bytesPerLine() / qsizetype(sizeof(quint32));
    job.rowFrom = std::max(p.box.top(), clip.top() - op.y);
    job.rowTo = std::min(p.box.bottom() + 1, clip.bottom() + 1 - op.y);
    job.colFrom = clip.left() - op.x;
    job.colTo = clip.right() + 1 - op.x;
    if (job.rowFrom >= job.rowTo) return;
    job.image = reinterpret_cast<quint32*>(target.bits());
    job.x = op.x;
    job.y = op.y;
    job.xorPixels = pixelPool_.data() + p.pixels;
    job.andPixels = pixelPool_.data() + p.andPixels;
    job.planeWidth = p.planeWidth;
    job.widen = p.widen;
    job.rowRuns = rowPool_.data() + p.rows;
    job.runs = runPool_.data();
    applyRows(job);
}

void FastFieldCanvas::settle(QImage& target) {
    const qsizetype stride = target.bytesPerLine() / qsizetype(sizeof(quint32));
    quint32* image = reinterpret_cast<quint32*>(target.bits());
    for (int sy = 0; sy < kSquaresY; ++sy) {
        for (int sx = 0; sx < kSquaresX; ++sx) {
            auto& list = squares_[static_cast<std::size_t>(sy * kSquaresX + sx)];
            const QRect square =
                QRect(sx * kCellSize, sy * kCellSize, kCellSize, kCellSize) & viewRect();
            // Start at the last picture that covers the whole square: nothing before it shows.
            std::size_t start = 0;
            bool covered = false, blends = false;
            for (std::size_t k = list.size(); k-- > 0;) {
                const Op& op = ops_[list[k]];
                blends = blends || op.picture->blends;
                if (op.picture->covers &&
                    QRect(op.x, op.y, op.picture->w, op.picture->h).contains(square)) {
                    start = k;
                    covered = true;
                    break;
                }
            }
            if (!blends) {
                const SquareJob job{image,
                                    stride,
                                    square.left(),
                                    square.top(),
                                    square.width(),
                                    square.height(),
                                    ops_.data(),
                                    list.data(),
                                    start,
                                    list.size(),
                                    pixelPool_.data(),
                                    rowPool_.data(),
                                    runPool_.data(),
                                    !covered && cleared_,
                                    background_};
                copySquareBackToFront(job);
            } else {
                // Blended pixels depend on what is under them: draw in order.
                if (!covered && cleared_) {
                    for (int y = square.top(); y <= square.bottom(); ++y)
                        std::fill_n(image + y * stride + square.left(), square.width(),
                                    background_);
                }
                for (std::size_t k = start; k < list.size(); ++k)
                    drawInto(target, ops_[list[k]], square);
            }
            list.clear();
        }
    }
    ops_.clear();
    cleared_ = false;
}

QImage& FastFieldCanvas::workingBuffer() {
    // Work that follows a presented frame without a clear builds on that frame.
    if (!presented_.isNull()) {
        back_ = presented_;
        presented_ = QImage();
    }
    return back_;
}

const QImage& FastFieldCanvas::backBuffer() {
    if (!presented_.isNull() && ops_.empty() && !cleared_) return presented_;
    settle(workingBuffer());
    return back_;
}

void FastFieldCanvas::present(QImage& visible) {
    if (visible.size() != back_.size() || visible.format() != back_.format())
        visible = QImage(back_.size(), back_.format());
    if (cleared_) {
        // A whole frame: every square is either covered or background, so it can be worked out
        // straight onto the visible picture.
        settle(visible);
    } else {
        const QImage& back = backBuffer();
        std::memcpy(visible.bits(), back.constBits(), static_cast<std::size_t>(back.sizeInBytes()));
    }
    // The back buffer now holds the same frame: share the visible picture's pixels until either
    // is drawn on again.
    presented_ = visible;
}
