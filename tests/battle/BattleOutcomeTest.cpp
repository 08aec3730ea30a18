// Experience shares, level-ups and growth as rules over the shared state.
#include "battle/BattleFixture.h"
#include "battle/BattleOutcome.h"
#include "battle/LevelUp.h"
#include "core/GameError.h"
#include "support/Errors.h"

class Rewards : public BattleTest {
  protected:
    // Shares with a level-up that counts the characters raised and raises them for real.
    std::vector<int> share(int expTotal, int shown) {
        std::vector<int> raised;
        shareExperience(st(), expTotal, shown, [&] {
            raised.push_back(st().CurChar);
            Lv_Up(*game);
        });
        return raised;
    }
};

TEST_F(Rewards, ThreeShownPositionsRewardThreeReserves) {
    for (int k = 1; k <= 10; ++k) st().PartyMember[k] = Value(k - 1);
    st().PartyMember[4] = Value();
    share(75, 3);
    const int expected[10] = {30, 37, 25, 0, 18, 18, 18, 0, 0, 0};
    for (int c = 0; c < 10; ++c) EXPECT_EQ(st().CharExp[c], expected[c]) << "character " << c;
}

TEST_F(Rewards, TheFallenGetNothingButStillLevelOnWhatTheyHave) {
    st().PartyMember[5] = Value(4);
    st().CharHP[1] = 0;
    st().CharExp[1] = 45;  // past the 40 of level 2 already
    st().CharHP[4] = 0;    // a fallen reserve
    script(std::vector<double>(8, 0.0));
    const std::vector<int> raised = share(75, 4);
    EXPECT_EQ(raised, std::vector<int>{1});
    EXPECT_EQ(st().CharExp[1], 45);
    EXPECT_EQ(st().CharLevel[1], 2);
    EXPECT_EQ(st().CharExp[4], 0);
}

TEST_F(Rewards, OneLevelPerBattleWhateverTheExperience) {
    st().CharExp[0] = 150;  // level 1: the thresholds of levels 2 (40) and 3 (160) both pass
    script(std::vector<double>(8, 0.0));
    share(75, 4);
    EXPECT_EQ(st().CharExp[0], 180);
    EXPECT_EQ(st().CharLevel[0], 2);
    EXPECT_EQ(st().CharNextExp[0], 160);
    script(std::vector<double>(8, 0.0));
    share(0, 4);  // the next victory brings the next level
    EXPECT_EQ(st().CharLevel[0], 3);
}

TEST_F(Rewards, AnEmptyFrontPositionRewardsNobody) {
    st().PartyMember[2] = Value();
    share(75, 3);
    EXPECT_EQ(st().CharExp[0], 30);
}

TEST_F(Rewards, GrowthRoundsEachValueUpOrDown) {
    // Class 1 grows by 25, 20, 27, 25, 20, 27, 25, 20.
    st().CurChar = 0;
    script(std::vector<double>(8, 0.0));
    Lv_Up(*game);
    CharacterRecord r = st().CharacterTable[0];
    EXPECT_EQ(std::vector<int>({r.MaxHP, r.MaxMP, r.Vitality, r.Strength, r.Intellect, r.Agility,
                                r.Dexterity, r.Charm}),
              std::vector<int>({43, 12, 13, 23, 6, 13, 3, 2}));
    EXPECT_EQ(pf.randomizeCalls, 1);

    script(std::vector<double>(8, 0.9));
    Lv_Up(*game);
    r = st().CharacterTable[0];
    EXPECT_EQ(std::vector<int>({r.MaxHP, r.MaxMP, r.Vitality, r.Strength, r.Intellect, r.Agility,
                                r.Dexterity, r.Charm}),
              std::vector<int>({46, 15, 17, 26, 9, 17, 6, 5}));
    EXPECT_EQ(r.Level, 3);
    EXPECT_EQ(st().CharDefence[0], 17);  // (17 + 17) / 2
}

TEST_F(Rewards, AClassWithoutAGrowthRowIsBrokenData) {
    st().CharacterTable[0].ClassNo = 9;
    st().CurChar = 0;
    const GameError e = errorFrom([&] { Lv_Up(*game); });
    EXPECT_EQ(e.file(), QStringLiteral("Ca_TF"));
    EXPECT_EQ(st().CharLevel[0], 1);
}
