// Start-up to the title screen inside one running program: a fresh game on the real platform
// (music off) runs Main on the sample world — the settings, Data_LoadAll, and the title screen
// built, loaded (its pictures and a second Data_LoadAll) and shown — and events are worked
// until the title has been painted. Each round ends by closing the game. What a new process
// adds (loading the program and Qt, the display connection, fonts) is measured on the whole
// program with hyperfine (docs/PERFORMANCE.md).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>

#include "FrameBench.h"
#include "SampleWorld.h"
#include "core/Game.h"
#include "core/Startup.h"
#include "platform/GameApplication.h"
#include "platform/QtPlatform.h"
#include "story/TitleScreen.h"

namespace {
// Notes the first paint of the widget it watches.
class PaintWatcher : public QObject {
  public:
    bool painted = false;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) painted = true;
        return QObject::eventFilter(watched, event);
    }
};

void startupToTitle(benchmark::State& state) {
    if (!sampleWorldReady(state)) return;
    useGameFont();  // as the program does before Main
    QtPlatform::Options options;
    options.audio = false;
    for (auto _ : state) {
        QtPlatform platform(options);
        Game game(platform);
        game.dataDirOverride = sampleWorldPath();
        PaintWatcher watcher;
        Taitol& title = game.form<Taitol>();
        title.installEventFilter(&watcher);
        Main(game);
        QElapsedTimer waited;
        waited.start();
        while (!watcher.painted && waited.elapsed() < 5000)
            QApplication::processEvents(QEventLoop::AllEvents, 10);
        if (!watcher.painted || game.forms().activeForm() != &title) {
            state.SkipWithError("the title screen was not shown");
            return;
        }
        title.removeEventFilter(&watcher);
    }
}
}  // namespace

BENCHMARK(startupToTitle)->Name("StartupToTitle")->Apply(configureFrameBenchmark);
