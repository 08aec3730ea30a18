// The item screen driven as the player would: the two views, using items on members, equipping,
// throwing away, the refusals and the portraits.
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include "MenuFixture.h"
#include "party/ItemRules.h"
#include "party/ItemScreen.h"
#include "platform/Label.h"
#include "platform/PictureBox.h"

namespace {
const QColor kCyan(0, 255, 255);
const QColor kRed(255, 0, 0);
const QColor kMagenta(255, 0, 255);

class ItemScreen : public MenuTest {
  protected:
    ItemScreen() {
        equip(1, "銅の剣", 5, 1);
        equip(2, "革の鎧", 3, 2);
        equip(3, "鉄の鎧", 7, 2);
        equip(5, "木の兜", 2, 3);
        equip(6, "魔法の杖", 4, 1, 10);  // class 2 only
        item(1, "やくそう", 1, 30, 0);
        item(2, "どくけし草", 3, 0, 0);
        item(3, "聖なる毒消し", 3, 0, 1);
        item(4, "まほうの水", 2, 20, 0);
        item(5, "宵闇の香", 18, 0, 0);
        item(6, "気付け薬", 7, 0, 0);
        st().CharacterTable[0].ArmourNo = 2;
        rejoin(0);
    }

    Item& open() {
        Item& s = game->form<Item>();
        s.Show();
        return s;
    }
    // Clicks the list row showing inventory entry `entry`.
    void pickEntry(Item& s, int entry) {
        const auto& rows = s.listMap();
        for (std::size_t r = 0; r < rows.size(); ++r)
            if (rows[r] == entry) return s.List1_Click(static_cast<int>(r));
        FAIL() << "entry " << entry << " is not listed";
    }
    QStringList rowTexts(Item& s) {
        QStringList texts;
        for (int r = 0; r < s.List1->count(); ++r) texts << s.List1->item(r)->text();
        return texts;
    }
    QString padded(const char* name) { return QString::fromUtf8(name).leftJustified(20, u' '); }
};
}  // namespace

// --- The views -------------------------------------------------------------------------------

TEST_F(ItemScreen, EachViewListsItsOwnEntriesAndCodeHundredNowhere) {
    stock(0, Value(3));
    stock(1, Value(100));
    stock(2, Value(101));
    stock(4, Value(1));
    stock(50, Value(102));
    Item& s = open();
    EXPECT_EQ(s.Option1[1]->isChecked(), true);
    EXPECT_FALSE(s.Command1[0]->isEnabled());
    EXPECT_EQ(s.listMap(), (std::vector<int>{2, 50}));
    EXPECT_EQ(rowTexts(s), (QStringList{padded("やくそう"), padded("どくけし草")}));
    EXPECT_EQ(s.Label2[1]->caption(), QStringLiteral("5"));
    EXPECT_EQ(s.Label1[1]->caption(), QStringLiteral("120"));

    s.Option1_Click(0);
    EXPECT_TRUE(s.Command1[0]->isEnabled());
    EXPECT_FALSE(s.Command1[1]->isEnabled());
    EXPECT_EQ(s.listMap(), (std::vector<int>{0, 4}));
    s.List1_Click(1);
    EXPECT_EQ(s.Label3->caption(), QStringLiteral("銅の剣の説明"));
}

TEST_F(ItemScreen, PartyOfTwoShowsTwoPortraitsAndTheOthersCannotBeChosen) {
    partyOf(2);
    Item& s = open();
    EXPECT_FALSE(s.Picture1[1]->isHidden());
    EXPECT_TRUE(s.Picture1[2]->isHidden());
    EXPECT_TRUE(s.Picture1[3]->isHidden());
    s.Picture1_Click(2);
    EXPECT_EQ(s.targetPosition(), 0);
    EXPECT_EQ(st().CurChar, 0);
    s.Picture1_Click(1);
    EXPECT_EQ(s.targetPosition(), 2);
    EXPECT_EQ(st().CurChar, 1);
    EXPECT_EQ(pixel(*s.Picture1[1], 1, 50), kCyan);
    EXPECT_EQ(pixel(*s.Picture1[1], 50, 50), portraitColour(2));
}

// --- Using items -----------------------------------------------------------------------------

