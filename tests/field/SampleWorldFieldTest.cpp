// The field screen on the sample world: from the world map into the whispering forest, up the
// path and into its first chest.
#include <QDir>

#include "core/DataLoad.h"
#include "core/TableFiles.h"
#include "field/FieldScreen.h"
#include "platform/Label.h"
#include "support/GameTest.h"
#include "worldmap/MapPointer.h"
#include "worldmap/MapScreen.h"

namespace {
constexpr int kForest = 8;

class SampleWorldField : public GameTest {
  protected:
    void SetUp() override {
        const QDir world(sampleWorldDir());
        if (!world.exists(QStringLiteral("mori001.map")))
            GTEST_SKIP() << "the sample world has not been generated";
        st().DataPath = world.path() + u'/';
        MasterFileNames{}.applyTo(st());
        Data_LoadAll(st());
        st().TownMode = 1;
        st().NewGameFlag = 1;
    }
    QPoint party() { return QPoint(st().MapX - 1, st().MapY); }
    void walk(Main_Fr& f, int key, int ticks) {
        f.M2_Map_KeyDown(key);
        for (int k = 0; k < ticks; ++k) f.Timer1_Timer();
        f.M2_Map_KeyUp(key);
    }
};
}  // namespace

TEST_F(SampleWorldField, TheForestIsEnteredWalkedAndItsChestOpened) {
    M_Map& map = game->form<M_Map>();
    map.Show();
    const std::optional<QPoint> forest = findHotSpot(st(), kPlaceSpot, kForest);
    ASSERT_TRUE(forest.has_value());
    ASSERT_GE(forest->x(), map.scrollX());
    ASSERT_GE(forest->y(), map.scrollY());
    map.Picture1_MouseMove((forest->x() - map.scrollX()) * 32 + 8,
                           (forest->y() - map.scrollY()) * 32 + 8);
    map.Picture1_Click();

    Main_Fr& f = game->form<Main_Fr>();
    ASSERT_TRUE(f.isLoaded());
    EXPECT_FALSE(map.isLoaded());
    EXPECT_EQ(st().MapFileName, QStringLiteral("mori001.map"));
    EXPECT_EQ(party(), QPoint(22, 41));
    st().EncounterRate = 0;  // rolled for, never met
    walk(f, Qt::Key_Up, 5);
    walk(f, Qt::Key_Left, 3);
    ASSERT_EQ(party(), QPoint(19, 36));
    ASSERT_EQ(st().EventGrid(18, 36), Value(700));
    pf.randomDraws = {0.3};
    f.M2_Map_KeyDown(Qt::Key_Left);
    f.Timer1_Timer();
    EXPECT_EQ(party(), QPoint(19, 36));
    EXPECT_EQ(st().EventGrid(18, 36), Value(100));
    EXPECT_TRUE(f.Label1->isVisibleTo(&f));
    // The finder named is CurChar, whoever the last rule left there.
    const QString finder = st().CharacterTable[st().CurChar].CharName.trimmed();
    EXPECT_TRUE(f.Label1->caption().startsWith(finder + QStringLiteral("は")))
        << f.Label1->caption().toStdString();
    EXPECT_TRUE(f.Label1->caption().endsWith(QStringLiteral("を見つけた\r")));
    shot(f, QStringLiteral("field_forest_chest"));
}
