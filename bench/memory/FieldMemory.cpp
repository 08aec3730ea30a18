// How much memory the game holds once the party walks the field: the program's start-up (Main
// on the sample world), the title's New Game, the opening read to its end, the world map, and
// the whispering forest entered from it, all on the real platform and screens. After a second
// on the field (its movement timer and painting running) it prints the resident set (VmRSS) and
// its peak (VmHWM) from /proc/self/status, at the title and on the field.
//
//   field_memory [--no-audio] [--shot FILE]    with the display Qt finds (under xvfb-run -a)
//   QT_QPA_PLATFORM=offscreen field_memory [--no-audio] [--shot FILE]
//
// --shot writes a PNG of the field screen as measured, to see that it is the field.
// Exits 1 when the field screen was not reached.
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <cstdio>
#include <cstring>

#include "core/Game.h"
#include "core/Startup.h"
#include "field/FieldScreen.h"
#include "platform/GameApplication.h"
#include "platform/QtPlatform.h"
#include "story/OpeningScreen.h"
#include "story/TitleScreen.h"
#include "worldmap/MapPointer.h"
#include "worldmap/MapScreen.h"

namespace {
constexpr int kForest = 8;  // the place number of the whispering forest
constexpr int kCell = 32;   // pixels per world-map cell
constexpr int kViewColumns = 25, kViewRows = 19;

// Works events for `ms` milliseconds, as the running program would.
void runFor(int ms) {
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms) QApplication::processEvents(QEventLoop::AllEvents, 10);
}

// "VmRSS" and "VmHWM" of this process, as the kernel reports them.
void printMemory(const char* where) {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS") || line.startsWith("VmHWM"))
            std::printf("%s %s\n", where, line.simplified().constData());
}

// Clicks the forest's name on the world map; false when it is not in view.
bool enterForest(Game& game) {
    M_Map& map = game.form<M_Map>();
    const std::optional<QPoint> spot = findHotSpot(game.state(), kPlaceSpot, kForest);
    if (!spot || spot->x() < map.scrollX() || spot->x() >= map.scrollX() + kViewColumns ||
        spot->y() < map.scrollY() || spot->y() >= map.scrollY() + kViewRows)
        return false;
    map.Picture1_MouseMove((spot->x() - map.scrollX()) * kCell + 8,
                           (spot->y() - map.scrollY()) * kCell + 8);
    map.Picture1_Click();
    return true;
}
}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    useGameFont();
    QtPlatform::Options options;
    QString shotFile;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--no-audio") == 0) {
            options.audio = false;
        } else if (std::strcmp(argv[i], "--shot") == 0 && i + 1 < argc) {
            shotFile = QString::fromLocal8Bit(argv[++i]);
        } else {
            std::fprintf(stderr, "usage: field_memory [--no-audio] [--shot FILE]\n");
            return 2;
        }
    }
    QtPlatform platform(options);
    Game game(platform);
    game.dataDirOverride = QStringLiteral(HOSHIKAGE_WORLD_DIR "/");

    Main(game);
    runFor(500);
    printMemory("title");

    game.form<Taitol>().Label2_Click(0);  // New Game
    OPEN_G& opening = game.form<OPEN_G>();
    for (int page = 0; page < 100 && opening.isLoaded(); ++page) opening.Label1_Click();
    runFor(200);
    if (!game.form<M_Map>().isLoaded() || !enterForest(game)) {
        std::fprintf(stderr, "the world map did not open on the forest\n");
        return 1;
    }
    Main_Fr& field = game.form<Main_Fr>();
    if (!field.isLoaded() || game.forms().activeForm() != &field) {
        std::fprintf(stderr, "the field screen did not open\n");
        return 1;
    }
    runFor(1000);
    printMemory("field");
    if (!shotFile.isEmpty() && !field.grab().save(shotFile, "PNG")) {
        std::fprintf(stderr, "could not write %s\n", qPrintable(shotFile));
        return 1;
    }
    return 0;
}
