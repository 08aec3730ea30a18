// The character rules: joining, derived values, the equipment rule, the inventory order and the
// two logs of lasting map changes.
#include <gtest/gtest.h>

#include "party/CharacterRules.h"
#include "support/Errors.h"
#include "support/GameTest.h"

namespace {
class CharacterRules : public GameTest {
  protected:
    CharacterRules() {
        equip(1, "銅の剣", 5, 0, 1);
        equip(2, "革の鎧", 3, 0, 2);
        equip(3, "木の兜", 2, 0, 3);
        equip(4, "小さな盾", 1, 0, 4);
        equip(5, "お守り", 9, 0, 5);
    }

    EquipRecord& equip(int n, const QString& name, int power, int mask, int slot) {
        EquipRecord& e = st().EquipTable[n];
        e.EquipNo = n;
        e.EquipName = name.leftJustified(20, u' ');
        e.EquipPower = power;
        e.EquipClassMask = mask;
        e.EquipSlot = slot;
        return e;
    }

    CharacterRecord& character(int c, int level) {
        CharacterRecord& r = st().CharacterTable[c];
        r.Level = level;
        r.MaxHP = 30;
        r.MaxMP = 7;
        r.Vitality = 5;
        r.Strength = 8;
        r.Intellect = 4;
        r.Agility = 6;
        return r;
    }

    void join(int c) {
        st().CurChar = c;
        Ca_Join(st());
    }
};
}  // namespace

// --- Joining and derived values ------------------------------------------------------------

TEST_F(CharacterRules, LevelOneJoinerHasNoExperienceAndFortyToGo) {
    character(2, 1);
    join(2);
    EXPECT_EQ(st().CharLevel[2], 1);
    EXPECT_EQ(st().CharExp[2], 0);
    EXPECT_EQ(st().CharNextExp[2], 40);
    EXPECT_EQ(st().CharNextExp[2] - st().CharExp[2], 40);
}

TEST_F(CharacterRules, LevelFiveJoinerHasEightHundredAndTwoHundredToGo) {
    character(2, 5);
    join(2);
    EXPECT_EQ(st().CharExp[2], 800);
    EXPECT_EQ(st().CharNextExp[2], 1000);
    EXPECT_EQ(st().CharNextExp[2] - st().CharExp[2], 200);
}

TEST_F(CharacterRules, JoiningFillsHitPointsAndTheFiveSlots) {
    CharacterRecord& r = character(0, 1);
    r.WeaponNo = 1;
    r.ArmourNo = 2;
    r.HelmetNo = 3;
    r.ShieldNo = 4;
    r.ExtraNo = 5;
    st().CharHP[0] = 3;
    join(0);
    EXPECT_EQ(st().CharHP[0], 30);
    EXPECT_EQ(st().CharMP[0], 7);
    EXPECT_EQ(st().CharEquipName(0, 1), QStringLiteral("銅の剣").leftJustified(20, u' '));
    EXPECT_EQ(st().CharEquipPower(0, 2), 3);
    EXPECT_EQ(st().CharEquipNo(0, 4), 4);
    EXPECT_EQ(st().CharEquipPower(0, 5), 9);
    EXPECT_EQ(st().CharAttack[0], 5 + 8);
    EXPECT_EQ(st().CharDefence[0], 3 + 2 + 1 + 5);  // the fifth slot adds nothing
}

TEST_F(CharacterRules, EmptySlotsReadBlankAndAddNothing) {
    character(1, 1);
    join(1);
    EXPECT_EQ(st().CharAttack[1], 8);  // Strength alone
    EXPECT_EQ(st().CharEquipName(1, 1), QString(20, u' '));
    EXPECT_EQ(st().CharEquipNo(1, 1), 0);
}

TEST_F(CharacterRules, DefenceAndMagicDefenceRoundHalvesDown) {
    character(0, 1);  // Vitality 5 + Agility 6 = 11, Agility 6 + Intellect 4 = 10
    join(0);
    EXPECT_EQ(st().CharDefence[0], 5);
    EXPECT_EQ(st().CharMagicDefence[0], 5);
    st().CharacterTable[0].Intellect = 5;  // 11 / 2
    Ca_Calc(st());
    EXPECT_EQ(st().CharMagicDefence[0], 5);
    st().CharacterTable[0].Vitality = -9;  // -3 / 2 rounds toward minus infinity
    Ca_Calc(st());
    EXPECT_EQ(st().CharDefence[0], -2);
}

