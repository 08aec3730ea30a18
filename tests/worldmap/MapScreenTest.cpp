// The overhead map screen driven headless: scrolling, the name label, and the hot spots that
// lead into towns, out of them, into field maps, to the shrine and into facilities.

#include <QListWidget>
#include <map>

#include "core/Game.h"
#include "field/FieldScreen.h"
#include "party/ItemScreen.h"
#include "party/MagicScreen.h"
#include "party/StatusScreen.h"
#include "platform/Label.h"
#include "platform/PictureBox.h"
#include "story/SceneScreen.h"
#include "worldmap/MapPointer.h"
#include "worldmap/MapScreen.h"
#include "worldmap/ShopScreen.h"
#include "worldmap/TownFixture.h"

namespace {
// Hot spots of the world map (map cells; the new-game view starts at (35, 0)).
constexpr int kTownX = 40, kShrineX = 41, kForestX = 42, kCaveX = 43, kOddX = 44, kSpotY = 5;
// Hot spots of the town (view cells; a town is shown from (0, 0)).
constexpr int kWayOutX = 5, kShopX = 6, kNoShopX = 7, kTownSpotY = 5;

class MapScreenTest : public TownTest {
  protected:
    MapScreenTest() {
        writeTileSheets(data);
        // Ground codes and one row of hot spots; every other layer is empty.
        writeSpotMap(QStringLiteral("Map_f01.map"), 60, kSpotY,
                     {{kTownX, "203"},
                      {kShrineX, "209"},
                      {kForestX, "210"},
                      {kCaveX, "211"},
                      {kOddX, "512"}},
                     [](int x, int y) { return (x + y) % 3; });
        writeSpotMap(QStringLiteral("town01.map"), 30, kTownSpotY,
                     {{kWayOutX, "301"}, {kShopX, "411"}, {kNoShopX, "450"}},
                     [](int, int) { return 5; });
        setPlace(0, QStringLiteral("世界"), QStringLiteral("Map_f01"), QStringLiteral("world.wav"));
        setPlace(3, QStringLiteral("港町"), QStringLiteral("town01"), QStringLiteral("town.wav"));
        st().PlaceKind[3] = Value(1);
        setPlace(9, QStringLiteral("神殿"), QStringLiteral("Sinden001"), QString());
        setPlace(10, QStringLiteral("深い森"), QStringLiteral("mori001"),
                 QStringLiteral("mori.wav"));
        st().PlaceEntry(10, 0) = Value(5);
        st().PlaceEntry(10, 4) = Value(7);
        setPlace(11, QStringLiteral("北の洞窟"), QStringLiteral("cave01"), QString());
        setItem(2, QStringLiteral("傷薬"), 30);
        setItem(3, QStringLiteral("毒消し"), 20);
        st().MapFileName = QStringLiteral("Map_f01.map");
    }
    void writeSpotMap(const QString& name, int size, int spotRow,
                      const std::map<int, QString>& spots,
                      const std::function<int(int, int)>& ground) {
        writeMapFile(data, name, size, [&](int x, int y) {
            const auto spot = y == spotRow ? spots.find(x) : spots.end();
            const QString event = spot == spots.end() ? QStringLiteral("0") : spot->second;
            return CellValues{QString::number(ground(x, y)), "0", "0", "0", "0", event};
        });
    }
    void setPlace(int n, const QString& name, const QString& map, const QString& bgm) {
        st().PlaceName[n] = Value(name);
        st().PlaceMap[n] = Value(map);
        st().PlaceBgm[n] = Value(bgm);
    }
    M_Map& openMap() {
        M_Map& map = game->form<M_Map>();
        map.Show();
        return map;
    }
    // Points at view cell (cx, cy) and clicks there; returns the media commands the click sent.
    QStringList clickAt(M_Map& map, int cx, int cy) {
        map.Picture1_MouseMove(cx * 32 + 10, cy * 32 + 10);
        const qsizetype before = pf.mciCommands.size();
        map.Picture1_Click();
        return pf.mciCommands.mid(before);
    }
    QString quoted(const QString& file) { return u'"' + st().DataPath + file + u'"'; }
    QStringList restart(const QString& file) {
        return {QStringLiteral("stop bgm "), QStringLiteral("close all"),
                QStringLiteral("open ") + quoted(file) + QStringLiteral(" alias bgm"),
                QStringLiteral("play bgm from 0")};
    }
    // The ground colour the view shows at the centre of view cell (cx, cy).
    static QRgb viewAt(M_Map& map, int cx, int cy) {
        return rgbAt(map.Picture1->surface(), cx * 32 + 16, cy * 32 + 16);
    }
    static QRgb ground(int code) { return cellColour(code / 100 % 10, code % 100) & 0xffffffu; }
};
}  // namespace

