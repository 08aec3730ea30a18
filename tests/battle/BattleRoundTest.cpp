// A round of battle through the screen: commands, turns, ailments and the enemy phase, with
// scripted draws. Every test ends its script with a sentinel draw that must be left over, so a
// draw too many or too few shows.
#include "battle/BattleFixture.h"
#include "party/ItemScreen.h"
#include "party/MagicScreen.h"
#include "party/StatusScreen.h"
#include "platform/Label.h"
#include "platform/PictureBox.h"

namespace {
constexpr double kSentinel = 0.777;
const QChar kBreak(13);
}  // namespace

class BattleRound : public BattleTest {
  protected:
    // Scripts the draws and a sentinel after them.
    void draws(const std::vector<double>& d) {
        script(d);
        pf.randomDraws.push_back(kSentinel);
    }
    bool allDrawsUsed() { return pf.randomDraws.size() == 1 && pf.randomDraws[0] == kSentinel; }
    QString msg(int line) { return st().MessageLines[line]; }
};

TEST_F(BattleRound, FightTellsTheBlowAndPassesTheTurn) {
    sentou& s = openRandom(1, {2});  // a ghost: 30 hit points, defence 3
    clickEnemy(1);
    draws({0.0});
    s.Command1_Click(0);
    EXPECT_TRUE(allDrawsUsed());
    EXPECT_EQ(s.FoeHP[1], 11);
    EXPECT_EQ(msg(3), QStringLiteral("アレンの攻撃") + kBreak + "ゴーストに 19 の打撃を与えた");
    EXPECT_EQ(s.Label2->caption(), msg(3) + kBreak + msg(6));
    EXPECT_EQ(s.Label4[1]->caption(), QStringLiteral("11"));
    EXPECT_EQ(s.ActorPos, 2);
    EXPECT_EQ(QColor(s.Picture5[1]->surface().pixel(1, 50)), QColor(0, 255, 255));
}

// The last front position ends the round; every enemy, defeated ones too, takes its draws, and
// a blow wakes a sleeper.
TEST_F(BattleRound, LastPositionEndsTheRoundWithTheEnemyPhase) {
    partyOf(2);
    st().CharAilment[2] = 4;
    sentou& s = openRandom(2, {2, 2});
    clickEnemy(1);
    script({0.0});
    s.Command1_Click(0);      // 19: the first ghost keeps 11
    draws({0.0,               // 11: the first ghost falls
           0.0, 0.5,          // it still draws a victim and a special, and does nothing
           0.99, 0.5, 0.0});  // the second strikes position 2: 9 − 7 + 1
    s.Command1_Click(0);
    EXPECT_TRUE(allDrawsUsed());
    EXPECT_EQ(s.FoeHP[1], 0);
    EXPECT_EQ(msg(3), QStringLiteral("リナの攻撃") + kBreak + "ゴーストに 11 の打撃を与えた" +
                          kBreak + "ゴースト を倒した" + kBreak + "ゴーストの攻撃" + kBreak +
                          "リナは 3 の攻撃を受けた");
    EXPECT_EQ(st().CharHP[1], 27);
    EXPECT_EQ(st().CharAilment[2], 0);
    EXPECT_EQ(s.Label3[1]->caption(), QStringLiteral("HP: 27"));
    EXPECT_EQ(s.ActorPos, 1);
}

TEST_F(BattleRound, ABlowNeedsAStandingTarget) {
    sentou& s = openRandom(1, {0});
    draws({});
    s.Command1_Click(0);  // nothing clicked since the program started
    EXPECT_EQ(pf.messages, QStringList{QStringLiteral("攻撃対象を指定してください")});
    EXPECT_EQ(s.ActorPos, 1);

    clickEnemy(1);
    s.FoeHP[1] = 0;
    s.Command1_Click(0);
    EXPECT_EQ(pf.messages.size(), 2);
    EXPECT_EQ(s.ActorPos, 1);

    // The test follows the spell chosen last, even for Defend; the refused Defend does not hold.
    st().MagicTable[1].MagicKind = 1;
    st().CastMagicNo = 1;
    s.Command1_Click(4);
    EXPECT_EQ(pf.messages.size(), 3);
    EXPECT_EQ(st().CharDefence[0], 10);
    EXPECT_TRUE(allDrawsUsed());
}