TEST_F(CharacterRules, CalcUsesTheWorkingLevelAndTheRecordsEquipment) {
    character(0, 1);
    join(0);
    st().CharLevel[0] = 3;  // after a level-up
    st().CharacterTable[0].WeaponNo = 1;
    Ca_Calc(st());
    EXPECT_EQ(st().CharNextExp[0], 360);
    EXPECT_EQ(st().CharAttack[0], 13);
    EXPECT_EQ(st().CharExp[0], 0);  // experience is not touched
}

TEST_F(CharacterRules, OnlyCharactersZeroToTenHaveARunningState) {
    character(11, 1);
    st().CurChar = 11;
    GameError e = errorFrom([&] { Ca_Join(st()); });
    EXPECT_EQ(e.position(), "character 11");
    EXPECT_EQ(errorFrom([&] { Ca_Calc(st()); }).position(), "character 11");
}

TEST_F(CharacterRules, EquipmentNumberBeyondTheTableChangesNothing) {
    character(3, 4).ShieldNo = 101;
    st().CharHP[3] = 2;
    st().CurChar = 3;
    GameError e = errorFrom([&] { Ca_Join(st()); });
    EXPECT_EQ(e.position(), "character 3, equipment slot 4");
    EXPECT_EQ(st().CharHP[3], 2);
    EXPECT_EQ(st().CharLevel[3], 0);
}

// --- Equipment rule ----------------------------------------------------------------------------

namespace {
// The classes 1..11 a mask admits.
std::vector<int> admitted(int mask) {
    std::vector<int> out;
    for (int k = 1; k <= 11; ++k)
        if (classMayWear(k, mask)) out.push_back(k);
    return out;
}
}  // namespace

TEST(ClassRule, MaskDigitsAdmitTheirClasses) {
    using V = std::vector<int>;
    EXPECT_EQ(admitted(0), (V{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}));
    EXPECT_EQ(admitted(7), (V{1, 4, 7, 11}));
    EXPECT_EQ(admitted(135), (V{1, 2, 3, 5, 7, 11}));
    EXPECT_EQ(admitted(20), (V{5}));
    EXPECT_EQ(admitted(1), (V{1, 11}));
    EXPECT_EQ(admitted(10), (V{2}));
    EXPECT_EQ(admitted(200), (V{6}));
    EXPECT_EQ(admitted(500), (V{}));  // the first digit knows bits 1 and 2 only
    EXPECT_EQ(admitted(444), (V{7, 8}));
}

TEST_F(CharacterRules, ClassElevenIsJudgedAsClassOne) {
    character(0, 1).ClassNo = 11;
    equip(6, "長剣", 9, 1, 1);
    equip(7, "杖", 2, 10, 1);
    st().CurChar = 0;
    EXPECT_EQ(Equip_Chk(st(), 6), 1);
    EXPECT_EQ(st().EquipOK, 1);
    EXPECT_EQ(Equip_Chk(st(), 7), 0);
    EXPECT_EQ(st().EquipOK, 0);
}

TEST_F(CharacterRules, ClassesNineAndTenWearOnlyMaskZero) {
    equip(6, "誰でも", 1, 0, 2);
    equip(7, "限定", 1, 777, 2);
    for (int cls : {9, 10}) {
        character(0, 1).ClassNo = cls;
        st().CurChar = 0;
        EXPECT_EQ(Equip_Chk(st(), 6), 1) << cls;
        EXPECT_EQ(Equip_Chk(st(), 7), 0) << cls;
    }
}

