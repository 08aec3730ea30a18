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
