// The inn, the tavern and the church, driven through the shop screen.

#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "platform/Label.h"
#include "platform/PictureBox.h"
#include "save/SaveScreen.h"
#include "worldmap/ShopScreen.h"
#include "worldmap/TownFixture.h"

namespace {
const QString kBoughtThanks = QStringLiteral("  ありがとうございました!!\r   またおいでください");
const QString kNoMoney =
    QStringLiteral("  お金がたりません!!\r   お金をためてからまたおいでください。");

class InnTest : public TownTest {
  protected:
    InnTest() {
        st().BuildingA(1, 1) = Value(10);
        st().PartyCount = 6;  // positions 5 and 6 empty: they count as character 0
        st().CharHP[1] = 0;   // down
        st().CharMP[1] = 2;
        st().CharHP[2] = 5;  // poisoned and hurt
        st().CharMP[2] = 0;
        st().CharAilment[3] = 2;
    }
};
}  // namespace

TEST_F(InnTest, QuotesPerPersonAndChargesEveryPosition) {
    visitShop(1, [&](mise& shop) {
        EXPECT_EQ(shop.Label5->caption(), QStringLiteral("宿　　　屋"));
        EXPECT_FALSE(shop.Frame1->isVisibleTo(&shop));
        EXPECT_EQ(shop.Label1->caption(),
                  QStringLiteral("　いらっしゃいませ\r　１泊お一人様 10 "
                                 "ゴールドとなります。\r　お泊りになりますか？"));
        shop.Command2[0]->click();  // the price stands at once
        EXPECT_EQ(shop.Label1->caption(), kBoughtThanks);
        EXPECT_EQ(shop.Label6->caption(), QStringLiteral("所持金：　940"));
        shop.Command2_Click(0);  // and the party can stay again
    });
    EXPECT_EQ(st().Gold, 880);
}

TEST_F(InnTest, ARestLeavesTheDownDownAndAilmentsAsTheyAre) {
    visitShop(1, [&](mise& shop) { shop.Command2_Click(0); });
    EXPECT_EQ(st().CharHP[1], 0);
    EXPECT_EQ(st().CharMP[1], 2);
    EXPECT_EQ(st().CharHP[2], 32);
    EXPECT_EQ(st().CharMP[2], 12);
    EXPECT_EQ(st().CharAilment[3], 2);
}

TEST_F(InnTest, TooLittleMoneyRestoresNothing) {
    st().Gold = 59;
    visitShop(1, [&](mise& shop) {
        shop.Command2_Click(0);
        EXPECT_EQ(shop.Label1->caption(), kNoMoney);
        shop.Command2_Click(1);
        EXPECT_EQ(shop.Label1->caption(), QStringLiteral("　またおいでください"));
    });
    EXPECT_EQ(st().Gold, 59);
    EXPECT_EQ(st().CharHP[2], 5);
    EXPECT_EQ(st().CharMP[2], 0);
}

namespace {
class TavernTest : public TownTest {
  protected:
    TavernTest() {
        st().BuildingA(31, 1) = Value(1);
        st().BuildingB(31, 1) = Value(7);
        st().BuildingA(31, 2) = Value(1);
        st().BuildingB(31, 2) = Value(8);
        st().BuildingA(31, 4) = Value(1);  // behind the first empty seat: nobody sits there
        st().BuildingB(31, 4) = Value(8);
        st().TalkHead(7, 4) = Value(12);  // patron sheet row 1, column 2
        st().TalkHead(8, 4) = Value(5);   // row 0, column 5
        for (int k = 1; k <= 3; ++k) st().TalkLine(7, k) = Value(QStringLiteral("七の%1").arg(k));
        for (int k = 1; k <= 10; ++k) st().TalkLine(8, k) = Value(QStringLiteral("八の%1").arg(k));
    }
};
}  // namespace

TEST_F(TavernTest, OnlyOccupiedSeatsShowTheirPatrons) {
    visitShop(31, [&](mise& shop) {
        EXPECT_EQ(shop.Label5->caption(), QStringLiteral("酒　　　場"));
        EXPECT_EQ(shop.Label1->caption(),
                  QStringLiteral("　いらっしゃいませ\r　何になさいますか？"));
        EXPECT_TRUE(shop.Picture2[0]->isVisibleTo(&shop));
        EXPECT_TRUE(shop.Picture2[1]->isVisibleTo(&shop));
        EXPECT_FALSE(shop.Picture2[2]->isVisibleTo(&shop));
        EXPECT_FALSE(shop.Picture2[3]->isVisibleTo(&shop));
        EXPECT_EQ(rgbAt(shop.Picture2[0]->surface(), 50, 50), cellColour(2, 1) & 0xffffffu);
        EXPECT_EQ(rgbAt(shop.Picture2[1]->surface(), 50, 50), cellColour(5, 0) & 0xffffffu);
        shot(shop, QStringLiteral("tavern"));
    });
}

