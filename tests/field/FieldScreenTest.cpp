// The field screen as the player meets it: opening, music, random battles and the party check,
// bosses, buildings, the buttons and menus, and the ways out of the field.
#include <QTest>
#include <algorithm>

#include "FieldFixture.h"
#include "FieldPrinters.h"
#include "battle/BattleScreen.h"
#include "battle/GameOverScreen.h"
#include "party/CharacterRules.h"
#include "party/ItemScreen.h"
#include "party/MagicScreen.h"
#include "party/StatusScreen.h"
#include "platform/Label.h"
#include "platform/PictureBox.h"
#include "save/SaveScreen.h"
#include "story/TitleScreen.h"
#include "support/SmallWorld.h"
#include "worldmap/MapScreen.h"
#include "worldmap/ShopScreen.h"

namespace {
class FieldScreen : public FieldTest {
  protected:
    FieldScreen() { FieldMap(9).event(4, 3, "100").write(data, "cave.map"); }
};
}  // namespace

TEST_F(FieldScreen, ALoadedGameWithoutAPositionStartsAtItsPlacesEntry) {
    GameState& s = st();
    s.PlaceEntry(kPlace, 0) = Value(6);
    s.PlaceEntry(kPlace, 4) = Value(2);
    s.PlaceEncounter[kPlace] = Value(12);
    s.MoveDir = 3;
    s.MapFileName = "cave.map";
    s.MapX = 0;
    Main_Fr& f = field();
    f.Show();
    EXPECT_EQ(party(), QPoint(5, 2));
    EXPECT_EQ(s.MoveDir, 0);
    EXPECT_EQ(s.EncounterRate, 12);
    EXPECT_EQ(s.BattleBack, QStringLiteral("back.bmp"));
    EXPECT_TRUE(f.Timer1.isActive());
    // Activation plays the place's music; closing stops it.
    const QString music = u'"' + s.DataPath + QStringLiteral("cave.wav\"");
    EXPECT_EQ(s.BgmFile, music);
    EXPECT_TRUE(pf.mciCommands.contains(QStringLiteral("open ") + music + " alias bgm"));
    f.Unload();
    EXPECT_EQ(pf.mciCommands.mid(pf.mciCommands.size() - 2),
              (QStringList{QStringLiteral("stop bgm "), QStringLiteral("close all")}));
    EXPECT_FALSE(f.Timer1.isActive());
}

TEST_F(FieldScreen, TheEncounterRollComparesAgainstTheEncounterRate) {
    readyBattles();
    Main_Fr& f = openField("cave.map", 4, 5);
    st().PlaceEncounter[kPlace] = Value(30);
    st().EncounterRate = 0;
    pf.randomDraws = {0.0};  // 1 is above a rate of 0
    walk(Qt::Key_Down);
    EXPECT_TRUE(pf.randomDraws.empty());

    st().EncounterRate = 30;
    bool timerDuringBattle = true;
    int boss = -1;
    onShow<sentou>([&](sentou& b) {
        timerDuringBattle = f.Timer1.isActive();
        boss = st().BossNo;
        b.Unload();
    });
    pf.randomDraws = {0.29};  // 30
    walk(Qt::Key_Down);
    EXPECT_EQ(std::ranges::count(shown, QStringLiteral("戦闘")), 1);
    EXPECT_FALSE(timerDuringBattle);
    EXPECT_EQ(boss, 0);
    EXPECT_TRUE(f.Timer1.isActive());
    EXPECT_EQ(st().MoveDir, 0);
}

TEST_F(FieldScreen, AFallenPartyMeetsTheGameOverEvenWithoutABattle) {
    Main_Fr& f = openField("cave.map", 4, 5);
    writeSmallWorld(data);  // for the restart
    st().PlaceEncounter[kPlace] = Value(5);
    for (int c = 0; c < 4; ++c) st().CharHP[c] = 0;
    onShow<G_End>([](G_End& g) { g.Command1_Click(1); });
    walk(Qt::Key_Down);
    EXPECT_EQ(std::ranges::count(shown, QStringLiteral("Game Over")), 1);
    EXPECT_FALSE(f.isLoaded());
    EXPECT_TRUE(game->form<Taitol>().isLoaded());
}

TEST_F(FieldScreen, AGameOverWindowClosedWithoutAChoiceEndsTheGame) {
    Main_Fr& f = openField("cave.map", 4, 5);
    st().PlaceEncounter[kPlace] = Value(5);
    for (int c = 0; c < 4; ++c) st().CharHP[c] = -3;
    onShow<G_End>([](G_End& g) { g.Unload(); });
    f.M2_Map_KeyDown(Qt::Key_Down);
    EXPECT_THROW(f.Timer1_Timer(), ProgramEnded);
    EXPECT_FALSE(f.isLoaded());
}

