// Saving and loading a game in mid-play on the sample world: writing slot 2 and its label file
// (writeSavedGame, the save screen's save), and staging it beside the running game
// (stageSavedGame, the save screen's load: the tables read again, the slot read, the members
// worked out, the saved map read with its logged changes).
#include <benchmark/benchmark.h>

#include <memory>

#include "FrameBench.h"
#include "SampleWorld.h"
#include "core/DataLoad.h"
#include "core/Game.h"
#include "core/NewGame.h"
#include "core/TableFiles.h"
#include "field/MapLoad.h"
#include "party/CharacterRules.h"
#include "platform/ScriptedPlatform.h"
#include "save/SaveSlots.h"

namespace {
constexpr int kSlot = 2;
constexpr int kForest = 8;  // place numbers of the whispering forest and the shrine below it
constexpr int kShrine = 9;

// A game well into part 1: the party two levels below the world map (forest, then shrine),
// levelled and wounded, with thirty inventory entries and forty block and thirty chest changes
// logged on the two maps.
void playToMidGame(Game& game) {
    GameState& st = game.state();
    MasterFileNames{}.applyTo(st);
    Data_LoadAll(st);
    st.TownMode = 1;
    st.NewGameFlag = 1;
    New_Game(st);
    FieldMapState field;
    st.MapX = 40;
    st.MapY = 12;
    st.EventCode = kForest;
    map_set(game, field);
    st.EventCode = kShrine;
    map_set(game, field);

    st.Gold = 3480;
    st.StoryProgress = 4;
    for (int c = 0; c <= 3; ++c) {
        st.CharacterTable[c].Level = 6 + c;
        st.CharExp[c] = 900 + 100 * c;
    }
    st.CharHP[1] = 7;
    st.CharAilment[2] = 2;
    for (int e = 11; e <= 30; ++e) {
        const ItemRecord& item = st.ItemTable[2 + e % 2];
        st.InvItem[e] = Value(item.ItemNo + 100);
        st.InvName[e] = Value(item.ItemName);
        st.InvKind[e] = Value(item.ItemKeep);
        st.InvPower[e] = Value(item.ItemPower);
    }
    st.ItemCount = 30;
    const QString maps[2] = {QStringLiteral("mori001.map"), QStringLiteral("hokora01.map")};
    st.CellLogCount = 40;
    for (int n = 1; n <= st.CellLogCount; ++n) {
        st.CellLog(n, 0) = Value(maps[n % 2]);
        st.CellLog(n, 1) = Value(2 + n % 20);
        st.CellLog(n, 2) = Value(2 + n / 2);
        st.CellLog(n, 3) = Value(0);
        st.CellLog(n, 4) = Value(0);
    }
    st.OpenLogCount = 30;
    for (int n = 1; n <= st.OpenLogCount; ++n) {
        st.OpenLog(n, 0) = Value(maps[n % 2]);
        st.OpenLog(n, 1) = Value(3 + n % 15);
        st.OpenLog(n, 2) = Value(3 + n / 3);
    }
    for (int p = 1; p <= 4; ++p) {
        st.CurChar = static_cast<int>(st.PartyMember[p].toInt());
        if (st.CurChar == 0 && p > 1) continue;  // an empty position
        st.CharLevel[st.CurChar] = st.CharacterTable[st.CurChar].Level;
        Ca_Calc(st);
    }
    st.CurChar = static_cast<int>(st.PartyMember[1].toInt());
}

// The mid-game above, played on a linked copy of the sample world so that its slots can be
// written.
struct MidGame {
    WorldCopy world;
    ScriptedPlatform platform;
    Game game{platform};
    MidGame() {
        game.state().DataPath = world.path();
        playToMidGame(game);
    }
};

void saveGame(benchmark::State& state) {
    if (!sampleWorldReady(state)) return;
    MidGame mid;
    for (auto _ : state) writeSavedGame(mid.game.state(), kSlot);
}

void loadGame(benchmark::State& state) {
    if (!sampleWorldReady(state)) return;
    MidGame mid;
    writeSavedGame(mid.game.state(), kSlot);
    for (auto _ : state) {
        StagedGame staged = stageSavedGame(mid.game.state(), kSlot);
        if (!staged.game) {
            state.SkipWithError(staged.problem.toStdString().c_str());  // copied at once
            return;
        }
        benchmark::DoNotOptimize(staged.game.get());
    }
}
}  // namespace

BENCHMARK(saveGame)->Name("SaveGame")->Apply(configureFrameBenchmark);
BENCHMARK(loadGame)->Name("LoadGame")->Apply(configureFrameBenchmark);