TEST_F(BattleRound, FlightSucceedsOnSixOrLess) {
    sentou& s = openRandom(1, {0});
    draws({0.5});
    s.Command1_Click(3);
    EXPECT_FALSE(s.isLoaded());
    EXPECT_EQ(msg(3), QStringLiteral("逃げ延びた  "));
    EXPECT_EQ(st().InBattle, 0);
    EXPECT_TRUE(allDrawsUsed());
}

TEST_F(BattleRound, FailedFlightLetsTheEnemiesStrikeOutOfTurn) {
    sentou& s = openRandom(1, {0});
    draws({0.6, 0.0, 0.5, 0.0});  // roll 7; the slime strikes position 1 for 1
    s.Command1_Click(3);
    EXPECT_TRUE(s.isLoaded());
    EXPECT_EQ(msg(3), QStringLiteral("逃げられない  ") + kBreak + "スライムの攻撃" + kBreak +
                          "アレンは 1 の攻撃を受けた");
    EXPECT_EQ(s.Label2->caption(), msg(3));
    EXPECT_EQ(st().CharHP[0], 39);
    EXPECT_EQ(s.ActorPos, 4);  // the next command is taken for the last position
    EXPECT_TRUE(allDrawsUsed());
}

TEST_F(BattleRound, NoOneFleesFromABoss) {
    sentou& s = openBoss(2);
    draws({0.0, 0.0, 0.0, 0.9999});  // best flight roll; the boss rolls 7 on its own 6
    s.Command1_Click(3);
    EXPECT_TRUE(s.isLoaded());
    EXPECT_EQ(st().CharHP[0], 40 - (30 - 10 + 7));
    EXPECT_TRUE(msg(3).startsWith(QStringLiteral("逃げられない  ")));
    EXPECT_TRUE(allDrawsUsed());
}

TEST_F(BattleRound, PoisonBitesAtTheStartOfTheTurnAndCanFellTheMember) {
    partyOf(2);
    st().CharAilment[2] = 2;
    st().CharHP[1] = 3;
    sentou& s = openRandom(1, {2});
    clickEnemy(1);
    script({0.0});
    s.Command1_Click(0);
    EXPECT_EQ(st().CharHP[1], -2);
    EXPECT_EQ(s.ActorPos, 2);

    // At −2 the member cannot act: the command is dropped and the round ends; the ghost looks for
    // a standing victim (position 2 is not one).
    draws({0.99, 0.0, 0.5, 0.0});
    s.Command1_Click(0);
    EXPECT_EQ(s.FoeHP[1], 11);
    EXPECT_EQ(st().CharHP[1], -2);
    EXPECT_EQ(st().CharHP[0], 39);
    EXPECT_EQ(s.ActorPos, 1);
    EXPECT_TRUE(allDrawsUsed());
}

TEST_F(BattleRound, TenMissedTriesEndThePhase) {
    partyOf(2);
    st().CharHP[1] = 0;
    sentou& s = openRandom(3, {0, 0, 0});
    clickEnemy(1);
    script({0.0});
    s.Command1_Click(0);  // the first slime falls

    std::vector<double> phase{0.0, 0.5,                 // the fallen slime draws, no blow
                              0.0, 0.5, 0.0};           // the second strikes position 1
    for (int i = 0; i < 10; ++i) phase.push_back(0.9);  // the third finds nobody standing
    draws(phase);
    s.Command1_Click(0);  // position 2 is down: the round ends
    EXPECT_TRUE(allDrawsUsed());
    EXPECT_EQ(hitsTaken(msg(3)), 1);
    EXPECT_EQ(st().CharHP[0], 39);
    EXPECT_TRUE(s.isLoaded());
}

