// Reading the sample world: every master table (Data_LoadAll, as the start-up, the title and a
// load do) and the world's largest map with its stairs file (map_load1, as an entrance or a
// staircase does).
#include <benchmark/benchmark.h>

#include <QDir>
#include <QFileInfo>
#include <memory>

#include "FrameBench.h"
#include "SampleWorld.h"
#include "core/DataLoad.h"
#include "core/Game.h"
#include "core/TableFiles.h"
#include "field/MapLoad.h"
#include "platform/ScriptedPlatform.h"

namespace {
void dataLoadAll(benchmark::State& state) {
    if (!sampleWorldReady(state)) return;
    auto st = std::make_unique<GameState>();
    st->DataPath = sampleWorldPath();
    MasterFileNames{}.applyTo(*st);
    for (auto _ : state) {
        Data_LoadAll(*st);
        benchmark::ClobberMemory();
    }
}

// The map file of the sample world with the most bytes.
QString largestMap() {
    const QFileInfoList maps =
        QDir(sampleWorldPath()).entryInfoList({QStringLiteral("*.map")}, QDir::Files, QDir::Size);
    return maps.isEmpty() ? QString() : maps.first().fileName();
}

void mapLoad(benchmark::State& state) {
    if (!sampleWorldReady(state)) return;
    ScriptedPlatform platform;
    Game game(platform);
    GameState& st = game.state();
    st.DataPath = sampleWorldPath();
    st.MapFileName = largestMap();
    state.SetLabel(st.MapFileName.toStdString());
    FieldMapState field;
    for (auto _ : state) {
        map_load1(game, field);
        benchmark::ClobberMemory();
    }
}
}  // namespace

BENCHMARK(dataLoadAll)->Name("DataLoadAll")->Apply(configureFrameBenchmark);
BENCHMARK(mapLoad)->Name("MapLoad")->Apply(configureFrameBenchmark);
