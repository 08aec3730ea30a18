// Magic, items, special attacks and equipment effects in battle: the rules on their own, then the
// commands through the battle screen with the item and magic screens driven as the player would.
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "battle/BattleFixture.h"
#include "battle/BattleLayout.h"
#include "battle/BattleMagic.h"
#include "party/CharacterRules.h"
#include "party/ItemScreen.h"
#include "party/MagicRules.h"
#include "party/MagicScreen.h"
#include "party/StatusScreen.h"
#include "platform/Label.h"
#include "platform/PictureBox.h"
#include "platform/PictureButton.h"
#include "support/TableRows.h"

namespace {
constexpr double kSentinel = 0.777;
const QChar kBreak(13);

EquipmentEffects guardOf(bool all, bool stone, bool paralysis) {
    EquipmentEffects e;
    e.guardsAll = all;
    e.guardsStone = stone;
    e.guardsParalysis = paralysis;
    return e;
}
}  // namespace

// --- Rules -----------------------------------------------------------------------------------

TEST(SpellRules, DamageIsPowerOverMagicDefenceAndNeverHeals) {
    EXPECT_EQ(spellDamage(30, 12), 18);
    EXPECT_EQ(spellDamage(30, 30), 0);
    EXPECT_EQ(spellDamage(30, 40), 0);
}

TEST(SpellRules, CharactersOneAndTwoPayHalfForAttackSpells) {
    EXPECT_EQ(attackSpellCost(1, 5), 2);
    EXPECT_EQ(attackSpellCost(2, 5), 2);
    EXPECT_EQ(attackSpellCost(2, 8), 4);
    EXPECT_EQ(attackSpellCost(0, 5), 5);
    EXPECT_EQ(attackSpellCost(3, 5), 5);
    EXPECT_EQ(attackSpellCost(4, 5), 5);
}

TEST(SpellRules, IconsNameCellsOfTheEffectSheetTenToARow) {
    for (int icon = 1; icon <= 9; ++icon) {
        ASSERT_TRUE(effectCell(icon));
        EXPECT_EQ(effectCell(icon)->row, 0);
        EXPECT_EQ(effectCell(icon)->col, icon - 1);
    }
    EXPECT_EQ(effectCell(10)->col, 9);
    EXPECT_EQ(effectCell(10)->row, 0);
    EXPECT_EQ(effectCell(11)->col, 0);
    EXPECT_EQ(effectCell(11)->row, 1);
    EXPECT_EQ(effectCell(25)->col, 4);
    EXPECT_EQ(effectCell(25)->row, 2);
    EXPECT_FALSE(effectCell(0));
    EXPECT_FALSE(effectCell(-3));
}

TEST(SpecialAttackRules, PowerFollowsAttackMagicDefenceAndTheDraw) {
    // Int(4 − 3) + (−1 … 3).
    EXPECT_EQ(specialPower(2, 30, 0.0), 0);
    EXPECT_EQ(specialPower(2, 30, 0.99), 4);
    EXPECT_EQ(specialPower(2, 30, 0.5), 2);
    // Int(4 − 3.5) = 0; Int(0 − 0.5) = −1: the division is exact and rounds down.
    EXPECT_EQ(specialPower(2, 35, 0.2), 0);
    EXPECT_EQ(specialPower(0, 5, 0.2), -1);
}

// An ailment replaces only none or a lower code; a down member (6) is never touched.
TEST(SpecialAttackRules, AnAilmentTakesHoldOnlyOverALowerOne) {
    const EquipmentEffects none;
    EXPECT_EQ(specialHold(2, 0, 4, none)->ailment, 2);
    EXPECT_EQ(specialHold(2, 0, 4, none)->message, QStringLiteral("毒攻撃を受けた"));
    EXPECT_FALSE(specialHold(2, 0, 3, none));
    EXPECT_FALSE(specialHold(2, 3, 20, none));  // a paralysed member is not poisoned
    EXPECT_EQ(specialHold(4, 3, 6, none)->ailment, 4);
    EXPECT_EQ(specialHold(4, 3, 6, none)->message, QStringLiteral("睡眠攻撃を受けた"));
    EXPECT_FALSE(specialHold(4, 3, 5, none));
    EXPECT_EQ(specialHold(5, 3, 10, none)->ailment, 5);
    EXPECT_EQ(specialHold(5, 5, 10, none)->message, QStringLiteral("石化攻撃を受けた"));
    EXPECT_FALSE(specialHold(5, 3, 9, none));
    EXPECT_EQ(specialHold(3, 2, 8, none)->message, QStringLiteral("麻痺攻撃を受けた"));
    EXPECT_FALSE(specialHold(3, 2, 7, none));
    for (int kind = 2; kind <= 5; ++kind) EXPECT_FALSE(specialHold(kind, 6, 99, none));
    EXPECT_FALSE(specialHold(1, 0, 99, none));
    EXPECT_FALSE(specialHold(6, 0, 99, none));
}

