#include "worldmap/MadeTownSheets.h"

QRgb cellColour(int col, int row, int tint) {
    return qRgb(20 + col * 20, 40 + row * 20, (200 - col * 10 + tint) % 256);
}

QImage cellSheet(int cols, int rows, int cell, int tint) {
    QImage sheet(cols * cell, rows * cell, QImage::Format_RGB32);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < cols; ++c)
            for (int y = 0; y < cell; ++y)
                for (int x = 0; x < cell; ++x)
                    sheet.setPixel(c * cell + x, r * cell + y, cellColour(c, r, tint));
    return sheet;
}

SpriteSheet spriteSheet(int cols, int rows, int cell, int margin, int tint) {
    SpriteSheet s{QImage(cols * cell, rows * cell, QImage::Format_RGB32),
                  QImage(cols * cell, rows * cell, QImage::Format_RGB32)};
    s.image.fill(qRgb(0, 0, 0));
    s.mask.fill(qRgb(255, 255, 255));
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < cols; ++c) {
            if (r == 0 && c == 0) continue;
            for (int y = margin; y < cell - margin; ++y)
                for (int x = margin; x < cell - margin; ++x) {
                    s.image.setPixel(c * cell + x, r * cell + y, cellColour(c, r, tint));
                    s.mask.setPixel(c * cell + x, r * cell + y, qRgb(0, 0, 0));
                }
        }
    return s;
}

std::array<QImage, 8> madeTileSheets() {
    const SpriteSheet prop = spriteSheet(10, 10, 32, 8, 120);
    const SpriteSheet block = spriteSheet(10, 10, 32, 8, 180);
    const SpriteSheet tall = spriteSheet(10, 10, 64, 0, 240);
    return {cellSheet(10, 10, 32),
            cellSheet(10, 10, 32, 60),
            prop.image,
            prop.mask,
            block.image,
            block.mask,
            tall.image,
            tall.mask};
}

QRgb rgbAt(const QImage& picture, int x, int y) {
    return picture.pixel(x, y) & 0xffffffu;
}
