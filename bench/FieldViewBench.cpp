// One full frame of the field view drawn by the game's canvas and by the plain QPainter canvas,
// on two maps: a made map whose every cell has all five tile layers (Lighting 0), and the
// forest of the sample world with its own pictures. The party walks a loop, one cell per frame,
// so every frame shows a new part of the map, as on a movement tick.
#include <benchmark/benchmark.h>

#include <QDir>
#include <memory>

#include "FrameBench.h"
#include "core/GameState.h"
#include "field/FastFieldCanvas.h"
#include "field/FieldView.h"
#include "field/MadeSheets.h"
#include "field/MapFile.h"
#include "field/MapLoad.h"
#include "field/PainterFieldCanvas.h"

namespace {
// Walks round a side × side square whose top-left cell is (left, top), one cell per frame, and
// times each frame after one round that lets the canvas prepare the pictures it meets.
template <class Canvas>
void walk(benchmark::State& state, GameState& st, const FieldPictures& pictures, int left, int top,
          int side) {
    Canvas canvas(pictures);
    QImage visible;
    int step = 0;
    auto frame = [&] {
        const int k = step++ % (4 * side), leg = k / side, along = k % side;
        st.MapX = left + (leg == 0 ? along : leg == 1 ? side : leg == 2 ? side - along : 0);
        st.MapY = top + (leg == 0 ? 0 : leg == 1 ? along : leg == 2 ? side : side - along);
        Map_Make(st, canvas, visible, PartyPose{step % 2, leg});
    };
    for (int k = 0; k < 4 * side; ++k) frame();
    for (auto _ : state) {
        frame();
        benchmark::DoNotOptimize(visible.constBits());
        benchmark::ClobberMemory();
    }
}

template <class Canvas>
void everyLayerEverywhere(benchmark::State& state) {
    auto st = std::make_unique<GameState>();
    fillWholeMap(*st, 60, 2024, 12);
    walk<Canvas>(state, *st, makeFieldPictures(), 20, 20, 20);
}

template <class Canvas>
void sampleForest(benchmark::State& state) {
    const QString dir = QStringLiteral(HOSHIKAGE_WORLD_DIR "/");
    if (!QDir(dir).exists(QStringLiteral("mori001.map"))) {
        state.SkipWithError("the sample world has not been generated");
        return;
    }
    auto st = std::make_unique<GameState>();
    putMapIntoGrids(*st, readMapFile(dir + QStringLiteral("mori001.map")));
    const int side = st->MapSize / 2;
    walk<Canvas>(state, *st, loadFieldPictures(dir), st->MapSize / 4 + 1, st->MapSize / 4, side);
}

}  // namespace

BENCHMARK(everyLayerEverywhere<FastFieldCanvas>)
    ->Name("FieldFrame/Fast")
    ->Apply(configureFrameBenchmark);
BENCHMARK(everyLayerEverywhere<PainterFieldCanvas>)
    ->Name("FieldFrame/Reference")
    ->Apply(configureFrameBenchmark);
BENCHMARK(sampleForest<FastFieldCanvas>)
    ->Name("FieldFrameForest/Fast")
    ->Apply(configureFrameBenchmark);
BENCHMARK(sampleForest<PainterFieldCanvas>)
    ->Name("FieldFrameForest/Reference")
    ->Apply(configureFrameBenchmark);
