// The tile sheets and the overhead previews: cells land where the screens look for them, and
// the previews compose the layers the way the two screens do.

#include <gtest/gtest.h>

#include "world/Generator.h"
#include "world/Preview.h"

namespace {

World tinyWorld() {
    World w;
    w.tiles.append(
        {Sheet::Ground, 0, QStringLiteral("void"), true, false, QStringLiteral("void"), {}});
    w.tiles.append({Sheet::Ground,
                    203,
                    QStringLiteral("grass"),
                    false,
                    false,
                    QStringLiteral("grass base=#40a040"),
                    {}});
    w.tiles.append(
        {Sheet::Ground, 100, QStringLiteral("sea"), true, true, QStringLiteral("water"), {}});
    w.tiles.append(
        {Sheet::Prop, 101, QStringLiteral("rock"), true, false, QStringLiteral("rock"), {}});
    w.tiles.append(
        {Sheet::Tall, 1, QStringLiteral("tree"), true, false, QStringLiteral("tree"), {}});
    return w;
}

bool blank(const QImage& img, const QRect& r, QRgb c) {
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if ((img.pixel(x, y) & 0xffffff) != (c & 0xffffff)) return false;
    return true;
}

TEST(TileSheets, CellsSitAtTheirCodesColumnAndRow) {
    const TileSheets s = drawTileSheets(tinyWorld());
    // Code 203: column 2, row 3. The sea's sixteen variants fill column 1, rows 0..15.
    EXPECT_FALSE(blank(s.ground, QRect(64, 96, 32, 32), 0));
    EXPECT_TRUE(blank(s.ground, QRect(64, 64, 32, 32), 0));
    for (int v = 0; v < 16; ++v) EXPECT_FALSE(blank(s.ground, QRect(32, 32 * v, 32, 32), 0)) << v;
    EXPECT_EQ(s.ground.height(), 16 * 32);
    // Code 101 of the prop sheet: column 1, row 1; the tall tree: column 0, row 1 of 64-pixel
    // cells.
    EXPECT_FALSE(blank(s.propMask, QRect(32, 32, 32, 32), 0xffffff));
    EXPECT_TRUE(blank(s.propMask, QRect(0, 0, 32, 32), 0xffffff));
    EXPECT_FALSE(blank(s.tallMask, QRect(0, 64, 64, 64), 0xffffff));
    EXPECT_TRUE(blank(s.tallMask, QRect(0, 0, 64, 64), 0xffffff));
    EXPECT_TRUE(blank(s.tallImage, QRect(0, 0, 64, 64), 0))
        << "cell 0 stays empty in both pictures";
}

TEST(Previews, TheTwoScreensScaleAndPlaceTallObjectsDifferently) {
    const World w = tinyWorld();
    const TileSheets s = drawTileSheets(w);
    MapGrid m;
    m.size = 4;
    for (auto& l : m.layers) l.assign(25, 0);
    for (int& g : m.layers[0]) g = 203;
    m.at(4, 2, 2) = 1;  // a tree in the middle
    const QImage town = previewMap(m, s, PreviewStyle::Town);
    const QImage field = previewMap(m, s, PreviewStyle::Field);
    EXPECT_EQ(town.size(), QSize(160, 160));
    EXPECT_EQ(field.size(), QSize(240, 240));
    // Only grass, without the tree, in a corner far from it.
    EXPECT_EQ(town.pixel(2, 2), s.ground.pixel(64 + 2, 96 + 2));
    // The field stretches 32-pixel tiles to 48: pixel 3 of the cell comes from source pixel 2.
    EXPECT_EQ(field.pixel(3, 3), s.ground.pixel(64 + 2, 96 + 2));
    // The tree changes pixels around its cell: on the town screen it overhangs to the lower
    // right, on the field it rises above the cell.
    auto changed = [&](const QImage& img, int cell, QRect r) {
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                if (img.pixel(x, y) !=
                    s.ground.pixel(64 + (x % cell) * 32 / cell, 96 + (y % cell) * 32 / cell))
                    return true;
        return false;
    };
    EXPECT_TRUE(changed(field, 48, QRect(2 * 48, 1 * 48, 48, 48))) << "the crown above the cell";
    EXPECT_FALSE(changed(town, 32, QRect(2 * 32, 0, 32, 32)))
        << "nothing two cells above on the town screen";
}

}  // namespace
