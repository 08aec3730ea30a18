// Opening a battle and what it draws: random groups, bosses, the enemies' rows, the target marker,
// the portraits, and the state that carries over from one battle to the next.
#include <QTest>

#include "battle/BattleFixture.h"
#include "core/GameError.h"
#include "platform/Label.h"
#include "platform/PictureBox.h"
#include "platform/PictureButton.h"
#include "support/Errors.h"

namespace {
int shownFoeRows(sentou& s) {
    int n = 0;
    for (int i = 1; i <= 6; ++i) n += s.Label1[i]->isHidden() ? 0 : 1;
    return n;
}
}  // namespace

using BattleOpening = BattleTest;

TEST_F(BattleOpening, GroupSizeFollowsTheFrontPositions) {
    sentou& s = openRandom(6, {0, 1, 2, 3, 4, 5});
    EXPECT_EQ(st().EnemyCount, 6);
    EXPECT_EQ(shownFoeRows(s), 6);
    s.Unload();

    partyOf(3);  // position 4 empty: at most four
    script({0.9999, 0.1, 0.1, 0.1, 0.1});
    s.Show();
    EXPECT_EQ(st().EnemyCount, 4);
    s.Unload();

    partyOf(2);  // position 3 empty: at most three
    script({0.9999, 0.1, 0.1, 0.1});
    s.Show();
    EXPECT_EQ(st().EnemyCount, 3);
    EXPECT_EQ(shownFoeRows(s), 3);
}

TEST_F(BattleOpening, AllSixOfAFullGroupAreNamedAndDrawn) {
    sentou& s = openRandom(6, {0, 1, 2, 0, 1, 2});
    for (int i = 1; i <= 6; ++i) {
        SCOPED_TRACE(i);
        EXPECT_FALSE(s.Label4[i]->isHidden());
        EXPECT_EQ(s.Label1[i]->caption(), s.FoeName[i]);
        EXPECT_EQ(s.Label4[i]->caption(), QString::number(s.FoeHP[i]));
        EXPECT_EQ(viewPixel(foeCentre(i)), foeCellColour(s.FoeCol[i], s.FoeRow0[i]));
    }
}

TEST_F(BattleOpening, EncounterCodeNamesCellAndRecord) {
    sentou& s = openRandom(1, {2});  // slot 2 holds code 37
    EXPECT_EQ(s.FoeCode[1], 37);
    EXPECT_EQ(s.FoeCol[1], 7);
    EXPECT_EQ(s.FoeRow0[1], 9);
    EXPECT_EQ(s.FoeName[1], st().EnemyTable[38].EnemyName);
    EXPECT_EQ(s.FoeHP[1], 30);
    EXPECT_EQ(s.FoeExp[1], 20);
    EXPECT_EQ(s.Label1[1]->caption(), st().EnemyTable[38].EnemyName);  // trailing blanks kept
    EXPECT_EQ(viewPixel(foeCentre(1)), foeCellColour(7, 9));
    EXPECT_EQ(viewPixel(QPoint(5, 5)), kBackground);  // masked: the background stays around it
    EXPECT_EQ(st().BattleBack, QStringLiteral("bb01.jpg"));
}

TEST_F(BattleOpening, OpeningResetsTheBattleButNotTheSelection) {
    sentou& s = openRandom(2, {0, 1});
    clickEnemy(2);
    EXPECT_EQ(s.SelectedTarget, 2);
    s.ActorPos = 3;
    st().MessageLines[3] = "old";
    s.Unload();
    EXPECT_EQ(st().InBattle, 0);

    openRandom(2, {2, 2});
    EXPECT_EQ(st().InBattle, 1);
    EXPECT_EQ(s.ActorPos, 1);
    EXPECT_EQ(s.FoeHPTotal, 10);
    EXPECT_EQ(st().MessageLines[3], QString());
    // No click in this battle: the fight goes to the enemy chosen in the last one.
    EXPECT_EQ(s.SelectedTarget, 2);
    script({0.0});
    s.Command1_Click(0);
    EXPECT_EQ(s.FoeHP[1], 30);
    EXPECT_EQ(s.FoeHP[2], 30 - (20 - 3 + 2));
}

