#include "core/CommandLine.h"

CommandLine CommandLine::parse(const QStringList& arguments) {
    CommandLine cl;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        auto next = [&](const QString& what) -> std::optional<QString> {
            if (i + 1 >= arguments.size() || arguments[i + 1].startsWith(u"--")) {
                cl.error = a + QStringLiteral(" needs ") + what;
                return std::nullopt;
            }
            return arguments[++i];
        };
        if (a == u"--help" || a == u"-h") {
            cl.help = true;
        } else if (a == u"--data") {
            if (auto v = next(QStringLiteral("a folder"))) cl.dataDir = *v;
        } else if (a == u"--check-data") {
            cl.checkData = QString();
            if (i + 1 < arguments.size() && !arguments[i + 1].startsWith(u"--"))
                cl.checkData = arguments[++i];
        } else if (a == u"--screenshot") {
            if (auto v = next(QStringLiteral("a file name"))) cl.screenshotFile = *v;
        } else if (a == u"--screenshot-delay") {
            if (auto v = next(QStringLiteral("milliseconds"))) {
                bool ok = false;
                int ms = v->toInt(&ok);
                if (!ok || ms < 0)
                    cl.error = QStringLiteral("--screenshot-delay needs milliseconds");
                else
                    cl.screenshotDelayMs = ms;
            }
        } else if (a == u"--seed") {
            if (auto v = next(QStringLiteral("a number"))) {
                bool ok = false;
                unsigned s = v->toUInt(&ok);
                if (!ok)
                    cl.error = QStringLiteral("--seed needs a whole number");
                else
                    cl.seed = s;
            }
        } else if (a == u"--no-audio") {
            cl.audio = false;
        } else if (a == u"--scale") {
            if (auto v = next(QStringLiteral("a whole number 1..4"))) {
                bool ok = false;
                int n = v->toInt(&ok);
                if (!ok || n < 1 || n > 4)
                    cl.error = QStringLiteral("--scale needs a whole number 1..4");
                else
                    cl.scale = n;
            }
        } else if (a == u"--start") {
            if (auto v = next(QStringLiteral("a map name"))) cl.startMap = *v;
            // The cell is given whole or not at all.
            bool firstIsNumber = false;
            if (i + 1 < arguments.size()) arguments[i + 1].toInt(&firstIsNumber);
            if (firstIsNumber) {
                bool okX = false, okY = false;
                const int x = arguments[++i].toInt(&okX);
                const int y = i + 1 < arguments.size() ? arguments[i + 1].toInt(&okY) : 0;
                if (okY) ++i;
                if (!okX || !okY || x < 0 || y < 0)
                    cl.error = QStringLiteral("--start MAP X Y needs a column and a row from 0");
                else
                    cl.startCell = QPoint(x, y);
            }
        } else if (a == u"--fullscreen") {
            cl.fullScreen = true;
        } else if (a == u"--windowed") {
            cl.fullScreen = false;
        } else {
            cl.error = QStringLiteral("unknown option ") + a;
        }
        if (!cl.error.isEmpty()) break;
    }
    return cl;
}

QString CommandLine::usage() {
    return QStringLiteral(
        "Usage: hoshikage [options]\n"
        "  --data DIR              play the world in DIR instead of 'use' beside the program\n"
        "  --check-data [DIR]      check a data folder, print every problem, exit 0 or 1\n"
        "  --screenshot FILE       save a PNG of the active screen shortly after start, then exit\n"
        "  --screenshot-delay MS   wait MS milliseconds before that screenshot (default 1500)\n"
        "  --seed N                use a fixed random seed (reproducible play)\n"
        "  --no-audio              play without music\n"
        "  --scale N               window scale 1..4, sharp pixels (remembered; default fits the\n"
        "                          screen)\n"
        "  --fullscreen            play full screen (remembered; F11 switches while playing)\n"
        "  --windowed              play in windows (remembered)\n"
        "  --start MAP [X Y]       test-play: a new game's party starts on map MAP (mori001,\n"
        "                          Map_f01 …) at column X, row Y, or where its place lets it in;\n"
        "                          F5 then reads the tables and the map from disk again\n"
        "  --help                  show this help\n"
        "\n"
        "Keys while playing: arrow keys walk or scroll, F11 full screen on/off,\n"
        "F12 saves a screenshot (PNG) in your pictures folder.\n");
}
