// The title screen and the opening on the sample world: the guide, End, New Game through the
// opening to the world map, and a new game that starts fresh whatever game came before it.
#include <QDir>
#include <QFile>

#include "core/Startup.h"
#include "field/FieldScreen.h"
#include "platform/Label.h"
#include "save/SaveScreen.h"
#include "story/OpeningScreen.h"
#include "story/SceneScreen.h"
#include "story/StorySteps.h"
#include "story/TitleScreen.h"
#include "support/GameTest.h"
#include "support/SmallWorld.h"
#include "worldmap/MapPointer.h"
#include "worldmap/MapScreen.h"

namespace {
class TitleTest : public GameTest {
  protected:
    TitleTest() {
        const QDir world(sampleWorldDir());
        for (const QString& name : world.entryList(QDir::Files))
            QFile::link(world.filePath(name), data.file(name));
    }

    // An opening whose first page holds `lines` (then its empty line and the closing value).
    void writeOpening(const QStringList& lines) {
        QStringList file{"0,0", record(10, [](int) { return QStringLiteral("0"); })};
        file << "0,0,opening.jpeg";
        for (int page = 2; page <= 20; ++page) file << "0,0,";
        file << lines << ""
             << "0";
        for (int page = 2; page <= 20; ++page)
            file << ""
                 << "0";
        data.remove(QStringLiteral("s_f"));  // the link, never the sample world's file
        data.writeLines(QStringLiteral("s_f"), file);
    }

    Taitol& title() { return game->form<Taitol>(); }
    OPEN_G& opening() { return game->form<OPEN_G>(); }

    OPEN_G& startNewGame() {
        Main(*game);
        title().Label2_Click(0);
        return opening();
    }

    // What a long game leaves behind: gifts, map changes, switches, light, a full bag, the
    // companion and ailments.
    void playALongGame() {
        st().StoryProgress = 7;
        st().EventGiftCount = 3;
        st().CellLogCount = 4;
        for (int r = 1; r <= 4; ++r) st().CellLog(r, 0) = Value("mori001.map");
        st().OpenLogCount = 2;
        for (int r = 1; r <= 2; ++r) st().OpenLog(r, 0) = Value("dokutu01.map");
        st().FloorNo = 3;
        st().SwitchKind = 2;
        st().SwitchDone = 1;
        st().Lighting = 2;
        for (int e = 0; e <= 40; ++e) st().InvItem[e] = Value(30);
        st().ItemCount = 41;
        st().PartyMember[3] = Value(5);
        st().CharAilment[2] = 5;
        st().EventCode = 7;
        st().Gold = 9999;
    }

    // The first map cell (column, row) that `wanted` accepts.
    QPoint findCell(const std::function<bool(const Value&)>& wanted) {
        for (int y = 0; y <= st().MapSize; ++y)
            for (int x = 0; x <= st().MapSize; ++x)
                if (wanted(st().EventGrid(x, y))) return {x, y};
        ADD_FAILURE() << "no such cell";
        return {};
    }

    // A new game that walks from the world map into the whispering forest.
    Main_Fr& enterTheForest() {
        writeOpening({"一"});
        startNewGame().Label1_Click();
        M_Map& map = game->form<M_Map>();
        const QPoint spot = findCell([](const Value& v) {
            const HotSpot s = readHotSpot(v);
            return s.kind == kPlaceSpot && s.number == 8;
        });
        map.Picture1_MouseMove((spot.x() - map.scrollX()) * 32 + 8,
                               (spot.y() - map.scrollY()) * 32 + 8);
        map.Picture1_Click();
        st().EncounterRate = 0;
        return game->form<Main_Fr>();
    }

    // Puts the party just below scene n's cell and walks it in.
    void walkIntoScene(Main_Fr& field, int n) {
        const QPoint cell = findCell([n](const Value& v) { return v == Value(500 + n); });
        st().MapX = cell.x() + 1;
        st().MapY = cell.y() + 1;
        field.M2_Map_KeyDown(Qt::Key_Up);
        field.Timer1_Timer();
    }