TEST_F(MapScreenTest, ANewGameSetsUpThePartyAndShowsTheWorldFrom35And0) {
    st().NewGameFlag = 1;
    M_Map& map = openMap();
    EXPECT_EQ(map.windowTitle(), QStringLiteral("Main_Map"));
    EXPECT_EQ(map.size(), QSize(800, 600));
    EXPECT_EQ(std::pair(map.scrollX(), map.scrollY()), std::pair(35, 0));
    EXPECT_EQ(st().NewGameFlag, 0);
    EXPECT_EQ(st().Gold, 2000);
    EXPECT_EQ(st().PartyMember[2], Value(1));
    EXPECT_EQ(viewAt(map, 0, 0), ground(2));  // map cell (35, 0)
    EXPECT_EQ(viewAt(map, 1, 0), ground(0));
    // Activation opens the world's music and the watcher starts it.
    EXPECT_EQ(st().BgmFile, quoted(QStringLiteral("world.wav")));
    EXPECT_TRUE(pf.mciCommands.contains(QStringLiteral("open ") + quoted("world.wav") +
                                        QStringLiteral(" alias bgm")));
    EXPECT_EQ(pf.mciCommands.last(), QStringLiteral("play bgm from 0"));
}

TEST_F(MapScreenTest, TheViewOpensWhereThePartyLastLeftTheOverheadLevel) {
    st().StackX[0] = Value(20);
    st().StackY[0] = Value(9);
    M_Map& map = openMap();
    EXPECT_EQ(std::pair(map.scrollX(), map.scrollY()), std::pair(20, 9));
    EXPECT_EQ(viewAt(map, 0, 0), ground(2));  // (20 + 9) mod 3
    EXPECT_EQ(st().Gold, 1000);               // no new game
}

TEST_F(MapScreenTest, KeysAndTheTimerScrollUpToTheLimits) {
    st().StackX[0] = Value(33);
    st().StackY[0] = Value(2);
    M_Map& map = openMap();
    map.Picture1_KeyDown(Qt::Key_Right);
    for (int k = 0; k < 5; ++k) map.Timer1_Timer();
    EXPECT_EQ(map.scrollX(), 35);  // 60 − 25
    EXPECT_EQ(viewAt(map, 0, 0), ground((35 + 2) % 3));
    map.Picture1_KeyDown(Qt::Key_Space);  // not an arrow: still right
    EXPECT_EQ(map.scrollDirection(), kScrollRight);
    map.Picture1_KeyDown(Qt::Key_Up);
    for (int k = 0; k < 5; ++k) map.Timer1_Timer();
    EXPECT_EQ(map.scrollY(), 1);
    map.Picture1_KeyUp(Qt::Key_Space);  // any key released stops
    map.Timer1_Timer();
    EXPECT_EQ(std::pair(map.scrollX(), map.scrollY()), std::pair(35, 1));
    EXPECT_EQ(map.Timer1.interval(), 200);
    EXPECT_TRUE(map.Timer1.isActive());

    map.Picture1_KeyDown(Qt::Key_Left);
    st().MapDepth = 1;  // the party is below the world map: the timer stands still
    map.Timer1_Timer();
    EXPECT_EQ(map.scrollX(), 35);
}

