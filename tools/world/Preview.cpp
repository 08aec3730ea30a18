#include "world/Preview.h"

#include <QPainter>

namespace {

// AND then XOR, as the game's masked drawing does.
void maskedBlit(QImage& dst, const QRect& to, const QImage& image, const QImage& mask,
                const QRect& from) {
    const QImage m =
        mask.copy(from).scaled(to.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
    const QImage i =
        image.copy(from).scaled(to.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
    for (int y = 0; y < to.height(); ++y) {
        const int dy = to.top() + y;
        if (dy < 0 || dy >= dst.height()) continue;
        for (int x = 0; x < to.width(); ++x) {
            const int dx = to.left() + x;
            if (dx < 0 || dx >= dst.width()) continue;
            const QRgb d = dst.pixel(dx, dy);
            dst.setPixel(dx, dy, ((d & m.pixel(x, y)) ^ i.pixel(x, y)) | 0xff000000u);
        }
    }
}

void opaqueBlit(QImage& dst, const QRect& to, const QImage& sheet, const QRect& from) {
    QPainter p(&dst);
    p.drawImage(to, sheet, from);
}

QRect cellOf(int code, int size) {
    return QRect(sheetColumn(code) * size, sheetRow(code) * size, size, size);
}

}  // namespace

QImage previewMap(const MapGrid& m, const TileSheets& s, PreviewStyle style) {
    const bool town = style == PreviewStyle::Town;
    const int c = town ? 32 : 48;
    const int n = m.size + 1;
    QImage img(n * c, n * c, QImage::Format_RGB32);
    img.fill(Qt::black);
    for (int x = 0; x < n; ++x)
        for (int y = 0; y < n; ++y) {
            const QRect to(x * c, y * c, c, c);
            opaqueBlit(img, to, s.ground, cellOf(m.at(0, x, y), 32));
            if (m.at(1, x, y) > 0) opaqueBlit(img, to, s.feature, cellOf(m.at(1, x, y), 32));
        }
    for (int x = 0; x < n; ++x)
        for (int y = 0; y < n; ++y) {
            const QRect to(x * c, y * c, c, c);
            if (m.at(1, x, y) > 0) opaqueBlit(img, to, s.feature, cellOf(m.at(1, x, y), 32));
            // The town screen draws code 0 of these layers too (sheet cell 0, 0 is empty).
            if (town || m.at(2, x, y))
                maskedBlit(img, to, s.propImage, s.propMask, cellOf(m.at(2, x, y), 32));
            if (town || m.at(3, x, y))
                maskedBlit(img, to, s.blockImage, s.blockMask, cellOf(m.at(3, x, y), 32));
            if (town || m.at(4, x, y)) {
                const QRect tall = town ? QRect(x * c - 8, y * c - 8, 64, 64)
                                        : QRect(x * c - 24, y * c - 36, 96, 96);
                maskedBlit(img, tall, s.tallImage, s.tallMask, cellOf(m.at(4, x, y), 64));
            }
        }
    return img;
}
