// The status screen: the values it shows, the two pages and the exchange of members.
#include <QPushButton>

#include "MenuFixture.h"
#include "party/MenuLook.h"
#include "party/StatusScreen.h"
#include "platform/Label.h"
#include "platform/PictureBox.h"
#include "platform/PictureButton.h"

namespace {
const QColor kCyan(0, 255, 255);
const QColor kRed(255, 0, 0);

class StatusScreen : public MenuTest {
  protected:
    Status& open() {
        Status& s = game->form<Status>();
        s.Show();
        return s;
    }
    int at(int pos) { return static_cast<int>(st().PartyMember[pos].toInt()); }
};
}  // namespace

// --- What it shows ---------------------------------------------------------------------------

TEST_F(StatusScreen, ShowsEveryValueOfTheMember) {
    equip(1, "銅の剣", 5, 1);
    equip(2, "革の鎧", 3, 2);
    CharacterRecord& r = st().CharacterTable[0];
    r.WeaponNo = 1;
    r.ArmourNo = 2;
    r.Level = 3;
    rejoin(0);
    st().CharExp[0] = 200;
    st().CharHP[0] = 41;
    st().CharMP[0] = 9;
    Status& s = open();
    EXPECT_EQ(s.Label6[0]->caption(), r.CharName);
    EXPECT_EQ(s.Label6[1]->caption(), r.ClassName);
    EXPECT_EQ(s.Label6[2]->caption(), QStringLiteral("3"));
    QStringList values;
    for (Label* l : s.Label4) values << l->caption();
    EXPECT_EQ(values,
              (QStringList{"60", "20", "6", "10", "4", "8", "7", "5", "41", "9", "200", "160"}));
    EXPECT_EQ(s.Label5[0]->caption(), QStringLiteral("銅の剣").leftJustified(20, u' '));
    EXPECT_EQ(s.Label5[1]->caption(), QStringLiteral("革の鎧").leftJustified(20, u' '));
    EXPECT_EQ(s.Label5[2]->caption(), QString(20, u' '));
    EXPECT_EQ(s.Label5[4]->caption(), QStringLiteral("15"));
    EXPECT_EQ(s.Label5[5]->caption(), QStringLiteral("10"));
    EXPECT_EQ(s.Label5[6]->caption(), QStringLiteral("6"));
    EXPECT_EQ(s.Label5[7]->caption(), QStringLiteral("なし"));
    EXPECT_EQ(st().CharNextExp[0], 360);
    EXPECT_EQ(pixel(*s.Picture1[0], 0, 40), kCyan);
}

TEST_F(StatusScreen, ADownMemberShowsTheDownMarkInRed) {
    st().CharHP[2] = 0;
    st().CharAilment[3] = 2;
    Status& s = open();
    s.Picture1_Click(2);
    EXPECT_EQ(s.Label5[7]->caption(), QStringLiteral("戦不"));
    EXPECT_EQ(st().CharAilment[3], 6);
    EXPECT_EQ(pixel(*s.Picture1[2], 1, 40), kRed);
    EXPECT_EQ(pixel(*s.Picture1[0], 1, 40), portraitColour(1));  // the old frame is gone
    EXPECT_EQ(s.Label4[8]->caption(), QStringLiteral("0"));
}

// In battle the values shown are the battle's own: looking must not undo a spell.
TEST_F(StatusScreen, InBattleTheRaisedValuesStay) {
    st().InBattle = 1;
    st().CharAttack[0] = 30;
    Status& s = open();
    EXPECT_EQ(s.Label5[4]->caption(), QStringLiteral("30"));
    EXPECT_EQ(st().CharAttack[0], 30);
    s.Command1_Click();
    st().InBattle = 0;
    open();
    EXPECT_EQ(st().CharAttack[0], 10);
}

// --- Pages ------------------------------------------------------------------------------------

TEST_F(StatusScreen, SmallPartyHasNoPagesAndAnEmptyPortraitTakesNoClick) {
    partyOf(3);
    st().PartyCount = 4;  // a fourth place is counted, but nobody stands in it
    Status& s = open();
    EXPECT_TRUE(s.Command3->isHidden());
    EXPECT_TRUE(s.Command2[0]->isHidden());
    EXPECT_TRUE(s.Command2[1]->isHidden());
    EXPECT_FALSE(s.Picture1[3]->isEnabled());
    click(*s.Picture1[3]);
    EXPECT_EQ(s.statusPosition(), 1);
    click(*s.Picture1[2]);
    EXPECT_EQ(s.statusPosition(), 3);
    EXPECT_EQ(st().CurChar, 2);
}

