#pragma once

#include <benchmark/benchmark.h>

// How a frame benchmark (and every other timed one here) runs: milliseconds, fifteen repetitions
// reported as aggregates (the median is what BenchMain compares), after a short warm-up.
inline void configureFrameBenchmark(benchmark::internal::Benchmark* b) {
    b->Unit(benchmark::kMillisecond)
        ->Repetitions(15)
        ->ReportAggregatesOnly(true)
        ->MinWarmUpTime(0.2);
}
