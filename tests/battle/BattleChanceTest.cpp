// Chance in battle on the real machine's generator: a random group's size says nothing about who
// is in it, and members levelling up together grow each by their own draws. The bounds are far
// out in the tails (a wrong failure once in a billion runs or less); the old generator, started
// afresh from the clock before each draw, broke them by hundreds.
#include <gtest/gtest.h>

#include <tuple>

#include "battle/BattleMaths.h"
#include "battle/LevelUp.h"
#include "core/Records.h"
#include "platform/QtPlatform.h"

namespace {
QtPlatform::Options silent() {
    QtPlatform::Options o;
    o.audio = false;
    return o;
}
}  // namespace

TEST(BattleChance, GroupSizeAndFirstEnemyAreIndependent) {
    QtPlatform pf(silent());
    constexpr int kOpenings = 3000;
    int seen[7][10]{};  // [group size][enemy-set slot of the first enemy]
    for (int k = 0; k < kOpenings; ++k) {
        const EnemyGroupDraw g = drawEnemyGroup(4, pf);
        ASSERT_GE(g.count, 1);
        ASSERT_LE(g.count, 6);
        ASSERT_EQ(static_cast<int>(g.setSlots.size()), g.count);
        ++seen[g.count][g.setSlots[0]];
    }
    // Pearson's test of independence over the 6 × 10 table (45 degrees of freedom): 128 is
    // exceeded by chance with a probability of about 1e-9.
    double bySize[7]{}, bySlot[10]{};
    for (int n = 1; n <= 6; ++n)
        for (int r = 0; r < 10; ++r) {
            bySize[n] += seen[n][r];
            bySlot[r] += seen[n][r];
        }
    double chi2 = 0;
    for (int n = 1; n <= 6; ++n)
        for (int r = 0; r < 10; ++r) {
            const double expected = bySize[n] * bySlot[r] / kOpenings;
            ASSERT_GT(expected, 0) << "size " << n << ", slot " << r << " never came";
            const double d = seen[n][r] - expected;
            chi2 += d * d / expected;
        }
    EXPECT_LT(chi2, 128.0);
}

TEST(BattleChance, TwoMembersOfOneClassGrowByTheirOwnDraws) {
    QtPlatform pf(silent());
    GrowthRow growth;
    const int g[8] = {25, 20, 27, 25, 20, 27, 25, 20};
    for (int k = 1; k <= 8; ++k) growth.Growth[k] = g[k - 1];
    // Three values of 20 (2 or 3 evenly) and two of 27 (3 or 4) agree between two fair growths
    // with a chance of 0.5³ × 0.68² ≈ 0.058: about 12 times in 200, never 60.
    int alike = 0;
    for (int k = 0; k < 200; ++k) {
        CharacterRecord a, b;
        Lv_Grow(a, growth, pf);
        Lv_Grow(b, growth, pf);
        if (std::tie(a.MaxHP, a.MaxMP, a.Vitality, a.Strength, a.Intellect, a.Agility, a.Dexterity,
                     a.Charm) == std::tie(b.MaxHP, b.MaxMP, b.Vitality, b.Strength, b.Intellect,
                                          b.Agility, b.Dexterity, b.Charm))
            ++alike;
    }
    EXPECT_LT(alike, 60);
}
