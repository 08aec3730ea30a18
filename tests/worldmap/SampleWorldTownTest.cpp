// The overhead map and the shop screen on the sample world: every town can be entered and left,
// every facility of every town opens as what its name says, and the screens are pictured.

#include <QDir>
#include <QListWidget>
#include <optional>
#include <set>

#include "core/DataLoad.h"
#include "core/Game.h"
#include "core/TableFiles.h"
#include "platform/Label.h"
#include "platform/PictureBox.h"
#include "support/GameTest.h"
#include "worldmap/MapPointer.h"
#include "worldmap/MapScreen.h"
#include "worldmap/ShopScreen.h"

namespace {
class SampleWorldTown : public GameTest {
  protected:
    void SetUp() override {
        const QDir world(sampleWorldDir());
        if (!world.exists(QStringLiteral("Map_f01.map")))
            GTEST_SKIP() << "the sample world has not been generated";
        st().DataPath = world.path() + u'/';
        MasterFileNames{}.applyTo(st());
        Data_LoadAll(st());
        st().NewGameFlag = 1;
    }
    // Every hot spot of a kind on the current map, as map cells with their numbers.
    std::vector<std::pair<QPoint, int>> spots(int kind) {
        std::vector<std::pair<QPoint, int>> found;
        for (int y = 0; y <= st().MapSize; ++y)
            for (int x = 0; x <= st().MapSize; ++x) {
                const HotSpot s = readHotSpot(st().EventGrid(x, y));
                if (s.kind == kind && s.number != 0) found.push_back({QPoint(x, y), s.number});
            }
        return found;
    }
    // Brings map cell `cell` into view (as scrolling would) and points at it.
    static void pointAt(M_Map& map, QPoint cell) {
        if (cell.x() < map.scrollX() || cell.x() > map.scrollX() + 24 || cell.y() < map.scrollY() ||
            cell.y() > map.scrollY() + 18) {
            map.placeView(std::clamp(cell.x() - 12, 1, 60 - 25),
                          std::clamp(cell.y() - 9, 1, 60 - 19));
            map.view2();
        }
        map.Picture1_MouseMove((cell.x() - map.scrollX()) * 32 + 8,
                               (cell.y() - map.scrollY()) * 32 + 8);
    }
};
}  // namespace

TEST_F(SampleWorldTown, EveryTownOpensEveryFacilityAndLeadsBackOut) {
    M_Map& map = game->form<M_Map>();
    map.Show();
    ASSERT_EQ(std::pair(map.scrollX(), map.scrollY()), std::pair(35, 0));

    std::set<int> towns;
    for (const auto& [cell, number] : spots(kPlaceSpot))
        if (number < 8) towns.insert(number);
    ASSERT_EQ(towns, (std::set<int>{1, 2, 3}));

    std::set<ShopKind> kindsSeen;
    for (int town : towns) {
        SCOPED_TRACE(town);
        const auto world = spots(kPlaceSpot);
        const auto door = std::find_if(world.begin(), world.end(),
                                       [&](const auto& s) { return s.second == town; });
        pointAt(map, door->first);
        EXPECT_EQ(map.Label1->caption(), st().PlaceName[town].text());
        if (town == 1) shot(map, QStringLiteral("world_map_label"));
        map.Picture1_Click();
        ASSERT_EQ(st().MapFileName, st().PlaceMap[town].text() + QStringLiteral(".map"));
        EXPECT_EQ(std::pair(map.scrollX(), map.scrollY()), std::pair(0, 0));
        if (town == 1) shot(map, QStringLiteral("town"));

        for (const auto& [cell, number] : spots(kFacilitySpot)) {
            pointAt(map, cell);
            EXPECT_EQ(map.Label1->caption(), facilityName(number).value_or(QString())) << number;
            onShow<mise>([&, number = number](mise& shop) {
                EXPECT_EQ(st().ShopNo, number);
                EXPECT_NE(shop.shopType(), ShopKind::None) << number;
                kindsSeen.insert(shop.shopType());
                if (shop.shopType() == ShopKind::ItemShop ||
                    shop.shopType() == ShopKind::WeaponShop) {
                    EXPECT_GT(shop.List2->count(), 0) << number;
                }
                if (town == 1 && shop.shopType() == ShopKind::ItemShop) {
                    shop.List2_Click(0);
                    shop.List2_DblClick(0);
                    shot(shop, QStringLiteral("item_shop"));
                }
                if (town == 1 && shop.shopType() == ShopKind::Tavern) {
                    shop.Picture2_Click(0);
                    shot(shop, QStringLiteral("tavern"));
                }
                if (town == 1 && shop.shopType() == ShopKind::Church) {
                    st().CharHP[1] = 0;
                    shop.Picture2_Click(1);
                    shop.List2_Click(1);
                    shot(shop, QStringLiteral("church"));
                }
                shop.Command2_Click(2);
            });
            map.Picture1_Click();
        }

        const auto ways = spots(kWayOutSpot);
        ASSERT_FALSE(ways.empty());
        pointAt(map, ways.front().first);
        EXPECT_EQ(map.Label1->caption(), QStringLiteral("町を出る"));
        map.Picture1_Click();
        EXPECT_EQ(st().MapFileName, QStringLiteral("Map_f01.map"));
    }
    EXPECT_EQ(kindsSeen.size(), 5u);
}
