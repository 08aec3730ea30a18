#include <gtest/gtest.h>

#include <QImage>

#include "platform/Blit.h"

namespace {
QImage filled(int w, int h, QRgb c) {
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(c);
    return img;
}
QRgb at(const QImage& img, int x, int y) {
    return img.pixel(x, y) & 0xffffff;
}
}  // namespace

TEST(Blit, MaskThenSpriteIsTransparentWhereTheMaskIsWhite) {
    // A 4×4 sprite cell: the left half is a red figure, the right half transparent.
    QImage sprite = filled(4, 4, qRgb(0, 0, 0));
    QImage mask = filled(4, 4, qRgb(255, 255, 255));
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 2; ++x) {
            sprite.setPixel(x, y, qRgb(200, 30, 40));
            mask.setPixel(x, y, qRgb(0, 0, 0));
        }
    QImage view = filled(8, 8, qRgb(10, 120, 60));  // grass
    bitBlt(view, 2, 2, 4, 4, mask, 0, 0, Rop::And);
    bitBlt(view, 2, 2, 4, 4, sprite, 0, 0, Rop::Xor);
    EXPECT_EQ(at(view, 2, 2), 0xc81e28u);  // sprite where the mask is black
    EXPECT_EQ(at(view, 3, 5), 0xc81e28u);
    EXPECT_EQ(at(view, 4, 2), 0x0a783cu);  // background where the mask is white
    EXPECT_EQ(at(view, 5, 5), 0x0a783cu);
    EXPECT_EQ(at(view, 1, 1), 0x0a783cu);      // outside the block untouched
    EXPECT_EQ(view.pixel(4, 2) >> 24, 0xffu);  // pixels stay opaque
}

TEST(Blit, StretchTakesTheSourcePixelUnderEachCentre) {
    // A 32×32 cell with distinct columns and rows, stretched to 48×48.
    QImage cell(32, 32, QImage::Format_RGB32);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) cell.setPixel(x, y, qRgb(x * 8, y * 8, 0));
    QImage dst = filled(60, 60, qRgb(0, 0, 255));
    stretchBlt(dst, 6, 6, 48, 48, cell, 0, 0, 32, 32, Rop::Copy);
    // Every 3 destination pixels show 2 source pixels: 0,1,1,2,3,3,...
    EXPECT_EQ(at(dst, 6, 6), at(cell, 0, 0));
    EXPECT_EQ(at(dst, 7, 6), at(cell, 1, 0));
    EXPECT_EQ(at(dst, 8, 6), at(cell, 1, 0));
    EXPECT_EQ(at(dst, 9, 6), at(cell, 2, 0));
    EXPECT_EQ(at(dst, 53, 53), at(cell, 31, 31));
    EXPECT_EQ(at(dst, 54, 54), 0x0000ffu);  // nothing drawn beyond the 48×48 block
    EXPECT_EQ(at(dst, 5, 5), 0x0000ffu);

    // Shrinking works the same way: 128 → 64 keeps every second pixel.
    QImage small = filled(64, 64, 0);
    QImage big(128, 128, QImage::Format_RGB32);
    for (int y = 0; y < 128; ++y)
        for (int x = 0; x < 128; ++x) big.setPixel(x, y, qRgb(x, y, 7));
    stretchBlt(small, 0, 0, 64, 64, big, 0, 0, 128, 128, Rop::Copy);
    EXPECT_EQ(at(small, 10, 20), at(big, 21, 41));
}

TEST(Blit, TransfersAreClippedToBothPictures) {
    QImage src = filled(10, 10, qRgb(255, 0, 0));
    QImage dst = filled(10, 10, qRgb(0, 0, 0));
    bitBlt(dst, -5, 7, 10, 10, src, 0, 0, Rop::Copy);  // partly outside on two sides
    EXPECT_EQ(at(dst, 0, 7), 0xff0000u);
    EXPECT_EQ(at(dst, 4, 9), 0xff0000u);
    EXPECT_EQ(at(dst, 5, 9), 0u);
    EXPECT_EQ(at(dst, 0, 6), 0u);
    bitBlt(dst, 0, 0, 5, 5, src, 8, 8, Rop::Copy);  // source runs out after 2 pixels
    EXPECT_EQ(at(dst, 1, 1), 0xff0000u);
    EXPECT_EQ(at(dst, 2, 2), 0u);
    stretchBlt(dst, -30, -30, 100, 100, src, 0, 0, 10, 10, Rop::Xor);  // no crash, all covered
    EXPECT_EQ(at(dst, 9, 0), 0xff0000u);
}

TEST(Blit, BoxOutlinesIncludeBothCorners) {
    QImage img = filled(96, 96, 0);
    for (int k = 0; k < 4; ++k) drawBox(img, k, k, 92 - k, 92 - k, QColor(0, 255, 255));
    EXPECT_EQ(at(img, 0, 0), 0x00ffffu);
    EXPECT_EQ(at(img, 92, 92), 0x00ffffu);
    EXPECT_EQ(at(img, 3, 50), 0x00ffffu);
    EXPECT_EQ(at(img, 4, 50), 0u);  // a frame four pixels wide
    EXPECT_EQ(at(img, 93, 93), 0u);
}
