// The magic screen: the spells each group knows, choosing the caster, and casting with every
// refusal, on the field and in battle.
#include <QListWidget>

#include "MenuFixture.h"
#include "party/MagicRules.h"
#include "party/MagicScreen.h"
#include "platform/Label.h"
#include "platform/PictureBox.h"
#include "platform/PictureButton.h"

namespace {
const QColor kRed(255, 0, 0);
const QColor kYellow(255, 255, 0);

class MagicScreen : public MenuTest {
  protected:
    MagicScreen() {
        // Group 1 (リナ) and group 3 (ミア) know these numbers from level 1.
        spell(1, "ファイア", spellkind::kOneEnemy, 0, 20, 3);
        spell(2, "ヒール", spellkind::kOneAlly, 1, 30, 4);
        spell(33, "癒しの手", spellkind::kOneAlly, 1, 30, 5);
        spell(39, "毒消し", spellkind::kOneAlly, 3, 0, 2);
        spell(10, "癒しの風", spellkind::kAllAllies, 1, 30, 5);
        st().CharacterTable[1].MaxHP = 100;
        st().CharHP[1] = 95;
    }

    // Opens the screen with character c as the first caster.
    Magic& open(int c) {
        st().CurChar = c;
        Magic& s = game->form<Magic>();
        s.Show();
        return s;
    }
    QStringList lines(Magic& s) {
        QStringList names;
        for (int r = 0; r < s.List1->count(); ++r) names << s.List1->item(r)->text().trimmed();
        return names;
    }
    // Clicks the line of spell number n.
    void pick(Magic& s, const QString& name) {
        const int row = static_cast<int>(lines(s).indexOf(name));
        ASSERT_GE(row, 0) << name.toStdString();
        s.List1_Click(row);
    }
};
}  // namespace

// --- Spells known ----------------------------------------------------------------------------