TEST(SpecialAttackRules, GuardsStopTheirOwnKinds) {
    EXPECT_FALSE(specialHold(3, 0, 99, guardOf(false, false, true)));
    EXPECT_TRUE(specialHold(5, 0, 99, guardOf(false, false, true)));
    EXPECT_FALSE(specialHold(5, 0, 99, guardOf(false, true, false)));
    EXPECT_TRUE(specialHold(3, 0, 99, guardOf(false, true, false)));
    for (int kind = 2; kind <= 5; ++kind)
        EXPECT_FALSE(specialHold(kind, 0, 99, guardOf(true, false, false)));
    EXPECT_EQ(guardOf(true, true, false).guardCode(), 9);
    EXPECT_EQ(guardOf(false, true, false).guardCode(), 1);
    EXPECT_EQ(guardOf(false, false, true).guardCode(), 2);
    EXPECT_EQ(EquipmentEffects().guardCode(), 0);
}

// --- Through the battle screen -----------------------------------------------------------------

namespace {
class BattleMagic : public BattleTest {
  protected:
    BattleMagic() {
        GameState& s = st();
        putSpell(s, 1, "ファイア", spellkind::kOneEnemy, 0, 30, 5, 3);
        putSpell(s, 2, "ヒール", spellkind::kOneAlly, 1, 20, 4, 5);
        putSpell(s, 19, "ストーム", spellkind::kAllEnemies, 0, 12, 5, 11);
        putSpell(s, 23, "ちからの風", spellkind::kOneAllySupport, 8, 6, 4, 16);
        putSpell(s, 33, "ホーリー", spellkind::kOneEnemy, 0, 30, 5, 10);
        putSpell(s, 39, "まもりの歌", spellkind::kAllAlliesSupport, 9, 5, 4, 20);
        s.CharacterTable[1].CharNo = 1;  // リナ: 1, 2
        s.CharacterTable[2].CharNo = 2;  // ゴードン: 19, 23
        s.CharacterTable[3].CharNo = 3;  // ミア: 33, 39
        putItem(s, 1, QStringLiteral("薬草"), 1, 20, 0);
        s.InvItem[0] = Value(101);
        s.ItemCount = 1;
    }

    // Character c wears equipment number n in `slot` (a piece of power 0).
    void wear(int c, int n, int slot) {
        EquipRecord& e = st().EquipTable[n];
        e.EquipNo = n;
        e.EquipSlot = slot;
        CharacterRecord& r = st().CharacterTable[c];
        (slot == 1 ? r.WeaponNo : slot == 2 ? r.ArmourNo : r.ExtraNo) = n;
        st().CurChar = c;
        Ca_Join(st());
    }

    // The next magic screen: the player clicks line `row`, then the portrait of position
    // `target` (0 for none), then "使用"; a screen still open after that is left with "終了".
    void cast(int row, int target = 0) {
        onShow<Magic>([row, target](Magic& m) {
            m.List1_Click(row);
            if (target > 0) m.Picture2_Click(target - 1);
            m.Command1_Click(0);
            if (m.isLoaded()) m.Command1_Click(1);
        });
    }
    // Position pos gives the magic command.
    void magicFrom(sentou& s, int pos) {
        s.ActorPos = pos;
        s.Command1_Click(2);
    }
    // Scripts the draws (after dropping what an earlier script left) and a sentinel after them.
    void draws(const std::vector<double>& d) {
        pf.randomDraws.clear();
        script(d);
        pf.randomDraws.push_back(kSentinel);
    }
    // Clicks list line `row` of the magic screen with the mouse.
    static void clickLine(Magic& m, int row) {
        QTest::mouseClick(m.List1->viewport(), Qt::LeftButton, {},
                          m.List1->visualItemRect(m.List1->item(row)).center());
    }
    bool allDrawsUsed() { return pf.randomDraws.size() == 1 && pf.randomDraws[0] == kSentinel; }
    QString msg(int line) { return st().MessageLines[line]; }
    bool wasShown(const QString& name) {
        return std::find(shown.begin(), shown.end(), name) != shown.end();
    }
    QColor portraitPixel(sentou& s, int pos, QPoint p) {
        return QColor(s.Picture5[pos - 1]->surface().pixel(p));
    }
};
}  // namespace

