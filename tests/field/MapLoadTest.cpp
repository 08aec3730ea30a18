// Loading maps with their lasting changes, and moving up and down the map stack.
#include <gtest/gtest.h>

#include "FieldPrinters.h"
#include "core/GameError.h"
#include "core/Music.h"
#include "field/MapLoad.h"
#include "support/GameTest.h"

namespace {
// A size-4 map: ground 100 + column, feature 0, prop 7, block 8, tall 0, event 0; the walls
// around it are events 100.
QString smallMap() {
    QString text = QStringLiteral("4,0,0,0,0,0\n");
    for (int y = 0; y <= 4; ++y) {
        QStringList row;
        for (int x = 0; x <= 4; ++x) {
            const bool wall = x == 0 || y == 0 || x == 4 || y == 4;
            row << QStringLiteral("%1,0,7,8,0,%2").arg(100 + x).arg(wall ? 100 : 0);
        }
        text += row.join(u',') + u'\n';
    }
    return text;
}

// Fills CellLog row n; an absent optional value stays empty.
void logCell(GameState& st, int n, const QString& map, int mapX, int mapY, Value block, Value event,
             Value feature, Value prop) {
    st.CellLog(n, 0) = map;
    st.CellLog(n, 1) = mapX;
    st.CellLog(n, 2) = mapY;
    st.CellLog(n, 3) = block;
    st.CellLog(n, 4) = event;
    st.CellLog(n, 5) = feature;
    st.CellLog(n, 6) = prop;
    st.CellLogCount = std::max(st.CellLogCount, n);
}
}  // namespace

class MapLoading : public GameTest {
  protected:
    MapLoading() {
        data.write("cave.map", smallMap());
        st().MapFileName = "cave.map";
    }
    FieldMapState field;
};

TEST_F(MapLoading, TheMapReplacesEverythingOfThePreviousOne) {
    st().GroundGrid(3, 0) = Value(55);
    st().EventGrid(50, 50) = Value(305);
    st().TallGrid(5, 2) = Value(9);
    field.KEvOnce = 1;
    map_load1(*game, field);
    EXPECT_EQ(st().MapSize, 4);
    EXPECT_EQ(st().GroundGrid(3, 0), Value(103));
    EXPECT_EQ(st().PropGrid(2, 2), Value(7));
    EXPECT_EQ(st().EventGrid(0, 2), Value(100));
    EXPECT_EQ(st().EventGrid(50, 50), Value(0));
    EXPECT_EQ(st().TallGrid(5, 2), Value(0));  // beyond the map: cleared
    EXPECT_EQ(field.KEvOnce, 0);
}

TEST_F(MapLoading, CellLogEntriesChangeOnlyTheLayersTheyHold) {
    // (5) of 0 keeps the feature, (4) of 0 clears the event, empty (3) and (6) keep their layers.
    st().FeatureGrid(2, 2) = Value(1);
    logCell(st(), 1, "cave.map", 3, 2, Value(), Value(0), Value(0), Value());
    logCell(st(), 2, "cave.map", 4, 1, Value(0), Value(304), Value(1311), Value(0));
    data.write("cave.map", smallMap().replace("102,0,7,8,0,0", "102,1222,7,8,0,5012"));
    map_load1(*game, field);
    EXPECT_EQ(st().FeatureGrid(2, 2), Value(1222));
    EXPECT_EQ(st().EventGrid(2, 2), Value(0));
    EXPECT_EQ(st().BlockGrid(2, 2), Value(8));
    EXPECT_EQ(st().PropGrid(2, 2), Value(7));
    // A revealed staircase: every layer it names.
    EXPECT_EQ(st().FeatureGrid(3, 1), Value(1311));
    EXPECT_EQ(st().EventGrid(3, 1), Value(304));
    EXPECT_EQ(st().BlockGrid(3, 1), Value(0));
    EXPECT_EQ(st().PropGrid(3, 1), Value(0));
}