TEST_F(BattleOpening, ADefeatedEnemyKeepsItsDefeatedRow) {
    sentou& s = openRandom(2, {0, 1});  // a slime (code 0) and a bat (code 1)
    clickEnemy(1);
    script({0.0});
    s.Command1_Click(0);  // 19 against 10 hit points
    EXPECT_EQ(s.FoeHP[1], 0);
    EXPECT_EQ(viewPixel(foeCentre(1)), foeCellColour(0, 2));
    clickEnemy(2);  // redraws the group
    EXPECT_EQ(viewPixel(foeCentre(1)), foeCellColour(0, 2));
    EXPECT_EQ(viewPixel(foeCentre(2)), foeCellColour(1, 0));
}

TEST_F(BattleOpening, EachPoseIsDrawnOnCleanBackground) {
    sentou& s = openRandom(1, {0});
    clickEnemy(1);
    QImage& view = s.Picture1->surface();
    const QPoint corner(s.FoeSlot[1] * 32 + 2, 224 + 2);  // inside the square, outside the sprite
    view.setPixel(corner, qRgb(1, 2, 3));                 // as a larger pose would leave it
    const QPoint marker(s.MarkerSlot * 32 + 32, 176 + 16);
    s.Eg1_Set();
    EXPECT_EQ(viewPixel(corner), kBackground);
    EXPECT_EQ(viewPixel(marker), kMarker);  // the marker above is left as it is
}

TEST_F(BattleOpening, HitAnimationShowsTheClickedEnemyStruck) {
    sentou& s = openRandom(3, {0, 1, 2});
    clickEnemy(3);
    s.Eg1_Set();
    EXPECT_EQ(viewPixel(foeCentre(3)), foeCellColour(7, 10));
    EXPECT_EQ(viewPixel(foeCentre(1)), foeCellColour(0, 0));
    EXPECT_GT(pf.pausedMilliseconds, 0);
}

TEST_F(BattleOpening, MarkersStayAboveEveryEnemyClicked) {
    sentou& s = openRandom(3, {0, 1, 2});
    auto markerCentre = [&] { return QPoint(s.MarkerSlot * 32 + 32, 176 + 16); };
    clickEnemy(2);
    EXPECT_EQ(s.MarkerSlot, s.FoeSlot[2] + 1);
    const QPoint first = markerCentre();
    EXPECT_EQ(viewPixel(first), kMarker);
    clickEnemy(3);
    EXPECT_EQ(viewPixel(markerCentre()), kMarker);
    EXPECT_EQ(viewPixel(first), kMarker);  // earlier markers are not erased
}

// The boss's square reaches up into the markers' row; redrawing the boss keeps them whole.
TEST_F(BattleOpening, MarkersAboveABossStayWholeThroughTheBattle) {
    sentou& s = openBoss(2);
    QTest::mouseClick(s.Picture1, Qt::LeftButton, {}, QPoint(384, 288));
    const QPoint upper(s.MarkerSlot * 32 + 32, 176 + 4), lower(s.MarkerSlot * 32 + 32, 176 + 28);
    ASSERT_EQ(viewPixel(lower), kMarker);
    QTest::mouseClick(s.Command1[4], Qt::LeftButton);  // 防御: the turn ends with a redraw
    s.Eg1_Set();                                       // and a blow's pose
    EXPECT_EQ(viewPixel(upper), kMarker);
    EXPECT_EQ(viewPixel(lower), kMarker);
    EXPECT_EQ(viewPixel(QPoint(288 + 96, 192 + 96)), bossCellColour(1, 1));
    EXPECT_EQ(viewPixel(QPoint(288 + 30, 192 + 100)), kBackground);
}

