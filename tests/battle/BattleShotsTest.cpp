// Battles of the generated sample world: every place with enemies and every boss opens and
// draws, and pictures of a random group and a boss for looking at (written when
// HOSHIKAGE_SHOTS_DIR is set).
#include <QFile>

#include "battle/BattleScreen.h"
#include "core/DataLoad.h"
#include "core/TableFiles.h"
#include "party/CharacterRules.h"
#include "platform/Label.h"
#include "platform/PictureBox.h"
#include "support/GameTest.h"

class SampleWorldBattle : public GameTest {
  protected:
    void SetUp() override {
        const QString dir = sampleWorldDir() + u'/';
        if (!QFile::exists(dir + QStringLiteral("Bos_F"))) GTEST_SKIP() << "no sample world";
        st().DataPath = dir;
        game->dataDirOverride = sampleWorldDir();
        MasterFileNames{}.applyTo(st());
        Data_LoadAll(st());
        for (int k = 1; k <= 4; ++k) {
            st().PartyMember[k] = Value(k - 1);
            st().CurChar = k - 1;
            Ca_Join(st());
        }
        st().PartyCount = 4;
        st().MapDepth = 1;
    }

    // The place whose map is `map`, or -1.
    int placeOf(const QString& map) {
        for (int p = 0; p <= 100; ++p)
            if (st().PlaceMap[p].text() == map) return p;
        return -1;
    }

    sentou& open(int place, int bossNo, std::vector<double> draws = {}) {
        st().CurPlace = place;
        st().BattleBack = st().PlaceBattleBack[place].text();
        st().BossNo = bossNo;
        for (double d : draws) pf.randomDraws.push_back(d);
        sentou& s = game->form<sentou>();
        s.Show();
        return s;
    }
};

TEST_F(SampleWorldBattle, EveryEnemyAndBossOpens) {
    for (int place = 0; place <= 100; ++place) {
        if (st().PlaceEnemySet(place, 0).isBlank()) continue;
        SCOPED_TRACE(st().PlaceMap[place].text().toStdString());
        std::vector<double> draws{0.9999};  // six enemies, one from each of the first six slots
        for (int r = 0; r < 6; ++r) draws.push_back((r + 0.5) / 10);
        sentou& s = open(place, 0, draws);
        EXPECT_EQ(st().EnemyCount, 6);
        for (int i = 1; i <= 6; ++i) EXPECT_GT(s.FoeHP[i], 0);
        s.Unload();
    }
    for (int boss = 1; boss <= 10; ++boss) {
        sentou& s = open(placeOf(QStringLiteral("mori001")), boss);
        EXPECT_FALSE(s.Label1[1]->caption().isEmpty());
        EXPECT_GT(s.BossAttack, 0);
        s.Unload();
    }
}

TEST_F(SampleWorldBattle, RandomGroupInTheCave) {
    const int cave = placeOf(QStringLiteral("dokutu01"));
    ASSERT_GE(cave, 0);
    st().CharAilment[2] = 2;
    sentou& s = open(cave, 0, {0.7, 0.05, 0.35, 0.55, 0.75, 0.95});
    ASSERT_EQ(st().EnemyCount, 5);
    s.Picture1_MouseDown(s.FoeSlot[2] * 32 + 64, 280);
    pf.randomDraws.push_back(0.9);
    s.Command1_Click(0);
    s.Picture1_MouseDown(s.FoeSlot[1] * 32 + 64, 280);
    s.FoeHP[1] = 1;
    pf.randomDraws.push_back(0.9);
    s.Command1_Click(0);
    s.Picture1_MouseDown(s.FoeSlot[4] * 32 + 64, 280);
    EXPECT_FALSE(s.Label2->isHidden());
    shot(s, QStringLiteral("battle_random"));
}

TEST_F(SampleWorldBattle, BossOfTheForest) {
    sentou& s = open(placeOf(QStringLiteral("mori001")), 1);
    s.Picture1_MouseDown(400, 280);
    EXPECT_EQ(s.Label4[1]->caption(), QString());
    shot(s, QStringLiteral("battle_boss"));
}

// A spell's pictures as they show during its pause: ミナ's ブリザード over the whole cave group,
// and a ヒール on the leader's portrait.
TEST_F(SampleWorldBattle, SpellsInTheCave) {
    const int cave = placeOf(QStringLiteral("dokutu01"));
    ASSERT_GE(cave, 0);
    sentou& s = open(cave, 0, {0.7, 0.05, 0.35, 0.55, 0.75, 0.95});
    s.Picture1_MouseDown(s.FoeSlot[3] * 32 + 64, 280);
    GameState& g = st();
    s.ActorPos = 2;
    s.TargetOf[2] = s.SelectedTarget;
    g.ActionResult = 1;
    g.CastMagicNo = 3;  // ブリザード, on every enemy
    ASSERT_EQ(g.MagicTable[3].MagicKind, 4);
    s.Mhou_ko();
    EXPECT_EQ(s.EffectPending, 0);
    shot(s, QStringLiteral("battle_spell_all"));

    g.CastMagicNo = 2;  // ヒール, on one ally
    g.SpellTargetPos = 1;
    s.MCg_Set();
    shot(s, QStringLiteral("battle_spell_heal"));
}