TEST_F(MapScreenTest, HoldingTheMouseScrollsTowardsThePress) {
    M_Map& map = openMap();
    map.Picture1_MouseDown(13 * 32 + 5, 8 * 32 + 5);  // the reference cell at the first press
    EXPECT_EQ(map.scrollDirection(), kScrollUp);
    map.Picture1_MouseDown(20 * 32, 9 * 32);
    EXPECT_EQ(map.scrollDirection(), kScrollRight);
    map.Picture1_MouseDown(13 * 32, 7 * 32);  // just above the reference cell: as before
    EXPECT_EQ(map.scrollDirection(), kScrollRight);
    map.Picture1_MouseDown(12 * 32, 11 * 32);
    EXPECT_EQ(map.scrollDirection(), kScrollDown);
    map.Picture1_MouseUp(12 * 32, 11 * 32);
    EXPECT_EQ(map.scrollDirection(), kScrollNone);
}

TEST_F(MapScreenTest, TheNameLabelFollowsHotSpotsAndStaysOverPlainGround) {
    st().NewGameFlag = 1;
    M_Map& map = openMap();
    const int cx = kTownX - 35;
    map.Picture1_MouseMove(cx * 32 + 3, kSpotY * 32 + 30);
    EXPECT_TRUE(map.Label1->isVisibleTo(&map));
    EXPECT_EQ(map.Label1->caption(), QStringLiteral("港町"));
    EXPECT_EQ(map.Label1->pos(), QPoint(cx * 32, kSpotY * 32 - 16));
    EXPECT_EQ(map.Label1->foreColor(), QColor(255, 0, 255));  // the story has not come so far
    EXPECT_EQ(map.Picture1->cursor().shape(), Qt::SizeAllCursor);
    shot(map, QStringLiteral("world_map_label"));

    map.Picture1_MouseMove(cx * 32 + 3, (kSpotY + 2) * 32);
    EXPECT_EQ(map.Label1->caption(), QStringLiteral("港町"));
    EXPECT_EQ(map.Label1->pos(), QPoint(cx * 32, kSpotY * 32 - 16));
    EXPECT_EQ(map.Picture1->cursor().shape(), Qt::ArrowCursor);
    const QStringList sent = clickAt(map, cx, kSpotY + 2);
    EXPECT_TRUE(sent.isEmpty());
    EXPECT_EQ(st().MapFileName, QStringLiteral("Map_f01.map"));
    EXPECT_TRUE(map.Label1->caption().isEmpty());

    st().StoryProgress = 10;
    map.Picture1_MouseMove(cx * 32, kSpotY * 32);
    EXPECT_EQ(map.Label1->foreColor(), QColor(255, 255, 255));
    st().StoryProgress = 9;
    map.Picture1_MouseMove((kCaveX - 35) * 32, kSpotY * 32);
    EXPECT_EQ(map.Label1->caption(), QStringLiteral("北の洞窟"));
    EXPECT_EQ(map.Label1->foreColor(), QColor(255, 0, 255));

    map.Picture1_MouseDown(0, 0);
    EXPECT_FALSE(map.Label1->isVisibleTo(&map));
    EXPECT_TRUE(map.Label1->caption().isEmpty());
}

TEST_F(MapScreenTest, IntoATownAndOutAgainBringsBackTheWorldViewAndMusic) {
    st().NewGameFlag = 1;
    M_Map& map = openMap();
    map.Picture1_KeyDown(Qt::Key_Down);
    map.Timer1_Timer();
    map.Picture1_KeyUp(Qt::Key_Down);
    ASSERT_EQ(std::pair(map.scrollX(), map.scrollY()), std::pair(35, 1));

    EXPECT_EQ(clickAt(map, kTownX - 35, kSpotY - 1), restart(QStringLiteral("town.wav")));
    EXPECT_EQ(st().MapFileName, QStringLiteral("town01.map"));
    EXPECT_EQ(st().InTown, 1);
    EXPECT_EQ(st().MapDepth, 0);
    EXPECT_EQ(std::pair(map.scrollX(), map.scrollY()), std::pair(0, 0));
    EXPECT_EQ(std::pair(st().MapX, st().MapY), std::pair(35, 1));
    EXPECT_EQ(st().StackBgm[0], Value(quoted(QStringLiteral("world.wav"))));
    EXPECT_EQ(viewAt(map, 0, 0), ground(5));
    shot(map, QStringLiteral("town"));

    map.Picture1_MouseMove(kWayOutX * 32, kTownSpotY * 32);
    EXPECT_EQ(map.Label1->caption(), QStringLiteral("町を出る"));
    EXPECT_EQ(map.Label1->foreColor(), QColor(255, 255, 255));
    EXPECT_EQ(clickAt(map, kWayOutX, kTownSpotY), restart(QStringLiteral("world.wav")));
    EXPECT_EQ(st().MapFileName, QStringLiteral("Map_f01.map"));
    EXPECT_EQ(std::pair(map.scrollX(), map.scrollY()), std::pair(35, 1));
    EXPECT_EQ(viewAt(map, 0, 0), ground((35 + 1) % 3));
    EXPECT_EQ(st().BgmFile, quoted(QStringLiteral("world.wav")));
}

