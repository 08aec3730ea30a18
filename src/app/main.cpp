// The game's entry point: reads the command line, builds the platform and starts the game.
#include <QFont>
#include <cstdio>

#include "core/CommandLine.h"
#include "core/Game.h"
#include "core/GameError.h"
#include "platform/Form.h"
#include "platform/GameApplication.h"
#include "platform/Label.h"
#include "platform/QtPlatform.h"
#include "platform/Screenshot.h"

namespace {
// Shown until the title screen exists: the window the game opens with.
class StartScreen : public Form {
  public:
    explicit StartScreen(Game& game) : Form(game.forms(), QStringLiteral("星影の旅路")) {
        auto* caption = new Label(this, QStringLiteral("星影の旅路"));
        caption->setGeometry(0, 0, 800, 608);
        caption->setAlignment(Qt::AlignCenter);
        caption->setForeColor(QColor(255, 240, 200));
        caption->setBackColor(QColor(16, 24, 48));
        QFont f = caption->font();
        f.setPixelSize(48);
        caption->setFont(f);
    }

  protected:
    void Form_Load() override { setClientSize(800, 608); }
};
}  // namespace

int main(int argc, char** argv) {
    GameApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("hoshikage"));
    QFont font(QStringLiteral("IPAGothic"));
    font.setPixelSize(14);
    QApplication::setFont(font);

    const CommandLine cl = CommandLine::parse(QApplication::arguments());
    if (!cl.error.isEmpty()) {
        std::fprintf(stderr, "%s\n%s", qPrintable(cl.error), qPrintable(CommandLine::usage()));
        return 2;
    }
    if (cl.help) {
        std::printf("%s", qPrintable(CommandLine::usage()));
        return 0;
    }

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
        game.form<StartScreen>().Show();
    } catch (const GameError& e) {
        app.fatal(e.report());
    }
    return app.exec();
}