TEST_F(CharacterRules, SpecialPiecesBelongToOneGroupWhateverTheMask) {
    equip(18, "勇者の剣", 20, 0, 1);
    equip(24, "賢者の杖", 10, 20, 1);  // mask for class 5 only
    CharacterRecord& r = character(0, 1);
    r.ClassNo = 1;
    r.CharNo = 1;
    st().CurChar = 0;
    EXPECT_EQ(Equip_Chk(st(), 18), 0);  // mask 0, but number 18 belongs to group 0
    EXPECT_EQ(Equip_Chk(st(), 24), 1);  // class 1 fails the mask, group 1 owns it
    r.CharNo = 0;
    EXPECT_EQ(Equip_Chk(st(), 18), 1);
    EXPECT_EQ(Equip_Chk(st(), 24), 0);
}

TEST(SpecialEquipment, NumbersAndTheirGroups) {
    for (int n : {4, 18, 30, 41}) EXPECT_EQ(specialEquipGroup(n), 0) << n;
    for (int n : {24, 35}) EXPECT_EQ(specialEquipGroup(n), 1) << n;
    for (int n : {25, 36}) EXPECT_EQ(specialEquipGroup(n), 2) << n;
    for (int n : {26, 37}) EXPECT_EQ(specialEquipGroup(n), 3) << n;
    for (int n : {0, 1, 3, 5, 19, 27, 38, 40, 42, 100}) EXPECT_FALSE(specialEquipGroup(n)) << n;
}

// --- Inventory order ---------------------------------------------------------------------------

TEST_F(CharacterRules, SortPutsCodesInOrderAndFreeEntriesLast) {
    const Value codes[] = {Value(), Value(103), Value(5), Value(QString()), Value(101)};
    for (int i = 0; i < 5; ++i) st().InvItem[i] = codes[i];
    st().ItemCount = 3;
    Inv_Sort(st());
    EXPECT_EQ(st().InvItem[0], Value(5));
    EXPECT_EQ(st().InvItem[1], Value(101));
    EXPECT_EQ(st().InvItem[2], Value(103));
    for (int i = 3; i <= 50; ++i) {
        EXPECT_TRUE(st().InvItem[i].isBlank()) << i;
        EXPECT_EQ(st().InvKind[i], Value(0)) << i;
    }
    EXPECT_EQ(st().ItemCount, 3);
}

TEST_F(CharacterRules, SortMovesWholeEntriesAndIncludesTheLastSlot) {
    st().InvItem[10] = Value(102);
    st().InvName[10] = Value("傷薬");
    st().InvKind[10] = Value(0);
    st().InvPower[10] = Value(30);
    st().InvItem[50] = Value(7);
    st().InvName[50] = Value("剣");
    st().InvKind[50] = Value(1);
    st().InvPower[50] = Value(12);
    Inv_Sort(st());
    EXPECT_EQ(st().InvItem[0], Value(7));
    EXPECT_EQ(st().InvName[0], Value("剣"));
    EXPECT_EQ(st().InvKind[0], Value(1));
    EXPECT_EQ(st().InvPower[0], Value(12));
    EXPECT_EQ(st().InvItem[1], Value(102));
    EXPECT_EQ(st().InvPower[1], Value(30));
    EXPECT_TRUE(st().InvItem[50].isBlank());
}

// --- Map-change logs -----------------------------------------------------------------------------

namespace {
class CellLogs : public GameTest {
  protected:
    CellLogs() {
        st().MapFileName = "mori001.map";
        st().MapX = 10;
        st().MapY = 7;
        st().MoveDir = 2;
    }
};
}  // namespace

TEST_F(CellLogs, OpenFacingLeftLogsTheCellAndMarksTheGrid) {
    Cell_Open(st());
    EXPECT_EQ(st().OpenLogCount, 1);
    EXPECT_EQ(st().OpenLog(1, 0), Value("mori001.map"));
    EXPECT_EQ(st().OpenLog(1, 1), Value(9));
    EXPECT_EQ(st().OpenLog(1, 2), Value(7));
    EXPECT_EQ(st().FeatureGrid(8, 7), Value(1506));
    EXPECT_EQ(st().EventGrid(8, 7), Value(100));
    EXPECT_TRUE(st().OpenLog(0, 0).isEmpty());
}