TEST_F(MapLoading, TheLaterOfTwoEntriesForOneCellWinsForTheLayersItSets) {
    logCell(st(), 1, "cave.map", 3, 3, Value(1), Value(201), Value(1400), Value(3));
    logCell(st(), 5, "cave.map", 3, 3, Value(), Value(0), Value(1500), Value());
    // Entries of other maps, even one named without its ending, change nothing here.
    logCell(st(), 6, "cave", 3, 3, Value(9), Value(9), Value(9), Value(9));
    logCell(st(), 7, "hill.map", 3, 3, Value(9), Value(9), Value(9), Value(9));
    map_load1(*game, field);
    EXPECT_EQ(st().BlockGrid(2, 3), Value(1));
    EXPECT_EQ(st().EventGrid(2, 3), Value(0));
    EXPECT_EQ(st().FeatureGrid(2, 3), Value(1500));
    EXPECT_EQ(st().PropGrid(2, 3), Value(3));
}

TEST_F(MapLoading, AnOpenedChestStaysOpenAndBlockedAfterEveryLoad) {
    data.write("cave.map", smallMap().replace("102,0,7,8,0,0", "102,1505,7,8,0,7003"));
    st().OpenLog(1, 0) = "cave.map";
    st().OpenLog(1, 1) = 3;
    st().OpenLog(1, 2) = 2;
    st().OpenLogCount = 1;
    for (int load = 0; load < 2; ++load) {
        st().FeatureGrid(2, 2) = Value(1505);  // as if the chest had been shown closed meanwhile
        map_load1(*game, field);
        EXPECT_EQ(st().FeatureGrid(2, 2), Value(1506));
        EXPECT_EQ(st().EventGrid(2, 2), Value(100));
    }
}

TEST_F(MapLoading, ALogEntryOutsideTheGridsIsBrokenData) {
    logCell(st(), 3, "cave.map", 0, 2, Value(), Value(0), Value(), Value());  // column -1
    try {
        map_load1(*game, field);
        FAIL() << "no error";
    } catch (const GameError& e) {
        EXPECT_EQ(e.position(), "CellLog entry 3");
    }
}

TEST_F(MapLoading, ABrokenMapFileLeavesTheGridsAsTheyWere) {
    map_load1(*game, field);
    data.write("cave.map", "4,0,0,0,0,0\n1,2,3\n");
    EXPECT_THROW(map_load1(*game, field), GameError);
    EXPECT_EQ(st().GroundGrid(3, 1), Value(103));
    EXPECT_EQ(st().MapSize, 4);
    st().MapFileName = "missing.map";
    EXPECT_THROW(map_load1(*game, field), GameError);
}

TEST_F(MapLoading, EachLoadReadsTheMapsStairsFileAndKeepsTheTableWithoutOne) {
    data.write("cave", "1,2\n" + QStringLiteral("5,6,").repeated(10) + "7,8\n");
    map_load1(*game, field);
    EXPECT_EQ(field.StairsType, Value(1));
    EXPECT_EQ(field.StartFloor, Value(2));
    EXPECT_EQ(st().StairX[0], 5);
    EXPECT_EQ(st().StairY[10], 8);

    data.write("deep.map", smallMap());
    data.write("deep", "0,1\nd0,d1,d2,d3,d4,d5,d6,d7,d8,d9,d10\n");
    st().MapFileName = "deep.map";
    map_load1(*game, field);
    EXPECT_EQ(field.StairsType, Value(0));
    EXPECT_EQ(st().FloorMap[2], Value("d2"));
    EXPECT_EQ(st().StairX[0], 5);  // a floor-map table leaves the destinations alone

    data.write("plain.map", smallMap());
    st().MapFileName = "plain.map";
    map_load1(*game, field);
    EXPECT_EQ(field.StairsType, Value(0));  // no stairs file: the table stays
    EXPECT_EQ(st().FloorMap[2], Value("d2"));
}

TEST_F(MapLoading, MapClearEmptiesAllSixGrids) {
    map_load1(*game, field);
    Map_Clear(st());
    for (auto* grid : {&st().GroundGrid, &st().FeatureGrid, &st().PropGrid, &st().BlockGrid,
                       &st().TallGrid, &st().EventGrid}) {
        EXPECT_EQ((*grid)(1, 1), Value(0));
        EXPECT_EQ((*grid)(0, 0), Value(0));
    }
}