TEST_F(BattleOpening, BossComesFromItsRowWithItsHitPointsHidden) {
    sentou& s = openBoss(2);
    EXPECT_EQ(st().EnemyCount, 1);
    EXPECT_EQ(s.Label1[1]->caption(), QStringLiteral("魔王2"));
    EXPECT_FALSE(s.Label4[1]->isHidden());
    EXPECT_EQ(s.FoeHP[1], 200);
    EXPECT_EQ(s.FoePower[1], 30);
    EXPECT_EQ(s.FoeExp[1], 100);
    const QPoint centre(288 + 96, 192 + 96);
    EXPECT_EQ(viewPixel(centre), bossCellColour(1, 0));
    EXPECT_EQ(viewPixel(QPoint(288 + 30, 192 + 30)), kBackground);  // stretched mask, 192 wide

    clickEnemy(1);
    s.Eg1_Set();
    EXPECT_EQ(viewPixel(centre), bossCellColour(1, 1));
    s.FoeHP[1] = 0;
    s.Eg1_Set();
    EXPECT_EQ(viewPixel(centre), bossCellColour(1, 2));
    script({0.0});
    s.FoeHP[1] = 200;
    s.Command1_Click(0);
    EXPECT_EQ(s.Label4[1]->caption(), QString());  // never told, even after a blow
}

TEST_F(BattleOpening, BossAttackRollComesFromItsRow) {
    sentou& s = openBoss(2);
    EXPECT_EQ(s.BossAttack, 6);
    s.Unload();
    openBoss(3);  // its sixth column is empty: an eighth of its power
    EXPECT_EQ(s.BossAttack, 3);
    s.Unload();
    openBoss(4);  // 0 there gives no roll either
    EXPECT_EQ(s.BossAttack, 3);
}

TEST_F(BattleOpening, BossTableIsReadAtEveryOpening) {
    sentou& s = openBoss(1);
    s.Unload();
    QStringList bosses;
    for (int b = 1; b <= 10; ++b) bosses << QStringLiteral("竜%1,50,5,5,5,,10").arg(b);
    data.writeLines("Bos_F", bosses);
    openBoss(1);
    EXPECT_EQ(s.FoeName[1], QStringLiteral("竜1"));

    s.Unload();
    data.writeLines("Bos_F", {"竜,1,1,1,1,,1"});
    const GameError e = errorFrom([&] { openBoss(1); });
    EXPECT_EQ(e.file(), QStringLiteral("Bos_F"));
}

TEST_F(BattleOpening, BrokenEncounterCodesAndSheetsAreReported) {
    st().PlaceEnemySet(1, 4) = Value(150);
    GameError e = errorFrom([&] { openRandom(1, {4}); });
    EXPECT_EQ(e.file(), QStringLiteral("MapEv_F"));
    screen().Unload();

    data.remove("enpty02x.jpeg");
    e = errorFrom([&] { openRandom(1, {0}); });
    EXPECT_EQ(e.file(), QStringLiteral("enpty02x.jpeg"));
}

TEST_F(BattleOpening, WorldMapLevelDrawsOnlyCodeZero) {
    st().MapDepth = 0;
    sentou& s = openRandom(3, {2, 2, 2});
    for (int i = 1; i <= 3; ++i) EXPECT_EQ(s.FoeCode[i], 0);
}

TEST_F(BattleOpening, PortraitsAndTheActorFrame) {
    sentou& s = openRandom(1, {0});
    for (int pos = 1; pos <= 4; ++pos) {
        SCOPED_TRACE(pos);
        EXPECT_FALSE(s.Picture5[pos - 1]->isHidden());
        EXPECT_EQ(QColor(s.Picture5[pos - 1]->surface().pixel(48, 48)),
                  portraitColour(st().CharacterTable[pos - 1].FaceNo));
        EXPECT_EQ(s.Label3[pos - 1]->caption(),
                  QStringLiteral("HP: ") + QString::number(st().CharHP[pos - 1]));
    }
    auto frame = [&] { return QColor(s.Picture5[0]->surface().pixel(2, 40)); };
    EXPECT_EQ(frame(), QColor(0, 255, 255));
    st().CharAilment[1] = 2;
    s.Ca_Set();
    EXPECT_EQ(frame(), QColor(255, 0, 255));
    st().CharHP[0] = 0;
    s.Ca_Set();
    EXPECT_EQ(frame(), QColor(255, 0, 0));
    EXPECT_EQ(st().CharAilment[1], 6);
    EXPECT_EQ(QColor(s.Picture5[1]->surface().pixel(2, 40)), QColor(0, 0, 0));  // no frame there
}

TEST_F(BattleOpening, PlaceMusicStopsWhileTheBattleRuns) {
    openRandom(1, {0});
    EXPECT_TRUE(pf.mciCommands.contains(QStringLiteral("stop bgm ")));
}
