// The events of the field's cells, driven through the screen: conditional blocks, chests, stairs,
// switches, the gate and fountains.
#include "FieldFixture.h"
#include "FieldPrinters.h"
#include "field/FieldEvents.h"
#include "platform/Label.h"

namespace {
QString shownText(Main_Fr& f) {
    return f.Label1->isVisibleTo(&f) ? f.Label1->caption() : QString();
}
}  // namespace

// --- Conditional blocks ---------------------------------------------------------------------

namespace {
class Blocks : public FieldTest {
  protected:
    Blocks() {
        // Block 1 (kind 5, removed) above (4, 5); block 2 (kind 3, moves right) left of it.
        data.writeLines("KEv_F",
                        {"茨が道をふさいでいる,茨が枯れた,5,2", "大岩がある,大岩が転がった,3,0"});
        FieldMap(9)
            .event(4, 4, "551")
            .block(4, 4, 307)
            .event(3, 5, "552")
            .block(3, 5, 308)
            .event(6, 5, "553")
            .write(data, "cave.map");
    }
};
}  // namespace

TEST_F(Blocks, BeforeItsNeedABlockShowsTextAOnEveryTick) {
    Main_Fr& f = openField("cave.map", 4, 5);
    st().StoryProgress = 1;
    walk(Qt::Key_Up);
    EXPECT_EQ(shownText(f), QStringLiteral("茨が道をふさいでいる"));
    f.Label1->hide();
    f.Timer1_Timer();
    EXPECT_EQ(shownText(f), QStringLiteral("茨が道をふさいでいる"));
    EXPECT_EQ(party(), QPoint(4, 5));
    EXPECT_EQ(st().EventGrid(4, 4), Value(551));
    EXPECT_EQ(f.mapState().KEvOnce, 0);
}

TEST_F(Blocks, OnlyOneBlockActsPerMapLoad) {
    Main_Fr& f = openField("cave.map", 4, 5);
    st().StoryProgress = 2;
    walk(Qt::Key_Up);  // block 1 withers: the party steps onto its cell
    EXPECT_EQ(shownText(f), QStringLiteral("茨が枯れた"));
    release();
    EXPECT_EQ(party(), QPoint(4, 4));
    EXPECT_EQ(st().EventGrid(4, 4), Value(0));
    EXPECT_EQ(st().BlockGrid(4, 4), Value(0));
    ASSERT_EQ(st().CellLogCount, 1);
    EXPECT_EQ(st().CellLog(1, 1), Value(5));
    EXPECT_EQ(st().CellLog(1, 2), Value(4));

    walk(Qt::Key_Down);  // back to (4, 5)
    walk(Qt::Key_Left);  // block 2 only speaks
    EXPECT_EQ(shownText(f), QStringLiteral("大岩が転がった"));
    release();
    EXPECT_EQ(party(), QPoint(4, 5));
    EXPECT_EQ(st().EventGrid(3, 5), Value(552));

    // After a reload block 1 stays gone and block 2 may act: the party steps onto its cell and it
    // rolls right, onto the cell the party came from.
    f.map_load1();
    EXPECT_EQ(st().EventGrid(4, 4), Value(0));
    walk(Qt::Key_Left);
    EXPECT_EQ(party(), QPoint(3, 5));
    EXPECT_EQ(st().EventGrid(4, 5), Value(552));
    EXPECT_EQ(st().BlockGrid(4, 5), Value(308));
    EXPECT_EQ(st().BlockGrid(3, 5), Value(0));
    EXPECT_EQ(st().CellLogCount, 1);  // moved blocks are not remembered
}

TEST_F(Blocks, ABlockWithoutARowDoesNothing) {
    Main_Fr& f = openField("cave.map", 5, 5);
    walk(Qt::Key_Right);
    EXPECT_EQ(party(), QPoint(5, 5));
    EXPECT_FALSE(f.Label1->isVisibleTo(&f));
    EXPECT_EQ(f.mapState().KEvOnce, 0);
}

// --- Chests -----------------------------------------------------------------------------------

namespace {
class Chests : public FieldTest {
  protected:
    Chests() {
        readyTreasure();
        FieldMap(9)
            .event(3, 4, "703")
            .event(5, 4, "701")
            .event(4, 3, "700")
            .event(4, 5, "709")
            .write(data, "cave.map");
    }
    // "Takara_F": mode, a spare value, tiers 0..5, then finds 1..100.
    void treasure(const QString& mode, const QStringList& tiers,
                  const std::map<int, int>& finds = {}) {
        QStringList values{mode, "0"};
        for (int k = 0; k <= 5; ++k) values << (k < tiers.size() ? tiers[k] : QString());
        for (int t = 1; t <= 100; ++t)
            values << (finds.count(t) ? QString::number(finds.at(t)) : QString());
        data.writeLines("Takara_F", values);
    }
    bool closed(int column, int row) { return st().EventGrid(column, row).text().startsWith('7'); }
};
}  // namespace

