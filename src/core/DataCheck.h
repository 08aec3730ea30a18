#pragma once

#include <QString>
#include <QStringList>
#include <cstdio>

// The data check (--check-data): reads every table and data file of a data directory with the
// game's own readers, reads every map the tables name with its stairs file (and the floor maps
// those name), checks that every picture and music file they name is there, and lists every
// problem as "file: position: what was expected". It reads nothing outside the directory and
// writes nothing.
struct DataCheckResult {
    QStringList problems;
    int dataFiles = 0;  // tables, data files and stairs files read without a problem
    int maps = 0;       // map files found
    int pictures = 0;   // picture files found
    int music = 0;      // music files found

    bool ok() const { return problems.isEmpty(); }
    // One line that tells what was checked and how it went.
    QString summary() const;
};

DataCheckResult checkDataDir(const QString& dir);

// Runs the check and prints the problems (or the summary) to out. Returns the exit status: 0 when
// the directory has no problem, 1 otherwise.
int runDataCheck(const QString& dir, std::FILE* out);
