#include <gtest/gtest.h>

#include "platform/MediaCommands.h"
#include "platform/ScriptedPlatform.h"

TEST(MediaCommands, OpenPlayStatusStopAndClose) {
    ScriptedPlatform pf;
    EXPECT_EQ(pf.mciSendString("status bgm mode"), QString());  // nothing open yet
    pf.mciSendString("open \"/game/use/town one.wav\" alias bgm");
    EXPECT_EQ(pf.mciSendString("status bgm mode"), QStringLiteral("stopped"));
    pf.mciSendString("play bgm from 0");
    EXPECT_EQ(pf.mciSendString("status bgm mode"), QStringLiteral("playing"));
    pf.mciSendString("stop bgm ");  // with its trailing space
    EXPECT_NE(pf.mciSendString("status bgm mode"), QStringLiteral("playing"));
    pf.mciSendString("close all");
    EXPECT_EQ(pf.mciSendString("status bgm mode"), QString());
    EXPECT_EQ(pf.mciCommands.size(), 9);
    EXPECT_EQ(pf.mciCommands[5], QStringLiteral("stop bgm "));
}

TEST(MediaCommands, CommandsForAnAliasThatIsNotOpenAreIgnored) {
    ScriptedPlatform pf;
    pf.mciSendString("open a.wav alias bgm");
    pf.mciSendString("play bgm from 0");
    EXPECT_EQ(pf.mciSendString("stop other"), QString());
    EXPECT_EQ(pf.mciSendString("status other mode"), QString());
    EXPECT_EQ(pf.mciSendString("status bgm mode"), QStringLiteral("playing"));
    // Opening an alias that is already open fails and keeps the first track.
    pf.mciSendString("open b.wav alias bgm");
    EXPECT_EQ(pf.mciSendString("status bgm mode"), QStringLiteral("playing"));
    pf.finishTrack();
    EXPECT_EQ(pf.mciSendString("status bgm mode"), QStringLiteral("stopped"));
}

TEST(MediaCommands, ARealDeviceCannotOpenAMissingFile) {
    MediaCommandInterpreter mci(std::make_unique<SilentMediaFactory>(true));
    mci.send("open \"/nonexistent/x.wav\" alias bgm");
    EXPECT_FALSE(mci.isOpen("bgm"));
    EXPECT_EQ(mci.send("status bgm mode"), QString());
}