TEST_F(Chests, AKeyItemAdvancesTheStoryAndStaysOutOfTheInventory) {
    treasure("0", {"50"}, {{3, 105}});
    st().StoryProgress = 4;
    st().ItemCount = 2;
    Main_Fr& f = openField("cave.map", 4, 4);
    walk(Qt::Key_Left);
    EXPECT_EQ(st().StoryProgress, 5);
    EXPECT_EQ(st().ItemCount, 2);
    EXPECT_EQ(shownText(f), QStringLiteral("アルトは星のかけらを見つけた\r"));
    EXPECT_EQ(st().EventGrid(3, 4), Value(100));
    EXPECT_EQ(st().FeatureGrid(3, 4), Value(1506));
    EXPECT_EQ(st().OpenLogCount, 1);
}

TEST_F(Chests, ARandomChestWithOnlyGoldGivesTheGold) {
    treasure("1", {"150"});
    st().Gold = 10;
    pf.randomDraws = {0.99};
    Main_Fr& f = openField("cave.map", 4, 4);
    walk(Qt::Key_Up);
    EXPECT_EQ(st().Gold, 160);
    EXPECT_EQ(shownText(f), QStringLiteral("アルトは150ゴールドを見つけた\r"));
    EXPECT_EQ(st().ItemCount, 0);
    EXPECT_FALSE(closed(4, 3));
}

TEST_F(Chests, EachModeDrawsItsTier) {
    // Gold, やくそう, どくけし: range 12 for modes 1 and 2.
    treasure("0", {"7", "1", "2"});
    Main_Fr& f = openField("cave.map", 4, 4);
    struct Case {
        const char* mode;
        double draw;
        int item;  // 0: gold
    };
    const Case cases[] = {{"0", 0.5, 101},  {"0", 0.9, 102}, {"1", 0.4, 0},   {"1", 0.75, 102},
                          {"1", 0.45, 101}, {"2", 0.41, 0},  {"2", 0.5, 101}, {"2", 0.9, 102}};
    for (const Case& c : cases) {
        treasure(c.mode, {"7", "1", "2"});
        st().EventGrid(4, 3) = Value(700);
        st().ItemCount = 0;
        st().InvItem[1] = Value();
        pf.randomDraws = {c.draw};
        walk(Qt::Key_Up);
        EXPECT_EQ(st().InvItem[1], c.item == 0 ? Value() : Value(c.item))
            << c.mode << " " << c.draw;
        EXPECT_EQ(st().ItemCount, c.item == 0 ? 0 : 1) << c.mode << " " << c.draw;
    }
    EXPECT_EQ(st().InvKind[1], Value(1));
    EXPECT_TRUE(shownText(f).startsWith(QStringLiteral("アルトはどくけしを")));
}

TEST_F(Chests, TheFiftiethEntryIsTakenAndTheNextChestStaysClosed) {
    treasure("0", {"50"}, {{1, 2}, {3, 105}});
    st().ItemCount = 49;
    Main_Fr& f = openField("cave.map", 4, 4);
    walk(Qt::Key_Right);
    EXPECT_EQ(st().ItemCount, 50);
    EXPECT_EQ(st().InvItem[50], Value(2));
    EXPECT_EQ(st().InvKind[50], Value(2));
    EXPECT_EQ(shownText(f), QStringLiteral("アルトは革の鎧を見つけた\r"));
    walk(Qt::Key_Left, 2);  // the key item too is refused
    EXPECT_EQ(shownText(f), kInventoryFull);
    EXPECT_TRUE(closed(3, 4));
    EXPECT_EQ(st().StoryProgress, 0);
    EXPECT_EQ(st().ItemCount, 50);
    EXPECT_EQ(st().OpenLogCount, 1);
}

TEST_F(Chests, AChestNamingMissingTreasureStaysShut) {
    treasure("0", {"50", "", "2"});  // a random draw of tier 1 finds nothing
    pf.randomDraws = {0.5};
    Main_Fr& f = openField("cave.map", 4, 4);
    walk(Qt::Key_Down);  // chest 9 has no find
    walk(Qt::Key_Up);
    EXPECT_TRUE(closed(4, 5));
    EXPECT_TRUE(closed(4, 3));
    EXPECT_EQ(st().ItemCount, 0);
    EXPECT_EQ(st().OpenLogCount, 0);
    EXPECT_FALSE(f.Label1->isVisibleTo(&f));
}

// --- Stairs -----------------------------------------------------------------------------------

TEST_F(FieldTest, StairsOfAMapPerFloorLeadUpAndBackDown) {
    const QString floors =
        QStringLiteral("0\n1\ntow1,tow1,tow2,tow2,tow2,tow2,tow2,tow2,tow2,tow2,tow2");
    FieldMap(9).event(3, 3, "304").write(data, "tow1.map");
    FieldMap(9).event(3, 3, "305").event(3, 7, "100").write(data, "tow2.map");
    data.write("tow1", floors);
    data.write("tow2", floors);
    openField("tow1.map", 3, 4);
    walk(Qt::Key_Up);
    EXPECT_EQ(st().MapFileName, QStringLiteral("tow2.map"));
    EXPECT_EQ(st().FloorNo, 2);
    EXPECT_EQ(party(), QPoint(3, 2));
    EXPECT_EQ(st().MoveDir, 0);
    EXPECT_EQ(st().EventGrid(3, 7), Value(100));
    walk(Qt::Key_Down);
    EXPECT_EQ(st().MapFileName, QStringLiteral("tow1.map"));
    EXPECT_EQ(st().FloorNo, 1);
    EXPECT_EQ(party(), QPoint(3, 4));
}