TEST_F(CellLogs, EachDirectionNamesItsNeighbour) {
    const std::pair<int, CellAhead> cases[] = {
        {1, {10, 6}}, {2, {9, 7}}, {3, {11, 7}}, {4, {10, 8}}, {7, {10, 7}}};
    for (auto [dir, want] : cases) {
        st().MoveDir = dir;
        CellAhead c = cellAhead(st());
        EXPECT_EQ(c.x, want.x) << dir;
        EXPECT_EQ(c.y, want.y) << dir;
    }
}

TEST_F(CellLogs, StandingStillUsesTheRememberedDirection) {
    st().MoveDir = 0;
    st().SavedDirection = 4;
    Cell_Clear(st());
    EXPECT_EQ(st().CellLog(1, 1), Value(10));
    EXPECT_EQ(st().CellLog(1, 2), Value(8));
    EXPECT_EQ(st().MoveDir, 0);  // the party keeps standing
}

TEST_F(CellLogs, ClearEmptiesBlockAndEventAndLogsZeros) {
    st().BlockGrid(8, 7) = Value(305);
    st().EventGrid(8, 7) = Value(5081);
    st().FeatureGrid(8, 7) = Value(1100);
    st().CellLogCount = 4;
    Cell_Clear(st());
    EXPECT_EQ(st().CellLogCount, 5);
    EXPECT_EQ(st().CellLog(5, 0), Value("mori001.map"));
    EXPECT_EQ(st().CellLog(5, 1), Value(9));
    EXPECT_EQ(st().CellLog(5, 2), Value(7));
    EXPECT_EQ(st().CellLog(5, 3), Value(0));
    EXPECT_EQ(st().CellLog(5, 4), Value(0));
    EXPECT_TRUE(st().CellLog(5, 5).isEmpty());
    EXPECT_EQ(st().BlockGrid(8, 7), Value(0));
    EXPECT_EQ(st().EventGrid(8, 7), Value(0));
    EXPECT_EQ(st().FeatureGrid(8, 7), Value(1100));
}

TEST_F(CellLogs, ClearingTheSameCellAgainAddsNoSecondRow) {
    st().MoveDir = 2;
    Cell_Clear(st());
    Cell_Clear(st());
    EXPECT_EQ(st().CellLogCount, 1);
    st().MoveDir = 1;  // another cell: a row of its own
    Cell_Clear(st());
    st().MoveDir = 2;  // the first one again, no longer the last row
    Cell_Clear(st());
    EXPECT_EQ(st().CellLogCount, 3);
    EXPECT_EQ(st().CellLog(3, 1), Value(9));
}

// A full list of opened chests keeps its rows (the chest opens on the map in play only); a full
// change log makes room for the newest change (the story's steps go through it).
TEST_F(CellLogs, FullLogsKeepTheirRowsButTheMapInPlayStillChanges) {
    st().OpenLogCount = 100;
    st().OpenLog(100, 0) = Value("old.map");
    st().CellLogCount = 100;
    st().CellLog(100, 0) = Value("old.map");
    Cell_Open(st());
    st().MoveDir = 3;
    Cell_Clear(st());
    EXPECT_EQ(st().OpenLogCount, 100);
    EXPECT_EQ(st().OpenLog(100, 0), Value("old.map"));
    ASSERT_LE(st().CellLogCount, 100);
    EXPECT_EQ(st().CellLog(st().CellLogCount, 0), Value(st().MapFileName));
    EXPECT_EQ(st().CellLog(st().CellLogCount - 1, 0), Value("old.map"));
    EXPECT_EQ(st().FeatureGrid(8, 7), Value(1506));
    EXPECT_EQ(st().EventGrid(10, 7), Value(0));
}

TEST_F(CellLogs, CellOutsideTheGridsIsLeftAlone) {
    st().MapX = 1;  // the party stands in column 0; the cell to its left is off the map
    Cell_Open(st());
    Cell_Clear(st());
    EXPECT_EQ(st().OpenLogCount, 0);
    EXPECT_EQ(st().CellLogCount, 0);
    st().MapX = 10;
    st().MapY = 100;
    st().MoveDir = 4;
    Cell_Clear(st());
    EXPECT_EQ(st().CellLogCount, 0);
}
