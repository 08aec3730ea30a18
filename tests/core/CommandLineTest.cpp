#include <gtest/gtest.h>

#include "core/CommandLine.h"

TEST(CommandLine, ReadsEveryOption) {
    auto cl = CommandLine::parse({"game", "--data", "/w", "--seed", "42", "--no-audio",
                                  "--screenshot", "a.png", "--screenshot-delay", "300"});
    EXPECT_TRUE(cl.error.isEmpty());
    EXPECT_EQ(cl.dataDir, QStringLiteral("/w"));
    EXPECT_EQ(cl.seed, 42u);
    EXPECT_FALSE(cl.audio);
    EXPECT_EQ(cl.screenshotFile, QStringLiteral("a.png"));
    EXPECT_EQ(cl.screenshotDelayMs, 300);
    EXPECT_FALSE(cl.checkData.has_value());

    auto check = CommandLine::parse({"game", "--check-data"});
    ASSERT_TRUE(check.checkData.has_value());
    EXPECT_TRUE(check.checkData->isEmpty());
    EXPECT_EQ(*CommandLine::parse({"game", "--check-data", "/x"}).checkData, QStringLiteral("/x"));
}

TEST(CommandLine, MalformedOptionsAreToldNotGuessed) {
    EXPECT_FALSE(CommandLine::parse({"game", "--seed", "abc"}).error.isEmpty());
    EXPECT_FALSE(CommandLine::parse({"game", "--data"}).error.isEmpty());
    EXPECT_FALSE(CommandLine::parse({"game", "--data", "--no-audio"}).error.isEmpty());
    EXPECT_FALSE(CommandLine::parse({"game", "--bogus"}).error.isEmpty());
}

TEST(CommandLine, StartTakesAMapAndAWholeCellOrNone) {
    auto atEntry = CommandLine::parse({"game", "--start", "mori001", "--no-audio"});
    EXPECT_TRUE(atEntry.error.isEmpty());
    EXPECT_EQ(atEntry.startMap, QStringLiteral("mori001"));
    EXPECT_FALSE(atEntry.startCell.has_value());
    EXPECT_FALSE(atEntry.audio);
    auto atCell = CommandLine::parse({"game", "--start", "tou03", "12", "20"});
    EXPECT_EQ(atCell.startCell, QPoint(12, 20));
    EXPECT_FALSE(CommandLine::parse({"game", "--start", "tou03", "12"}).error.isEmpty());
    EXPECT_FALSE(CommandLine::parse({"game", "--start", "tou03", "-1", "2"}).error.isEmpty());
    EXPECT_FALSE(CommandLine::parse({"game", "--start"}).error.isEmpty());
}
