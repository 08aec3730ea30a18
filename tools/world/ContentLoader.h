#pragma once

#include <QString>

#include "world/World.h"

// Reads content/ into a World. Every mistake in the sources (unknown column, reference to
// something that does not exist, a map row of the wrong length …) raises a ContentError that
// names the file and line.
World loadWorld(const QString& contentDir);

// The parts, for tests and for the loader itself.
void loadTables(const QString& contentDir, World& w);
void loadStory(const QString& contentDir, World& w);
void loadMaps(const QString& contentDir, World& w);
void loadArtAndMusic(const QString& contentDir, World& w);

// The class-permission code of the equipment table for a list of class numbers (1..8):
// the last digit holds classes 1, 4, 7 (bits 1, 2, 4), the middle digit classes 2, 5, 8, the
// first digit of a three-digit code classes 3 and 6.
int classMask(const QList<int>& classes);
