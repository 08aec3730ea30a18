// The painting helpers every picture of the world goes through.

#include <gtest/gtest.h>

#include "art/Paint.h"

namespace {

TEST(Paint, SeededRandomnessIsRepeatableAndKeyed) {
    Rng a(QStringLiteral("tree")), b(QStringLiteral("tree")), c(QStringLiteral("tree2"));
    bool differs = false;
    for (int i = 0; i < 20; ++i) {
        const uint64_t x = a.next();
        EXPECT_EQ(x, b.next());
        differs = differs || x != c.next();
    }
    EXPECT_TRUE(differs);
    Rng r(7u);
    for (int i = 0; i < 1000; ++i) {
        const double u = r.uniform();
        ASSERT_GE(u, 0.0);
        ASSERT_LT(u, 1.0);
        ASSERT_LT(r.below(5), 5);
    }
}

TEST(Paint, HardenedSpritesHaveOnlyOpaqueOrEmptyPixels) {
    QImage img = blankArgb(3, 1);
    img.setPixel(0, 0, qRgba(200, 100, 50, 255));
    img.setPixel(1, 0, qRgba(200, 100, 50, 120));
    img.setPixel(2, 0, qRgba(200, 100, 50, 60));
    hardenAlpha(img, 110);
    EXPECT_EQ(img.pixel(0, 0), qRgba(200, 100, 50, 255));
    EXPECT_EQ(qAlpha(img.pixel(1, 0)), 255);
    EXPECT_EQ(img.pixel(2, 0), qRgba(0, 0, 0, 0));
}

TEST(Paint, TheOutlineRingsTheSpriteWithoutCoveringIt) {
    QImage img = blankArgb(5, 5);
    img.setPixel(2, 2, qRgba(255, 255, 255, 255));
    addOutline(img, QColor(10, 10, 10), false);
    EXPECT_EQ(img.pixel(2, 2), qRgba(255, 255, 255, 255));
    EXPECT_EQ(img.pixel(2, 1), qRgba(10, 10, 10, 255));
    EXPECT_EQ(qAlpha(img.pixel(1, 1)), 0) << "no diagonals when asked for none";
    addOutline(img, QColor(20, 20, 20), true);
    EXPECT_EQ(img.pixel(1, 1), qRgba(20, 20, 20, 255)) << "the second ring fills the diagonal";
    EXPECT_EQ(img.pixel(2, 0), qRgba(20, 20, 20, 255));
    EXPECT_EQ(qAlpha(img.pixel(0, 0)), 0) << "one ring per call";
}

TEST(Paint, MaskedSheetsGetAnImageAndItsMask) {
    MaskedSheet s(4, 2);
    QImage sprite = blankArgb(2, 1);
    sprite.setPixel(0, 0, qRgba(0, 0, 0, 255));  // an opaque black pixel
    sprite.setPixel(1, 0, qRgba(90, 80, 70, 255));
    s.place(sprite, QPoint(1, 1));
    EXPECT_EQ(s.mask.pixel(0, 0) & 0xffffff, 0xffffffu) << "untouched cells are transparent";
    EXPECT_EQ(s.image.pixel(0, 0) & 0xffffff, 0u);
    EXPECT_EQ(s.mask.pixel(1, 1) & 0xffffff, 0u);
    EXPECT_EQ(s.image.pixel(1, 1) & 0xffffff, 0x010101u)
        << "pure black would vanish in the XOR pass";
    EXPECT_EQ(s.image.pixel(2, 1) & 0xffffff, 0x5a5046u);
    // AND then XOR over any background shows the sprite exactly.
    for (QRgb bg : {0xff123456u, 0xffffffffu}) {
        const QRgb shown = (bg & s.mask.pixel(2, 1)) ^ s.image.pixel(2, 1);
        EXPECT_EQ(shown & 0xffffff, 0x5a5046u);
        EXPECT_EQ(((bg & s.mask.pixel(0, 0)) ^ s.image.pixel(0, 0)) & 0xffffff, bg & 0xffffff);
    }
}

TEST(Paint, ColourMixingAndShading) {
    EXPECT_EQ(mix(QColor(0, 0, 0), QColor(200, 100, 50), 0.5), QColor(100, 50, 25));
    EXPECT_EQ(mix(QColor(0, 0, 0), QColor(200, 100, 50), 2.0), QColor(200, 100, 50)) << "clamped";
    EXPECT_EQ(shade(QColor(100, 50, 20), 0.5), QColor(50, 25, 10));
    const QColor light = shade(QColor(100, 50, 20), 1.5);
    EXPECT_GT(light.red(), 100);
    EXPECT_GT(light.blue(), 20) << "lighter shades move towards white";
}

}  // namespace
