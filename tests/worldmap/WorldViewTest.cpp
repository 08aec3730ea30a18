// Composing the overhead map's view from the tile layers, without a window.

#include <gtest/gtest.h>

#include <memory>
#include <random>

#include "core/GameState.h"
#include "worldmap/MadeTownSheets.h"
#include "worldmap/WorldView.h"

namespace {
constexpr QRgb kUntouched = 0xff00ffu;

class WorldViewTest : public ::testing::Test {
  protected:
    WorldViewTest() {
        sheets.tiles = madeTileSheets();
        sheets.prepare();
        st.MapSize = 30;
        view.fill(kUntouched);
    }
    // The colour at the centre of view square (col, row), or at an offset inside it.
    QRgb at(int col, int row, int dx = 16, int dy = 16) const {
        return rgbAt(view, col * 32 + dx, row * 32 + dy);
    }
    static QRgb colour(int col, int row, int tint) {
        return cellColour(col, row, tint) & 0xffffffu;
    }

    std::unique_ptr<GameState> state = std::make_unique<GameState>();
    GameState& st = *state;
    WorldSheets sheets;
    QImage view{800, 608, QImage::Format_RGB32};
};
}  // namespace

TEST_F(WorldViewTest, DrawsOnlyWhenTheWholeWindowLiesOnTheMap) {
    for (auto [x, y] : {std::pair{7, 0}, {0, 13}, {-1, 0}, {0, -1}, {7, 13}}) {
        EXPECT_FALSE(view2(st, sheets, x, y, view)) << x << "," << y;
        EXPECT_EQ(rgbAt(view, 400, 300), kUntouched) << "the old picture stays";
    }
    EXPECT_TRUE(view2(st, sheets, 6, 12, view));  // columns 6..30, rows 12..30
    EXPECT_EQ(rgbAt(view, 799, 607), colour(0, 0, 0));
    EXPECT_TRUE(view2(st, sheets, 0, 0, view));
}

TEST_F(WorldViewTest, AMapCellLandsOnItsViewSquareAndTheThousandsAreIgnored) {
    st.GroundGrid(10, 5) = Value(305);
    st.GroundGrid(11, 5) = Value(2305);
    st.GroundGrid(10, 6) = Value(9);
    ASSERT_TRUE(view2(st, sheets, 5, 4, view));
    EXPECT_EQ(at(5, 1), colour(3, 5, 0));
    EXPECT_EQ(at(6, 1), colour(3, 5, 0));
    EXPECT_EQ(at(5, 2), colour(0, 9, 0));
    EXPECT_EQ(at(0, 0), colour(0, 0, 0));
}

TEST_F(WorldViewTest, LayersStackGroundFeaturePropBlock) {
    st.GroundGrid(2, 2) = Value(101);
    st.FeatureGrid(2, 2) = Value(0);  // no feature: the ground shows
    st.GroundGrid(3, 2) = Value(101);
    st.FeatureGrid(3, 2) = Value(202);
    st.PropGrid(3, 2) = Value(103);
    st.GroundGrid(4, 2) = Value(101);
    st.PropGrid(4, 2) = Value(103);
    st.BlockGrid(4, 2) = Value(204);
    ASSERT_TRUE(view2(st, sheets, 0, 0, view));
    EXPECT_EQ(at(2, 2), colour(1, 1, 0));
    EXPECT_EQ(at(3, 2), colour(1, 3, 120));       // the prop over the feature
    EXPECT_EQ(at(3, 2, 2, 2), colour(2, 2, 60));  // the feature around the prop
    EXPECT_EQ(at(4, 2), colour(2, 4, 180));       // the block over the prop
    EXPECT_EQ(at(4, 2, 2, 2), colour(1, 1, 0));   // the ground around both
}

TEST_F(WorldViewTest, TallPiecesOverhangAndOnlyLaterCellsCoverThem) {
    st.TallGrid(2, 2) = Value(101);     // drawn from (56, 56), 64 × 64
    st.FeatureGrid(1, 3) = Value(105);  // an earlier column: covered by the piece
    st.FeatureGrid(2, 3) = Value(106);  // further down the same column: covers the piece
    st.FeatureGrid(3, 3) = Value(107);  // a later column: covers the piece
    ASSERT_TRUE(view2(st, sheets, 0, 0, view));
    const QRgb tall = colour(1, 1, 240);
    EXPECT_EQ(rgbAt(view, 56, 56), tall);
    EXPECT_EQ(rgbAt(view, 55, 56), colour(0, 0, 0));
    EXPECT_EQ(rgbAt(view, 60, 100), tall);
    EXPECT_EQ(rgbAt(view, 70, 100), colour(1, 6, 60));
    EXPECT_EQ(rgbAt(view, 100, 100), colour(1, 7, 60));
    EXPECT_EQ(rgbAt(view, 110, 60), tall);  // nothing drawn on (3, 1)
    EXPECT_EQ(rgbAt(view, 119, 119), colour(1, 7, 60));
}

TEST_F(WorldViewTest, PiecesAtTheViewsEdgeAreClipped) {
    st.TallGrid(0, 0) = Value(102);
    st.TallGrid(24, 18) = Value(102);
    ASSERT_TRUE(view2(st, sheets, 0, 0, view));
    EXPECT_EQ(rgbAt(view, 0, 0), colour(1, 2, 240));
    EXPECT_EQ(rgbAt(view, 799, 607), colour(1, 2, 240));
}

TEST_F(WorldViewTest, SkippingSeeThroughCellsChangesNoPixel) {
    std::mt19937 rng(7);
    auto code = [&] {
        const int pick = static_cast<int>(rng() % 5);
        return pick == 0 ? Value(0)
                         : Value(static_cast<int>(rng() % 10) * 100 + static_cast<int>(rng() % 10));
    };
    for (int x = 0; x <= 30; ++x)
        for (int y = 0; y <= 30; ++y) {
            st.GroundGrid(x, y) = code();
            st.FeatureGrid(x, y) = code();
            st.PropGrid(x, y) = code();
            st.BlockGrid(x, y) = code();
            st.TallGrid(x, y) = code();
        }
    WorldSheets plain;
    plain.tiles = sheets.tiles;  // not prepared: every cell is drawn
    QImage reference(800, 608, QImage::Format_RGB32);
    for (auto [x, y] : {std::pair{0, 0}, {3, 7}, {6, 12}}) {
        ASSERT_TRUE(view2(st, sheets, x, y, view));
        ASSERT_TRUE(view2(st, plain, x, y, reference));
        EXPECT_EQ(view, reference) << x << "," << y;
    }
    EXPECT_TRUE(sheets.seeThrough[0].at(0, 0));
    EXPECT_FALSE(sheets.seeThrough[0].at(1, 0));
    EXPECT_TRUE(sheets.seeThrough[2].at(0, 0));
}
