// The scene rules without a window: scene numbers, faces and the companion's answer.
#include <gtest/gtest.h>

#include "core/GameError.h"
#include "core/GameState.h"
#include "story/SceneRules.h"

TEST(SceneRules, TheLastTwoDigitsOfTheCodeNameTheScene) {
    EXPECT_EQ(sceneNumberOf(8), 8);
    EXPECT_EQ(sceneNumberOf(108), 8);
    EXPECT_EQ(sceneNumberOf(40), 40);
    for (int code : {0, 41, 153, 100}) EXPECT_THROW(sceneNumberOf(code), GameError) << code;
}

TEST(SceneRules, FaceCodesPickARowOfTenAndAColumnFromTheLastDigit) {
    EXPECT_EQ(sceneFaceCell(Value(1)), QPoint(0, 0));
    EXPECT_EQ(sceneFaceCell(Value(39)), QPoint(8, 3));
    EXPECT_EQ(sceneFaceCell(Value("29")), QPoint(8, 2));  // a number read from quotes
    for (const Value& none : {Value(), Value("x29"), Value(10), Value(-3), Value(1.5)})
        EXPECT_EQ(sceneFaceCell(none), std::nullopt) << none.text().toStdString();
    // The short text of a scene above 30 looks for a page the table does not have.
    auto st = std::make_unique<GameState>();
    EXPECT_TRUE(scenePageFace(*st, 35, 35).isBlank());
}

TEST(SceneRules, TheCompanionAnswerMustBeANumber) {
    EXPECT_EQ(companionFor("1"), 4);
    EXPECT_EQ(companionFor(" 1　"), 4);
    EXPECT_EQ(companionFor("１"), 4);
    EXPECT_EQ(companionFor("1.0"), 4);
    EXPECT_EQ(companionFor("2"), 5);
    EXPECT_EQ(companionFor("0"), 5);
    for (const char* none : {"", "  ", "x", "1x", "サリア"})
        EXPECT_EQ(companionFor(QString::fromUtf8(none)), std::nullopt) << none;
}