TEST_F(StatusScreen, TheSecondPageShowsTheReserve) {
    partyOf(6);
    Status& s = open();
    EXPECT_FALSE(s.Command2[1]->isHidden());
    s.Command2_Click(1);
    EXPECT_EQ(s.statusPage(), 1);
    EXPECT_EQ(s.statusPosition(), 5);
    EXPECT_EQ(s.Label6[0]->caption(), st().CharacterTable[4].CharName);
    EXPECT_EQ(pixel(*s.Picture1[1], 50, 50), portraitColour(6));
    EXPECT_EQ(pixel(*s.Picture1[2], 50, 50), menulook::kPanel);  // nobody at position 7
    s.Picture1_Click(2);                                         // beyond the party
    EXPECT_EQ(s.statusPosition(), 5);
    s.Picture1_Click(1);
    EXPECT_EQ(s.statusPosition(), 6);
    EXPECT_EQ(st().CurChar, 5);
    s.Command2_Click(0);
    EXPECT_EQ(s.statusPosition(), 1);
    EXPECT_EQ(st().CurChar, 0);
}

// Ten members: positions 9 and 10 have no portrait; the reserve page shows 5..8 and nothing breaks.
TEST_F(StatusScreen, AFullPartyShowsFourReserves) {
    partyOf(8);
    st().PartyMember[9] = Value(3);
    st().PartyMember[10] = Value(2);
    st().PartyCount = 10;
    Status& s = open();
    s.Command2_Click(1);
    EXPECT_EQ(pixel(*s.Picture1[3], 50, 50), portraitColour(8));
    s.Picture1_Click(3);
    EXPECT_EQ(st().CurChar, 7);
}

// --- Exchanging members ----------------------------------------------------------------------

TEST_F(StatusScreen, TheLeaderCannotBeExchanged) {
    partyOf(6);
    Status& s = open();
    s.Command3_Click();
    EXPECT_EQ(pf.messages, QStringList{QStringLiteral("交代できません")});
    EXPECT_FALSE(s.exchangeWaiting());
    EXPECT_EQ(s.statusPage(), 0);
}

TEST_F(StatusScreen, AnExchangeKeepsTheAilmentWithThePosition) {
    partyOf(2);
    st().PartyMember[5] = Value(2);
    st().PartyMember[6] = Value(3);
    st().PartyCount = 6;
    st().CharAilment[2] = 2;
    Status& s = open();
    s.Picture1_Click(1);
    s.Command3_Click();
    EXPECT_TRUE(s.exchangeWaiting());
    EXPECT_EQ(s.statusPage(), 1);
    EXPECT_TRUE(s.Picture1[0]->isEnabled());
    EXPECT_TRUE(s.Picture1[1]->isEnabled());
    EXPECT_FALSE(s.Picture1[2]->isEnabled());
    EXPECT_FALSE(s.Picture1[3]->isEnabled());

    click(*s.Picture1[0]);
    EXPECT_EQ(at(2), 2);
    EXPECT_EQ(at(5), 1);
    EXPECT_EQ(st().CharAilment[2], 2);
    EXPECT_FALSE(s.exchangeWaiting());
    EXPECT_EQ(s.statusPosition(), 5);
    EXPECT_EQ(st().CurChar, 1);
    for (PictureBox* p : s.Picture1) EXPECT_TRUE(p->isEnabled());
}

TEST_F(StatusScreen, LaterCharactersExchangeWithTheLastTwoReservePlaces) {
    partyOf(8);
    st().PartyMember[2] = Value(5);
    st().PartyMember[6] = Value(1);
    Status& s = open();
    s.Picture1_Click(1);
    s.Command3_Click();
    EXPECT_FALSE(s.Picture1[0]->isEnabled());
    EXPECT_FALSE(s.Picture1[1]->isEnabled());
    EXPECT_TRUE(s.Picture1[2]->isEnabled());
    click(*s.Picture1[0]);
    EXPECT_TRUE(s.exchangeWaiting());
    click(*s.Picture1[3]);
    EXPECT_EQ(at(2), 7);
    EXPECT_EQ(at(8), 5);
}

TEST_F(StatusScreen, TheLeaderIsNoPartnerAndTheExchangeWaitsIntoTheNextOpening) {
    partyOf(6);
    Status& s = open();
    s.Picture1_Click(2);
    s.Command3_Click();
    s.Command2_Click(0);
    s.Picture1_Click(0);  // the leader's position
    EXPECT_EQ(pf.messages, QStringList{QStringLiteral("交代できません")});
    EXPECT_TRUE(s.exchangeWaiting());

    s.Command1_Click();
    EXPECT_EQ(st().CurChar, 0);
    open();
    EXPECT_EQ(s.statusPage(), 0);
    EXPECT_EQ(s.statusPosition(), 1);
    EXPECT_TRUE(s.exchangeWaiting());
    EXPECT_TRUE(s.Picture1[3]->isEnabled());  // the portrait restriction does not carry over
    s.Picture1_Click(3);
    EXPECT_EQ(at(3), 3);
    EXPECT_EQ(at(4), 2);
    EXPECT_FALSE(s.exchangeWaiting());
}
