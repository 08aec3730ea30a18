// A game saved deep inside the sample world comes back exactly.

#include <QDir>

#include "core/DataLoad.h"
#include "core/Game.h"
#include "core/NewGame.h"
#include "core/TableFiles.h"
#include "field/FieldCanvas.h"
#include "field/FieldScreen.h"
#include "field/MapLoad.h"
#include "party/CharacterRules.h"
#include "save/SaveFile.h"
#include "save/SaveScreen.h"
#include "support/GameTest.h"
#include "worldmap/MapScreen.h"

namespace {
class SampleWorldSave : public GameTest {
  protected:
    void SetUp() override {
        const QDir world(sampleWorldDir());
        if (!world.exists(QStringLiteral("Map_f01.map")))
            GTEST_SKIP() << "the sample world has not been generated";
        // The tables, maps and stairs files, and the pictures of the field a game loaded below
        // the world map opens on; saving writes beside them, so not in the world.
        QStringList pictures;
        for (const char* name : kTileSheetFiles) pictures << QLatin1String(name);
        for (const char* name : kPartySpriteFiles) pictures << QLatin1String(name);
        for (const char* name : kLightFiles) pictures << QLatin1String(name);
        for (const QString& name : world.entryList(QDir::Files))
            if ((!name.endsWith(".bmp") && !name.endsWith(".jpeg") && !name.endsWith(".wav")) ||
                pictures.contains(name))
                data.copyFrom(world.filePath(name), name);
        MasterFileNames{}.applyTo(st());
        Data_LoadAll(st());
        st().TownMode = 1;
        st().NewGameFlag = 1;
        New_Game(st());  // six positions, 3 and 4 empty; ten inventory entries
    }
};
}  // namespace

TEST_F(SampleWorldSave, AGameSavedInTheForestShrineLoadsBackExactly) {
    GameState& s = st();
    // Into the forest and on into the shrine below it: depth 2.
    FieldMapState field;
    s.MapX = 40;
    s.MapY = 12;
    s.EventCode = 8;
    map_set(*game, field);
    s.EventCode = 9;
    map_set(*game, field);
    ASSERT_EQ(s.MapDepth, 2);
    ASSERT_EQ(s.MapFileName, QStringLiteral("hokora01.map"));

    // A chest opened, a block cleared and a scene cell changed in the forest.
    s.MoveDir = 1;
    Cell_Open(s);
    s.MoveDir = 4;
    Cell_Clear(s);
    s.CellLogCount = 2;
    s.CellLog(2, 0) = Value(QStringLiteral("mori001.map"));
    s.CellLog(2, 1) = Value(37);
    s.CellLog(2, 2) = Value(20);
    s.CellLog(2, 4) = Value(607);
    // A party that has fought: levels, wounds, an ailment, new equipment and a find.
    s.Gold = 12.5;
    s.StoryProgress = 4;
    s.CharacterTable[0].Level = 4;
    s.CharExp[0] = 500;
    s.CharHP[1] = 3;
    s.CharAilment[2] = 2;
    s.CharacterTable[2].WeaponNo = 6;
    s.ItemCount = 11;
    s.InvItem[11] = Value(6);
    s.InvName[11] = Value(QStringLiteral("星の剣"));
    s.InvKind[11] = Value(1);
    s.InvPower[11] = Value(14);
    for (int p = 1; p <= 4; ++p) {
        s.CurChar = static_cast<int>(s.PartyMember[p].toInt());
        s.CharLevel[s.CurChar] = s.CharacterTable[s.CurChar].Level;
        Ca_Calc(s);
    }
    s.SaveAllowed = 1;  // a save point
    onShow<System_F>([](System_F& screen) {
        screen.Label1_Click(2);
        screen.Command1_Click(0);
    });
    game->form<System_F>().Show(true);

    const QByteArray saved = saveFileBytes(s);
    auto before = std::make_unique<GameState>(s);
    ASSERT_EQ(data.readBytes(QStringLiteral("use2")), saved);

    // The party plays on: back to the world, richer, with changed members and no logs.
    Map_Clear(s);
    s.MapFileName = QStringLiteral("Map_f01.map");
    s.MapDepth = 0;
    s.Gold = 5000;
    s.PartyMember[3] = Value(4);
    s.CharacterTable[0].Level = 9;
    s.ItemCount = 0;
    s.CellLogCount = 0;
    s.OpenLogCount = 0;
    s.CharAttack[1] = 0;
    s.BgmFile = QStringLiteral("bgm_world.wav");

    onShow<System_F>([](System_F& screen) { screen.Command1_Click(1); });
    game->form<System_F>().Show(true);

    EXPECT_EQ(saveFileBytes(s), saved);
    EXPECT_EQ(s.BgmFile, before->BgmFile);
    EXPECT_TRUE(s.BgmFile.startsWith(u'"'));
    EXPECT_TRUE(s.PartyMember[3].isEmpty());
    EXPECT_EQ(s.Gold, 12.5);
    // The grids are the shrine's again, with the opened chest and the cleared cell.
    // (The field view, drawing, copies the ground's second-last row and column beyond them.)
    for (int y = 0; y < s.MapSize; ++y)
        for (int x = 0; x < s.MapSize; ++x)
            ASSERT_EQ(s.GroundGrid(x, y), before->GroundGrid(x, y)) << x << ", " << y;
    EXPECT_TRUE(s.FeatureGrid == before->FeatureGrid);
    EXPECT_TRUE(s.EventGrid == before->EventGrid);
    EXPECT_TRUE(s.BlockGrid == before->BlockGrid);
    for (int p = 1; p <= 4; ++p) {
        const int c = static_cast<int>(s.PartyMember[p].toInt());
        EXPECT_EQ(s.CharAttack[c], before->CharAttack[c]) << p;
        EXPECT_EQ(s.CharDefence[c], before->CharDefence[c]) << p;
        EXPECT_EQ(s.CharNextExp[c], before->CharNextExp[c]) << p;
    }
    EXPECT_EQ(s.CurChar, 0);
    EXPECT_EQ(s.LoadFlag, 1);
    // Saved below the world map, the game continues on the field screen.
    EXPECT_FALSE(game->form<M_Map>().isLoaded());
    EXPECT_TRUE(game->form<Main_Fr>().isLoaded());
}