    void expectFreshGame() {
        EXPECT_TRUE(game->form<M_Map>().isLoaded());
        EXPECT_EQ(st().NewGameFlag, 0);
        EXPECT_EQ(st().StoryProgress, 0);
        EXPECT_EQ(st().Gold, 2000);
        EXPECT_EQ(st().EventGiftCount, 0);
        EXPECT_EQ(st().CellLogCount, 0);
        EXPECT_TRUE(st().CellLog(1, 0).isBlank());  // every row is replayed, not only the counted
        EXPECT_EQ(st().OpenLogCount, 0);
        EXPECT_TRUE(st().OpenLog(1, 0).isBlank());
        EXPECT_EQ(st().FloorNo, 0);
        EXPECT_EQ(st().SwitchKind, 0);
        EXPECT_EQ(st().SwitchDone, 0);
        EXPECT_EQ(st().Lighting, 0);
        EXPECT_EQ(st().ItemCount, 10);  // the starting bag
        EXPECT_EQ(st().InvItem[0], Value(102));
        EXPECT_TRUE(st().InvItem[10].isBlank());
        EXPECT_TRUE(st().PartyMember[3].isBlank());
        EXPECT_EQ(st().PartyMember[6], Value(3));
        EXPECT_EQ(st().CharAilment[2], 0);
        EXPECT_EQ(st().CurPlace, 0);
    }
};
}  // namespace

TEST_F(TitleTest, NewGameLeadsThroughTheOpeningToTheWorldMap) {
    Main(*game);
    ASSERT_TRUE(title().isLoaded());
    shot(title(), "title");
    title().Label2_Click(0);
    EXPECT_FALSE(title().isLoaded());
    EXPECT_EQ(st().NewGameFlag, 1);
    ASSERT_TRUE(opening().isLoaded());
    EXPECT_TRUE(opening().Label1->caption().startsWith("夜空の星が、"));
    EXPECT_EQ(opening().Label1->caption().count(QChar(13)), 3);
    shot(opening(), "opening");
    int clicks = 0;
    while (opening().isLoaded() && clicks < 10) {
        opening().Label1_Click();
        ++clicks;
    }
    EXPECT_EQ(clicks, 4);  // eleven lines
    M_Map& map = game->form<M_Map>();
    ASSERT_TRUE(map.isLoaded());
    EXPECT_EQ(st().NewGameFlag, 0);  // the world map ran the new-game set-up
    EXPECT_EQ(st().PartyMember[2], Value(1));
    EXPECT_EQ(map.scrollX(), 35);
    shot(map, "world_map_new_game");
}

TEST_F(TitleTest, FiveLinesTakeTwoPagesOfThreeThenTheGameGoesOn) {
    writeOpening({"一", "二", "三", "四", "五"});
    OPEN_G& op = startNewGame();
    EXPECT_EQ(op.Label1->caption(), "一\r二\r三\r");
    op.Label1_Click();
    EXPECT_EQ(op.Label1->caption(), "四\r五\r\r");
    EXPECT_TRUE(op.isLoaded());
    op.Label1_Click();
    EXPECT_FALSE(op.isLoaded());
    EXPECT_TRUE(game->form<M_Map>().isLoaded());
}

TEST_F(TitleTest, ThreeLinesGoOnAtTheFirstClick) {
    writeOpening({"一", "二", "三"});
    OPEN_G& op = startNewGame();
    op.Label1_Click();
    EXPECT_FALSE(op.isLoaded());
    EXPECT_TRUE(game->form<M_Map>().isLoaded());
}

TEST_F(TitleTest, TheGuideIsToldOverTheTitle) {
    Main(*game);
    title().Command1_Click();
    Ev_frm& guide = game->form<Ev_frm>();
    ASSERT_TRUE(guide.isLoaded());
    EXPECT_EQ(guide.sceneNo(), 8);
    EXPECT_TRUE(title().isLoaded());
    shot(guide, "guide_scene");
    while (guide.isLoaded()) guide.Label1_Click();
    EXPECT_EQ(game->forms().activeForm(), &title());
}