TEST_F(MapScreenTest, AScreenMadeWhileATownIsShownLeavesTheTownToMapXAndMapY) {
    st().MapFileName = QStringLiteral("town01.map");
    st().MapX = 12;
    st().MapY = 3;
    M_Map& map = openMap();
    EXPECT_EQ(viewAt(map, 0, 0), ground(5));
    clickAt(map, kWayOutX, kTownSpotY);
    EXPECT_EQ(std::pair(map.scrollX(), map.scrollY()), std::pair(12, 3));
}

TEST_F(MapScreenTest, AFacilityOpensTheShopAndTheTownMusicStartsAgainAfterwards) {
    st().MapFileName = QStringLiteral("town01.map");
    setItem(1, QStringLiteral("薬草"), 30);
    setStock(11, {1});
    int shopSeen = 0;
    onShow<mise>([&](mise& shop) {
        shopSeen = st().ShopNo;
        EXPECT_EQ(shop.List2->count(), 1);
        shop.Command2_Click(2);
    });
    M_Map& map = openMap();
    st().BgmFile = QStringLiteral("town.wav");  // the town's own music, as after entering it
    map.Picture1_MouseMove(kShopX * 32, kTownSpotY * 32);
    EXPECT_EQ(map.Label1->caption(), QStringLiteral("道具屋"));
    map.Picture1_MouseMove(kNoShopX * 32, kTownSpotY * 32);  // no name of its own: keeps the last
    EXPECT_EQ(map.Label1->caption(), QStringLiteral("道具屋"));
    const QStringList sent = clickAt(map, kShopX, kTownSpotY);
    EXPECT_EQ(shopSeen, 11);
    ASSERT_GE(sent.size(), 4);
    EXPECT_EQ(sent.mid(0, 2), restart(QString()).mid(0, 2));
    EXPECT_EQ(sent.last(), QStringLiteral("play bgm from 0"));
    EXPECT_TRUE(
        sent.contains(QStringLiteral("open ") + quoted("town.wav") + QStringLiteral(" alias bgm")));
    EXPECT_TRUE(map.isLoaded());
}

TEST_F(MapScreenTest, AnotherKindOfHotSpotOnlyRestartsTheMusic) {
    st().NewGameFlag = 1;
    M_Map& map = openMap();
    EXPECT_EQ(clickAt(map, kOddX - 35, kSpotY), restart(QStringLiteral("world.wav")));
    EXPECT_EQ(st().MapFileName, QStringLiteral("Map_f01.map"));
    EXPECT_EQ(map.scrollX(), 35);
}

TEST_F(MapScreenTest, TheShrineAsksForSceneEightAndLeavesTheMusicOff) {
    st().NewGameFlag = 1;
    M_Map& map = openMap();
    EXPECT_EQ(clickAt(map, kShrineX - 35, kSpotY),
              (QStringList{QStringLiteral("stop bgm "), QStringLiteral("close all")}));
    EXPECT_EQ(st().EventCode, 8);
    EXPECT_EQ(st().MapFileName, QStringLiteral("Map_f01.map"));
    // The scene is shown over the map, which stays open.
    EXPECT_EQ(game->form<Ev_frm>().sceneNo(), 8);
    EXPECT_TRUE(game->form<Ev_frm>().isLoaded());
    EXPECT_TRUE(map.isLoaded());
}

