// Buying and selling in the item shop and the weapon shop, driven through the shop screen.

#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include "core/Text.h"
#include "platform/Label.h"
#include "platform/PictureBox.h"
#include "platform/PictureButton.h"
#include "worldmap/ShopRules.h"
#include "worldmap/ShopScreen.h"
#include "worldmap/TownFixture.h"

namespace {
const QString kQuote150 = QStringLiteral("\r  150ｺﾞｰﾙﾄﾞになりますが\r  よろしいですか");

class ItemShopTest : public TownTest {
  protected:
    ItemShopTest() {
        setItem(1, QStringLiteral("薬草"), 30, 10, 1);
        setItem(2, QStringLiteral("毒消し"), 25, 0, 2);
        setItem(3, QStringLiteral("聖水"), 40);
        setStock(11, {1, 3});
    }
    // Sets the quantity by pressing + (quantity − 1) times, then picks and quotes line row.
    static void quote(mise& shop, int row, int quantity = 1) {
        for (int k = 1; k < quantity; ++k) shop.Command1[0]->click();
        shop.List2_Click(row);
        shop.List2_DblClick(row);
    }
};
}  // namespace

TEST_F(ItemShopTest, TheCounterGreetsAndListsTheStockUntilTheFirstEmptyWare) {
    st().BuildingB(11, 3) = Value(0);  // ends the list even though ware 4 exists
    st().BuildingB(11, 4) = Value(2);
    visitShop(11, [&](mise& shop) {
        EXPECT_EQ(shop.Label5->caption(), QStringLiteral("道　具　屋"));
        EXPECT_EQ(shop.Label1->caption(),
                  QStringLiteral("　いらっしゃいませ\r　何になさいますか？"));
        ASSERT_EQ(shop.List2->count(), 2);
        EXPECT_EQ(shop.List2->item(0)->text(), fixedText(QStringLiteral("薬草"), 20));
        EXPECT_EQ(shop.Label6->caption(), QStringLiteral("所持金：　1000"));
        EXPECT_TRUE(shop.Label2->isVisibleTo(&shop));
        EXPECT_TRUE(shop.Command1[0]->isVisibleTo(&shop));
        shop.List2_Click(1);
        EXPECT_EQ(shop.Label4->caption(), fixedText(QStringLiteral("聖水の説明"), 20));
    });
    EXPECT_EQ(pf.mciCommands.first(), QStringLiteral("stop bgm "));
}

TEST_F(ItemShopTest, AStockWhoseFirstWareIsRecordZeroShowsAnEmptyList) {
    st().BuildingB(12, 1) = Value();
    st().BuildingB(12, 2) = Value(1);
    visitShop(12, [&](mise& shop) { EXPECT_EQ(shop.List2->count(), 0); });
}

TEST_F(ItemShopTest, YesWithoutAQuoteBuysNothing) {
    visitShop(11, [&](mise& shop) {
        shop.Command2[0]->click();
        shop.List2_Click(0);  // a click alone quotes no price either
        shop.Command2_Click(0);
    });
    EXPECT_EQ(st().Gold, 1000);
    EXPECT_EQ(st().ItemCount, 0);
}

TEST_F(ItemShopTest, BuyingFiveAtThirtyChargesOneFiftyAndTheQuoteStandsForAnotherFive) {
    setInventory({2, 103});
    visitShop(11, [&](mise& shop) {
        quote(shop, 0, 5);
        EXPECT_EQ(shop.Label2->caption(), QStringLiteral("5"));
        EXPECT_EQ(shop.Label1->caption(), kQuote150);
        shop.Command2[0]->click();
        EXPECT_EQ(shop.Label1->caption(),
                  QStringLiteral("  ありがとうございました!!\r   またおいでください"));
        EXPECT_EQ(st().Gold, 850);
        EXPECT_EQ(st().ItemCount, 7);
        EXPECT_EQ(shop.Label6->caption(), QStringLiteral("所持金：　850"));
        shop.Command2_Click(0);
    });
    EXPECT_EQ(st().Gold, 700);
    EXPECT_EQ(st().ItemCount, 12);
    EXPECT_EQ(countCode(101), 10);
    // Sorted after every purchase: equipment, then items in rising code order, then free entries.
    EXPECT_EQ(st().InvItem[0], Value(2));
    for (int e = 1; e <= 10; ++e) {
        EXPECT_EQ(st().InvItem[e], Value(101)) << e;
        EXPECT_EQ(st().InvKind[e], Value(1)) << e;
        EXPECT_EQ(st().InvPower[e], Value(10)) << e;
    }
    EXPECT_EQ(st().InvItem[11], Value(103));
    EXPECT_TRUE(st().InvItem[12].isBlank());
}

