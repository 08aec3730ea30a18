// The game's entry point: reads the command line, checks a data folder or builds the platform and
// runs the start-up.
#include <QCoreApplication>
#include <cstdio>

#include "core/CommandLine.h"
#include "core/DataCheck.h"
#include "core/Game.h"
#include "core/GameError.h"
#include "core/Startup.h"
#include "core/TestPlay.h"
#include "platform/DisplayMode.h"
#include "platform/DisplaySettings.h"
#include "platform/GameApplication.h"
#include "platform/QtPlatform.h"
#include "platform/Screenshot.h"

namespace {
QStringList argumentsOf(int argc, char** argv) {
    QStringList args;
    for (int i = 0; i < argc; ++i) args << QString::fromLocal8Bit(argv[i]);
    return args;
}

// --check-data [DIR]: needs no window, so it runs before any is made (and without a display).
// Without DIR it checks the folder the game would play: --data DIR, or "use" beside the program.
int checkData(int argc, char** argv, const CommandLine& cl) {
    QCoreApplication core(argc, argv);
    const QString dir = !cl.checkData->isEmpty()
                            ? *cl.checkData
                            : dataPathFor(QCoreApplication::applicationDirPath(), cl.dataDir);
    return runDataCheck(dir, stdout);
}

// The largest window of the game (the battle and shop screens with a frame around them).
constexpr QSize kLargestWindow(816, 680);

// Window scale and full screen: the command line wins, then what the player chose last time,
// then the largest whole scale that fits the screen. A screenshot run keeps scale 1 unless told
// otherwise and remembers nothing.
DisplaySettings chooseDisplay(int argc, char** argv, const CommandLine& cl, bool remember) {
    DisplaySettings display =
        remember ? loadDisplaySettings(settingsFilePath()) : DisplaySettings{};
    if (cl.scale) display.scale = *cl.scale;
    if (cl.fullScreen) display.fullScreen = *cl.fullScreen;
    if (display.scale == 0) {
        const QSize available = remember ? probeAvailableScreen(argc, argv) : QSize();
        display.scale = available.isEmpty() ? 1 : fittingScale(available, kLargestWindow);
    }
    if (remember) saveDisplaySettings(settingsFilePath(), display);
    return display;
}
}  // namespace

int main(int argc, char** argv) {
    const CommandLine cl = CommandLine::parse(argumentsOf(argc, argv));
    if (!cl.error.isEmpty()) {
        std::fprintf(stderr, "%s\n%s", qPrintable(cl.error), qPrintable(CommandLine::usage()));
        return 2;
    }
    if (cl.help) {
        std::printf("%s", qPrintable(CommandLine::usage()));
        return 0;
    }
    if (cl.checkData) return checkData(argc, argv, cl);

    const bool remember = cl.screenshotFile.isEmpty();
    DisplaySettings display = chooseDisplay(argc, argv, cl, remember);
    // Qt scales every window by this factor; pictures are drawn without smoothing, so pixels
    // stay sharp.
    if (display.scale > 1 && qEnvironmentVariableIsEmpty("QT_SCALE_FACTOR"))
        qputenv("QT_SCALE_FACTOR", QByteArray::number(display.scale));

    GameApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("hoshikage"));
    useGameFont();

    QtPlatform::Options options;
    options.audio = cl.audio;
    options.seed = cl.seed;
    QtPlatform platform(options);
    Game game(platform);
    game.dataDirOverride = cl.dataDir;
    platform.setDialogParent([&game]() -> QWidget* { return game.forms().activeForm(); });
    app.setErrorReporter([&platform](const QString& report) { platform.msgBox(report); });

    DisplayMode mode(game.forms());
    mode.setFullScreen(display.fullScreen);
    GameKeys keys(
        [&] {
            mode.setFullScreen(!mode.isFullScreen());
            display.fullScreen = mode.isFullScreen();
            if (remember) saveDisplaySettings(settingsFilePath(), display);
        },
        [&] {
            const QString file = saveScreenshotToPictures(game.forms());
            std::printf("%s\n",
                        file.isEmpty() ? "could not save the screenshot" : qPrintable(file));
            std::fflush(stdout);
        });
    app.installEventFilter(&keys);

    if (!cl.screenshotFile.isEmpty())
        scheduleScreenshotAndExit(game.forms(), cl.screenshotFile, cl.screenshotDelayMs);
    // Test-play starts on a map and reads the world again on F5.
    ReloadKey reload(game);
    if (!cl.startMap.isEmpty()) app.installEventFilter(&reload);
    try {
        if (cl.startMap.isEmpty())
            Main(game);
        else
            StartOnMap(game, cl.startMap, cl.startCell);
    } catch (const GameError& e) {
        app.fatal(e.report());
    }
    return app.exec();
}