TEST_F(ItemScreen, PotionRestoresWhatIsMissingAndIsUsedUp) {
    stock(0, Value(101));
    stock(1, Value(101));
    st().CharHP[1] = 45;
    Item& s = open();
    pickEntry(s, 0);
    s.Picture1_Click(1);
    s.Command1_Click(1);
    EXPECT_EQ(st().CharHP[1], 60);
    EXPECT_EQ(st().MessageLines[3], QStringLiteral("HP が 15回復した"));
    EXPECT_EQ(st().ActionResult, 2);
    EXPECT_EQ(st().ItemCount, 1);
    EXPECT_EQ(st().InvItem[0], Value(101));
    EXPECT_TRUE(st().InvItem[1].isBlank());
    EXPECT_FALSE(s.isLoaded());
    EXPECT_EQ(st().CurChar, 0);  // closing hands the leader back
    EXPECT_TRUE(pf.messages.isEmpty());
}

TEST_F(ItemScreen, PotionOnAFullMemberIsKeptButTheScreenStillCloses) {
    stock(0, Value(101));
    Item& s = open();
    pickEntry(s, 0);
    s.Picture1_Click(0);
    s.Command1_Click(1);
    EXPECT_EQ(pf.messages, QStringList{QStringLiteral("回復の必要はありません")});
    EXPECT_EQ(st().InvItem[0], Value(101));
    EXPECT_EQ(st().ItemCount, 1);
    EXPECT_EQ(st().ActionResult, 0);
    EXPECT_EQ(st().MessageLines[3], QString());
    EXPECT_FALSE(s.isLoaded());
}

TEST_F(ItemScreen, MagicWaterRestoresMP) {
    stock(0, Value(104));
    st().CharMP[2] = 15;
    Item& s = open();
    pickEntry(s, 0);
    s.Picture1_Click(2);
    s.Command1_Click(1);
    EXPECT_EQ(st().CharMP[2], 20);
    EXPECT_EQ(st().MessageLines[3], QStringLiteral("MP が 5回復した"));
}

TEST_F(ItemScreen, AntidoteCuresOnlyPoisonAndIsKeptOrUsedUpByItsKeepFlag) {
    stock(0, Value(102));  // used up
    stock(1, Value(103));  // stays
    st().CharAilment[2] = 2;
    Item& s = open();
    pickEntry(s, 0);
    s.Picture1_Click(0);  // not poisoned
    s.Command1_Click(1);
    EXPECT_EQ(pf.messages, QStringList{QStringLiteral("回復の必要はありません")});
    EXPECT_EQ(st().ItemCount, 2);

    open();
    pickEntry(s, 1);
    s.Picture1_Click(1);
    s.Command1_Click(1);
    EXPECT_EQ(st().CharAilment[2], 0);
    EXPECT_EQ(st().ItemCount, 2);
    EXPECT_EQ(st().InvItem[1], Value(103));

    st().CharAilment[3] = 2;
    open();
    pickEntry(s, 0);
    s.Picture1_Click(2);
    s.Command1_Click(1);
    EXPECT_EQ(st().CharAilment[3], 0);
    EXPECT_EQ(st().ItemCount, 1);
    EXPECT_EQ(st().InvItem[0], Value(103));  // sorted to the front
    EXPECT_TRUE(st().InvItem[1].isBlank());
}

TEST_F(ItemScreen, ADownMemberIsMarkedAndCannotBeGivenAnything) {
    stock(0, Value(101));
    st().CharHP[3] = 0;
    Item& s = open();
    s.Picture1_Click(3);
    EXPECT_EQ(st().CharAilment[4], 6);
    EXPECT_EQ(pixel(*s.Picture1[3], 2, 50), kRed);
    pickEntry(s, 0);
    s.Command1_Click(1);
    EXPECT_EQ(pf.messages, QStringList{QStringLiteral("戦闘不能です。アイテムは使用できません。")});
    EXPECT_EQ(st().CharHP[3], 0);
    EXPECT_EQ(st().ItemCount, 1);
    EXPECT_FALSE(s.isLoaded());
}