TEST_F(ItemShopTest, QuantityStaysWithinOneAndNinetyNineAndWithdrawsTheQuote) {
    visitShop(11, [&](mise& shop) {
        shop.Command1_Click(1);
        EXPECT_EQ(shop.Label2->caption(), QStringLiteral("1"));
        for (int k = 0; k < 120; ++k) shop.Command1_Click(0);
        EXPECT_EQ(shop.Label2->caption(), QStringLiteral("99"));
        shop.List2_DblClick(0);
        shop.Command1_Click(1);  // changing the quantity takes the price back
        shop.Command2_Click(0);
    });
    EXPECT_EQ(st().Gold, 1000);
    EXPECT_EQ(st().ItemCount, 0);
}

TEST_F(ItemShopTest, TooLittleMoneyChangesNothing) {
    st().Gold = 149;
    visitShop(11, [&](mise& shop) {
        quote(shop, 0, 5);
        shop.Command2_Click(0);
        EXPECT_EQ(shop.Label1->caption(),
                  QStringLiteral("  お金がたりません!!\r   お金をためてからまたおいでください。"));
    });
    EXPECT_EQ(st().Gold, 149);
    EXPECT_EQ(st().ItemCount, 0);
}

TEST_F(ItemShopTest, APurchaseThatDoesNotAllFitBuysNothing) {
    for (int e = 0; e < 47; ++e) st().InvItem[e] = Value(103);
    st().ItemCount = 47;
    visitShop(11, [&](mise& shop) {
        quote(shop, 0, 5);
        shop.Command2_Click(0);
        EXPECT_EQ(shop.Label1->caption(), QStringLiteral("これ以上アイテムを持つことはできません"));
        EXPECT_EQ(st().Gold, 1000);
        EXPECT_EQ(st().ItemCount, 47);
        EXPECT_EQ(countCode(101), 0);
        // Three fit exactly: the inventory is full at 50 entries, entry 50 stays free.
        shop.Command1_Click(1);
        shop.Command1_Click(1);
        shop.List2_DblClick(0);
        shop.Command2_Click(0);
        EXPECT_EQ(st().ItemCount, 50);
        EXPECT_EQ(countCode(101), 3);
        EXPECT_EQ(st().Gold, 910);
        shop.Command2_Click(0);  // the quote still stands, but nothing more fits
    });
    EXPECT_EQ(st().ItemCount, 50);
    EXPECT_EQ(st().Gold, 910);
    EXPECT_TRUE(st().InvItem[50].isBlank());
}

TEST_F(ItemShopTest, SellingAtHalfPriceKeepsTheHalfGoldAndRebuildsTheList) {
    setInventory({5, 101, 102, 102});
    visitShop(11, [&](mise& shop) {
        for (int k = 0; k < 4; ++k) shop.Command1_Click(0);  // the buying quantity plays no part
        shop.Option1[0]->click();
        EXPECT_FALSE(shop.Label2->isVisibleTo(&shop));
        ASSERT_EQ(shop.List2->count(), 3);
        EXPECT_EQ(shop.List2->item(1)->text(), fixedText(QStringLiteral("毒消し"), 20));
        shop.List2_Click(1);
        shop.List2_DblClick(1);
        EXPECT_EQ(shop.Label1->caption(),
                  QStringLiteral("\r  12.5ｺﾞｰﾙﾄﾞになりますが\r  よろしいですか"));
        shop.Command2_Click(0);
        EXPECT_EQ(shop.Label1->caption(),
                  QStringLiteral("  ありがとうございました!!\r  またおいでください"));
        EXPECT_EQ(shop.Label6->caption(), QStringLiteral("所持金：　1012.5"));
        ASSERT_EQ(shop.List2->count(), 2);
        EXPECT_EQ(shop.List2->item(1)->text(), fixedText(QStringLiteral("毒消し"), 20));
        shop.Command2_Click(0);  // the sale withdrew the quote
    });
    EXPECT_EQ(st().Gold, 1012.5);
    EXPECT_EQ(st().ItemCount, 3);
    EXPECT_EQ(countCode(102), 1);
    EXPECT_EQ(countCode(101), 1);
    EXPECT_EQ(countCode(5), 1);
}

