// One full frame of the overhead map's view, scrolled one cell per frame as the scroll timer
// does. "Fast" skips the masked pieces that cannot change a pixel (the see-through sheet cells
// every empty prop, block and tall cell names); "Reference" draws every piece.
#include <benchmark/benchmark.h>

#include <memory>
#include <random>

#include "FrameBench.h"
#include "core/GameState.h"
#include "worldmap/MadeTownSheets.h"
#include "worldmap/WorldView.h"

namespace {
// A 60 × 60 map. Typical: ground everywhere, a feature on one cell in ten and a prop, block or
// tall piece on about one cell in seven each, as on the world map and in towns. Full: every
// layer of every cell names a piece.
void fillMap(GameState& st, bool full) {
    std::mt19937 rng(2024);
    auto piece = [&](int percent) {
        if (!full && static_cast<int>(rng() % 100) >= percent) return Value(0);
        return Value(static_cast<int>(1 + rng() % 9) * 100 + static_cast<int>(rng() % 10));
    };
    st.MapSize = 60;
    for (int x = 0; x <= 60; ++x)
        for (int y = 0; y <= 60; ++y) {
            st.GroundGrid(x, y) = piece(100);
            st.FeatureGrid(x, y) = piece(10);
            st.PropGrid(x, y) = piece(15);
            st.BlockGrid(x, y) = piece(15);
            st.TallGrid(x, y) = piece(15);
        }
}

void worldFrame(benchmark::State& state, bool skipSeeThrough, bool full) {
    auto st = std::make_unique<GameState>();
    fillMap(*st, full);
    WorldSheets sheets;
    sheets.tiles = madeTileSheets();
    if (skipSeeThrough) sheets.prepare();
    QImage view;
    int step = 0;
    for (auto _ : state) {
        const int k = step++ % 60;  // across the map and back
        const int x = k < 30 ? 1 + k : 60 - k;
        view2(*st, sheets, x, 20, view);
        benchmark::DoNotOptimize(view.constBits());
        benchmark::ClobberMemory();
    }
}
}  // namespace

BENCHMARK_CAPTURE(worldFrame, fast, true, false)
    ->Name("WorldView/Fast")
    ->Apply(configureFrameBenchmark);
BENCHMARK_CAPTURE(worldFrame, reference, false, false)
    ->Name("WorldView/Reference")
    ->Apply(configureFrameBenchmark);
BENCHMARK_CAPTURE(worldFrame, full_fast, true, true)
    ->Name("WorldViewFull/Fast")
    ->Apply(configureFrameBenchmark);
BENCHMARK_CAPTURE(worldFrame, full_reference, false, true)
    ->Name("WorldViewFull/Reference")
    ->Apply(configureFrameBenchmark);