TEST_F(ItemScreen, TheFrameTakesTheColourOfTheAilmentAndMovesWithTheChoice) {
    st().CharAilment[2] = 2;
    Item& s = open();
    s.Picture1_Click(1);
    EXPECT_EQ(pixel(*s.Picture1[1], 3, 50), kMagenta);
    s.Picture1_Click(0);
    EXPECT_EQ(pixel(*s.Picture1[1], 3, 50), portraitColour(2));
    EXPECT_EQ(pixel(*s.Picture1[0], 3, 50), kCyan);
}

TEST_F(ItemScreen, WithoutAPortraitTheItemAsksWhoAndTheScreenStays) {
    stock(0, Value(105));
    st().Lighting = 0;
    Item& s = open();
    pickEntry(s, 0);
    s.Command1_Click(1);
    EXPECT_EQ(pf.messages, QStringList{QStringLiteral("誰に使用しますか")});
    EXPECT_TRUE(s.isLoaded());
    EXPECT_EQ(st().ItemCount, 1);
    // The incense darkens the field as soon as it is tried.
    EXPECT_EQ(st().Lighting, 2);

    s.Picture1_Click(0);
    s.Command1_Click(1);
    EXPECT_EQ(st().ActionResult, 2);
    EXPECT_EQ(st().ItemCount, 0);
    EXPECT_EQ(pf.messages.size(), 1);
}

TEST_F(ItemScreen, AMarkClearingItemLeavesHPAlone) {
    stock(0, Value(106));
    st().CharAilment[2] = 6;
    st().CharHP[1] = 5;
    Item& s = open();
    pickEntry(s, 0);
    s.Picture1_Click(1);  // 5 HP: shown as なし, the mark stays in the data
    s.Command1_Click(1);
    EXPECT_EQ(st().CharAilment[2], 0);
    EXPECT_EQ(st().CharHP[1], 5);
}

// --- Equipping -------------------------------------------------------------------------------

TEST_F(ItemScreen, ArmourOverWornArmourSwapsInPlace) {
    stock(0, Value(1));
    stock(1, Value(3));
    stock(2, Value(101));
    Item& s = open();
    s.Option1_Click(0);
    pickEntry(s, 1);
    s.Command1_Click(0);
    const CharacterRecord& r = st().CharacterTable[0];
    EXPECT_EQ(r.ArmourNo, 3);
    EXPECT_EQ(st().CharEquipNo(0, 2), 3);
    EXPECT_EQ(st().CharEquipPower(0, 2), 7);
    EXPECT_EQ(st().CharEquipName(0, 2), padded("鉄の鎧"));
    EXPECT_EQ(st().CharDefence[0], 7 + 7);
    EXPECT_EQ(st().InvItem[1], Value(2));
    EXPECT_EQ(st().InvPower[1], Value(3));
    EXPECT_EQ(st().ItemCount, 3);
    EXPECT_EQ(s.Label2[1]->caption(), QStringLiteral("3"));
    EXPECT_TRUE(s.isLoaded());
    EXPECT_EQ(rowTexts(s), (QStringList{padded("銅の剣"), padded("革の鎧")}));
}

TEST_F(ItemScreen, HelmetIntoAnEmptySlotLeavesTheInventory) {
    stock(0, Value(1));
    stock(1, Value(5));
    stock(2, Value(101));
    Item& s = open();
    s.Option1_Click(0);
    s.Picture1_Click(1);  // on リナ
    pickEntry(s, 1);
    s.Command1_Click(0);
    EXPECT_EQ(st().CharacterTable[1].HelmetNo, 5);
    EXPECT_EQ(st().CharDefence[1], 2 + 7);
    EXPECT_EQ(st().ItemCount, 2);
    EXPECT_EQ(st().InvItem[0], Value(1));
    EXPECT_EQ(st().InvItem[1], Value(101));
    EXPECT_TRUE(st().InvItem[2].isBlank());
    EXPECT_EQ(s.Label2[1]->caption(), QStringLiteral("2"));
    EXPECT_EQ(rowTexts(s), QStringList{padded("銅の剣")});
}