TEST_F(TitleTest, EndEndsTheProgram) {
    Main(*game);
    try {
        title().Label2_Click(2);
        ADD_FAILURE() << "the program went on";
    } catch (const ProgramEnded& e) {
        EXPECT_EQ(e.status, 0);
    }
}

TEST_F(TitleTest, NewGameAfterLoadGameStartsFresh) {
    Main(*game);
    title().Label2_Click(1);
    EXPECT_EQ(st().LoadFlag, 1);
    playALongGame();  // what loading a saved game puts back
    writeOpening({"一"});
    title().Label2_Click(0);
    EXPECT_EQ(st().LoadFlag, 0);
    opening().Label1_Click();
    expectFreshGame();
}

TEST_F(TitleTest, NewGameAfterAFinishedGameStartsFresh) {
    writeOpening({"一"});
    startNewGame().Label1_Click();
    game->form<M_Map>().Unload();  // the party went down into the forest
    playALongGame();
    Ev_Step(*game, 7);  // the end of part 1 shows the title
    ASSERT_TRUE(title().isLoaded());
    title().Label2_Click(0);
    opening().Label1_Click();
    expectFreshGame();
}

TEST_F(TitleTest, LoadGameOpensTheSaveScreenOverTheTitleWithNothingToSave) {
    Main(*game);
    st().SaveAllowed = 1;  // as a save point of an earlier game may leave it
    title().Label2_Click(1);
    System_F& save = game->form<System_F>();
    ASSERT_TRUE(save.isLoaded());
    EXPECT_TRUE(title().isLoaded());
    EXPECT_FALSE(save.Command1[0]->isEnabled());
}

TEST_F(TitleTest, TheForestsSceneCellsTellTheirScenes) {
    Main_Fr& field = enterTheForest();
    ASSERT_TRUE(field.isLoaded());
    const QPoint warden = findCell([](const Value& v) { return v == Value(501); });
    walkIntoScene(field, 1);
    Ev_frm& scene = game->form<Ev_frm>();
    ASSERT_TRUE(scene.isLoaded());
    EXPECT_EQ(scene.sceneNo(), 1);
    EXPECT_EQ(st().MoveDir, 0);
    shot(scene, "forest_scene_1");
    while (scene.isLoaded()) scene.Label1_Click();
    EXPECT_EQ(st().StoryProgress, 1);
    EXPECT_EQ(st().EventGrid(warden.x(), warden.y()), Value(0));  // the warden stepped aside
    EXPECT_TRUE(field.isLoaded());
}

TEST_F(TitleTest, TheStarStoneEndsPartOneAndClosesTheField) {
    Main_Fr& field = enterTheForest();
    st().StoryProgress = 6;
    Ev_Step(*game, 6);
    field.Unload();  // the party comes back to the forest from the tower
    st().MapFileName = QStringLiteral("mori001.map");
    field.Show();
    walkIntoScene(field, 7);
    Ev_frm& scene = game->form<Ev_frm>();
    ASSERT_TRUE(scene.isLoaded());
    while (scene.isLoaded()) scene.Label1_Click();
    EXPECT_EQ(pf.messages.last(), "1部をクリアしました。ゲームを終了します ");
    EXPECT_EQ(st().StoryProgress, 7);
    EXPECT_FALSE(field.isLoaded());
    EXPECT_EQ(game->forms().loadedForms(), std::vector<Form*>{&title()});
    EXPECT_EQ(game->forms().activeForm(), &title());
    EXPECT_EQ(pf.mciCommands.last(), "close all");  // the title is silent
}

TEST_F(TitleTest, TheFieldsEndMenuReturnsToTheTitle) {
    Main_Fr& field = enterTheForest();
    field.End01_Click();
    EXPECT_FALSE(field.isLoaded());
    EXPECT_EQ(game->forms().loadedForms(), std::vector<Form*>{&title()});
}
