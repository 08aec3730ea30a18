// Runs every benchmark and, for each pair named "<Name>/Fast" and "<Name>/Reference", prints how
// many times faster the fast one is, from the medians of the same run.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <cstdio>
#include <map>
#include <string>

namespace {
class MedianReporter : public benchmark::ConsoleReporter {
  public:
    std::map<std::string, double> medians;  // run name → median real time in nanoseconds

    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& r : runs)
            if (r.aggregate_name == "median")
                medians[r.run_name.function_name] =
                    r.GetAdjustedRealTime() * toNanoseconds(r.time_unit);
        ConsoleReporter::ReportRuns(runs);
    }

  private:
    static double toNanoseconds(benchmark::TimeUnit unit) {
        switch (unit) {
            case benchmark::kSecond:
                return 1e9;
            case benchmark::kMillisecond:
                return 1e6;
            case benchmark::kMicrosecond:
                return 1e3;
            default:
                return 1;
        }
    }
};

void printRatios(const std::map<std::string, double>& medians) {
    const std::string fast = "/Fast";
    for (const auto& [name, time] : medians) {
        if (name.size() <= fast.size() ||
            name.compare(name.size() - fast.size(), fast.size(), fast) != 0)
            continue;
        const std::string base = name.substr(0, name.size() - fast.size());
        auto ref = medians.find(base + "/Reference");
        if (ref == medians.end() || time <= 0) continue;
        std::printf("%s: median %.3f ms fast, %.3f ms reference, %.1f times faster\n", base.c_str(),
                    time / 1e6, ref->second / 1e6, ref->second / time);
    }
}
}  // namespace

int main(int argc, char** argv) {
    // Pictures and fonts need a Qt application, but no window: run off screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    printRatios(reporter.medians);
    return 0;
}
