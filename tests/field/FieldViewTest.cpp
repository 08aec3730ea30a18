// What the field view draws: which cells, where, from which sheet cell, in which order.
#include <gtest/gtest.h>

#include "FieldPrinters.h"
#include "MadeSheets.h"
#include "RecordingCanvas.h"
#include "core/GameError.h"
#include "field/FastFieldCanvas.h"
#include "field/FieldView.h"
#include "support/GameTest.h"

class FieldViewRules : public GameTest {
  protected:
    FieldViewRules() {
        // Ground code 100·(x % 10) + y names sheet cell (x % 10, y): each cell says where it is.
        st().MapSize = 20;
        for (int x = 0; x <= 20; ++x)
            for (int y = 0; y <= 20; ++y) st().GroundGrid(x, y) = Value(tileCode(x % 10, y));
        st().MapX = 10;
        st().MapY = 10;
    }
    RecordingCanvas canvas;
    QImage visible;
};

TEST(FieldTileCodes, HundredsDigitIsTheColumnLastTwoDigitsTheRow) {
    EXPECT_EQ(decodeTile(Value(1506)).column, 5);
    EXPECT_EQ(decodeTile(Value(1506)).row, 6);
    EXPECT_EQ(decodeTile(Value(1102)).column, decodeTile(Value(2102)).column);
    EXPECT_EQ(decodeTile(Value(2102)).row, 2);
    EXPECT_EQ(decodeTile(Value(99)).column, 0);
    EXPECT_EQ(decodeTile(Value()).row, 0);
    EXPECT_EQ(decodeTile(Value("312")).column, 3);
    for (const Value& bad : {Value(-5), Value(2.5), Value("tree")})
        EXPECT_THROW(decodeTile(bad), GameError) << bad.text().toStdString();
}

TEST_F(FieldViewRules, ThePartysCellSitsAt384By288) {
    Map_Make(st(), canvas, visible, {});
    // The party stands on (MapX - 1, MapY) = (9, 10): ground code 910 → sheet cell (9, 10).
    EXPECT_TRUE(canvas.ops.contains("copy ground 9,10 at 384,288"));
    EXPECT_TRUE(canvas.ops.contains("copy ground 0,10 at 432,288"));
    EXPECT_TRUE(canvas.ops.contains("copy ground 9,9 at 384,240"));
}

TEST_F(FieldViewRules, DarknessDrawsOnlyTheThreeByThreeCellsAroundTheParty) {
    st().Lighting = 1;
    Map_Make(st(), canvas, visible, {});
    EXPECT_EQ(canvas.only("copy ground"),
              (QStringList{"copy ground 8,9 at 336,240", "copy ground 8,10 at 336,288",
                           "copy ground 8,11 at 336,336", "copy ground 9,9 at 384,240",
                           "copy ground 9,10 at 384,288", "copy ground 9,11 at 384,336",
                           "copy ground 0,9 at 432,240", "copy ground 0,10 at 432,288",
                           "copy ground 0,11 at 432,336"}));
    EXPECT_EQ(canvas.only("light"), QStringList{"light 304,204 192x192"});
}

TEST_F(FieldViewRules, DarknessLeavesTheRestOfTheViewTheClearedBackground) {
    st().Lighting = 1;
    FieldPictures pictures = makeFieldPictures();
    pictures.light[0].fill(Qt::white);  // a light that changes nothing, to see what is under it
    pictures.light[1].fill(Qt::black);
    FastFieldCanvas fast(pictures, QColor(9, 9, 9));
    Map_Make(st(), fast, visible, {});
    const QRect lit(336, 240, 144, 144), party(384, 272, 48, 64);
    int drawnOutside = 0;
    for (int y = 0; y < kViewHeight; ++y)
        for (int x = 0; x < kViewWidth; ++x)
            if (!lit.contains(x, y) && !party.contains(x, y) &&
                visible.pixel(x, y) != qRgb(9, 9, 9))
                ++drawnOutside;
    EXPECT_EQ(drawnOutside, 0);
    EXPECT_NE(visible.pixel(340, 244), qRgb(9, 9, 9));
}

TEST_F(FieldViewRules, ALightLevelOtherThanDarkOrDimDrawsAsDaylight) {
    st().Lighting = 7;  // only a broken save could hold this
    Map_Make(st(), canvas, visible, {});
    EXPECT_EQ(canvas.only("copy ground").size(), 19 * 19);
    EXPECT_TRUE(canvas.only("light").isEmpty());
}

TEST_F(FieldViewRules, AtTheLeftEdgeTheViewRepeatsColumnZero) {
    st().MapX = 1;
    st().MapY = 1;
    Map_Make(st(), canvas, visible, {});
    // Loop columns -9 .. -1 sit at x = -48 .. 336 (step 48) and read column 0; rows above 0 read
    // row 0.
    for (int x = -48; x <= 336; x += 48)
        EXPECT_TRUE(canvas.ops.contains(QStringLiteral("copy ground 0,1 at %1,288").arg(x))) << x;
    EXPECT_TRUE(canvas.ops.contains("copy ground 0,0 at 384,0"));
    EXPECT_TRUE(canvas.ops.contains("copy ground 0,0 at -48,-144"));
    EXPECT_TRUE(canvas.ops.contains("copy ground 1,0 at 432,240"));
}

