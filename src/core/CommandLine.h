#pragma once

#include <QPoint>
#include <QString>
#include <QStringList>
#include <optional>

// What the player asked for on the command line.
struct CommandLine {
    bool help = false;
    QString dataDir;                   // --data DIR: play another world
    std::optional<QString> checkData;  // --check-data [DIR]: report problems and exit
    QString screenshotFile;            // --screenshot FILE: PNG of the active screen, then exit
    int screenshotDelayMs = 1500;      // --screenshot-delay MS
    std::optional<unsigned> seed;      // --seed N: reproducible random draws
    bool audio = true;                 // --no-audio
    std::optional<int> scale;          // --scale N: window scale 1..4 (remembered)
    std::optional<bool> fullScreen;    // --fullscreen / --windowed (remembered)
    QString startMap;                  // --start MAP [X Y]: test-play a map, F5 reloads
    std::optional<QPoint> startCell;   // the X Y of --start (column, row)
    QString error;                     // a malformed command line, told to the player

    static CommandLine parse(const QStringList& arguments);  // arguments[0] is the program
    static QString usage();
};