TEST_F(BattleMagic, AnAttackSpellOnOneEnemy) {
    sentou& s = openRandom(1, {2});  // a ghost of 30 hit points
    s.FoeMagicDefence[1] = 12;
    clickEnemy(1);
    cast(0);
    draws({});
    magicFrom(s, 2);
    EXPECT_TRUE(wasShown(QStringLiteral("魔法")));
    EXPECT_EQ(s.FoeHP[1], 12);
    EXPECT_EQ(msg(3), QStringLiteral("リナの攻撃") + kBreak + "ゴーストに 18 の打撃を与えた");
    EXPECT_EQ(st().CharMP[1], 8);  // character 1 pays half of 5
    EXPECT_EQ(s.ActorPos, 3);
    EXPECT_TRUE(allDrawsUsed());
}

TEST_F(BattleMagic, ASpellTheEnemyShrugsOffDoesNoHarmAndNoGood) {
    sentou& s = openRandom(1, {2});
    s.FoeMagicDefence[1] = 40;
    clickEnemy(1);
    cast(0);
    magicFrom(s, 2);
    EXPECT_EQ(s.FoeHP[1], 30);
    EXPECT_EQ(msg(3), QStringLiteral("リナの攻撃") + kBreak + "ゴーストに 0 の打撃を与えた");
}

TEST_F(BattleMagic, ASpellThatFellsTheLastEnemyWinsTheBattle) {
    sentou& s = openRandom(1, {0});  // a slime of 10
    clickEnemy(1);
    cast(0, 0);
    magicFrom(s, 4);  // ミア's ホーリー, full cost
    EXPECT_FALSE(s.isLoaded());
    EXPECT_EQ(s.FoeHP[1], 0);
    EXPECT_EQ(st().CharMP[3], 5);
}

TEST_F(BattleMagic, AnAllEnemySpellStrikesEveryoneAndTellsOfTheLast) {
    sentou& s = openRandom(3, {0, 1, 2});  // slime 10, bat 12, ghost 30; magic defence 1
    s.FoeHP[1] = 0;
    clickEnemy(2);
    cast(0);
    magicFrom(s, 3);
    EXPECT_EQ(s.FoeHP[1], 0);
    EXPECT_EQ(s.FoeHP[2], 1);
    EXPECT_EQ(s.FoeHP[3], 19);
    EXPECT_EQ(msg(3), QStringLiteral("ゴードンの攻撃ゴーストに 11 の打撃を与えた") + kBreak);
    EXPECT_EQ(st().CharMP[2], 8);  // character 2 pays half

    // The last one falls; the bat, struck before it, stands.
    s.FoeHP[2] = 50;
    s.FoeHP[3] = 5;
    cast(0);
    magicFrom(s, 3);
    EXPECT_EQ(msg(3), QStringLiteral("ゴードンの攻撃ゴーストに 11 の打撃を与えた") + kBreak +
                          kBreak + "ゴースト を倒した");
    EXPECT_EQ(s.FoeHP[2], 39);
    EXPECT_TRUE(s.isLoaded());
}

TEST_F(BattleMagic, SupportSpellsDoNotAddUp) {
    sentou& s = openRandom(1, {2});
    clickEnemy(1);
    cast(1, 1);
    magicFrom(s, 3);
    EXPECT_EQ(st().CharAttack[0], 26);
    EXPECT_EQ(st().CharMP[2], 6);  // support spells cost the full price
    EXPECT_EQ(s.ActorPos, 4);
    cast(1, 1);
    magicFrom(s, 3);
    EXPECT_EQ(st().CharAttack[0], 26);
    EXPECT_EQ(st().CharMP[2], 2);
}