TEST_F(FieldScreen, ABossFightsFromItsCellWhichIsThenClearedOnce) {
    readyBattles();
    FieldMap(9).event(5, 5, "583").block(5, 5, 212).write(data, "cave.map");
    Main_Fr& f = openField("cave.map", 4, 5);
    int boss = 0, saved = 0, moving = -1;
    onShow<sentou>([&](sentou& b) {
        boss = st().BossNo;
        saved = st().SavedDirection;
        moving = st().MoveDir;
        Cell_Clear(st());  // as a won battle does
        b.Unload();
    });
    walk(Qt::Key_Right);
    EXPECT_EQ(std::tuple(boss, saved, moving), std::tuple(3, 3, 0));
    EXPECT_EQ(st().BossNo, 0);
    EXPECT_EQ(st().EventGrid(5, 5), Value(0));
    EXPECT_EQ(st().BlockGrid(5, 5), Value(0));
    EXPECT_EQ(st().CellLogCount, 1);
    EXPECT_EQ(party(), QPoint(4, 5));
    EXPECT_TRUE(f.isLoaded());
}

// After a boss the party walks on the way it was going when the fight began.
TEST_F(FieldScreen, AfterABossThePartyWalksOnItsSavedDirection) {
    readyBattles();
    FieldMap(9).event(5, 5, "583").write(data, "cave.map");
    Main_Fr& f = openField("cave.map", 4, 5);
    onShow<sentou>([&](sentou& b) {
        Cell_Clear(st());  // as a won battle does
        b.Unload();
    });
    QTest::keyPress(f.M2_Map, Qt::Key_Right);
    f.Timer1_Timer();  // the bump starts the fight; the key goes up while it lasts
    EXPECT_EQ(st().MoveDir, 3);
    f.Timer1_Timer();
    f.Timer1_Timer();
    EXPECT_EQ(party(), QPoint(6, 5));
}

TEST_F(FieldScreen, ARestartDuringABossBattleLeavesTheCellAlone) {
    readyBattles();
    FieldMap(9).event(5, 5, "581").write(data, "cave.map");
    Main_Fr& f = openField("cave.map", 4, 5);
    onShow<sentou>([&](sentou&) { game->forms().unloadAll(); });
    walk(Qt::Key_Right);
    EXPECT_FALSE(f.isLoaded());
    EXPECT_EQ(st().CellLogCount, 0);
    EXPECT_EQ(st().EventGrid(5, 5), Value(581));
}

TEST_F(FieldScreen, ABuildingOpensItsShop) {
    FieldMap(9).event(4, 4, "412").write(data, "cave.map");
    openField("cave.map", 4, 5);
    int shop = 0, moving = -1;
    onShow<mise>([&](mise& m) {
        shop = st().ShopNo;
        moving = st().MoveDir;
        m.Unload();
    });
    walk(Qt::Key_Up);
    EXPECT_EQ(std::pair(shop, moving), std::pair(12, 0));
    EXPECT_EQ(party(), QPoint(4, 5));
}

TEST_F(FieldScreen, ButtonsAndMenusOpenThePartyScreens) {
    Main_Fr& f = openField("cave.map", 4, 5);
    // What an item did is told in the message label; nothing new leaves the label as it was.
    onShow<Item>([&](Item& i) {
        st().MessageLines[3] = QStringLiteral("アルトのＨＰが回復した");
        i.Unload();
    });
    st().MoveDir = 2;
    f.Command1_Click(0);
    EXPECT_EQ(st().MoveDir, 0);
    EXPECT_TRUE(f.Label1->isVisibleTo(&f));
    EXPECT_EQ(f.Label1->caption(), QStringLiteral("アルトのＨＰが回復した"));
    onShow<Item>([&](Item& i) {
        st().MessageLines[3] = QString();
        i.Unload();
    });
    f.Command1_Click(0);
    EXPECT_EQ(f.Label1->caption(), QStringLiteral("アルトのＨＰが回復した"));

    // The magic button casts from the leader; the menu from whoever CurChar is.
    int caster = -1;
    onShow<Magic>([&](Magic& m) {
        caster = st().CurChar;
        m.Unload();
    });
    st().CurChar = 2;
    f.Command1_Click(1);
    EXPECT_EQ(caster, 0);
    onShow<Magic>([&](Magic& m) {
        caster = st().CurChar;
        m.Unload();
    });
    st().CurChar = 2;
    f.Mh01_Click();
    EXPECT_EQ(caster, 2);

    onShow<Status>([](Status& s) { s.Unload(); });
    f.Command1_Click(2);
    onShow<Status>([](Status& s) { s.Unload(); });
    f.St01_Click();
    EXPECT_EQ(std::ranges::count(shown, QStringLiteral("ステータス")), 2);
}

