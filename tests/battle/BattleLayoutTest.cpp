// Where enemies stand, which one a click picks, where the marker goes and which enemy the hit
// animation shows struck.
#include <gtest/gtest.h>

#include "battle/BattleLayout.h"

TEST(TargetColumns, OneEnemyIsPickedAnywhere) {
    for (int column : {0, 12, 24}) {
        auto pick = targetAtColumn(1, column);
        ASSERT_TRUE(pick);
        EXPECT_EQ(pick->target, 1);
        EXPECT_EQ(pick->hitCode, 3);
    }
}

TEST(TargetColumns, FiveEnemiesSplitAtColumnTen) {
    EXPECT_EQ(targetAtColumn(5, 300 / 32)->target, 2);  // x = 300: column 9
    EXPECT_EQ(targetAtColumn(5, 320 / 32)->target, 3);  // x = 320: column 10
    EXPECT_EQ(targetAtColumn(5, 320 / 32)->hitCode, 3);
    EXPECT_EQ(targetAtColumn(5, 0)->target, 1);
    EXPECT_EQ(targetAtColumn(5, 24)->target, 5);
}

TEST(TargetColumns, BoundariesOfTheSmallerGroups) {
    EXPECT_EQ(targetAtColumn(2, 12)->target, 1);
    EXPECT_EQ(targetAtColumn(2, 13)->target, 2);
    EXPECT_EQ(targetAtColumn(3, 8)->target, 1);
    EXPECT_EQ(targetAtColumn(3, 14)->target, 2);
    EXPECT_EQ(targetAtColumn(3, 15)->target, 3);
    EXPECT_EQ(targetAtColumn(4, 5)->target, 1);
    EXPECT_EQ(targetAtColumn(4, 11)->target, 2);
    EXPECT_EQ(targetAtColumn(4, 17)->target, 3);
    EXPECT_EQ(targetAtColumn(4, 18)->target, 4);
}

TEST(TargetColumns, CountsWithoutALineLeaveTheSelection) {
    EXPECT_FALSE(targetAtColumn(0, 5));
    EXPECT_FALSE(targetAtColumn(7, 5));
    EXPECT_FALSE(foeSlots(7));
    EXPECT_FALSE(markerSlotFor(0));
    EXPECT_FALSE(markerSlotFor(16));
}

// For every group size: each enemy's picture lies inside the view without covering its
// neighbour, a click on its centre picks it, the marker stands just right of its own slot and
// the hit animation shows that enemy struck.
TEST(Lines, EveryEnemyCanBeClickedMarkedAndStruck) {
    for (int count = 1; count <= kMostFoes; ++count) {
        SCOPED_TRACE(count);
        const std::vector<int> places = *foeSlots(count);
        ASSERT_EQ(static_cast<int>(places.size()), count);
        for (int i = 1; i <= count; ++i) {
            const int slot = places[i - 1];
            EXPECT_GE(slot, 0);
            EXPECT_LE(slot * kSlotPixels + 128, 800);
            if (i > 1 && count == kMostFoes) {
                EXPECT_GE(slot, places[i - 2] + 4);
            }
            const auto pick = targetAtColumn(count, slot + 2);
            ASSERT_TRUE(pick);
            EXPECT_EQ(pick->target, i);
            EXPECT_EQ(markerSlotFor(pick->hitCode), slot + 1);
            EXPECT_EQ(enemyStruckBy(count, pick->hitCode), i);
        }
    }
}

TEST(Struck, OddCodesOfTheSmallGroups) {
    EXPECT_EQ(enemyStruckBy(1, 0), 1);  // one enemy is always the one struck
    EXPECT_EQ(enemyStruckBy(2, 0), 2);  // with two, anything but 7 means the second
    EXPECT_EQ(enemyStruckBy(3, 7), 0);  // a code of another line strikes nobody
    EXPECT_EQ(enemyStruckBy(5, 0), 0);
}