TEST(SpellsKnown, FollowGroupAndLevel) {
    EXPECT_EQ(spellsKnown(1, 9), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(spellsKnown(1, 20), (std::vector<int>{1, 2, 3, 4, 6, 7}));
    EXPECT_EQ(spellsKnown(3, 15), (std::vector<int>{33, 39, 40, 34, 36, 41}));
    EXPECT_EQ(spellsKnown(5, 5), (std::vector<int>{10, 14, 11}));
    EXPECT_EQ(spellsKnown(8, 9), (std::vector<int>{2}));
    EXPECT_EQ(spellsKnown(8, 10), (std::vector<int>{2, 5, 6}));
    EXPECT_EQ(spellsKnown(2, 4), (std::vector<int>{19, 23}));
    EXPECT_TRUE(spellsKnown(0, 30).empty());
    EXPECT_TRUE(spellsKnown(4, 30).empty());
}

TEST_F(MagicScreen, ListsTheCastersSpellsAndMP) {
    st().CharMP[1] = 12;
    Magic& s = open(1);
    EXPECT_EQ(lines(s), (QStringList{"ファイア", "ヒール"}));
    EXPECT_EQ(s.Label2->caption(), QStringLiteral("MP: 12"));
    EXPECT_EQ(pixel(*s.Picture1, 50, 50), portraitColour(2));
    for (PictureBox* p : s.Picture2) EXPECT_TRUE(p->isHidden());
    pick(s, "ヒール");
    EXPECT_EQ(s.Label1->caption(), QStringLiteral("ヒールの説明"));
    EXPECT_EQ(st().CastMagicNo, 2);
    EXPECT_FALSE(s.Picture2[3]->isHidden());
    EXPECT_EQ(pixel(*s.Picture2[3], 50, 50), portraitColour(4));
}

TEST_F(MagicScreen, SomeoneWithoutSpellsIsToldSo) {
    Magic& s = open(0);
    EXPECT_EQ(s.List1->count(), 0);
    s.Command1_Click(0);
    EXPECT_EQ(pf.messages, QStringList{QStringLiteral("魔法はおぼえていません")});
    EXPECT_TRUE(s.isLoaded());
}

// --- Choosing the caster ---------------------------------------------------------------------

TEST_F(MagicScreen, TheArrowsStepThroughTheWholePartyReserveIncluded) {
    partyOf(5);
    Magic& s = open(0);
    EXPECT_EQ(s.casterPosition(), 1);
    s.Command2_Click(0);
    EXPECT_EQ(s.casterPosition(), 1);
    EXPECT_TRUE(s.Command2[0]->isHidden());
    s.Command2_Click(1);
    EXPECT_FALSE(s.Command2[0]->isHidden());
    EXPECT_EQ(st().CurChar, 1);
    EXPECT_EQ(lines(s), (QStringList{"ファイア", "ヒール"}));
    s.Command2_Click(1);
    s.Command2_Click(1);
    s.Command2_Click(1);
    EXPECT_EQ(s.casterPosition(), 5);
    EXPECT_TRUE(s.Command2[1]->isHidden());
    EXPECT_EQ(st().CurChar, 4);
    EXPECT_EQ(lines(s), QStringList{"癒しの風"});
    EXPECT_EQ(pixel(*s.Picture1, 50, 50), portraitColour(5));
    s.Command2_Click(1);
    EXPECT_EQ(s.casterPosition(), 5);
}

TEST_F(MagicScreen, ALoneMemberHasNoNextButton) {
    partyOf(1);
    Magic& s = open(0);
    EXPECT_TRUE(s.Command2[1]->isHidden());
}

// The arrows start from where the first caster stands, whoever opened the screen.
TEST_F(MagicScreen, TheArrowsStartFromTheFirstCaster) {
    Magic& s = open(0);
    s.Command2_Click(1);
    s.Command1_Click(1);
    open(2);
    EXPECT_EQ(s.casterPosition(), 3);
    s.Command2_Click(1);
    EXPECT_EQ(st().CurChar, 3);
}

// --- Healing on the field --------------------------------------------------------------------

TEST_F(MagicScreen, HealingRestoresUpToMaxHPAndCostsTheFullPrice) {
    Magic& s = open(1);
    pick(s, "ヒール");
    s.Picture2_Click(1);
    s.Command1_Click(0);
    EXPECT_EQ(st().CharHP[1], 100);
    EXPECT_EQ(st().CharMP[1], 16);
    EXPECT_EQ(st().ActionResult, 1);
    EXPECT_EQ(st().CastMagicNo, 2);
    EXPECT_EQ(st().SpellTargetPos, 2);
    EXPECT_FALSE(s.isLoaded());
    EXPECT_EQ(st().CurChar, 0);
}

TEST_F(MagicScreen, HealingSomeoneUnhurtIsRefusedAndCostsNothing) {
    Magic& s = open(1);
    pick(s, "ヒール");
    s.Picture2_Click(0);
    s.Command1_Click(0);
    EXPECT_EQ(pf.messages, QStringList{QStringLiteral("回復の必要はありません")});
    EXPECT_EQ(st().CharMP[1], 20);
    EXPECT_TRUE(s.isLoaded());
    // Leaving now casts nothing: in battle the turn would not be used.
    s.Command1_Click(1);
    EXPECT_EQ(st().ActionResult, 0);
    EXPECT_EQ(st().CastMagicNo, 0);
}

TEST_F(MagicScreen, ACureNeedsItsAilment) {
    Magic& s = open(3);
    pick(s, "毒消し");
    s.Picture2_Click(2);
    s.Command1_Click(0);
    EXPECT_EQ(pf.messages, QStringList{QStringLiteral("回復の必要はありません")});
    st().CharAilment[3] = 2;
    s.Picture2_Click(2);
    s.Command1_Click(0);
    EXPECT_EQ(st().CharAilment[3], 0);
    EXPECT_EQ(st().CharMP[3], 19);  // half of 2
}

TEST_F(MagicScreen, TheThirdCharacterPaysHalfForOneAllyButFullForAllAllies) {
    Magic& s = open(3);
    pick(s, "癒しの手");
    s.Picture2_Click(1);
    s.Command1_Click(0);
    EXPECT_EQ(st().CharMP[3], 18);

    partyOf(6);
    st().CharacterTable[4].CharNo = 5;
    st().CharHP[0] = 50;
    st().CharHP[5] = 0;  // in reserve, down: the wind reaches everyone
    st().CharHP[1] = 20;
    open(4);
    pick(s, "癒しの風");
    s.Command1_Click(0);
    EXPECT_EQ(st().CharMP[4], 15);
    EXPECT_EQ(st().CharHP[0], 60);
    EXPECT_EQ(st().CharHP[1], 50);
    EXPECT_EQ(st().CharHP[5], 30);
    EXPECT_EQ(st().ActionResult, 1);
}

// An empty position within the party count is read as character 0, who gets the wind too.
TEST_F(MagicScreen, TheAllAlliesHealReadsAnEmptyPositionAsCharacterZero) {
    st().CharacterTable[4].CharNo = 5;
    st().PartyMember[1] = Value(4);
    st().PartyMember[2] = Value();
    st().PartyMember[3] = Value(1);
    st().PartyCount = 3;
    st().CharHP[0] = 10;  // アレン stands in no position
    st().CharHP[1] = 20;
    Magic& s = open(4);
    pick(s, "癒しの風");
    click(*s.Command1[0]);
    EXPECT_FALSE(s.isLoaded());
    EXPECT_EQ(st().CharHP[0], 40);
    EXPECT_EQ(st().CharHP[1], 50);
    EXPECT_EQ(st().CharMP[4], 15);
}

TEST_F(MagicScreen, NotEnoughMPKeepsTheScreenOpen) {
    st().CharMP[1] = 3;
    Magic& s = open(1);
    pick(s, "ヒール");
    s.Picture2_Click(1);
    s.Command1_Click(0);
    EXPECT_EQ(pf.messages, QStringList{QStringLiteral("MPがたりません")});
    EXPECT_EQ(st().CharHP[1], 95);
    EXPECT_TRUE(s.isLoaded());
}

TEST_F(MagicScreen, AttackSpellsAreForBattlesOnly) {
    Magic& s = open(1);
    pick(s, "ファイア");
    s.Command1_Click(0);
    EXPECT_EQ(pf.messages, QStringList{QStringLiteral("フィールドでの使用はできません")});
    EXPECT_FALSE(s.isLoaded());
    EXPECT_EQ(st().ActionResult, 0);
    EXPECT_EQ(st().CastMagicNo, 0);
    EXPECT_EQ(st().CharMP[1], 20);
}

TEST_F(MagicScreen, ADownTargetIsMarkedAndTheSpellClosesWithoutEffect) {
    st().CharHP[2] = 0;
    st().CharAilment[3] = 4;
    Magic& s = open(1);
    pick(s, "ヒール");
    s.Picture2_Click(0);
    EXPECT_EQ(s.frameColour(), QColor(0, 255, 255));
    s.Picture2_Click(2);
    EXPECT_EQ(st().CharAilment[3], 6);
    EXPECT_EQ(s.frameColour(), kRed);
    EXPECT_EQ(pixel(*s.Picture2[2], 3, 50), kRed);
    EXPECT_EQ(pixel(*s.Picture2[0], 3, 50), portraitColour(1));
    s.Command1_Click(0);
    EXPECT_FALSE(s.isLoaded());
    EXPECT_TRUE(pf.messages.isEmpty());
    EXPECT_EQ(st().CharHP[2], 0);
    EXPECT_EQ(st().CharMP[1], 20);
    EXPECT_EQ(st().ActionResult, 0);
}

TEST_F(MagicScreen, WithoutATargetItAsksWhoUnlessTheLeaderIsDown) {
    Magic& s = open(1);
    pick(s, "ヒール");
    s.Command1_Click(0);
    EXPECT_EQ(pf.messages, QStringList{QStringLiteral("誰に使用しますか")});
    EXPECT_TRUE(s.isLoaded());
    s.Command1_Click(1);

    st().CharHP[0] = 0;
    open(1);
    pick(s, "ヒール");
    s.Command1_Click(0);
    EXPECT_EQ(pf.messages.size(), 1);
    EXPECT_FALSE(s.isLoaded());
    EXPECT_EQ(st().ActionResult, 0);
    EXPECT_EQ(st().CharMP[1], 20);
}

TEST_F(MagicScreen, CastingWithNoLineClickedDoesNothing) {
    Magic& s = open(1);
    pick(s, "ヒール");
    s.Picture2_Click(1);
    s.Command1_Click(1);
    st().CharHP[1] = 50;
    open(1);  // the line clicked last time is not chosen now
    s.Picture2_Click(1);
    s.Command1_Click(0);
    EXPECT_TRUE(pf.messages.isEmpty());
    EXPECT_EQ(st().CharHP[1], 50);
    EXPECT_TRUE(s.isLoaded());

    // Nor after the caster changed: the list is another one.
    pick(s, "ヒール");
    s.Command2_Click(1);
    s.Command1_Click(0);
    EXPECT_TRUE(pf.messages.isEmpty());
    EXPECT_TRUE(s.isLoaded());
}

// --- In battle ---------------------------------------------------------------------------------

TEST_F(MagicScreen, InBattleAttackAndSupportSpellsAreLeftToTheBattle) {
    spell(3, "ちからの風", spellkind::kOneAllySupport, 8, 5, 2);
    st().CharLevel[1] = 5;  // group 1 knows spell 3 from level 5
    st().InBattle = 1;
    Magic& s = open(1);
    pick(s, "ファイア");
    s.Command1_Click(0);
    EXPECT_FALSE(s.isLoaded());
    EXPECT_EQ(st().ActionResult, 1);
    EXPECT_EQ(st().CastMagicNo, 1);
    EXPECT_EQ(st().CharMP[1], 20);  // the battle takes the MP

    // A support spell on one ally needs the ally.
    open(1);
    pick(s, "ちからの風");
    s.Command1_Click(0);
    EXPECT_EQ(pf.messages, QStringList{QStringLiteral("誰に使用しますか")});
    EXPECT_TRUE(s.isLoaded());
    s.Picture2_Click(3);
    EXPECT_EQ(pixel(*s.Picture2[3], 3, 50), QColor(0, 255, 255));
    s.Command1_Click(0);
    EXPECT_EQ(st().ActionResult, 1);
    EXPECT_EQ(st().CastMagicNo, 3);
    EXPECT_EQ(st().SpellTargetPos, 4);
}

TEST_F(MagicScreen, ASleeperIsFramedInYellow) {
    st().CharAilment[2] = 4;
    Magic& s = open(1);
    pick(s, "ヒール");
    s.Picture2_Click(1);
    EXPECT_EQ(s.frameColour(), kYellow);
}
