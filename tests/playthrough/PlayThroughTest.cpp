// The whole of part 1 of the sample world, played through the real screens from the title to the
// closing message and back to the title to load the game saved at the church.
#include <QFile>
#include <QListWidget>

#include "PlayFixture.h"
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
constexpr int kForest = 8;

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
}
