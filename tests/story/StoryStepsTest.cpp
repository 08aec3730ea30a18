// The steps the story takes when a scene has been told in full: the companion's choice, the ways
// opened by the gifts received and the star stone (the end of part 1 is played on the sample
// world, with the title tests).
#include "field/FieldEvents.h"
#include "field/MapLoad.h"
#include "party/CharacterRules.h"
#include "story/SceneScreen.h"
#include "story/StoryFixture.h"
#include "story/StorySteps.h"

namespace {
class StorySteps : public StoryTest {};
}  // namespace

TEST_F(StorySteps, TheCompanionIsTheOneTheAnswerNames) {
    putCompanions();
    putScene(2, 1, {{Value(), "焚き火"}});
    st().StoryProgress = 1;
    pf.inputAnswers = {std::optional<QString>(QStringLiteral("2"))};
    readToEnd(openScene(2));
    EXPECT_EQ(pf.prompts, QStringList{"1：サリア　　2：ファンロス"});
    EXPECT_EQ(pf.defaults, QStringList{"1"});
    EXPECT_EQ(st().PartyMember[3], Value(5));
    EXPECT_EQ(st().CurChar, 5);
    EXPECT_EQ(st().CharHP[5], 50);  // set up by Ca_Join
    EXPECT_EQ(st().CharLevel[5], 5);
    EXPECT_EQ(st().StoryProgress, 2);
}

TEST_F(StorySteps, ACancelledOrWordyAnswerIsAskedAgain) {
    putCompanions();
    pf.inputAnswers = {std::nullopt, QStringLiteral("サリア"), QStringLiteral(""),
                       QStringLiteral(" １ ")};
    Ev_Step(*game, 2);
    EXPECT_EQ(pf.prompts.size(), 4);
    EXPECT_EQ(st().PartyMember[3], Value(4));
    EXPECT_EQ(st().CharHP[4], 40);
}

TEST_F(StorySteps, StepsThreeToFiveOpenTheWayOnlyForTheirNumberOfGifts) {
    for (int p = 3; p <= 5; ++p) {
        for (int gifts = 0; gifts <= 3; ++gifts) {
            st().BlockGrid(kAheadColumn, kAheadRow) = Value(1201);
            st().EventGrid(kAheadColumn, kAheadRow) = Value(501);
            st().EventGiftCount = gifts;
            Ev_Step(*game, p);
            EXPECT_EQ(wayAheadOpen(), gifts == p - 3) << "step " << p << ", gifts " << gifts;
        }
    }
}

TEST_F(StorySteps, StepSixWakesTheStarStoneOfTheForest) {
    st().CellLogCount = 2;
    Ev_Step(*game, 6);
    EXPECT_EQ(st().CellLogCount, 3);
    EXPECT_EQ(st().CellLog(3, 0), Value("mori001.map"));
    EXPECT_FALSE(wayAheadOpen());  // nothing happens where the party stands

    // The next time the forest loads, the stone is scene 7.
    st().MapFileName = QStringLiteral("mori001.map");
    st().MapSize = 60;
    st().EventGrid(36, 20) = Value(100);
    replayMapChanges(st());
    EXPECT_EQ(st().EventGrid(36, 20), Value(507));
}

// No story step is crowded out of a full change log. Pressing the cave's two switches in turn
// writes a row each time (they change two cells), enough to fill the log in a long play; the star
// stone wakes all the same, and every change made before still shows.
TEST_F(StorySteps, AFullChangeLogStillTakesTheStoryStep) {
    GameState& s = st();
    s.MapFileName = QStringLiteral("dokutu01.map");
    auto press = [&](int mapX, int mapY) {
        s.MapX = mapX;
        s.MapY = mapY;
        s.MoveDir = 1;
        swit(*game);
    };
    for (int k = 0; k < 60; ++k) {
        press(7, 26);  // below the switch at (6, 25)
        press(6, 18);  // below the switch at (5, 17)
    }
    Ev_Step(*game, 6);
    ASSERT_LE(s.CellLogCount, 100);
    s.MapFileName = QStringLiteral("mori001.map");
    s.EventGrid(36, 20) = Value(100);
    replayMapChanges(s);
    EXPECT_EQ(s.EventGrid(36, 20), Value(507));
    s.MapFileName = QStringLiteral("dokutu01.map");
    replayMapChanges(s);
    EXPECT_EQ(std::pair(s.EventGrid(6, 26), s.FeatureGrid(6, 26)),
              std::pair(Value(304), Value(1311)));
    EXPECT_EQ(std::pair(s.EventGrid(5, 18), s.FeatureGrid(5, 18)),
              std::pair(Value(304), Value(1222)));

    // A hundred changes to a hundred different cells: the oldest gives way to the story.
    s.CellLogCount = 0;
    s.MapFileName = QStringLiteral("elsewhere.map");
    for (int n = 1; n <= 100; ++n) {
        s.MapX = n;
        s.MapY = 50;
        s.MoveDir = 0;
        s.SavedDirection = 0;
        Cell_Clear(s);
    }
    Ev_Step(*game, 6);
    EXPECT_EQ(s.CellLogCount, 100);
    EXPECT_EQ(s.CellLog(100, 0), Value("mori001.map"));
    EXPECT_EQ(s.CellLog(1, 1), Value(2));
}
