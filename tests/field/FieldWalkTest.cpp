// Walking on the field: reading event cells, the keys and the mouse, the movement tick with its
// bounce off event cells and the encounter roll, and the edges of the map.
#include "FieldFixture.h"
#include "FieldPrinters.h"
#include "field/FieldMoves.h"
#include "party/ItemScreen.h"
#include "platform/Label.h"

TEST(EventCells, TypeAndCodeComeFromTheFirstAndLastCharacters) {
    const std::pair<Value, std::pair<int, int>> cases[] = {
        {Value(5012), {5, 12}},  {Value(307), {3, 7}},  {Value(100), {1, 0}},
        {Value(6123), {6, 123}}, {Value(612), {6, 12}}, {Value(6712), {6, 12}},
        {Value(), {0, 0}},       {Value(0), {0, 0}},    {Value("7-1"), {7, -1}}};
    for (const auto& [cell, want] : cases) {
        const EventCell e = decodeEventCell(cell);
        EXPECT_EQ(std::pair(e.type, e.code), want) << cell.text().toStdString();
    }
}

TEST(MouseDirections, QuadrantsAroundTheCellRightOfTheParty) {
    auto at = [](int cx, int cy, int previous) {
        return mouseDirection(cx * 48 + 47, cy * 48 + 1, previous);
    };
    EXPECT_EQ(at(12, 6, 0), 2);  // right
    EXPECT_EQ(at(3, 7, 0), 1);   // left, a little lower
    EXPECT_EQ(at(9, 12, 0), 3);  // straight down
    EXPECT_EQ(at(10, 0, 2), 0);  // up, a little right
    EXPECT_EQ(at(11, 8, 0), 2);  // diagonals point sideways
    EXPECT_EQ(at(7, 4, 0), 1);
    // The reference cell and the cells right above and below it keep the last direction.
    EXPECT_EQ(at(9, 6, 3), 3);
    EXPECT_EQ(at(9, 5, 2), 2);
    EXPECT_EQ(at(9, 7, 1), 1);
}

namespace {
class Walking : public FieldTest {
  protected:
    Walking() { FieldMap(9).event(2, 2, "303").event(5, 5, "100").write(data, "cave.map"); }
};
}  // namespace

TEST_F(Walking, ArrowKeysMoveOneCellPerTickUntilReleased) {
    Main_Fr& f = openField("cave.map", 4, 4);
    walk(Qt::Key_Up, 2);
    EXPECT_EQ(party(), QPoint(4, 2));
    EXPECT_EQ(f.facing(), 0);
    EXPECT_EQ(f.walkFrame(), 0);  // toggled twice
    walk(Qt::Key_Right);
    EXPECT_EQ(party(), QPoint(5, 2));
    EXPECT_EQ(f.facing(), 1);
    EXPECT_EQ(f.walkFrame(), 1);
    f.M2_Map_KeyDown(Qt::Key_Space);  // other keys change nothing
    EXPECT_EQ(st().MoveDir, 3);
    release();
    f.Timer1_Timer();
    EXPECT_EQ(party(), QPoint(5, 2));
    EXPECT_EQ(st().MoveDir, 0);
}

TEST_F(Walking, TheMouseHoldsADirectionAndItsReleaseStops) {
    Main_Fr& f = openField("cave.map", 4, 4);
    f.M2_Map_MouseDown(5 * 48, 6 * 48);  // left of the party
    EXPECT_EQ(f.mouseDir(), 1);
    EXPECT_EQ(f.facing(), 3);
    f.Timer1_Timer();
    EXPECT_EQ(party(), QPoint(3, 4));
    f.M2_Map_MouseUp(5 * 48, 6 * 48);
    f.M2_Map_MouseDown(9 * 48 + 10, 5 * 48 + 3);  // right above the reference cell: still left
    f.Timer1_Timer();
    EXPECT_EQ(party(), QPoint(2, 4));
    f.M2_Map_MouseUp(0, 0);
    f.Timer1_Timer();
    EXPECT_EQ(party(), QPoint(2, 4));
}

TEST_F(Walking, AWallBouncesThePartyAndStillRollsForABattle) {
    Main_Fr& f = openField("cave.map", 5, 6);
    st().PlaceEncounter[kPlace] = Value(30);
    st().EncounterRate = 30;
    pf.randomDraws = {0.99};  // 100: no battle
    walk(Qt::Key_Up);
    EXPECT_EQ(party(), QPoint(5, 6));
    EXPECT_EQ(st().EventType, 1);
    EXPECT_TRUE(pf.randomDraws.empty());
    EXPECT_EQ(f.walkFrame(), 1);
    EXPECT_EQ(st().MoveDir, 1);  // still held: the next tick bounces again
}

TEST_F(Walking, ThePartyStandsOnTheStandingCellAndTheEmptyEventRepeats) {
    Main_Fr& f = openField("cave.map", 2, 3);
    walk(Qt::Key_Up);
    EXPECT_EQ(party(), QPoint(2, 2));
    release();
    f.Timer1_Timer();
    EXPECT_EQ(party(), QPoint(2, 2));
    EXPECT_EQ(std::pair(st().EventType, st().EventCode), std::pair(3, 3));
}

TEST_F(Walking, TheEdgeOfAMapWithoutWallsStopsTheParty) {
    FieldMap(4, false).write(data, "open.map");
    openField("open.map", 0, 2);
    walk(Qt::Key_Left, 2);
    EXPECT_EQ(party(), QPoint(0, 2));
    walk(Qt::Key_Down, 4);
    EXPECT_EQ(party(), QPoint(0, 4));
    EXPECT_EQ(st().EventType, 1);
}

TEST_F(Walking, NoTickRunsBehindAScreenOrAMessageItOpened) {
    Main_Fr& f = openField("cave.map", 4, 4);
    onShow<Item>([&](Item& item) {
        f.Timer1_Timer();
        item.Unload();
    });
    st().MoveDir = 1;
    f.Im01_Click();  // the menu keeps the direction
    EXPECT_EQ(party(), QPoint(4, 4));

    FieldMap(9).event(4, 3, "308").write(data, "cave.map");  // a fountain above
    f.map_load1();
    bool once = false;
    pf.onMessage = [&](const QString&) {
        if (!std::exchange(once, true)) f.Timer1_Timer();
    };
    walk(Qt::Key_Up);
    EXPECT_EQ(party(), QPoint(4, 4));
    EXPECT_EQ(pf.messages.size(), 1);
}