TEST_F(BattleMagic, AnAllAlliesSupportSpellRaisesEveryFrontMember) {
    sentou& s = openRandom(1, {2});
    clickEnemy(1);
    cast(1);
    magicFrom(s, 4);
    EXPECT_EQ(st().CharDefence[0], 10 + 5);
    EXPECT_EQ(st().CharDefence[1], 7 + 5);
    EXPECT_EQ(st().CharDefence[3], 7 + 5);
    EXPECT_EQ(st().CharMP[3], 6);
    // The battle's end puts the values back.
    s.FoeHP[1] = 0;
    s.Syori_a();
    EXPECT_EQ(st().CharDefence[0], 10);
}

TEST_F(BattleMagic, HealingInBattleUsesTheTurn) {
    st().CharHP[0] = 30;
    sentou& s = openRandom(1, {2});
    clickEnemy(1);
    cast(1, 1);
    magicFrom(s, 2);
    EXPECT_EQ(st().CharHP[0], 40);
    EXPECT_EQ(st().CharMP[1], 6);
    EXPECT_EQ(s.ActorPos, 3);
}

TEST_F(BattleMagic, AMagicScreenLeftWithoutASpellUsesNoTurn) {
    sentou& s = openRandom(1, {2});
    clickEnemy(1);
    onShow<Magic>([](Magic& m) { m.Command1_Click(1); });
    magicFrom(s, 2);
    EXPECT_EQ(s.ActorPos, 2);
    EXPECT_EQ(s.FoeHP[1], 30);
    // A refusal that keeps the screen open casts nothing either.
    st().CharHP[0] = 40;
    cast(1, 1);  // heal someone unhurt
    magicFrom(s, 2);
    EXPECT_EQ(pf.messages, QStringList{QStringLiteral("回復の必要はありません")});
    EXPECT_EQ(s.ActorPos, 2);
    EXPECT_EQ(st().CharMP[1], 10);
}

// The turn's member casts and pays: in battle the magic screen's arrows do not hand the spell to
// another member (a reserve one included), so the list, the MP check, the cost and the message
// all belong to the member whose portrait is framed.
TEST_F(BattleMagic, TheMemberWhoseTurnItIsCastsAndPaysForIt) {
    st().CharacterTable[4].CharNo = 2;  // a reserve member who knows ストーム
    st().PartyMember[5] = Value(4);
    st().PartyCount = 5;
    st().CharMP[1] = 0;  // リナ, whose turn it is, has no MP left
    sentou& s = openRandom(1, {2});
    clickEnemy(1);
    QStringList lists;
    auto tryOthers = [&](Magic& m) {
        for (int k = 0; k < 4; ++k) QTest::mouseClick(m.Command2[1], Qt::LeftButton);
        lists << m.List1->item(0)->text().trimmed();
        clickLine(m, 0);
        QTest::mouseClick(m.Command1[0], Qt::LeftButton);  // 使用
        if (m.isLoaded()) QTest::mouseClick(m.Command1[1], Qt::LeftButton);
    };
    onShow<Magic>(tryOthers);
    magicFrom(s, 2);
    EXPECT_EQ(lists, QStringList{QStringLiteral("ファイア")});
    EXPECT_EQ(pf.messages, QStringList{QStringLiteral("MPがたりません")});
    EXPECT_EQ(st().CharMP[1], 0);
    EXPECT_EQ(s.FoeHP[1], 30);
    EXPECT_EQ(s.ActorPos, 2);  // the turn is still hers

    st().CharMP[1] = 5;
    onShow<Magic>(tryOthers);
    magicFrom(s, 2);
    EXPECT_EQ(msg(3), QStringLiteral("リナの攻撃") + kBreak + "ゴーストに 29 の打撃を与えた");
    EXPECT_EQ(st().CharMP[1], 3);
    EXPECT_EQ(st().CharMP[2], 10);
    EXPECT_EQ(st().CharMP[4], 10);
}

