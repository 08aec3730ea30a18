#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>

#include "world/World.h"

// The files of the data directory, by name, as bytes. Building them in memory first lets the
// generator compare runs and write everything in one go.
using FileSet = QMap<QString, QByteArray>;

// Every table file of the world (Shift_JIS, comma-separated records, CR LF).
void writeTables(const World& w, FileSet& out);
// Every map file and stairs file.
void writeMaps(const World& w, FileSet& out);
