// The new-game set-up: starting values, the starting party and inventory, and when it does
// nothing.
#include <gtest/gtest.h>

#include "core/DataLoad.h"
#include "core/NewGame.h"
#include "core/TableFiles.h"
#include "support/GameTest.h"
#include "support/SmallWorld.h"

namespace {
class NewGame : public GameTest {
  protected:
    NewGame() {
        writeSmallWorld(data);
        MasterFileNames{}.applyTo(st());
        Data_LoadAll(st());
        st().NewGameFlag = 1;
        st().EventCode = 0;
    }
};
}  // namespace

TEST_F(NewGame, StartsWithTheFirstPlaceMoneyAndSixPositions) {
    st().EventCode = 1;
    st().MapDepth = 3;
    st().EncounterRate = 55;
    New_Game(st());
    EXPECT_EQ(st().Gold, 2000);
    EXPECT_EQ(st().PartyCount, 6);
    EXPECT_EQ(st().StoryProgress, 0);
    EXPECT_EQ(st().MapDepth, 0);
    EXPECT_EQ(st().NewGameFlag, 0);
    EXPECT_EQ(st().MapFileName, "Map_f01.map");
    EXPECT_EQ(st().BgmFile, "bgm01.wav");
    EXPECT_EQ(st().BattleBack, "bb01.jpg");
    EXPECT_EQ(st().EncounterRate, 0);
    EXPECT_EQ(st().CurPlace, 1);  // the event code, whatever it is
}

TEST_F(NewGame, SetsUpTheStartingPartyAndLeavesPositionsThreeAndFour) {
    st().PartyMember[3] = Value(2);
    New_Game(st());
    EXPECT_EQ(st().PartyMember[1], Value(0));
    EXPECT_EQ(st().PartyMember[2], Value(1));
    EXPECT_EQ(st().PartyMember[3], Value(2));
    EXPECT_TRUE(st().PartyMember[4].isEmpty());
    EXPECT_EQ(st().PartyMember[5], Value(2));
    EXPECT_EQ(st().PartyMember[6], Value(3));
    for (int c = 0; c <= 3; ++c) EXPECT_EQ(st().CharHP[c], st().CharacterTable[c].MaxHP) << c;
    EXPECT_EQ(st().CharExp[1], 800);       // level 5
    EXPECT_EQ(st().CharAttack[0], 5 + 8);  // copper sword + Strength
    EXPECT_EQ(st().CurChar, 3);            // the last position set up
}

TEST_F(NewGame, FillsTenStartingEntries) {
    New_Game(st());
    EXPECT_EQ(st().ItemCount, 10);
    for (int i = 0; i <= 4; ++i) {
        EXPECT_EQ(st().InvItem[i], Value(102)) << i;
        EXPECT_EQ(st().InvKind[i], Value(0)) << i;
    }
    for (int i = 5; i <= 9; ++i) {
        EXPECT_EQ(st().InvItem[i], Value(103)) << i;
        EXPECT_EQ(st().InvKind[i], Value(1)) << i;
    }
    EXPECT_TRUE(st().InvItem[10].isEmpty());
    EXPECT_TRUE(st().InvName[0].isEmpty());
    EXPECT_TRUE(st().InvPower[0].isEmpty());
}

TEST_F(NewGame, RunTwiceKeepsTenEntries) {
    New_Game(st());
    st().InvItem[3] = Value(101);
    New_Game(st());
    EXPECT_EQ(st().ItemCount, 10);
    EXPECT_EQ(st().InvItem[3], Value(101));
    EXPECT_TRUE(st().InvItem[10].isEmpty());
}

TEST_F(NewGame, DoesNothingAfterALoad) {
    st().LoadFlag = 1;
    st().Gold = 77;
    st().PartyCount = 2;
    st().MapFileName = "mori001.map";
    st().NewGameMark = 5;
    New_Game(st());
    EXPECT_EQ(st().Gold, 77);
    EXPECT_EQ(st().PartyCount, 2);
    EXPECT_EQ(st().MapFileName, "mori001.map");
    EXPECT_EQ(st().NewGameFlag, 1);
    EXPECT_EQ(st().NewGameMark, 5);
    EXPECT_EQ(st().ItemCount, 0);
    EXPECT_TRUE(st().PartyMember[1].isEmpty());
}
