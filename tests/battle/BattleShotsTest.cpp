// Pictures of the battle screen for looking at (written when HOSHIKAGE_SHOTS_DIR is set): a
// random group in the middle of a round and a boss. They use the sample world's pictures when it
// has been generated, else the test sheets; either way the screen must be fully drawn.
#include <QFile>

#include "battle/BattleFixture.h"
#include "platform/Label.h"
#include "platform/PictureBox.h"

namespace {
const char* const kWorldPictures[] = {
    "enpty02.jpeg",  "enpty02x.jpeg", "en02.jpeg",    "en02x.jpeg",     "Mahou01.jpeg",
    "Mahou01x.jpeg", "ca02.bmp",      "marker.bmp",   "markerx.bmp",    "btn_fight.bmp",
    "btn_item.bmp",  "btn_magic.bmp", "btn_flee.bmp", "btn_defend.bmp", "btn_status.bmp"};
}  // namespace

class BattleShots : public BattleTest {
  protected:
    BattleShots() {
        const QString world = sampleWorldDir() + QStringLiteral("/");
        if (!QFile::exists(world + "enpty02.jpeg")) return;
        for (const char* name : kWorldPictures)
            if (QFile::exists(world + name)) data.copyFrom(world + name, name);
    }
};

TEST_F(BattleShots, RandomGroupInARound) {
    st().CharAilment[2] = 2;
    sentou& s = openRandom(5, {0, 1, 2, 1, 0});
    clickEnemy(4);
    script({0.9});
    s.Command1_Click(0);
    clickEnemy(2);
    EXPECT_FALSE(s.Label2->isHidden());
    EXPECT_EQ(s.Label1[5]->caption(), s.FoeName[5]);
    shot(s, QStringLiteral("battle_random"));
}

TEST_F(BattleShots, SixEnemies) {
    sentou& s = openRandom(6, {0, 1, 2, 0, 1, 2});
    clickEnemy(6);
    EXPECT_FALSE(s.Label1[6]->isHidden());
    shot(s, QStringLiteral("battle_six"));
}

TEST_F(BattleShots, Boss) {
    sentou& s = openBoss(1);
    clickEnemy(1);
    EXPECT_EQ(s.Label4[1]->caption(), QString());
    shot(s, QStringLiteral("battle_boss"));
}