TEST_F(ItemScreen, EquipmentTheMemberMayNotWearClosesTheScreenAfterTheMessage) {
    stock(0, Value(6));
    Item& s = open();
    s.Option1_Click(0);
    pickEntry(s, 0);
    s.Command1_Click(0);
    EXPECT_EQ(pf.messages, QStringList{QStringLiteral(" アレン は 魔法の杖 を装備できません")});
    EXPECT_FALSE(s.isLoaded());
    EXPECT_EQ(st().CharacterTable[0].WeaponNo, 0);
    EXPECT_EQ(st().InvItem[0], Value(6));

    open();
    s.Option1_Click(0);
    s.Picture1_Click(1);  // リナ is of class 2
    pickEntry(s, 0);
    s.Command1_Click(0);
    EXPECT_EQ(st().CharacterTable[1].WeaponNo, 6);
    EXPECT_EQ(st().ItemCount, 0);
}

TEST_F(ItemScreen, APieceForNoSlotChangesNothing) {
    equip(7, "謎の石", 9, 8);
    stock(0, Value(7));
    Item& s = open();
    s.Option1_Click(0);
    pickEntry(s, 0);
    s.Command1_Click(0);
    EXPECT_EQ(st().InvItem[0], Value(7));
    EXPECT_EQ(st().CharacterTable[0].ExtraNo, 0);
    EXPECT_EQ(st().CharAttack[0], 10);
    EXPECT_TRUE(s.isLoaded());
}

// --- Throwing away and commands without a row -------------------------------------------------

TEST_F(ItemScreen, ThrowingAwayAsksAndOnlyYesRemoves) {
    stock(0, Value(101));
    stock(1, Value(102));
    Item& s = open();
    pickEntry(s, 0);
    pf.yesNoAnswers = {false};
    s.Command1_Click(2);
    EXPECT_EQ(pf.questions, QStringList{QStringLiteral("本当に捨てていいですね？")});
    EXPECT_EQ(st().ItemCount, 2);

    pf.yesNoAnswers = {true};
    s.Command1_Click(2);
    EXPECT_EQ(st().ItemCount, 1);
    EXPECT_EQ(st().InvItem[0], Value(102));
    EXPECT_TRUE(st().InvItem[1].isBlank());
    EXPECT_EQ(rowTexts(s), QStringList{padded("どくけし草")});
    EXPECT_EQ(s.Label2[1]->caption(), QStringLiteral("1"));
    EXPECT_TRUE(s.isLoaded());

    // The list was rebuilt: no row is chosen now, so a second press does nothing.
    s.Command1_Click(2);
    EXPECT_EQ(pf.questions.size(), 2);
    EXPECT_EQ(st().ItemCount, 1);
}

TEST_F(ItemScreen, CommandsWithNoRowClickedDoNothing) {
    stock(0, Value(101));
    stock(1, Value(3));
    st().CharHP[0] = 10;
    Item& s = open();
    s.Picture1_Click(0);
    s.Command1_Click(1);  // nothing clicked since the screen opened
    s.Command1_Click(2);
    EXPECT_TRUE(pf.messages.isEmpty());
    EXPECT_TRUE(pf.questions.isEmpty());
    EXPECT_TRUE(s.isLoaded());
    EXPECT_EQ(st().CharHP[0], 10);

    // A row clicked in the other view does not carry over: switching rebuilds the list.
    pickEntry(s, 0);
    s.Option1_Click(0);
    s.Command1_Click(0);
    EXPECT_EQ(st().CharacterTable[0].ArmourNo, 2);
    EXPECT_EQ(st().InvItem[1], Value(3));

    // Nor does a row clicked in an earlier opening.
    s.Option1_Click(1);
    pickEntry(s, 0);
    s.Command1_Click(3);
    open();
    s.Picture1_Click(0);
    s.Command1_Click(1);
    EXPECT_EQ(st().CharHP[0], 10);
    EXPECT_TRUE(s.isLoaded());
}

TEST_F(ItemScreen, OpeningStartsAfreshInTheItemsView) {
    Item& s = open();
    s.Option1_Click(0);
    s.Picture1_Click(1);
    st().MessageLines[3] = QStringLiteral("古い知らせ");
    st().ActionResult = 2;
    s.Command1_Click(3);
    open();
    EXPECT_TRUE(s.Option1[1]->isChecked());
    EXPECT_FALSE(s.Command1[0]->isEnabled());
    EXPECT_EQ(s.targetPosition(), 0);
    EXPECT_EQ(st().ActionResult, 0);
    EXPECT_EQ(st().MessageLines[3], QString());
}