TEST_F(ItemShopTest, TheSaleEmptiesTheEntryTheLineStandsFor) {
    // An inventory out of order (a gift not yet sorted): the line still sells its own entry,
    // not the piece of equipment that would stand there in a sorted inventory.
    setInventory({103, 7, 101});
    st().InvName[0] = Value("贈り物");
    visitShop(11, [&](mise& shop) {
        shop.Option1_Click(0);
        ASSERT_EQ(shop.List2->count(), 2);
        shop.List2_Click(0);
        shop.List2_DblClick(0);
        shop.Command2_Click(0);
    });
    EXPECT_EQ(countCode(103), 0);
    EXPECT_EQ(countCode(101), 1);
    EXPECT_EQ(countCode(7), 1);
    EXPECT_EQ(st().Gold, 1020);
    for (const Value& name : st().InvName) EXPECT_TRUE(name.isBlank());
}

TEST_F(ItemShopTest, NothingToSellShowsTheBoxAndBuyingBringsTheStockBack) {
    setInventory({3, 4});
    visitShop(11, [&](mise& shop) {
        shop.Option1_Click(0);
        EXPECT_EQ(shop.List2->count(), 0);
        EXPECT_EQ(pf.messages, QStringList{QStringLiteral("売れるものがありません")});
        shop.Option1_Click(1);
        EXPECT_EQ(shop.List2->count(), 2);
        EXPECT_TRUE(shop.Option1[1]->isChecked());
    });
}

TEST_F(ItemShopTest, SellingTheLastSellableEntryLeavesAnEmptyListAndTheBox) {
    setInventory({101});
    visitShop(11, [&](mise& shop) {
        shop.Option1_Click(0);
        EXPECT_TRUE(pf.messages.isEmpty());
        shop.List2_Click(0);
        shop.List2_DblClick(0);
        shop.Command2_Click(0);
        EXPECT_EQ(shop.List2->count(), 0);
    });
    EXPECT_EQ(pf.messages, QStringList{QStringLiteral("売れるものがありません")});
    EXPECT_EQ(st().ItemCount, 0);
    EXPECT_EQ(st().Gold, 1015);
}

namespace {
class WeaponShopTest : public TownTest {
  protected:
    WeaponShopTest() {
        setEquip(4, QStringLiteral("誰でも杖"), 60, 0, 1, 2);
        setEquip(5, QStringLiteral("鉄の剣"), 201, 1, 1, 12);
        setStock(21, {4, 5});
    }
    // Gives party position pos a character of class classNo.
    void setClass(int pos, int classNo) { st().CharacterTable[pos - 1].ClassNo = classNo; }
    std::vector<bool> shownPortraits(mise& shop) {
        std::vector<bool> shown;
        for (PictureBox* p : shop.Picture2) shown.push_back(p->isVisibleTo(&shop));
        return shown;
    }
};
}  // namespace

TEST_F(WeaponShopTest, BuysOnePieceWithItsSlotAndPowerAndHasNoQuantity) {
    setInventory({104});
    visitShop(21, [&](mise& shop) {
        EXPECT_EQ(shop.Label5->caption(), QStringLiteral("武　器　屋"));
        EXPECT_FALSE(shop.Label2->isVisibleTo(&shop));
        EXPECT_FALSE(shop.Command1[0]->isVisibleTo(&shop));
        shop.List2_Click(1);
        shop.List2_DblClick(1);
        EXPECT_EQ(shop.Label1->caption(),
                  QStringLiteral("\r  201ｺﾞｰﾙﾄﾞになりますが\r  よろしいですか"));
        shop.Command2_Click(0);
    });
    EXPECT_EQ(st().Gold, 799);
    EXPECT_EQ(st().ItemCount, 2);
    EXPECT_EQ(st().InvItem[0], Value(5));  // equipment sorts before items
    EXPECT_EQ(st().InvKind[0], Value(1));
    EXPECT_EQ(st().InvPower[0], Value(12));
    EXPECT_EQ(st().InvItem[1], Value(104));
}