TEST_F(TavernTest, EachPatronCyclesThroughItsOwnLines) {
    QStringList heard;
    visitShop(31, [&](mise& shop) {
        for (int seat : {0, 0, 1, 0, 0, 1}) {
            shop.Picture2_Click(seat);
            heard << shop.Label1->caption();
        }
        // The frame is cyan and only on the patron last talked to.
        EXPECT_EQ(rgbAt(shop.Picture2[1]->surface(), 1, 40), qRgb(0, 255, 255) & 0xffffffu);
        EXPECT_EQ(rgbAt(shop.Picture2[0]->surface(), 1, 40), cellColour(2, 1) & 0xffffffu);
    });
    EXPECT_EQ(heard, (QStringList{"七の1", "七の2", "八の1", "七の3", "七の1", "八の2"}));

    // A full speaker comes back to line 1 after line 10; a new visit starts every seat afresh.
    heard.clear();
    visitShop(31, [&](mise& shop) {
        for (int k = 0; k < 11; ++k) {
            shop.Picture2_Click(1);
            heard << shop.Label1->caption();
        }
        shop.Picture2_Click(0);
        heard << shop.Label1->caption();
    });
    EXPECT_EQ(heard.at(9), QStringLiteral("八の10"));
    EXPECT_EQ(heard.at(10), QStringLiteral("八の1"));
    EXPECT_EQ(heard.at(11), QStringLiteral("七の1"));
}

TEST_F(TavernTest, ADrinkOnlyCostsMoney) {
    st().Gold = 20;
    setInventory({101});
    visitShop(31, [&](mise& shop) {
        ASSERT_EQ(shop.List2->count(), 4);
        EXPECT_EQ(shop.List2->item(1)->text(), QStringLiteral("ビール    "));
        EXPECT_EQ(shop.List2->item(3)->text(), QStringLiteral("ミルク    "));
        shop.List2_Click(0);
        shop.List2_DblClick(0);
        shop.Command2_Click(0);
        EXPECT_EQ(shop.Label1->caption(), kNoMoney);
        shop.List2_Click(3);
        shop.List2_DblClick(3);
        EXPECT_EQ(shop.Label1->caption(),
                  QStringLiteral("\r  20ｺﾞｰﾙﾄﾞになりますが\r  よろしいですか"));
        shop.Command2_Click(0);
        EXPECT_EQ(shop.Label1->caption(), kBoughtThanks);
    });
    EXPECT_EQ(st().Gold, 0);
    EXPECT_EQ(st().ItemCount, 1);
    EXPECT_EQ(countCode(101), 1);
    EXPECT_EQ(st().CharHP[0], 30);
}

namespace {
const QRgb kRed = 0xff0000u;

class ChurchTest : public TownTest {
  protected:
    ChurchTest() {
        st().Gold = 1200;
        st().CharHP[1] = 0;  // position 2 is down
        st().CharHP[2] = 7;
        st().CharAilment[3] = 2;  // position 3 is poisoned
    }
    static QRgb frameAt(mise& shop, int box) { return rgbAt(shop.Picture2[box]->surface(), 2, 40); }
};
}  // namespace

TEST_F(ChurchTest, GreetsListsTheServicesAndCoversTheFirstFrame) {
    visitShop(41, [&](mise& shop) {
        EXPECT_EQ(shop.Label5->caption(), QStringLiteral("教　　　会"));
        EXPECT_EQ(shop.Label1->caption(),
                  QStringLiteral("　よくいらっしゃいました。\r　何をいたしますか？"));
        ASSERT_EQ(shop.List2->count(), 3);
        EXPECT_EQ(shop.List2->item(0)->text(), QStringLiteral("セーブする"));
        EXPECT_EQ(shop.List2->item(2)->text(), QStringLiteral("状態異常を回復"));
        EXPECT_FALSE(shop.Frame1->isVisibleTo(&shop));
        // The portraits are drawn again over the first selection frame.
        EXPECT_EQ(frameAt(shop, 0), cellColour(0, 0) & 0xffffffu);
        shop.Command2_Click(0);  // no service chosen yet: nothing happens
    });
    EXPECT_EQ(st().Gold, 1200);
    EXPECT_EQ(st().CharHP[1], 0);
}

