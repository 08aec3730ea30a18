// How a battle ends on the screen: victory with its experience, the write-back when the screen
// closes, a beaten boss's cell, and defeat with the game-over screen.
#include "battle/BattleFixture.h"
#include "battle/GameOverScreen.h"
#include "platform/Label.h"
#include "story/TitleScreen.h"

using BattleEnd = BattleTest;

namespace {
void fullPartyWithReserves(GameState& st) {
    for (int k = 1; k <= 10; ++k) st.PartyMember[k] = Value(k - 1);
    st.PartyCount = 10;
}
}  // namespace

TEST_F(BattleEnd, VictorySharesTheExperienceAndCloses) {
    fullPartyWithReserves(st());
    st().EnemyTable[1].EnemyExp = 30;
    st().EnemyTable[1].EnemyHP = 1;
    st().EnemyTable[2].EnemyExp = 45;
    st().EnemyTable[2].EnemyHP = 1;
    sentou& s = openRandom(2, {0, 1});
    clickEnemy(1);
    script({0.0});
    s.Command1_Click(0);
    EXPECT_TRUE(s.isLoaded());
    clickEnemy(2);
    script({0.0});
    s.Command1_Click(0);

    EXPECT_FALSE(s.isLoaded());
    EXPECT_EQ(s.ExpTotal, 75);
    const int expected[10] = {30, 37, 25, 25, 18, 18, 18, 18, 0, 0};
    for (int c = 0; c < 10; ++c) EXPECT_EQ(st().CharExp[c], expected[c]) << "character " << c;
    EXPECT_EQ(st().MessageLines[3], QStringLiteral("敵をすべて倒した"));
    EXPECT_EQ(s.Label2->caption(), QStringLiteral("敵をすべて倒した"));
    EXPECT_EQ(st().InBattle, 0);
    EXPECT_EQ(st().CurChar, 3);  // the last front member recomputed
    EXPECT_TRUE(pf.messages.isEmpty());
}

TEST_F(BattleEnd, VictoryRaisesALevelFromTheGrowthTable) {
    st().CharExp[0] = 35;
    st().EnemyTable[1].EnemyExp = 30;
    sentou& s = openRandom(1, {0});
    clickEnemy(1);
    script({0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0});  // the blow, then eight growth draws
    s.Command1_Click(0);
    EXPECT_FALSE(s.isLoaded());
    const CharacterRecord& r = st().CharacterTable[0];
    EXPECT_EQ(r.Level, 2);
    EXPECT_EQ(st().CharLevel[0], 2);
    EXPECT_EQ(r.MaxHP, 43);
    EXPECT_EQ(r.Strength, 23);
    EXPECT_EQ(st().CharAttack[0], 23);
    EXPECT_EQ(st().CharNextExp[0], 160);
    EXPECT_EQ(st().CharHP[0], 40);  // current hit points stay
    EXPECT_TRUE(pf.randomDraws.empty());
}

TEST_F(BattleEnd, ClosingCuresTheLightAilmentsAndUndoesBattleBoosts) {
    partyOf(6);
    const int ailments[7] = {0, 2, 3, 4, 5, 6, 1};
    for (int pos = 1; pos <= 6; ++pos) st().CharAilment[pos] = ailments[pos];
    sentou& s = openRandom(1, {0});
    st().CharAttack[0] = 99;  // as after an attack-up spell
    st().CharDefence[3] = 50;
    script({0.0});
    s.Command1_Click(3);  // away
    EXPECT_FALSE(s.isLoaded());
    const int after[7] = {0, 0, 0, 0, 5, 6, 0};
    for (int pos = 1; pos <= 6; ++pos) EXPECT_EQ(st().CharAilment[pos], after[pos]) << pos;
    EXPECT_EQ(st().CharAttack[0], 20);
    EXPECT_EQ(st().CharDefence[3], 7);
}

TEST_F(BattleEnd, ABeatenBossLeavesItsCellForGood) {
    st().MapFileName = QStringLiteral("mori001.map");
    st().MapX = 10;
    st().MapY = 7;
    st().MoveDir = 0;
    st().SavedDirection = 2;  // it stood to the left of the party
    st().BlockGrid(8, 7) = Value(3);
    st().EventGrid(8, 7) = Value(81);
    sentou& s = openBoss(1);
    s.FoeHP[1] = 1;
    clickEnemy(1);
    script({0.0});
    s.Command1_Click(0);
    EXPECT_FALSE(s.isLoaded());
    EXPECT_EQ(st().BlockGrid(8, 7), Value(0));
    EXPECT_EQ(st().EventGrid(8, 7), Value(0));
    ASSERT_EQ(st().CellLogCount, 1);
    EXPECT_EQ(st().CellLog(1, 0), Value("mori001.map"));
    EXPECT_EQ(st().CellLog(1, 1), Value(9));
    EXPECT_EQ(st().CellLog(1, 2), Value(7));
}

