// One full frame of the field view (Lighting 0, every cell with all five tile layers) drawn by
// the game's canvas and by the plain QPainter canvas. The party walks a loop across the map, so
// every frame shows a new part of it, as on a movement tick.
#include <benchmark/benchmark.h>

#include <memory>

#include "FrameBench.h"
#include "core/GameState.h"
#include "field/FastFieldCanvas.h"
#include "field/FieldView.h"
#include "field/MadeSheets.h"
#include "field/PainterFieldCanvas.h"

namespace {
template <class Canvas>
void fieldFrame(benchmark::State& state) {
    auto st = std::make_unique<GameState>();
    fillWholeMap(*st, 60, 2024, 12);
    st->Lighting = 0;
    Canvas canvas(makeFieldPictures());
    QImage visible;
    int step = 0;
    // Around a 20 × 20 square in the middle of the map, one cell per frame.
    auto frame = [&] {
        const int k = step++ % 80, side = k / 20, along = k % 20;
        st->MapX = 20 + (side == 0 ? along : side == 1 ? 20 : side == 2 ? 20 - along : 0);
        st->MapY = 20 + (side == 0 ? 0 : side == 1 ? along : side == 2 ? 20 : 20 - along);
        Map_Make(*st, canvas, visible, PartyPose{step % 2, side});
    };
    // One walk round before timing: the canvas prepares each picture the first time it is used,
    // as it would during the first steps on a map.
    for (int k = 0; k < 80; ++k) frame();
    for (auto _ : state) {
        frame();
        benchmark::DoNotOptimize(visible.constBits());
        benchmark::ClobberMemory();
    }
}
}  // namespace

BENCHMARK(fieldFrame<FastFieldCanvas>)->Name("FieldFrame/Fast")->Apply(configureFrameBenchmark);
BENCHMARK(fieldFrame<PainterFieldCanvas>)
    ->Name("FieldFrame/Reference")
    ->Apply(configureFrameBenchmark);
