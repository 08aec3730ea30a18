// Runs every benchmark and, for each pair named "<Name>/Fast" and "<Name>/Reference", prints how
// many times faster the fast one is, from the medians of the same run.
#include <benchmark/benchmark.h>

#include <QApplication>
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

// The off-screen platform warns each time a screen is raised; the start-up benchmark shows the
// title hundreds of times, so those warnings are dropped and every other message is kept.
QtMessageHandler defaultHandler = nullptr;
void dropRaiseWarnings(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.contains(QLatin1String("does not support raise()"))) return;
    defaultHandler(type, context, message);
}

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
    // Pictures, fonts and the screens need a Qt application, but no window: run off screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    defaultHandler = qInstallMessageHandler(dropRaiseWarnings);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    printRatios(reporter.medians);
    return 0;
}