// An attack spell needs a standing target as a blow does: with no enemy clicked in this battle,
// or a target left from an earlier one that this group does not have, nothing is cast.
TEST_F(BattleMagic, AnAttackSpellOnNobodyIsRefusedAndCostsNothing) {
    screen().SelectedTarget = 3;  // left by a battle against three
    sentou& s = openRandom(1, {0});
    for (int stale : {3, 0}) {
        s.SelectedTarget = stale;
        cast(0);
        s.ActorPos = 2;
        QTest::mouseClick(s.Command1[2], Qt::LeftButton);
        EXPECT_EQ(pf.messages.value(pf.messages.size() - 1),
                  QStringLiteral("攻撃対象を指定してください"))
            << stale;
        EXPECT_EQ(st().CharMP[1], 10);
        EXPECT_EQ(s.ActorPos, 2);
        EXPECT_EQ(s.FoeHP[1], 10);
        EXPECT_FALSE(msg(3).contains(QStringLiteral("打撃")));
    }
    // Once the slime is clicked the same spell goes off.
    QTest::mouseClick(s.Picture1, Qt::LeftButton, {}, foeCentre(1));
    cast(0);
    QTest::mouseClick(s.Command1[2], Qt::LeftButton);
    EXPECT_FALSE(s.isLoaded());  // 29 against 10 hit points
    EXPECT_EQ(st().CharMP[1], 8);
}

// --- Spell pictures --------------------------------------------------------------------------

TEST_F(BattleMagic, AttackSpellPicturesGoOnTheTargetOrOnEveryEnemy) {
    sentou& s = openRandom(2, {0, 2});
    clickEnemy(2);
    GameState& g = st();
    s.ActorPos = 2;
    s.TargetOf[2] = 2;
    g.ActionResult = 1;
    g.CastMagicNo = 1;  // icon 3: column 2, row 0
    s.Mhou_ko();
    const int x = s.MarkerSlot * kSlotPixels - 16;
    EXPECT_EQ(viewPixel(QPoint(x + 32, 224 + 32)), effectCellColour(2, 0));
    EXPECT_EQ(s.EffectPending, 0);

    g.CastMagicNo = 19;  // icon 11: column 0, row 1
    s.Mhou_ko();
    for (int i = 1; i <= 2; ++i)
        EXPECT_EQ(viewPixel(QPoint(s.FoeSlot[i] * kSlotPixels + 32, 224 + 32)),
                  effectCellColour(0, 1));

    // An icon of 0 has no picture: nothing is left waiting to be drawn.
    g.MagicTable[1].MagicIcon = 0;
    g.CastMagicNo = 1;
    s.Mhou_ko();
    EXPECT_EQ(s.EffectPending, 0);
}

TEST_F(BattleMagic, SpellPicturesOnPortraits) {
    sentou& s = openRandom(1, {2});
    GameState& g = st();
    const QPoint centre(48, 48);
    g.CastMagicNo = 23;  // one ally, icon 16: column 5, row 1
    g.SpellTargetPos = 2;
    s.MCg_Set();
    EXPECT_EQ(portraitPixel(s, 2, centre), effectCellColour(5, 1));
    EXPECT_EQ(portraitPixel(s, 1, centre), portraitColour(1));
    EXPECT_EQ(portraitPixel(s, 2, QPoint(26, 26)), portraitColour(2));  // masked around it

    g.CastMagicNo = 39;  // all allies, icon 20: column 9, row 1
    s.MCg_Set();
    for (int pos = 1; pos <= 4; ++pos)
        EXPECT_EQ(portraitPixel(s, pos, centre), effectCellColour(9, 1));
}

// --- Items -----------------------------------------------------------------------------------

TEST_F(BattleMagic, AnItemUsedInBattleUsesTheTurnAndShowsTheNewHP) {
    st().CharHP[1] = 5;
    sentou& s = openRandom(1, {2});
    clickEnemy(1);
    onShow<Item>([](Item& i) {
        i.List1_Click(0);
        i.Picture1_Click(1);
        i.Command1_Click(1);
    });
    s.ActorPos = 2;
    s.Command1_Click(1);
    EXPECT_EQ(st().CharHP[1], 25);
    EXPECT_EQ(s.Label3[1]->caption(), QStringLiteral("HP: 25"));
    EXPECT_EQ(st().ItemCount, 0);
    EXPECT_EQ(s.ActorPos, 3);
    EXPECT_EQ(s.Label2->caption(), QStringLiteral("HP が 20回復した") + kBreak);

    onShow<Item>([](Item& i) { i.Command1_Click(3); });
    s.Command1_Click(1);
    EXPECT_EQ(s.ActorPos, 3);
}