TEST_F(ChurchTest, FramesTakeTheColourOfTheAilmentAndADownMemberIsMarked) {
    st().CharAilment[1] = 3;
    st().CharAilment[4] = 5;
    visitShop(41, [&](mise& shop) {
        shop.Picture2_Click(0);
        EXPECT_EQ(frameAt(shop, 0), 0x00ff00u);
        shop.Picture2_Click(2);
        EXPECT_EQ(frameAt(shop, 2), 0xff00ffu);
        EXPECT_EQ(frameAt(shop, 0), cellColour(0, 0) & 0xffffffu);  // the old frame is gone
        shop.Picture2_Click(3);
        EXPECT_EQ(frameAt(shop, 3), 0xffffffu);
        shop.Picture2_Click(1);
        EXPECT_EQ(frameAt(shop, 1), kRed);
        EXPECT_EQ(shop.frameColour(), QColor(255, 0, 0));
        EXPECT_EQ(st().CharAilment[2], 6);
        EXPECT_EQ(st().CurChar, 1);
        shop.List2_Click(2);
        EXPECT_EQ(shop.Label1->caption(), QStringLiteral(" 100ゴールドの寄付をお願いします。"));
        shop.List2_Click(1);
        EXPECT_EQ(shop.Label1->caption(), QStringLiteral(" 1000ゴールドの寄付をお願いします。"));
        shop.Command2_Click(0);
        EXPECT_EQ(shop.Label6->caption(), QStringLiteral("所持金：　200"));
        // The message keeps the donation text; the member stays marked until cured.
        EXPECT_EQ(shop.Label1->caption(), QStringLiteral(" 1000ゴールドの寄付をお願いします。"));
    });
    EXPECT_EQ(st().CharHP[1], 31);
    EXPECT_EQ(st().CharAilment[2], 6);
    EXPECT_EQ(st().Gold, 200);
    shot(game->form<mise>(), QStringLiteral("church"));
}

TEST_F(ChurchTest, AServiceNotNeededIsAnnouncedButStillPaidFor) {
    visitShop(41, [&](mise& shop) {
        shop.Picture2_Click(0);  // able to fight, no ailment
        shop.List2_Click(1);
        EXPECT_EQ(shop.Label1->caption(), QStringLiteral(" 戦闘不能ではありません!!"));
        st().CharHP[0] = 3;
        shop.Command2_Click(0);
        EXPECT_EQ(st().CharHP[0], 30);
        EXPECT_EQ(st().Gold, 200);
        shop.List2_Click(2);
        EXPECT_EQ(shop.Label1->caption(), QStringLiteral(" 状態異常ではありません!!"));
        shop.Command2_Click(0);
        EXPECT_EQ(st().Gold, 100);
        shop.Command2_Click(0);
        shop.Command2_Click(0);
        EXPECT_EQ(shop.Label1->caption(), QStringLiteral(" お金がたりません!!"));
        shop.Command2_Click(1);
        EXPECT_EQ(shop.Label1->caption(), QStringLiteral("　何になさいますか？"));
    });
    EXPECT_EQ(st().Gold, 0);
}

TEST_F(ChurchTest, CuringAPoisonedMemberAndTooLittleForARevival) {
    st().Gold = 999;
    visitShop(41, [&](mise& shop) {
        shop.Picture2_Click(2);
        shop.List2_Click(2);
        EXPECT_EQ(shop.Label1->caption(), QStringLiteral(" 100ゴールドの寄付をお願いします。"));
        shop.Command2_Click(0);
        EXPECT_EQ(st().CharAilment[3], 0);
        shop.Picture2_Click(1);
        shop.List2_Click(1);
        shop.Command2_Click(0);
        EXPECT_EQ(shop.Label1->caption(), QStringLiteral(" お金がたりません!!"));
        EXPECT_EQ(shop.Label6->caption(), QStringLiteral("所持金：　899"));
    });
    EXPECT_EQ(st().CharHP[1], 0);
    EXPECT_EQ(st().Gold, 899);
}

// Saving puts the leader back into CurChar; the church still serves the portrait selected.
TEST_F(ChurchTest, AfterSavingTheServiceGoesToTheSelectedMember) {
    onShow<System_F>([](System_F& save) { save.Unload(); });
    visitShop(41, [&](mise& shop) {
        auto clickLine = [&](int row) {
            QTest::mouseClick(shop.List2->viewport(), Qt::LeftButton, {},
                              shop.List2->visualItemRect(shop.List2->item(row)).center());
        };
        QTest::mouseClick(shop.Picture2[1], Qt::LeftButton);  // the fallen second member
        clickLine(0);                                         // セーブする
        EXPECT_EQ(shown.back(), game->form<System_F>().name());
        clickLine(1);  // 戦闘不能を回復
        EXPECT_EQ(shop.Label1->caption(), QStringLiteral(" 1000ゴールドの寄付をお願いします。"));
        QTest::mouseClick(shop.Command2[0], Qt::LeftButton);  // は　い
    });
    EXPECT_EQ(st().CharHP[1], 31);
    EXPECT_EQ(st().CharHP[0], 30);
    EXPECT_EQ(st().Gold, 200);
}

TEST_F(ChurchTest, DoubleClickingAServiceShowsAQuestionWithoutAPrice) {
    setItem(1, QStringLiteral("薬草"), 30);
    setStock(11, {1});
    visitShop(11, [&](mise& shop) {  // an earlier quote must not show up in the church
        shop.List2_Click(0);
        shop.List2_DblClick(0);
    });
    visitShop(41, [&](mise& shop) {
        shop.Command2_Click(0);  // the item shop's chosen line is not a church service
        EXPECT_EQ(st().Gold, 1200);
        shop.List2_Click(1);
        shop.List2_DblClick(1);
        EXPECT_EQ(shop.Label1->caption(),
                  QStringLiteral("\r  ｺﾞｰﾙﾄﾞになりますが\r  よろしいですか"));
    });
}