class MapStack : public MapLoading {
  protected:
    MapStack() {
        data.write("forest.map", smallMap());
        st().PlaceMap[9] = "forest";
        st().PlaceEncounter[9] = 12;
        st().PlaceBattleBack[9] = "back9.jpeg";
        st().PlaceBgm[9] = "forest.mid";
        st().PlaceEntry(9, 0) = 2;
        st().PlaceEntry(9, 4) = 3;
        st().MapDepth = 1;
        st().MapX = 3;
        st().MapY = 1;
        st().BgmFile = "cave.mid";
        st().EncounterRate = 5;
        st().BattleBack = "back8.jpeg";
        st().CurPlace = 8;
        st().Lighting = 2;
        st().MoveDir = 4;
        st().EventCode = 9;
    }
};

TEST_F(MapStack, EnteringAPlaceRemembersTheOneLeftAndTakesTheNewPlacesValues) {
    int commandsAtRedraw = -1;
    map_set(*game, field, [&] { commandsAtRedraw = int(pf.mciCommands.size()); });
    EXPECT_EQ(st().MapDepth, 2);
    EXPECT_EQ(st().StackMap[1], Value("cave.map"));
    EXPECT_EQ(st().StackX[1], Value(3));
    EXPECT_EQ(st().StackY[1], Value(1));
    EXPECT_EQ(st().StackRate[1], Value(5));
    EXPECT_EQ(st().StackBack[1], Value("back8.jpeg"));
    EXPECT_EQ(st().StackBgm[1], Value("cave.mid"));
    EXPECT_EQ(st().StackArea[1], Value(8));
    EXPECT_EQ(st().MapFileName, "forest.map");
    EXPECT_EQ(st().MapX, 2);
    EXPECT_EQ(st().MapY, 3);
    EXPECT_EQ(st().EncounterRate, 12);
    EXPECT_EQ(st().BattleBack, "back9.jpeg");
    EXPECT_EQ(st().CurPlace, 9);
    EXPECT_EQ(st().MoveDir, 0);
    EXPECT_EQ(st().Lighting, 0);
    EXPECT_EQ(st().GroundGrid(1, 1), Value(101));
    // The music stops, the view is redrawn with the new map, then the new place's track starts.
    const QString track = "\"" + st().DataPath + "forest.mid\"";
    EXPECT_EQ(pf.mciCommands, (QStringList{bgm::kStop, bgm::kCloseAll,
                                           "open " + track + " alias bgm", bgm::kPlay}));
    EXPECT_EQ(commandsAtRedraw, 2);
    EXPECT_EQ(st().BgmFile, track);
}

TEST_F(MapStack, GoingBackOneDepthReturnsToTheExactCellButKeepsTheLeftPlacesMusic) {
    map_set(*game, field);
    st().MapX = 4;
    st().Lighting = 1;
    pf.mciCommands.clear();
    map01_set(*game, field);
    EXPECT_EQ(st().MapDepth, 1);
    EXPECT_EQ(st().MapFileName, "cave.map");
    EXPECT_EQ(st().MapX, 3);
    EXPECT_EQ(st().MapY, 1);
    EXPECT_EQ(st().Lighting, 0);
    // Only the map and the position come back.
    EXPECT_EQ(st().EncounterRate, 12);
    EXPECT_EQ(st().CurPlace, 9);
    const QString track = "\"" + st().DataPath + "forest.mid\"";
    EXPECT_EQ(st().BgmFile, track);
    EXPECT_EQ(pf.mciCommands, (QStringList{bgm::kStop, bgm::kCloseAll,
                                           "open " + track + " alias bgm", bgm::kPlay}));
}

TEST_F(MapStack, BackToTheWorldMapStopsTheMusicAndPointsAtTheMapOfDepthZero) {
    st().StackMap[0] = "Map_f01.map";
    Map_Set2(*game);
    EXPECT_EQ(st().MapFileName, "Map_f01.map");
    EXPECT_EQ(st().MapDepth, 0);
    EXPECT_EQ(pf.mciCommands, (QStringList{bgm::kStop, bgm::kCloseAll}));
}

TEST_F(MapStack, EnteringBeyondTheDeepestDepthIsBrokenData) {
    st().MapDepth = 11;
    EXPECT_THROW(map_set(*game, field), GameError);
}