TEST_F(FieldScreen, AnEntranceLeadsDownAndTheWayBackReturnsToTheSameCell) {
    FieldMap(9).event(6, 5, "209").write(data, "cave.map");
    FieldMap(6).event(2, 1, "302").write(data, "cellar.map");
    st().PlaceMap[9] = Value("cellar");
    st().PlaceBgm[9] = Value("cellar.wav");
    st().PlaceEncounter[9] = Value(7);
    st().PlaceEntry(9, 0) = Value(3);
    st().PlaceEntry(9, 4) = Value(2);
    openField("cave.map", 4, 5);
    walk(Qt::Key_Right, 2);
    EXPECT_EQ(st().MapFileName, QStringLiteral("cellar.map"));
    EXPECT_EQ(st().MapDepth, 2);
    EXPECT_EQ(party(), QPoint(2, 2));
    EXPECT_EQ(st().EncounterRate, 7);
    walk(Qt::Key_Up);
    EXPECT_EQ(st().MapFileName, QStringLiteral("cave.map"));
    EXPECT_EQ(st().MapDepth, 1);
    EXPECT_EQ(party(), QPoint(5, 5));
}

TEST_F(FieldScreen, TheWayToTheWorldMapClosesTheFieldBeforeTheMapOpens) {
    FieldMap(24).write(data, "world.map");
    FieldMap(9).event(4, 6, "301").write(data, "cave.map");
    st().StackMap[0] = Value("world.map");
    st().StackX[0] = Value(0);
    st().StackY[0] = Value(0);
    st().PlaceBgm[0] = Value("world.wav");
    Main_Fr& f = openField("cave.map", 4, 5);
    const qsizetype before = pf.mciCommands.size();
    walk(Qt::Key_Down);
    EXPECT_FALSE(f.isLoaded());
    EXPECT_TRUE(game->form<M_Map>().isLoaded());
    EXPECT_EQ(st().MapFileName, QStringLiteral("world.map"));
    EXPECT_EQ(st().MapDepth, 0);
    // The field's music stops before the world's opens, so the world's is the one that plays.
    const QStringList sent = pf.mciCommands.mid(before);
    const qsizetype opened = sent.indexOf(QStringLiteral("open \"") + st().DataPath +
                                          QStringLiteral("world.wav\" alias bgm"));
    ASSERT_GE(opened, 0);
    EXPECT_EQ(sent.lastIndexOf(QStringLiteral("close all")), opened - 1);
}

TEST_F(FieldScreen, TheSavePointAllowsSavingAndTheButtonAndMenuOnlyLoading) {
    FieldMap(9).event(4, 4, "310").write(data, "cave.map");
    Main_Fr& f = openField("cave.map", 4, 5);
    std::vector<int> allowed;
    for (int k = 0; k < 3; ++k)
        onShow<System_F>([&](System_F& s) {
            allowed.push_back(st().SaveAllowed);
            st().SaveAllowed = 0;  // as the screen leaves it
            s.Unload();
        });
    walk(Qt::Key_Up);
    EXPECT_EQ(st().MoveDir, 0);
    EXPECT_EQ(party(), QPoint(4, 5));
    f.Command1_Click(3);
    f.Load01_Click();
    EXPECT_EQ(allowed, (std::vector<int>{1, 0, 0}));
}

TEST_F(FieldScreen, AGameLoadedAtASavePointOpensTheFieldAfresh) {
    FieldMap(9).event(4, 4, "310").write(data, "cave.map");
    Main_Fr& f = openField("cave.map", 4, 5);
    onShow<System_F>([&](System_F&) {
        // What a load does: every screen closes, and the loaded game opens on the field.
        game->forms().unloadAll();
        st().MapX = 3;
        st().MapY = 2;
        f.Show();
    });
    walk(Qt::Key_Up);
    EXPECT_TRUE(f.isLoaded());
    EXPECT_EQ(party(), QPoint(2, 2));
    EXPECT_EQ(f.walkFrame(), 0);  // the interrupted tick did not go on
}
