// The game's entry point: reads the command line, checks a data folder or builds the platform and
// runs the start-up.
#include <QCoreApplication>
#include <QFont>
#include <cstdio>

#include "core/CommandLine.h"
#include "core/DataCheck.h"
#include "core/Game.h"
#include "core/GameError.h"
#include "core/Startup.h"
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

    GameApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("hoshikage"));
    QFont font(QStringLiteral("IPAGothic"));
    font.setPixelSize(14);
    QApplication::setFont(font);

    QtPlatform::Options options;
    options.audio = cl.audio;
    options.seed = cl.seed;
    QtPlatform platform(options);
    Game game(platform);
    game.dataDirOverride = cl.dataDir;
    platform.setDialogParent([&game]() -> QWidget* { return game.forms().activeForm(); });
    app.setErrorReporter([&platform](const QString& report) { platform.msgBox(report); });

    if (!cl.screenshotFile.isEmpty())
        scheduleScreenshotAndExit(game.forms(), cl.screenshotFile, cl.screenshotDelayMs);
    try {
        Main(game);
    } catch (const GameError& e) {
        app.fatal(e.report());
    }
    return app.exec();
}