TEST_F(BattleRound, APartyParalysedIsToldButFightsOn) {
    partyOf(2);
    st().CharAilment[1] = 3;
    st().CharAilment[2] = 5;
    sentou& s = openRandom(1, {0});
    clickEnemy(1);
    s.Command1_Click(0);  // position 1 cannot act
    EXPECT_EQ(s.ActorPos, 2);
    EXPECT_EQ(s.FoeHP[1], 10);
    draws({0.0, 0.5, 0.0});
    s.Command1_Click(0);  // nor can position 2: the enemies strike
    EXPECT_TRUE(pf.messages.contains(QStringLiteral("パーティは特殊攻撃により全滅した。")));
    EXPECT_TRUE(s.isLoaded());
    EXPECT_EQ(s.ActorPos, 1);
    EXPECT_TRUE(allDrawsUsed());
}

TEST_F(BattleRound, DefendHoldsThroughThePhaseOnlyForTheLastPosition) {
    partyOf(2);
    sentou& s = openRandom(1, {2});
    s.Command1_Click(4);
    EXPECT_EQ(st().CharDefence[0], 10);  // undone at once: the enemies have not struck yet
    EXPECT_EQ(s.ActorPos, 2);
    draws({0.99, 0.5, 0.0});
    s.Command1_Click(4);  // defence 14 against power 9: 1 instead of 3
    EXPECT_EQ(st().CharHP[1], 29);
    EXPECT_EQ(st().CharDefence[1], 7);
    EXPECT_TRUE(allDrawsUsed());
}

TEST_F(BattleRound, DefendDoesNotPileUpForAMemberWhoCannotAct) {
    partyOf(2);
    st().CharAilment[1] = 3;
    sentou& s = openRandom(1, {2});
    s.Command1_Click(4);
    EXPECT_EQ(st().CharDefence[0], 10);
    EXPECT_EQ(s.ActorPos, 2);
}

TEST_F(BattleRound, EmptyFrontPositionsAreNotStruck) {
    // Two in front and two in reserve, as a new game starts.
    partyOf(0);
    st().PartyMember[1] = Value(0);
    st().PartyMember[2] = Value(1);
    st().PartyMember[5] = Value(2);
    st().PartyMember[6] = Value(3);
    st().PartyCount = 6;
    sentou& s = openRandom(1, {2});
    EXPECT_EQ(s.MemberLimit, 4);
    clickEnemy(1);
    draws({0.0, 0.99, 0.5, 0.0});  // the highest victim draw lands on position 2
    s.Command1_Click(0);
    s.Command1_Click(4);
    EXPECT_EQ(st().CharHP[0], 40);
    EXPECT_EQ(st().CharHP[1], 29);
    EXPECT_TRUE(allDrawsUsed());
}

TEST_F(BattleRound, StatusItemAndMagicUseNoTurn) {
    sentou& s = openRandom(1, {0});
    clickEnemy(1);
    draws({});
    // Each screen is left with "終了" and nothing done.
    onShow<Item>([](Item& i) { i.Command1_Click(3); });
    onShow<Magic>([](Magic& m) { m.Command1_Click(1); });
    onShow<Status>([](Status& t) { t.Command1_Click(); });
    for (int command : {1, 2, 5}) {
        s.Command1_Click(command);
        EXPECT_EQ(s.ActorPos, 1);
    }
    EXPECT_EQ(s.FoeHP[1], 10);
    EXPECT_TRUE(allDrawsUsed());
    EXPECT_TRUE(pf.messages.isEmpty());
}

TEST_F(BattleRound, TheEmptySecondPositionOfALoneMemberDoesNothing) {
    partyOf(1);
    sentou& s = openRandom(1, {2});
    clickEnemy(1);
    script({0.0});
    s.Command1_Click(0);
    EXPECT_EQ(s.ActorPos, 2);
    draws({0.0, 0.5, 0.0});  // no blow from position 2; the ghost strikes position 1
    s.Command1_Click(0);
    EXPECT_EQ(s.FoeHP[1], 11);
    EXPECT_EQ(st().CharHP[0], 39);
    EXPECT_EQ(s.ActorPos, 1);
    EXPECT_TRUE(allDrawsUsed());
}