TEST_F(FieldViewRules, GroundThenObjectsColumnByColumnThenPartyFrontAndLight) {
    st().Lighting = 1;
    for (int x = 0; x <= 20; ++x)
        for (int y = 0; y <= 20; ++y) {
            st().FeatureGrid(x, y) = Value(x == 9 ? 1000 + tileCode(1, y) : 0);
            st().PropGrid(x, y) = Value(tileCode(2, y));
            st().TallGrid(x, y) = Value(y == 11 ? tileCode(3, x % 10) : 0);
        }
    Map_Make(st(), canvas, visible, PartyPose{1, 2});
    const QStringList want = {
        "clear",
        // Ground, and the feature straight after its ground, column by column.
        "copy ground 8,9 at 336,240", "copy ground 8,10 at 336,288", "copy ground 8,11 at 336,336",
        "copy ground 9,9 at 384,240", "copy feature 1,9 at 384,240", "copy ground 9,10 at 384,288",
        "copy feature 1,10 at 384,288", "copy ground 9,11 at 384,336",
        "copy feature 1,11 at 384,336", "copy ground 0,9 at 432,240", "copy ground 0,10 at 432,288",
        "copy ground 0,11 at 432,336",
        // The feature again, then props, blocks and tall objects (overhanging by 24 and 36).
        "mask prop 2,9 at 336,240", "mask prop 2,10 at 336,288", "mask prop 2,11 at 336,336",
        "mask tall 3,8 at 312,300", "copy feature 1,9 at 384,240", "mask prop 2,9 at 384,240",
        "copy feature 1,10 at 384,288", "mask prop 2,10 at 384,288", "copy feature 1,11 at 384,336",
        "mask prop 2,11 at 384,336", "mask tall 3,9 at 360,300", "mask prop 2,9 at 432,240",
        "mask prop 2,10 at 432,288", "mask prop 2,11 at 432,336", "mask tall 3,0 at 408,300",
        // The party's feet on the bottom of its cell, walking frame 1 facing down.
        "party 1,2 at 384,272",
        // In front: the tall object left of the party (here code 0), then the cell below right.
        "mask tall 0,0 at 312,252", "mask prop 2,11 at 432,336", "mask tall 3,0 at 408,300",
        "light 304,204 192x192", "present"};
    EXPECT_EQ(canvas.ops, want);
}

TEST_F(FieldViewRules, TheTallObjectLeftOfThePartyIsRedrawnOnlyAwayFromTheTopAndLeftEdges) {
    for (const QPoint p : {QPoint(1, 5), QPoint(5, 1), QPoint(2, 2)}) {
        canvas.ops.clear();
        st().MapX = p.x();
        st().MapY = p.y();
        Map_Make(st(), canvas, visible, {});
        EXPECT_EQ(canvas.ops.contains("mask tall 0,0 at 312,252"), p == QPoint(2, 2))
            << p.x() << p.y();
    }
    // At MapX = 0 nothing at all is drawn in front of the party.
    canvas.ops.clear();
    st().MapX = 0;
    st().TallGrid(0, 12) = Value(101);
    Map_Make(st(), canvas, visible, {});
    const qsizetype party = canvas.ops.indexOf(canvas.only("party").value(0));
    ASSERT_GT(party, 0);
    EXPECT_EQ(canvas.ops.mid(party + 1), (QStringList{"present"}));
}

TEST_F(FieldViewRules, DrawingPadsGroundAndTallBeyondTheEdgeWithTheLastColumnBeforeIt) {
    st().MapSize = 6;
    for (int k = 0; k <= 6; ++k) {
        st().TallGrid(5, k) = Value(500 + k);
        st().TallGrid(k, 5) = Value(600 + k);
        st().PropGrid(6, k) = Value(77);
    }
    View_Draw(st(), canvas);
    for (int i = 6; i <= 16; ++i) {
        for (int j = 0; j <= 4; ++j) {
            EXPECT_EQ(st().GroundGrid(i, j), st().GroundGrid(5, j));
            EXPECT_EQ(st().GroundGrid(j, i), st().GroundGrid(j, 5));
            EXPECT_EQ(st().TallGrid(i, j), Value(500 + j));
            EXPECT_EQ(st().TallGrid(j, i), Value(600 + j));
        }
        for (int j = 5; j <= 16; ++j) {  // beyond both edges: the corner cell (5, 5)
            EXPECT_EQ(st().GroundGrid(i, j), Value(tileCode(5, 5)));
            EXPECT_EQ(st().TallGrid(i, j), Value(605));
        }
    }
    EXPECT_EQ(st().PropGrid(6, 3), Value(77));  // other layers are not padded
}

TEST_F(FieldViewRules, AnEmptyTextFeatureBecomesZeroAndDrawsNothing) {
    st().FeatureGrid(9, 10) = Value(QString());
    st().FeatureGrid(8, 10) = Value();
    st().FeatureGrid(10, 10) = Value(1203);
    Map_Make(st(), canvas, visible, {});
    EXPECT_TRUE(st().FeatureGrid(9, 10).isNumber());
    EXPECT_EQ(st().FeatureGrid(9, 10), Value(0));
    EXPECT_EQ(canvas.only("copy feature"),
              (QStringList{"copy feature 2,3 at 432,288", "copy feature 2,3 at 432,288"}));
}

TEST_F(FieldViewRules, TheWorldMapIsLeftToTheTownScreenAndMovingAsksForAnEncounterRoll) {
    st().TownMode = 1;
    st().MapDepth = 0;
    st().MoveDir = 2;
    st().PlaceEncounter[3] = 30;
    st().CurPlace = 3;
    EXPECT_FALSE(Map_Make(st(), canvas, visible, {}));
    EXPECT_TRUE(canvas.ops.isEmpty());

    st().MapDepth = 1;
    EXPECT_TRUE(Map_Make(st(), canvas, visible, {}));
    st().MoveDir = 0;
    EXPECT_FALSE(Map_Make(st(), canvas, visible, {}));
    st().MoveDir = 4;
    st().PlaceEncounter[3] = 0;  // a place without random battles
    EXPECT_FALSE(Map_Make(st(), canvas, visible, {}));
}
