// The start-up procedure: configuration values, the data directory, the tables, the first
// screen, a restart, and a broken data set.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "core/Startup.h"
#include "story/TitleScreen.h"
#include "support/Errors.h"
#include "support/GameTest.h"
#include "support/SmallWorld.h"

namespace {
class Startup : public GameTest {
  protected:
    Startup() { writeSmallWorld(data); }
};
}  // namespace

TEST_F(Startup, SetsTheConfigurationLoadsTheTablesAndShowsTheTitle) {
    Main(*game);
    EXPECT_EQ(st().TwipsPerPixelX, 15);
    EXPECT_EQ(st().TwipsPerPixelY, 15);
    EXPECT_EQ(st().MapFileName, "Map_f01.map");
    EXPECT_EQ(st().MapSize, 60);
    EXPECT_EQ(st().TownMode, 1);
    EXPECT_EQ(st().CaFileName, "Ca_DataFile");
    EXPECT_EQ(st().EnFileName, "En_DataFile2");
    EXPECT_EQ(st().BFileName, "B_DataFile");
    EXPECT_EQ(st().IFileName, "I_DataFile");
    EXPECT_EQ(st().MFileName, "M_DataFile");
    EXPECT_EQ(st().DataPath, data.path() + "/");
    EXPECT_EQ(st().CharacterTable[0].CharName.trimmed(), "アレン");
    EXPECT_EQ(st().PlaceMap[1], Value("mori001"));
    EXPECT_TRUE(game->form<Taitol>().isLoaded());
    EXPECT_EQ(game->forms().activeForm(), &game->form<Taitol>());
}

TEST_F(Startup, DataDirectoryIsTheUseFolderBesideTheProgram) {
    QTemporaryDir appDir;
    ASSERT_TRUE(QFile::link(data.path(), appDir.path() + "/use"));
    pf.appDirectory = appDir.path();
    game->dataDirOverride.clear();
    Main(*game);
    EXPECT_EQ(st().AppPath, appDir.path());
    EXPECT_EQ(st().DataPath, appDir.path() + "/use/");
    EXPECT_EQ(st().CharacterTable[3].CharName.trimmed(), "ミア");
}

TEST(DataPath, ChosenFolderGetsOneSeparator) {
    EXPECT_EQ(dataPathFor("/games/hk", ""), "/games/hk/use/");
    EXPECT_EQ(dataPathFor("/games/hk", "/worlds/mine"), "/worlds/mine/");
    EXPECT_EQ(dataPathFor("/games/hk", "/worlds/mine/"), "/worlds/mine/");
}

TEST_F(Startup, RestartResetsTheSettingsAndTheCharacterTableButKeepsOtherState) {
    Main(*game);
    st().MapFileName = "mori001.map";
    st().MapSize = 40;
    st().TownMode = 0;
    st().CharacterTable[1].Level = 12;
    st().Gold = 345;
    st().StoryProgress = 3;
    Main(*game);
    EXPECT_EQ(st().MapFileName, "Map_f01.map");
    EXPECT_EQ(st().MapSize, 60);
    EXPECT_EQ(st().TownMode, 1);
    EXPECT_EQ(st().CharacterTable[1].Level, 5);
    EXPECT_EQ(st().Gold, 345);
    EXPECT_EQ(st().StoryProgress, 3);
}

TEST_F(Startup, BrokenDataStopsBeforeAnyScreen) {
    data.write("En_DataFile2", "1,4,スライム,sura,0,1O,3,1,1,0,5,0\r\n");
    GameError e = errorFrom([&] { Main(*game); });
    EXPECT_EQ(e.file(), "En_DataFile2");
    EXPECT_EQ(e.position(), "line 1, field 6");
    EXPECT_TRUE(shown.empty());
    EXPECT_TRUE(st().CharacterTable[0].CharName.isEmpty());  // nothing half-loaded
}

TEST_F(Startup, MissingDataFolderIsReported) {
    game->dataDirOverride = data.path() + "/nowhere";
    GameError e = errorFrom([&] { Main(*game); });
    EXPECT_EQ(e.file(), "Sene_F");  // the first file read
    EXPECT_TRUE(shown.empty());
}
