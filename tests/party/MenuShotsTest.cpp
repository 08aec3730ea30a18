// Pictures of the party menus for looking at (written when HOSHIKAGE_SHOTS_DIR is set). They use
// the sample world's portraits and buttons when it has been generated, else the test sheet; either
// way the screens must be fully drawn.
#include <QFile>
#include <QListWidget>
#include <QPushButton>

#include "MenuFixture.h"
#include "party/ItemScreen.h"
#include "party/MagicRules.h"
#include "party/MagicScreen.h"
#include "party/StatusScreen.h"
#include "platform/Label.h"
#include "platform/PictureBox.h"

namespace {
const char* const kWorldPictures[] = {"ca02.bmp", "btn_page1.bmp", "btn_page2.bmp", "btn_prev.bmp",
                                      "btn_next.bmp"};

class MenuShots : public MenuTest {
  protected:
    MenuShots() {
        const QString world = sampleWorldDir() + QStringLiteral("/");
        for (const char* name : kWorldPictures)
            if (QFile::exists(world + name)) data.copyFrom(world + name, name);

        equip(1, "ショートソード", 8, 1);
        equip(2, "革の鎧", 6, 2);
        equip(3, "鉄の兜", 5, 3);
        item(1, "やくそう", 1, 30, 0);
        item(2, "どくけし草", 3, 0, 0);
        item(3, "まほうの水", 2, 20, 0);
        spell(1, "ファイア", spellkind::kOneEnemy, 0, 24, 3);
        spell(2, "ヒール", spellkind::kOneAlly, 1, 35, 4);
        CharacterRecord& r = st().CharacterTable[0];
        r.WeaponNo = 1;
        r.ArmourNo = 2;
        r.Level = 4;
        rejoin(0);
        st().CharExp[0] = 500;
        stock(0, Value(3));
        stock(1, Value(101));
        stock(2, Value(101));
        stock(3, Value(102));
        stock(4, Value(103));
        st().CharAilment[3] = 2;
        st().CharHP[1] = 21;
    }
};
}  // namespace

TEST_F(MenuShots, ItemScreen) {
    Item& s = game->form<Item>();
    s.Show();
    s.List1_Click(0);
    s.List1->setCurrentRow(0);
    s.Picture1_Click(2);
    EXPECT_FALSE(s.Picture1[3]->isHidden());
    shot(s, QStringLiteral("menu_item"));
    s.Option1_Click(0);
    shot(s, QStringLiteral("menu_item_weapons"));
}

TEST_F(MenuShots, StatusScreen) {
    partyOf(6);
    Status& s = game->form<Status>();
    s.Show();
    EXPECT_FALSE(s.Command3->isHidden());
    shot(s, QStringLiteral("menu_status"));
    s.Command2_Click(1);
    shot(s, QStringLiteral("menu_status_reserve"));
}

TEST_F(MenuShots, MagicScreen) {
    st().CurChar = 1;
    Magic& s = game->form<Magic>();
    s.Show();
    s.List1_Click(1);
    s.List1->setCurrentRow(1);
    s.Picture2_Click(1);
    EXPECT_FALSE(s.Picture2[1]->isHidden());
    shot(s, QStringLiteral("menu_magic"));
}