TEST_F(BattleEnd, ARandomVictoryLeavesTheMapAlone) {
    st().MapX = 10;
    st().MapY = 7;
    st().SavedDirection = 2;
    st().EventGrid(8, 7) = Value(81);
    sentou& s = openRandom(1, {0});
    clickEnemy(1);
    script({0.0});
    s.Command1_Click(0);
    EXPECT_FALSE(s.isLoaded());
    EXPECT_EQ(st().EventGrid(8, 7), Value(81));
    EXPECT_EQ(st().CellLogCount, 0);
}

class BattleDefeat : public BattleTest {
  protected:
    // Position 2 is down and position 1 has one hit point left; the ghost's next blow ends it.
    sentou& lose() {
        partyOf(2);
        st().CharHP[1] = 0;
        st().CharHP[0] = 1;
        sentou& s = openRandom(1, {2});
        clickEnemy(1);
        script({0.0});
        s.Command1_Click(0);
        script({0.0, 0.5, 0.0});
        return s;
    }
};

TEST_F(BattleDefeat, GameEndEndsTheProgram) {
    sentou& s = lose();
    const auto stops = pf.mciCommands.count(QStringLiteral("stop bgm "));
    onShow<G_End>([](G_End& g) {
        EXPECT_EQ(g.Command1[0]->text(), QStringLiteral("Game終了"));
        g.Command1_Click(0);
    });
    try {
        s.Command1_Click(0);
        ADD_FAILURE() << "the program went on";
    } catch (const ProgramEnded& e) {
        EXPECT_EQ(e.status, 0);
    }
    EXPECT_EQ(pf.messages.last(), QStringLiteral("パーティは敵の攻撃により全滅した。"));
    EXPECT_NE(std::find(shown.begin(), shown.end(), QStringLiteral("Game Over")), shown.end());
    EXPECT_GT(pf.mciCommands.count(QStringLiteral("stop bgm ")), stops);  // game over is silent
}

TEST_F(BattleDefeat, TryAgainClosesEveryScreenAndStartsAfresh) {
    sentou& s = lose();
    st().BossNo = 0;
    onShow<G_End>([](G_End& g) { g.Command1_Click(1); });
    s.Command1_Click(0);
    EXPECT_FALSE(s.isLoaded());
    EXPECT_FALSE(game->form<G_End>().isLoaded());
    EXPECT_TRUE(game->form<Taitol>().isLoaded());
    EXPECT_EQ(shown.back(), game->form<Taitol>().name());
    EXPECT_EQ(game->forms().loadedForms().size(), 1u);
    EXPECT_EQ(st().InBattle, 0);
    // The tables were read afresh from the data folder.
    EXPECT_EQ(st().CharacterTable[0].Strength, 8);
}

TEST_F(BattleDefeat, ClosingTheGameOverWindowEndsTheGame) {
    sentou& s = lose();
    onShow<G_End>([](G_End& g) { g.Unload(); });
    EXPECT_THROW(s.Command1_Click(0), ProgramEnded);
    EXPECT_TRUE(game->forms().loadedForms().empty());
}

TEST_F(BattleDefeat, AFallenFrontLosesWhoeverWaitsInReserve) {
    // Characters 1 and 2 in front, character 0 alive in reserve, positions 3 and 4 empty.
    partyOf(0);
    st().PartyMember[1] = Value(1);
    st().PartyMember[2] = Value(2);
    st().PartyMember[5] = Value(0);
    st().PartyCount = 5;
    st().CharHP[1] = 0;
    st().CharHP[2] = 1;
    sentou& s = openRandom(1, {2});
    s.ActorPos = 2;
    script({0.99, 0.5, 0.0});
    onShow<G_End>([](G_End& g) { g.Command1_Click(0); });
    EXPECT_THROW(s.Command1_Click(4), ProgramEnded);
    EXPECT_EQ(st().CharHP[2], 0);
}

TEST_F(BattleEnd, TheCloseButtonIsNoWayOut) {
    sentou& s = openBoss(1);
    s.close();
    EXPECT_TRUE(s.isLoaded());
    EXPECT_EQ(st().InBattle, 1);
}