TEST_F(MapScreenTest, AFieldPlaceHandsOverAndTheWayBackReturnsToTheSameView) {
    st().NewGameFlag = 1;
    M_Map& map = openMap();
    map.Picture1_KeyDown(Qt::Key_Down);
    map.Timer1_Timer();
    map.Timer1_Timer();
    map.Picture1_KeyUp(Qt::Key_Down);
    // What the field screen needs to open on the forest, entered as in a running game.
    st().TownMode = 1;
    writeMapFile(data, QStringLiteral("mori001.map"), 9,
                 [](int, int) { return CellValues{"100", "0", "0", "0", "0", "0"}; });
    data.write(QStringLiteral("KEv_F"), QString());
    for (const char* name : {"Ca05.bmp", "Ca05x.bmp", "01.bmp", "01x.bmp"})
        cellSheet(2, 4, 64).save(data.file(QLatin1String(name)), "BMP");
    const QStringList sent = clickAt(map, kForestX - 35, kSpotY - 2);
    EXPECT_EQ(sent.mid(0, 3),
              (QStringList{QStringLiteral("stop bgm "), QStringLiteral("close all"),
                           QStringLiteral("open ") + quoted(QStringLiteral("mori.wav")) +
                               QStringLiteral(" alias bgm")}));
    EXPECT_FALSE(map.isLoaded());
    EXPECT_TRUE(game->form<Main_Fr>().isLoaded());
    EXPECT_EQ(st().StackMap[0], Value("Map_f01.map"));
    EXPECT_EQ(st().StackX[0], Value(35));
    EXPECT_EQ(st().StackY[0], Value(2));
    EXPECT_EQ(st().MapFileName, QStringLiteral("mori001.map"));
    EXPECT_EQ(std::pair(st().MapX, st().MapY), std::pair(5, 7));
    EXPECT_EQ(st().InTown, 0);
    EXPECT_EQ(st().EventCode, 10);
    EXPECT_EQ(st().CurPlace, 10);
    EXPECT_EQ(st().MapDepth, 1);

    // Back to the world map, as the field screen does it: the view is where it was.
    st().MapFileName = st().StackMap[0].text();
    st().MapDepth = 0;
    M_Map& again = openMap();
    EXPECT_EQ(std::pair(again.scrollX(), again.scrollY()), std::pair(35, 2));
    EXPECT_EQ(viewAt(again, 0, 0), ground((35 + 2) % 3));
}

// The menu buttons open the party menus with waiting; what an item did shows on the name tag.
TEST_F(MapScreenTest, TheMenuButtonsOpenTheItemMagicAndStatusScreens) {
    M_Map& map = openMap();
    GameState& s = st();
    s.PartyMember[1] = Value(0);
    s.PartyCount = 1;
    s.CharacterTable[0].MaxHP = 40;
    s.CharHP[0] = 25;
    s.ItemTable[2].ItemEffect = 1;  // 傷薬 restores 30
    s.ItemTable[2].ItemPower = 30;
    s.InvItem[0] = Value(102);
    s.ItemCount = 1;
    s.MoveDir = 3;
    onShow<Item>([](Item& i) {
        i.List1_Click(0);
        i.Picture1_Click(0);
        i.Command1_Click(1);
    });
    map.Command1_Click(0);
    EXPECT_EQ(s.MoveDir, 0);
    EXPECT_EQ(s.CharHP[0], 40);
    EXPECT_FALSE(map.Label1->isHidden());
    EXPECT_EQ(map.Label1->caption(), QStringLiteral("HP が 15回復した"));

    // Nothing used: the tag keeps what it showed.
    onShow<Item>([](Item& i) { i.Command1_Click(3); });
    map.Command1_Click(0);
    EXPECT_EQ(map.Label1->caption(), QStringLiteral("HP が 15回復した"));

    // The magic button makes the leader the first caster.
    s.CurChar = 3;
    int firstCaster = -1;
    onShow<Magic>([&](Magic& m) {
        firstCaster = s.CurChar;
        m.Command1_Click(1);
    });
    map.Command1_Click(1);
    EXPECT_EQ(firstCaster, 0);

    onShow<Status>([](Status& t) { t.Command1_Click(); });
    map.Command1_Click(2);
    EXPECT_EQ(std::count(shown.begin(), shown.end(), QStringLiteral("ステータス")), 1);
    EXPECT_TRUE(map.isLoaded());
}