TEST_F(BattleMagic, TheStatusCommandShowsTheStatusScreenAndUsesNoTurn) {
    sentou& s = openRandom(1, {2});
    onShow<Status>([](Status& t) { t.Command1_Click(); });
    s.Command1_Click(5);
    EXPECT_TRUE(wasShown(QStringLiteral("ステータス")));
    EXPECT_EQ(s.ActorPos, 1);
}

// --- Special attacks and equipment -------------------------------------------------------------

TEST_F(BattleMagic, APoisonAttackTakesHoldAndIsTold) {
    st().EnemyTable[1].EnemySpecial = 2;
    st().EnemyTable[1].EnemyAttack = 5;
    sentou& s = openRandom(1, {0});
    clickEnemy(1);
    s.ActorPos = 4;
    // Victim position 1, special roll 0, strength Int(10 − 0.7) + 3 = 12, blow roll.
    draws({0.0, 0.0, 0.99, 0.0});
    s.Command1_Click(4);
    EXPECT_TRUE(allDrawsUsed());
    EXPECT_EQ(st().CharAilment[1], 2);
    EXPECT_EQ(st().SpecialKind, 2);
    EXPECT_EQ(msg(6), QStringLiteral("毒攻撃を受けた"));
    EXPECT_TRUE(s.Label2->caption().endsWith(kBreak + QStringLiteral("毒攻撃を受けた")));
}

// Each victim is guarded by what it wears itself, not by whoever was looked at last.
TEST_F(BattleMagic, EachVictimIsGuardedByItsOwnEquipment) {
    st().EnemyTable[1].EnemySpecial = 3;
    st().EnemyTable[1].EnemyAttack = 5;
    wear(3, 18, 2);  // the last front member wards off everything
    wear(1, 36, 1);  // リナ wards off paralysis
    sentou& s = openRandom(1, {0});
    clickEnemy(1);
    s.ActorPos = 4;
    draws({0.0, 0.0, 0.99, 0.0});  // position 1, unguarded
    s.Command1_Click(4);
    EXPECT_TRUE(allDrawsUsed());
    EXPECT_EQ(st().CharAilment[1], 3);
    EXPECT_EQ(s.GuardCode, 9);  // the last position looked at

    s.ActorPos = 4;
    draws({0.3, 0.0, 0.99, 0.0});  // position 2: its hat keeps the paralysis off
    s.Command1_Click(4);
    EXPECT_TRUE(allDrawsUsed());
    EXPECT_EQ(st().CharAilment[2], 0);
    EXPECT_EQ(msg(6), QString());

    s.ActorPos = 4;
    draws({0.8, 0.0, 0.0});  // position 4 wears the ward: not even the strength is drawn
    s.Command1_Click(4);
    EXPECT_TRUE(allDrawsUsed());
    EXPECT_EQ(st().CharAilment[4], 0);
}

// The sharp blade adds its 10 at every look at its wearer, so the attack grows through a battle.
TEST_F(BattleMagic, TheSharpBladeSharpensWithEveryBlow) {
    wear(0, 41, 1);
    sentou& s = openRandom(1, {2});
    clickEnemy(1);
    draws({0.0});
    s.Command1_Click(0);
    EXPECT_EQ(st().CharAttack[0], 30);
    EXPECT_EQ(s.FoeHP[1], 30 - (30 - 3 + 2));
    EXPECT_EQ(s.AttackBonus, 10);
    EXPECT_TRUE(allDrawsUsed());
}

TEST_F(BattleMagic, AnEmptyPositionWearsNothing) {
    partyOf(1);
    wear(0, 41, 1);
    sentou& s = openRandom(1, {2});
    clickEnemy(1);
    s.ActorPos = 2;
    draws({0.0, 0.5, 0.0});
    s.Command1_Click(4);
    EXPECT_TRUE(allDrawsUsed());
    EXPECT_EQ(st().CharAttack[0], 30);  // position 1 only; the empty second is nobody
    EXPECT_EQ(s.GuardCode, 0);
}