TEST_F(FieldTest, StairsOfFloorsOnOneMapComeBackToWhereThePartyWentUp) {
    FieldMap(9).event(3, 3, "304").event(7, 5, "305").write(data, "cave.map");
    data.write("cave", "1\n1\n0,0\n0,0\n8,2\n0,0\n0,0\n0,0\n0,0\n0,0\n0,0\n0,0\n0,0");
    openField("cave.map", 3, 4);
    walk(Qt::Key_Up);
    release();
    EXPECT_EQ(st().FloorNo, 2);
    EXPECT_EQ(party(), QPoint(7, 2));
    walk(Qt::Key_Down, 3);  // (7, 3), (7, 4), then the stairs down
    EXPECT_EQ(st().FloorNo, 1);
    EXPECT_EQ(party(), QPoint(3, 4));
}

// --- Switches, the gate, fountains ------------------------------------------------------------

TEST_F(FieldTest, TheFirstSwitchRevealsStairsThatStayAfterReloading) {
    FieldMap(30).event(6, 25, "306").write(data, "cave.map");
    Main_Fr& f = openField("cave.map", 6, 26);
    walk(Qt::Key_Up);
    EXPECT_EQ(pf.messages, QStringList{kSwitchMessage});
    EXPECT_EQ(st().SwitchKind, 2);
    EXPECT_EQ(st().SwitchDone, 1);
    EXPECT_EQ(party(), QPoint(6, 27));
    EXPECT_EQ(st().MoveDir, 0);
    ASSERT_EQ(st().CellLogCount, 1);
    const Value row[] = {Value("cave.map"), Value(7), Value(26), Value(0), Value(304), Value(1311)};
    for (int k = 0; k < 6; ++k) EXPECT_EQ(st().CellLog(1, k), row[k]) << k;
    f.map_load1();
    EXPECT_EQ(st().EventGrid(6, 26), Value(304));
    EXPECT_EQ(st().FeatureGrid(6, 26), Value(1311));
    st().MapX = 6;  // press it again from the left: the same change is not logged twice
    st().MapY = 25;
    walk(Qt::Key_Right);
    EXPECT_EQ(pf.messages.size(), 2);
    EXPECT_EQ(party(), QPoint(5, 26));
    EXPECT_EQ(st().CellLogCount, 1);
}

TEST_F(FieldTest, TheGateShutsBehindThePartyUntilTheStoryIsFarAlong) {
    FieldMap(60).event(29, 55, "307").event(30, 55, "307").write(data, "cave.map");
    Main_Fr& f = openField("cave.map", 29, 56);
    st().StoryProgress = 11;
    walk(Qt::Key_Up);
    EXPECT_EQ(party(), QPoint(29, 55));
    for (int column : {29, 30}) {
        EXPECT_EQ(st().FeatureGrid(column, 56), Value(1102));
        EXPECT_EQ(st().EventGrid(column, 56), Value(100));
        EXPECT_EQ(st().EventGrid(column, 55), Value(0));
    }
    st().StoryProgress = 12;
    f.map_load1();
    st().MapY = 56;
    walk(Qt::Key_Up);
    EXPECT_EQ(party(), QPoint(29, 56));  // bounced, and the gate stands open
    for (int column : {29, 30}) {
        EXPECT_EQ(st().FeatureGrid(column, 56), Value(1411));
        EXPECT_EQ(st().EventGrid(column, 56), Value(0));
        EXPECT_EQ(st().EventGrid(column, 55), Value(0));
    }
    walk(Qt::Key_Up);
    EXPECT_EQ(party(), QPoint(29, 55));
}

TEST_F(FieldTest, AFountainRestoresEveryPositionEvenAnEmptyOne) {
    FieldMap(9).event(4, 3, "308").write(data, "cave.map");
    GameState& s = st();
    s.PartyMember[1] = Value(2);
    s.PartyMember[2] = Value();  // read as character 0
    s.PartyMember[3] = Value(1);
    for (int c = 0; c < 4; ++c) {
        s.CharHP[c] = 0;
        s.CharMP[c] = 1;
    }
    openField("cave.map", 4, 4);
    walk(Qt::Key_Up);
    for (int c = 0; c < 4; ++c) {
        EXPECT_EQ(s.CharHP[c], 30 + c) << c;
        EXPECT_EQ(s.CharMP[c], 10 + c) << c;
    }
    EXPECT_EQ(pf.messages, QStringList{kFountainMessage});
    EXPECT_EQ(s.CurChar, 2);
    EXPECT_EQ(s.MoveDir, 0);
    EXPECT_EQ(party(), QPoint(4, 4));
}
