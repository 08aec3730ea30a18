#include "platform/Blit.h"

#include <QFileInfo>
#include <QImageReader>
#include <algorithm>
#include <vector>

#include "core/GameError.h"

namespace {
constexpr QRgb kOpaque = 0xff000000u;

inline QRgb combine(QRgb d, QRgb s, Rop op) {
    switch (op) {
        case Rop::Copy:
            return s | kOpaque;
        case Rop::And:
            return (d & s) | kOpaque;
        case Rop::Xor:
            return (d ^ s) | kOpaque;
    }
    return d;
}

void requireFormat(const QImage& img) {
    if (!img.isNull() && img.format() != QImage::Format_RGB32 &&
        img.format() != QImage::Format_ARGB32)
        throw GameError(QString(), QStringLiteral("picture format %1").arg(int(img.format())),
                        QStringLiteral("a 32-bit RGB picture"));
}
}  // namespace

QImage toSurfaceFormat(const QImage& picture) {
    if (picture.isNull() || picture.format() == QImage::Format_RGB32) return picture;
    return picture.convertToFormat(QImage::Format_RGB32);
}

QImage loadPictureFile(const QString& path) {
    QImageReader reader(path);
    QImage img = reader.read();
    if (img.isNull())
        throw GameError(QFileInfo(path).fileName(), QStringLiteral("opening"),
                        QStringLiteral("a readable BMP or JPEG picture at ") + path);
    return toSurfaceFormat(img);
}

void bitBlt(QImage& dst, int dx, int dy, int w, int h, const QImage& src, int sx, int sy, Rop op) {
    if (dst.isNull() || src.isNull() || w <= 0 || h <= 0) return;
    requireFormat(dst);
    requireFormat(src);
    // Clip against the source, then the destination, moving both rectangles together.
    if (sx < 0) {
        dx -= sx;
        w += sx;
        sx = 0;
    }
    if (sy < 0) {
        dy -= sy;
        h += sy;
        sy = 0;
    }
    if (dx < 0) {
        sx -= dx;
        w += dx;
        dx = 0;
    }
    if (dy < 0) {
        sy -= dy;
        h += dy;
        dy = 0;
    }
    w = std::min({w, src.width() - sx, dst.width() - dx});
    h = std::min({h, src.height() - sy, dst.height() - dy});
    if (w <= 0 || h <= 0) return;
    for (int y = 0; y < h; ++y) {
        const QRgb* s = reinterpret_cast<const QRgb*>(src.constScanLine(sy + y)) + sx;
        QRgb* d = reinterpret_cast<QRgb*>(dst.scanLine(dy + y)) + dx;
        switch (op) {
            case Rop::Copy:
                for (int x = 0; x < w; ++x) d[x] = s[x] | kOpaque;
                break;
            case Rop::And:
                for (int x = 0; x < w; ++x) d[x] = (d[x] & s[x]) | kOpaque;
                break;
            case Rop::Xor:
                for (int x = 0; x < w; ++x) d[x] = (d[x] ^ s[x]) | kOpaque;
                break;
        }
    }
}

void stretchBlt(QImage& dst, int dx, int dy, int dw, int dh, const QImage& src, int sx, int sy,
                int sw, int sh, Rop op) {
    if (dst.isNull() || src.isNull() || dw <= 0 || dh <= 0 || sw <= 0 || sh <= 0) return;
    if (dw == sw && dh == sh) return bitBlt(dst, dx, dy, dw, dh, src, sx, sy, op);
    requireFormat(dst);
    requireFormat(src);
    // Source column of every destination column; columns falling outside the source are skipped.
    std::vector<int> col(static_cast<std::size_t>(dw));
    for (int i = 0; i < dw; ++i)
        col[static_cast<std::size_t>(i)] = sx + static_cast<int>((2LL * i + 1) * sw / (2LL * dw));
    for (int j = 0; j < dh; ++j) {
        int y = dy + j;
        if (y < 0 || y >= dst.height()) continue;
        int syy = sy + static_cast<int>((2LL * j + 1) * sh / (2LL * dh));
        if (syy < 0 || syy >= src.height()) continue;
        const QRgb* s = reinterpret_cast<const QRgb*>(src.constScanLine(syy));
        QRgb* d = reinterpret_cast<QRgb*>(dst.scanLine(y));
        for (int i = 0; i < dw; ++i) {
            int x = dx + i;
            int c = col[static_cast<std::size_t>(i)];
            if (x < 0 || x >= dst.width() || c < 0 || c >= src.width()) continue;
            d[x] = combine(d[x], s[c], op);
        }
    }
}

void drawBox(QImage& dst, int x1, int y1, int x2, int y2, QColor colour) {
    if (dst.isNull()) return;
    if (x1 > x2) std::swap(x1, x2);
    if (y1 > y2) std::swap(y1, y2);
    const QRgb c = colour.rgb() | kOpaque;
    auto put = [&](int x, int y) {
        if (x >= 0 && y >= 0 && x < dst.width() && y < dst.height())
            reinterpret_cast<QRgb*>(dst.scanLine(y))[x] = c;
    };
    for (int x = x1; x <= x2; ++x) {
        put(x, y1);
        put(x, y2);
    }
    for (int y = y1; y <= y2; ++y) {
        put(x1, y);
        put(x2, y);
    }
}
