// The numbers of a battle, without a screen: group sizes, sheet cells, blows, victims,
// experience, growth and flight.
#include <gtest/gtest.h>

#include <map>

#include "battle/BattleMaths.h"

namespace {
// Counts the results of fn over n evenly spread draws in [0, 1).
template <class Fn>
std::map<int, int> spread(int n, Fn fn) {
    std::map<int, int> counts;
    for (int i = 0; i < n; ++i) ++counts[fn((i + 0.5) / n)];
    return counts;
}
}  // namespace

TEST(GroupSize, FollowsThePortraitsShown) {
    // Four portraits: 1..6.
    EXPECT_EQ(groupSize(4, 0.0), 1);
    EXPECT_EQ(groupSize(4, 0.9999), 6);
    // Three: 1..4, and a draw that would make five is cut to four.
    EXPECT_EQ(groupSize(3, 0.0), 1);
    EXPECT_EQ(groupSize(3, 0.7), 4);
    EXPECT_EQ(groupSize(3, 0.95), 4);
    // Two: 1..3.
    EXPECT_EQ(groupSize(2, 0.0), 1);
    EXPECT_EQ(groupSize(2, 0.9999), 3);
    EXPECT_EQ(spread(600, [](double d) { return groupSize(4, d); }),
              (std::map<int, int>{{1, 100}, {2, 100}, {3, 100}, {4, 100}, {5, 100}, {6, 100}}));
}

TEST(FoeSheetCell, ACodeAlwaysNamesTheSameCellAndRecord) {
    const FoeSheetCell ghost = foeSheetCell(37);
    EXPECT_EQ(ghost.col, 7);
    EXPECT_EQ(ghost.row0, 9);  // rows 9, 10, 11: standing, hit, defeated
    EXPECT_EQ(ghost.record, 38);
    EXPECT_EQ(foeSheetCell(0).record, 1);
    EXPECT_EQ(foeSheetCell(99).col, 9);
    EXPECT_EQ(foeSheetCell(99).row0, 27);
    EXPECT_EQ(foeSheetCell(99).record, 100);
}

TEST(PhysicalDamage, AWeakBlowStillDealsOne) {
    for (double d : {0.0, 0.5, 0.9999}) EXPECT_EQ(physicalDamage(10, 20, d), 1);
}

TEST(PhysicalDamage, BonusIsTwoThreeOrFour) {
    EXPECT_EQ(physicalDamage(20, 10, 0.0), 12);
    EXPECT_EQ(physicalDamage(20, 10, 0.59), 12);
    EXPECT_EQ(physicalDamage(20, 10, 0.6), 13);
    EXPECT_EQ(physicalDamage(20, 10, 0.8), 14);
    EXPECT_EQ(physicalDamage(20, 10, 0.99999999), 14);
    EXPECT_EQ(spread(1000, [](double d) { return physicalDamage(20, 10, d); }),
              (std::map<int, int>{{12, 600}, {13, 200}, {14, 200}}));
}

TEST(EnemyRoll, ExtremesAndSpread) {
    EXPECT_EQ(enemyRoll(0, 0.0), 1);
    EXPECT_EQ(enemyRoll(0, 0.9999), 1);
    EXPECT_EQ(enemyRoll(3, 0.0), 1);
    EXPECT_EQ(enemyRoll(3, 0.9999), 4);
    EXPECT_EQ(enemyRoll(-5, 0.9), 1);  // never below 1
    // With 3 the end values come half as often as the middle ones.
    EXPECT_EQ(spread(600, [](double d) { return enemyRoll(3, d); }),
              (std::map<int, int>{{1, 100}, {2, 200}, {3, 200}, {4, 100}}));
}

TEST(EnemyDamage, PowerLessDefencePlusRollAtLeastOne) {
    EXPECT_EQ(enemyDamage(20, 5, 3), 18);
    EXPECT_EQ(enemyDamage(3, 40, 4), 1);
}

TEST(FindVictim, KeepsTheFirstStandingPosition) {
    std::vector<double> draws{0.0, 0.3, 0.99};  // positions 1, 2, 4 of four
    std::size_t used = 0;
    auto next = [&] { return draws.at(used++); };
    auto standing = [](int p) { return p != 1; };
    EXPECT_EQ(findVictim(4, standing, next), 2);
    EXPECT_EQ(used, 2u);
}

TEST(FindVictim, TenMissesFindNobody) {
    int used = 0;
    auto next = [&] {
        ++used;
        return 0.1;
    };
    auto standing = [](int p) { return p != 1; };
    EXPECT_FALSE(findVictim(4, standing, next).has_value());
    EXPECT_EQ(used, kVictimTries);
}

TEST(FindVictim, DrawsCoverTheWholeRange) {
    std::vector<int> seen;
    auto record = [&](int p) {
        seen.push_back(p);
        return true;
    };
    for (double d : {0.0, 0.2499, 0.25, 0.9999}) findVictim(4, record, [d] { return d; });
    EXPECT_EQ(seen, (std::vector<int>{1, 1, 2, 4}));
}

TEST(Experience, SharesOfSeventyFive) {
    EXPECT_EQ(experienceShare(1, 75), 30);
    EXPECT_EQ(experienceShare(2, 75), 37);
    EXPECT_EQ(experienceShare(3, 75), 25);
    EXPECT_EQ(experienceShare(4, 75), 25);
    EXPECT_EQ(reserveShare(75), 18);
}

TEST(Growth, GainsRoundAGrowthValueUpOrDown) {
    for (double d : {0.0, 0.5, 0.9999}) EXPECT_EQ(growthGain(25, d), 3);
    EXPECT_EQ(growthGain(20, 0.49), 2);
    EXPECT_EQ(growthGain(20, 0.5), 3);
    EXPECT_EQ(growthGain(27, 0.79), 3);
    EXPECT_EQ(growthGain(27, 0.8), 4);
    EXPECT_EQ(spread(100, [](double d) { return growthGain(27, d); }),
              (std::map<int, int>{{3, 80}, {4, 20}}));
}

TEST(Flight, SixInTenAndNeverFromABoss) {
    EXPECT_LE(fleeRoll(0.0, false), kFleeLimit);
    EXPECT_LE(fleeRoll(0.59, false), kFleeLimit);
    EXPECT_GT(fleeRoll(0.6, false), kFleeLimit);
    EXPECT_GT(fleeRoll(0.0, true), kFleeLimit);
    EXPECT_EQ(bossAttackFromPower(30), 3);
    EXPECT_EQ(bossAttackFromPower(84), 10);
}