TEST_F(WeaponShopTest, AFullInventoryRefusesEvenOnePiece) {
    for (int e = 0; e < 50; ++e) st().InvItem[e] = Value(101);
    st().ItemCount = 50;
    visitShop(21, [&](mise& shop) {
        shop.List2_Click(0);
        shop.List2_DblClick(0);
        shop.Command2_Click(0);
        EXPECT_EQ(shop.Label1->caption(), QStringLiteral("これ以上アイテムを持つことはできません"));
    });
    EXPECT_EQ(st().Gold, 1000);
    EXPECT_EQ(st().ItemCount, 50);
    EXPECT_TRUE(st().InvItem[50].isBlank());
}

TEST_F(WeaponShopTest, SellsEquipmentOnlyAtHalfPrice) {
    setInventory({5, 4, 101});
    visitShop(21, [&](mise& shop) {
        shop.Option1_Click(0);
        ASSERT_EQ(shop.List2->count(), 2);
        EXPECT_EQ(shop.List2->item(0)->text(), fixedText(QStringLiteral("鉄の剣"), 20));
        shop.List2_Click(0);
        shop.List2_DblClick(0);
        shop.Command2_Click(0);
        ASSERT_EQ(shop.List2->count(), 1);
    });
    EXPECT_EQ(st().Gold, 1100.5);
    EXPECT_EQ(countCode(5), 0);
    EXPECT_EQ(countCode(4), 1);
    EXPECT_EQ(countCode(101), 1);
}

TEST_F(WeaponShopTest, PortraitsShowWhoMayUseTheWare) {
    struct Case {
        int mask;
        std::vector<int> allowed;  // classes 1..11 that see the ware
    };
    const Case cases[] = {{0, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}},
                          {1, {1, 11}},
                          {7, {1, 4, 7, 11}},
                          {10, {2}},
                          {300, {3, 6}},
                          {246, {4, 6, 7, 8}}};
    for (const Case& c : cases) {
        st().EquipTable[5].EquipClassMask = c.mask;
        // Three visits of four members cover classes 1..11 (and 1 again).
        for (int first : {1, 5, 9}) {
            for (int pos = 1; pos <= 4; ++pos) setClass(pos, (first + pos - 2) % 11 + 1);
            visitShop(21, [&](mise& shop) {
                EXPECT_EQ(shownPortraits(shop), std::vector<bool>(4, true));
                shop.List2_Click(1);
                for (int pos = 1; pos <= 4; ++pos) {
                    const int cls = (first + pos - 2) % 11 + 1;
                    const bool expected = std::count(c.allowed.begin(), c.allowed.end(), cls) > 0;
                    EXPECT_EQ(shop.Picture2[pos - 1]->isVisibleTo(&shop), expected)
                        << "mask " << c.mask << " class " << cls;
                }
            });
        }
    }
}

TEST_F(WeaponShopTest, ASellLineAlsoShowsWhoCouldUseThePiece) {
    setInventory({5});
    st().PartyMember[4] = Value();  // three members
    visitShop(21, [&](mise& shop) {
        shop.Option1_Click(0);
        shop.List2_Click(0);
        EXPECT_EQ(shownPortraits(shop), (std::vector<bool>{true, false, false, false}));
        // Picking a member draws the portraits again, all of them.
        shop.Picture2_Click(0);
        EXPECT_EQ(shownPortraits(shop), (std::vector<bool>{true, true, true, false}));
    });
}

TEST_F(ItemShopTest, ANumberWithoutAFacilityOpensAnEmptyCounter) {
    st().BuildingPicture[50] = Value();
    visitShop(50, [&](mise& shop) {
        EXPECT_EQ(shop.shopType(), ShopKind::None);
        EXPECT_EQ(shop.List2->count(), 0);
        EXPECT_TRUE(shop.Picture2[0]->isVisibleTo(&shop));
        shop.Command2_Click(0);
        shop.Command2_Click(1);
        EXPECT_EQ(shop.Label1->caption(), QStringLiteral("　何になさいますか？"));
        shop.Command2[2]->click();
        EXPECT_FALSE(shop.isLoaded());
    });
    EXPECT_EQ(st().Gold, 1000);
}
