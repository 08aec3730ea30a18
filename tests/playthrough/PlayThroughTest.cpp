// The whole of part 1 of the sample world, played through the real screens from the title to the
// closing message and back to the title to load the game saved at the church.
#include <QFile>
#include <QListWidget>

#include "PlayFixture.h"
#include "field/FieldEvents.h"
#include "field/FieldScreen.h"
#include "party/ItemScreen.h"
#include "platform/Label.h"
#include "save/SaveScreen.h"
#include "save/SaveSlots.h"
#include "story/OpeningScreen.h"
#include "story/SceneScreen.h"
#include "story/TitleScreen.h"
#include "worldmap/MapPointer.h"
#include "worldmap/MapScreen.h"
#include "worldmap/ShopScreen.h"

namespace {
constexpr int kLint = 1;
constexpr int kSeil = 2;
constexpr int kKaruna = 3;
constexpr int kForest = 8;
constexpr int kShrine = 9;
constexpr int kCave = 11;
constexpr int kTower = 14;
constexpr int kStarShrine = 24;

constexpr int kInn = 1;
constexpr int kItemShop = 11;
constexpr int kWeaponShop = 21;
constexpr int kTavern = 31;
constexpr int kChurch = 41;
}  // namespace

TEST_F(PlayThrough, PartOneFromTheTitleToTheEndAndBackToTheChurchSave) {
    Taitol& title = game->form<Taitol>();

    step("the title offers a new game", [&] {
        ASSERT_TRUE(title.isLoaded());
        EXPECT_EQ(title.Label2[0]->caption(), QStringLiteral("New Game"));
        EXPECT_EQ(title.Label2[1]->caption(), QStringLiteral("Load Game"));
        EXPECT_EQ(title.Label2[2]->caption(), QStringLiteral("End"));
        shot(title, QStringLiteral("play_title"));
    });

    step("New Game tells the opening and leads to the world map", [&] {
        title.Label2_Click(0);
        EXPECT_FALSE(title.isLoaded());
        OPEN_G& opening = game->form<OPEN_G>();
        ASSERT_TRUE(opening.isLoaded());
        EXPECT_TRUE(opening.Label1->caption().startsWith(st().OpeningText(1, 0).text() + QChar(13) +
                                                         st().OpeningText(1, 1).text()));
        for (int clicks = 0; opening.isLoaded(); ++clicks) {
            ASSERT_LT(clicks, 10) << "the opening does not end";
            opening.Label1_Click();
        }
        M_Map& map = overhead();
        ASSERT_TRUE(map.isLoaded());
        EXPECT_EQ(mapName(), QStringLiteral("Map_f01.map"));
        EXPECT_EQ(QPoint(map.scrollX(), map.scrollY()), QPoint(35, 0));
        EXPECT_EQ(nameOf(member(1)), QStringLiteral("アルト"));
        EXPECT_EQ(nameOf(member(2)), QStringLiteral("ミナ"));
        EXPECT_EQ(st().Gold, 2000);
        EXPECT_EQ(st().StoryProgress, 0);
        shot(map, QStringLiteral("play_world"));
    });

    step("the world map names リント and enters it", [&] {
        EXPECT_EQ(pointAt(kPlaceSpot, kLint), QStringLiteral("風見の町リント"));
        overhead().Picture1_Click();
        EXPECT_EQ(mapName(), QStringLiteral("town01.map"));
        EXPECT_EQ(st().InTown, 1);
        shot(overhead(), QStringLiteral("play_town"));
    });

    step("the item shop sells herbs", [&] {
        const int herb = itemNo(QStringLiteral("やくそう")) + 100;
        const int herbs = carried(herb);
        const double gold = st().Gold;
        visit(kItemShop, [&](mise& shop) {
            EXPECT_EQ(shop.Label5->caption(), QStringLiteral("道　具　屋"));
            buy(shop, QStringLiteral("やくそう"), 4);
            EXPECT_EQ(shop.Label6->caption(), QStringLiteral("所持金：　%1").arg(gold - 48));
        });
        EXPECT_EQ(carried(herb), herbs + 4);
        EXPECT_EQ(st().Gold, gold - 48);
    });

    step("the weapon shop arms the party, and the item screen equips it", [&] {
        const double gold = st().Gold;
        const int sword = equipNo(QStringLiteral("鉄の剣"));
        const int cap = equipNo(QStringLiteral("革の帽子"));
        const int shield = equipNo(QStringLiteral("木の盾"));
        visit(kWeaponShop, [&](mise& shop) {
            EXPECT_EQ(shop.Label5->caption(), QStringLiteral("武　器　屋"));
            buy(shop, QStringLiteral("鉄の剣"));
            buy(shop, QStringLiteral("革の帽子"));
            buy(shop, QStringLiteral("革の帽子"));
            buy(shop, QStringLiteral("木の盾"));
        });
        EXPECT_EQ(st().Gold, gold - 480 - 90 - 90 - 100);
        EXPECT_EQ(carried(sword), 1);
        EXPECT_EQ(carried(cap), 2);

        const int attack = st().CharAttack[member(1)];
        auto itemButton = [&] { overhead().Command1_Click(0); };
        equip(itemButton, QStringLiteral("鉄の剣"), 1);
        equip(itemButton, QStringLiteral("木の盾"), 1);
        equip(itemButton, QStringLiteral("革の帽子"), 1);
        equip(itemButton, QStringLiteral("革の帽子"), 2);
        EXPECT_EQ(st().CharEquipNo(member(1), 1), sword);
        EXPECT_EQ(st().CharEquipNo(member(2), 3), cap);
        EXPECT_EQ(st().CharEquipNo(member(1), 4), shield);
        EXPECT_GT(st().CharAttack[member(1)], attack);
        EXPECT_EQ(carried(sword), 0);
        EXPECT_EQ(carried(equipNo(QStringLiteral("形見の剣"))), 1) << "the old sword goes back";
    });

    step("the tavern's patrons talk", [&] {
        visit(kTavern, [&](mise& tavern) {
            EXPECT_EQ(tavern.Label5->caption(), QStringLiteral("酒　　　場"));
            const int speaker = static_cast<int>(st().BuildingB(kTavern, 1).toInt());
            tavern.Picture2_Click(0);
            EXPECT_EQ(tavern.Label1->caption(), st().TalkLine(speaker, 1).text());
            tavern.Picture2_Click(0);
            EXPECT_EQ(tavern.Label1->caption(), st().TalkLine(speaker, 2).text());
        });
    });

    step("a night at the inn", [&] {
        const double gold = st().Gold;
        visit(kInn, [&](mise& inn) {
            EXPECT_EQ(inn.Label5->caption(), QStringLiteral("宿　　　屋"));
            inn.Command2_Click(0);  // は　い
        });
        EXPECT_EQ(st().Gold, gold - 8 * st().PartyCount);
        for (int pos = 1; pos <= 2; ++pos)
            EXPECT_EQ(st().CharHP[member(pos)], st().CharacterTable[member(pos)].MaxHP);
    });

    step("the church saves the game in slot 1", [&] {
        bool saved = false;
        visit(kChurch, [&](mise& church) {
            EXPECT_EQ(church.Label5->caption(), QStringLiteral("教　　　会"));
            ASSERT_EQ(church.List2->item(0)->text(), QStringLiteral("セーブする"));
            onShow<System_F>([&](System_F& save) {
                EXPECT_TRUE(save.Command1[0]->isEnabled()) << "the church allows saving";
                save.Label1_Click(1);
                save.Command1_Click(0);
                saved = !save.isLoaded();
            });
            church.List2_Click(0);
        });
        ASSERT_TRUE(saved);
        EXPECT_TRUE(pf.messages.contains(QStringLiteral("No 1　にセーブします。")));
        EXPECT_TRUE(data.exists(QStringLiteral("use1")));
        EXPECT_EQ(st().SlotLabel[1], QStringLiteral(" town01.map   アルト  Lv 1"));
    });

    step("out of リント and into the whispering forest", [&] {
        EXPECT_EQ(pointAt(kWayOutSpot, 1), QStringLiteral("町を出る"));
        overhead().Picture1_Click();
        EXPECT_EQ(mapName(), QStringLiteral("Map_f01.map"));
        EXPECT_EQ(QPoint(overhead().scrollX(), overhead().scrollY()), QPoint(35, 0));
        EXPECT_EQ(pointAt(kPlaceSpot, kForest), QStringLiteral("ささやきの森"));
        overhead().Picture1_Click();
        ASSERT_TRUE(field().isLoaded());
        EXPECT_FALSE(overhead().isLoaded());
        EXPECT_EQ(mapName(), QStringLiteral("mori001.map"));
        EXPECT_EQ(party(), QPoint(22, 41));
        shot(field(), QStringLiteral("play_forest"));
    });

    step("the first clearing: a chest and the spring", [&] {
        const int items = st().ItemCount;
        const QPoint chest = walkTo(QStringLiteral("a chest"), chestCell());
        EXPECT_TRUE(field().Label1->isVisibleTo(&field()));
        EXPECT_TRUE(field().Label1->caption().contains(QStringLiteral("を見つけた")))
            << field().Label1->caption().toStdString();
        EXPECT_NE(eventAt(st(), chest).type, kTreasureCell) << "the chest stays open";
        EXPECT_GE(st().ItemCount, items);
        walkTo(QStringLiteral("the spring"), fixedEventCell(kFountain));
        EXPECT_EQ(pf.messages.back(), kFountainMessage);
        for (int pos = 1; pos <= 2; ++pos)
            EXPECT_EQ(st().CharHP[member(pos)], st().CharacterTable[member(pos)].MaxHP);
    });

    step("the owl warden tests the party and steps aside (scene 1)", [&] {
        const QPoint warden = walkTo(QStringLiteral("the warden"), sceneCell(1));
        Ev_frm& scene = game->form<Ev_frm>();
        ASSERT_TRUE(scene.isLoaded());
        EXPECT_EQ(scene.sceneNo(), 1);
        EXPECT_FALSE(scene.showsShortText());
        const QStringList pages = readScene();
        ASSERT_FALSE(pages.isEmpty());
        EXPECT_EQ(pages.front(), st().SceneLine(1, 1).text());
        EXPECT_EQ(st().StoryProgress, 1);
        EXPECT_TRUE(standable(st(), warden)) << "the way into the forest is open";
    });

    step("the campfire: サリア joins (scene 2)", [&] {
        pf.inputAnswers = {QStringLiteral("1")};
        walkTo(QStringLiteral("the campfire"), sceneCell(2));
        readScene();
        EXPECT_EQ(st().StoryProgress, 2);
        EXPECT_EQ(pf.prompts.back(), QStringLiteral("1：サリア　　2：ファンロス"));
        EXPECT_EQ(nameOf(member(3)), QStringLiteral("サリア"));
    });

    step("the thorns wither (block 1)", [&] {
        const QPoint thorns = walkTo(QStringLiteral("the thorns"), blockCell(1));
        EXPECT_EQ(field().Label1->caption(), QStringLiteral("茨がするするとほどけ、道が開けた。"));
        EXPECT_TRUE(standable(st(), thorns));
    });

    step("the forest's chests", [&] {
        for (int k = 0; k < 6 && findWay(st(), party(), chestCell()); ++k) {
            const int items = st().ItemCount;
            walkTo(QStringLiteral("a chest"), chestCell());
            EXPECT_TRUE(field().Label1->caption().contains(QStringLiteral("を見つけた")));
            EXPECT_GE(st().ItemCount, items);
        }
    });

    step("the forest lord ガルム (boss 1)", [&] {
        walkTo(QStringLiteral("the spring"), fixedEventCell(kFountain));
        const int bosses = tally.bossBattles;
        const QPoint lord = walkTo(QStringLiteral("the forest lord"), bossCell(1));
        EXPECT_EQ(tally.bossBattles, bosses + 1);
        EXPECT_TRUE(standable(st(), lord)) << "the beaten lord leaves the way free";
    });

    step("down into the old shrine", [&] {
        walkTo(QStringLiteral("the way down"), entranceCell(kShrine));
        EXPECT_EQ(mapName(), QStringLiteral("hokora01.map"));
        EXPECT_EQ(st().MapDepth, 2);
        EXPECT_EQ(party(), QPoint(12, 21));
    });

    step("the shrine's spring and chests", [&] {
        while (findWay(st(), party(), chestCell())) walkTo(QStringLiteral("a chest"), chestCell());
        EXPECT_EQ(carried(equipNo(QStringLiteral("鉄の盾"))), 1);
        walkTo(QStringLiteral("the spring"), fixedEventCell(kFountain));
        EXPECT_EQ(pf.messages.back(), kFountainMessage);
    });

    step("the shrine's guardian (boss 2) and the altar's staff (scene 3)", [&] {
        walkTo(QStringLiteral("the guardian"), bossCell(2));
        tellScene(3);
        EXPECT_EQ(st().StoryProgress, 3);
        EXPECT_EQ(carried(equipNo(QStringLiteral("癒しの錫杖"))), 1);
    });

    step("back up the stairs into the forest, and out to the world map", [&] {
        walkTo(QStringLiteral("the stairs up"), fixedEventCell(kBackOneDepth));
        EXPECT_EQ(mapName(), QStringLiteral("mori001.map"));
        EXPECT_EQ(st().MapDepth, 1);
        EXPECT_EQ(st().CurPlace, kShrine) << "the shrine's creatures follow the party up";
        trainUntil(8);
        walkTo(QStringLiteral("the forest's mouth"), fixedEventCell(kToWorldMap));
        EXPECT_FALSE(field().isLoaded());
        ASSERT_TRUE(overhead().isLoaded());
        EXPECT_EQ(mapName(), QStringLiteral("Map_f01.map"));
    });

    step("the star shrine tells the guide (scene 8)", [&] {
        EXPECT_EQ(pointAt(kPlaceSpot, kStarShrine), QStringLiteral("星の神殿"));
        overhead().Picture1_Click();
        Ev_frm& scene = game->form<Ev_frm>();
        ASSERT_TRUE(scene.isLoaded());
        EXPECT_EQ(scene.sceneNo(), 8);
        const QStringList pages = readScene();
        EXPECT_EQ(pages.front(), st().SceneLine(8, 1).text());
        EXPECT_EQ(st().StoryProgress, 3) << "the guide never moves the story on";
        EXPECT_TRUE(overhead().isLoaded());
    });

    step("the harbour town セイル", [&] {
        EXPECT_EQ(pointAt(kPlaceSpot, kSeil), QStringLiteral("港町セイル"));
        overhead().Picture1_Click();
        EXPECT_EQ(mapName(), QStringLiteral("town02.map"));
        const double gold = st().Gold;
        visit(22, [&](mise& shop) { buy(shop, QStringLiteral("鎖かたびら")); });
        EXPECT_EQ(st().Gold, gold - 900);
        outfit([&] { overhead().Command1_Click(0); });
        EXPECT_EQ(st().CharEquipNo(member(1), 2), equipNo(QStringLiteral("鎖かたびら")));
        visit(32, [&](mise& tavern) {
            const int speaker = static_cast<int>(st().BuildingB(32, 1).toInt());
            tavern.Picture2_Click(0);
            EXPECT_EQ(tavern.Label1->caption(), st().TalkLine(speaker, 1).text());
        });
        clickSpot(kWayOutSpot, 1);
        EXPECT_EQ(mapName(), QStringLiteral("Map_f01.map"));
    });

    step("into the crystal cave: the boulder rolls aside (block 2)", [&] {
        EXPECT_EQ(pointAt(kPlaceSpot, kCave), QStringLiteral("水晶の洞窟"));
        overhead().Picture1_Click();
        ASSERT_TRUE(field().isLoaded());
        EXPECT_EQ(mapName(), QStringLiteral("dokutu01.map"));
        const QPoint boulder = walkTo(QStringLiteral("the boulder"), blockCell(2));
        EXPECT_EQ(field().Label1->caption(),
                  QStringLiteral("癒しの錫杖が光ると、水晶の岩が左へ転がった。"));
        EXPECT_EQ(party(), boulder) << "the party steps where the boulder stood";
        EXPECT_EQ(eventAt(st(), boulder + QPoint(-1, 0)).code, kLastSceneCode + 2);
    });

    step("the iron gate shuts behind the party", [&] {
        const QPoint gate = walkTo(QStringLiteral("the gate"), fixedEventCell(kDoor));
        EXPECT_EQ(party(), gate);
        EXPECT_FALSE(standable(st(), gate + QPoint(0, 1))) << "the way back is shut";
    });

    step("the cave's guardian (boss 3) and the save star", [&] {
        rest(true);
        walkTo(QStringLiteral("the guardian"), bossCell(3));
        bool saved = false;
        onShow<System_F>([&](System_F& save) {
            EXPECT_TRUE(save.Command1[0]->isEnabled());
            save.Label1_Click(2);
            save.Command1_Click(0);
            saved = !save.isLoaded();
        });
        walkTo(QStringLiteral("the save star"), fixedEventCell(kSavePoint));
        EXPECT_TRUE(saved);
        EXPECT_TRUE(st().SlotLabel[2].startsWith(QStringLiteral(" dokutu01.map   アルト  Lv ")));
        trainUntil(10);
    });

    step("stairs up to the second floor and the crystal seal (scene 4)", [&] {
        walkTo(QStringLiteral("the stairs up"), fixedEventCell(kStairsUp));
        EXPECT_EQ(st().FloorNo, 2);
        EXPECT_EQ(party(), QPoint(26, 25));
        tellScene(4);
        EXPECT_EQ(st().StoryProgress, 4);
    });

    step("the queen spider (boss 4)", [&] {
        rest(true);
        walkTo(QStringLiteral("the queen"), bossCell(4));
    });

    step("the two switches reveal stairs up", [&] {
        for (const QPoint sw : {QPoint(6, 25), QPoint(5, 17)}) {
            walkTo(QStringLiteral("the switch at ") + describe(sw), cellAt(sw));
            EXPECT_EQ(pf.messages.back(), kSwitchMessage);
            const QPoint stairs = sw + QPoint(0, 1);
            EXPECT_EQ(eventAt(st(), stairs).type, kFixedEventCell);
            EXPECT_EQ(eventAt(st(), stairs).code, kStairsUp);
            EXPECT_EQ(party(), stairs + QPoint(0, 1)) << "the party makes room for the stairs";
        }
    });

    step("the revealed stairs lead to the third floor: the serpent (boss 5) and the star sword",
         [&] {
             walkTo(QStringLiteral("the revealed stairs"), cellAt(QPoint(5, 18)));
             EXPECT_EQ(st().FloorNo, 3);
             EXPECT_EQ(party(), QPoint(40, 8));
             rest(true);
             walkTo(QStringLiteral("the serpent"), bossCell(5));
             tellScene(5);
             EXPECT_EQ(st().StoryProgress, 5);
             const int sword = equipNo(QStringLiteral("星影の剣"));
             ASSERT_EQ(carried(sword), 1);
             equip([&] { field().Command1_Click(0); }, QStringLiteral("星影の剣"), 1);
             EXPECT_EQ(st().CharEquipNo(member(1), 1), sword);
         });

    step("stairs down, floor by floor, and out by the second mouth", [&] {
        walkTo(QStringLiteral("the stairs down"), fixedEventCell(kStairsDown));
        EXPECT_EQ(st().FloorNo, 2);
        EXPECT_EQ(party(), QPoint(5, 19)) << "back where the party went up";
        walkTo(QStringLiteral("the stairs down"), fixedEventCell(kStairsDown));
        EXPECT_EQ(st().FloorNo, 1);
        walkTo(QStringLiteral("the north-east mouth"), fixedEventCell(kToWorldMap));
        ASSERT_TRUE(overhead().isLoaded());
    });

    step("the frontier village カルナ", [&] {
        EXPECT_EQ(pointAt(kPlaceSpot, kKaruna), QStringLiteral("辺境の村カルナ"));
        overhead().Picture1_Click();
        EXPECT_EQ(mapName(), QStringLiteral("town03.map"));
        visit(3, [&](mise& inn) { inn.Command2_Click(0); });
        clickSpot(kWayOutSpot, 1);
    });

    step("the twilight tower opens for the star sword (block 3)", [&] {
        EXPECT_EQ(pointAt(kPlaceSpot, kTower), QStringLiteral("黄昏の塔"));
        overhead().Picture1_Click();
        ASSERT_TRUE(field().isLoaded());
        EXPECT_EQ(mapName(), QStringLiteral("tou01.map"));
        const QPoint seal = walkTo(QStringLiteral("the seal"), blockCell(3));
        EXPECT_EQ(field().Label1->caption(), QStringLiteral("星影の剣に触れて、封印が消えた。"));
        EXPECT_TRUE(standable(st(), seal));
    });

    step("the tower's first floor: training at the spring, and the gatekeeper (boss 6)", [&] {
        trainUntil(16);
        rest(true);
        walkTo(QStringLiteral("the gatekeeper"), bossCell(6));
    });

    for (int floor = 2; floor <= 4; ++floor) {
        step(QStringLiteral("up to floor %1 of the tower").arg(floor), [&] {
            // The party walks on from a beaten boss and may meet a fight at once: it gets its
            // breath back before it climbs.
            rest(true);
            walkTo(QStringLiteral("the stairs up"), fixedEventCell(kStairsUp));
            EXPECT_EQ(mapName(), QStringLiteral("tou0%1.map").arg(floor));
            EXPECT_EQ(st().FloorNo, floor);
            while (findWay(st(), party(), chestCell()))
                walkTo(QStringLiteral("a chest"), chestCell());
            if (findWay(st(), party(), fixedEventCell(kFountain)))
                walkTo(QStringLiteral("the spring"), fixedEventCell(kFountain));
            rest(true);
            walkTo(QStringLiteral("the floor's boss"), bossCell(5 + floor));
        });
    }

    step("the tower's top: the wind bow, and the star stone wakes (scene 6)", [&] {
        tellScene(6);
        EXPECT_EQ(st().StoryProgress, 6);
        EXPECT_EQ(carried(equipNo(QStringLiteral("風読みの弓"))), 1);
    });

    step("down the tower and out", [&] {
        for (int floor = 3; floor >= 1; --floor) {
            walkTo(QStringLiteral("the stairs down"), fixedEventCell(kStairsDown));
            EXPECT_EQ(mapName(), QStringLiteral("tou0%1.map").arg(floor));
        }
        walkTo(QStringLiteral("the tower gate"), fixedEventCell(kToWorldMap));
        ASSERT_TRUE(overhead().isLoaded());
    });

    step("the star stone speaks: part 1 is complete (scene 7)", [&] {
        clickSpot(kPlaceSpot, kForest);
        ASSERT_TRUE(field().isLoaded());
        walkTo(QStringLiteral("the star stone"), sceneCell(7));
        Ev_frm& scene = game->form<Ev_frm>();
        ASSERT_TRUE(scene.isLoaded());
        EXPECT_EQ(scene.sceneNo(), 7);
        readScene();
        EXPECT_EQ(st().StoryProgress, 7);
        EXPECT_EQ(pf.messages.back(), QStringLiteral("1部をクリアしました。ゲームを終了します "));
        EXPECT_FALSE(field().isLoaded());
        EXPECT_TRUE(title.isLoaded());
    });

    step("the battles on the way were won with blows, spells and items", [&] {
        EXPECT_GT(tally.blows, 0);
        EXPECT_GT(tally.spells, 0);
        EXPECT_GT(tally.items, 0);
        EXPECT_EQ(tally.bossBattles, 9) << "every boss of part 1 but the abyss's dragon";
        EXPECT_GT(tally.levelUps, 0);
    });

    step("Load Game brings back the church save", [&] {
        title.Label2_Click(1);
        System_F& save = game->form<System_F>();
        ASSERT_TRUE(save.isLoaded());
        EXPECT_FALSE(save.Command1[0]->isEnabled()) << "nothing is saved from the title";
        EXPECT_EQ(save.Label1[1]->caption(), QStringLiteral(" town01.map   アルト  Lv 1"));
        save.Label1_Click(1);
        save.Command1_Click(1);
        EXPECT_FALSE(save.isLoaded());
        EXPECT_FALSE(title.isLoaded());
        ASSERT_TRUE(overhead().isLoaded());
        EXPECT_EQ(mapName(), QStringLiteral("town01.map"));
        EXPECT_EQ(st().StoryProgress, 0);
        EXPECT_EQ(leaderLevel(), 1);
        EXPECT_EQ(st().Gold, 1144);
    });
}
