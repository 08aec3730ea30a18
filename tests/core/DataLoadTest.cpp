// Loading every table from the data directory: the order of the files, and that a broken file
// leaves the live tables as they were.
#include <gtest/gtest.h>

#include "core/DataLoad.h"
#include "core/TableFiles.h"
#include "support/Errors.h"
#include "support/GameTest.h"
#include "support/SmallWorld.h"

namespace {
class DataLoadAll : public GameTest {
  protected:
    DataLoadAll() {
        writeSmallWorld(data);
        MasterFileNames{}.applyTo(st());
    }
};
}  // namespace

TEST_F(DataLoadAll, FillsEveryTable) {
    Data_LoadAll(st());
    EXPECT_EQ(st().CharacterTable[3].CharName.trimmed(), "ミア");
    EXPECT_EQ(st().EnemyTable[1].EnemyName.trimmed(), "スライム");
    EXPECT_EQ(st().EquipTable[2].EquipPower, 3);
    EXPECT_EQ(st().ItemTable[3].ItemKeep, 1);
    EXPECT_EQ(st().MagicTable[1].MagicCost, 3);
    EXPECT_EQ(st().ScenePicture[1], Value("sc01.bmp"));
    EXPECT_EQ(st().PlaceName[1], Value("深い森"));
    EXPECT_EQ(st().MatiList[0], Value("始まりの村"));
    EXPECT_EQ(st().BuildingA(1, 1), Value(10));
    EXPECT_EQ(st().TalkLine(1, 10), Value("話10"));
    EXPECT_EQ(st().PlaceBgm[1], Value("bgm02.wav"));
}

TEST_F(DataLoadAll, PlaceTableMapNamesWinOverThePlaceNameFile) {
    Data_LoadAll(st());
    EXPECT_EQ(st().PlaceMap[1], Value("mori001"));  // "timei_F" says "old01"
}

TEST_F(DataLoadAll, UsesTheCharacterFileNameOfTheState) {
    data.writeLines("Other_Ca", {"0,9,別人,戦士,1,1,1,1,1,1,1,1,1,0,0,0,0,0,1,0,0"});
    st().CaFileName = "Other_Ca";
    Data_LoadAll(st());
    EXPECT_EQ(st().CharacterTable[0].Level, 9);
}

TEST_F(DataLoadAll, ReloadGivesFileValuesBackAndKeepsSlotsNoRecordReaches) {
    Data_LoadAll(st());
    st().CharacterTable[0].Level = 30;  // levelled up in play
    st().CharacterTable[50].Level = 7;  // a slot beyond the file's records
    Data_LoadAll(st());
    EXPECT_EQ(st().CharacterTable[0].Level, 1);
    EXPECT_EQ(st().CharacterTable[50].Level, 7);
}

TEST_F(DataLoadAll, MissingFileIsNamed) {
    data.remove("Kaiwa_F");
    GameError e = errorFrom([&] { Data_LoadAll(st()); });
    EXPECT_EQ(e.file(), "Kaiwa_F");
}

TEST_F(DataLoadAll, BrokenFileLeavesNoHalfLoadedTables) {
    Data_LoadAll(st());
    st().CharacterTable[0].Level = 30;
    // Files before and after the broken one would change the tables if they were taken.
    data.writeLines("Ca_DataFile", {"0,2,新,戦士,1,1,1,1,1,1,1,1,1,0,0,0,0,0,1,0,0"});
    data.writeLines("MapEv_F", {"1,other,x.wav,y.jpg,0,1,1,1,1,1,1,1,1,1,1,0,5,0,0,0,7,0,0,0"});
    data.writeLines("M_DataFile", {"1,1,ヒール,0,20,3,,1,,0,,0,0"});  // cut short
    GameError e = errorFrom([&] { Data_LoadAll(st()); });
    EXPECT_EQ(e.file(), "M_DataFile");
    EXPECT_EQ(st().CharacterTable[0].Level, 30);
    EXPECT_EQ(st().PlaceMap[0], Value("Map_f01"));
}
