#pragma once

#include <QString>
#include <QStringList>
#include <functional>

#include "support/DataDir.h"

// A tiny but complete data directory for tests: every table file with a few records, the files
// the screens read on their own, and (empty) files for every map, picture and music file that the
// tables name. Tests overwrite single files to break them.
//
// What it holds, for tests that rely on it:
//  - characters 0..3 (classes 1..4); character 0 wears equipment 1 and 2; character 1 is level 5;
//  - equipment 1 (weapon, power 5) and 2 (armour, power 3); items 1..3; one enemy; one spell;
//  - places 0 (world map "Map_f01", music "bgm01.wav", battle back "bb01.jpg", encounter 0,
//    entry 5, 7) and 1 ("mori001"), both 2 × 2 maps without stairs; "timei_F" names "old01" for
//    place 1, which "MapEv_F" replaces;
//  - one facility, one speaker, one scene, one conditional block, a treasure table, ten bosses,
//    four growth rows and an opening with three lines on page 1.
void writeSmallWorld(const DataDir& data);

// A map of 2 × 2 cells (size 1), all ground 100 and no events, as lines of a map file.
QStringList smallMap();

// The picture, music and map files the small world names (the maps hold smallMap()).
QStringList smallWorldMediaFiles();

// A value stream record of n values produced by fn(k), k = 0..n-1, joined by commas.
QString record(int n, const std::function<QString(int)>& fn);
