#pragma once

#include <benchmark/benchmark.h>

#include <QString>
#include <QTemporaryDir>
#include <memory>

// The generated sample world (build/use) the benchmarks read, ending in "/".
QString sampleWorldPath();

// True when the sample world has been generated; otherwise marks the benchmark as skipped and
// returns false.
bool sampleWorldReady(benchmark::State& state);

// A folder that shows every file of the sample world through a link, so that a benchmark can
// write save slots beside the world without changing the generated one.
class WorldCopy {
  public:
    WorldCopy();
    // The folder, ending in "/".
    QString path() const;

  private:
    std::unique_ptr<QTemporaryDir> dir_;
};
