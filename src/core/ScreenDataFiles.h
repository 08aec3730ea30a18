#pragma once

#include "core/Bounded.h"
#include "core/Value.h"
#include "core/ValueReader.h"

// Data files that the screens read on their own when they need them (the field, battle,
// level-up and opening screens), and that the data check reads too. Each reader takes the
// file's value stream and returns what it held; a file cut short or a field that does not fit
// raises a GameError naming the file and the position.

// Conditional blocks ("KEv_F"): records 1..30 of text A, text B, kind and need. Reading stops at
// the end of the file before a record; slots no record reached stay empty.
struct BlockTable {
    Array1<Value, 0, 30> KEvTextA, KEvTextB, KEvKind, KEvNeed;
    int count = 0;  // records read
};
BlockTable readBlockTable(ValueReader& in);

// Treasure ("Takara_F"): nothing at all, or exactly 108 values: mode, a spare value, tiers 0..5
// (0 = gold, 1..5 = item numbers; empty = absent) and fixed treasures 1..100.
struct TreasureTable {
    bool present = false;  // false for an empty file
    Value TakaraMode, TakaraSpare;
    Array1<Value, 0, 5> TakaraTier;
    Array1<Value, 0, 100> TakaraList;
};
TreasureTable readTreasureTable(ValueReader& in);

// Bosses ("Bos_F"): exactly 10 rows, one per boss number 1..10, of seven values. Every column
// but the name and the sixth is a number.
struct BossRow {
    Value BossName;
    double BossHP = 0, BossPower = 0, BossDefence = 0, BossMagicDefence = 0;
    Value BossSpare;  // read, unused
    double BossExp = 0;
};
struct BossTable {
    Array1<BossRow, 0, 10> rows;  // 1..10
};
BossTable readBossTable(ValueReader& in);

// Growth ("Ca_TF"): up to 30 rows, one per class number, of ten values: two that no rule uses,
// then the level-up growth of MaxHP, MaxMP, Vitality, Strength, Intellect, Agility, Dexterity
// and Charm (whole numbers of the character record).
struct GrowthRow {
    Value Spare1, Spare2;
    Array1<int, 1, 8> Growth;  // G1..G8
};
struct GrowthTable {
    Array1<GrowthRow, 0, 30> rows;  // 1..count
    int count = 0;
};
GrowthTable readGrowthTable(ValueReader& in);

// The opening text ("s_f"): a header of twelve values, then for pages 1..20 two values and the
// page's picture, then for pages 1..20 the text lines from line 0 up to and including the first
// empty one (at most lines 0..20), followed by one more value that becomes line 20 of the page.
// An empty file holds nothing; any other file must hold all of it.
struct OpeningData {
    bool present = false;
    Array1<Value, 0, 20> OpeningPicture;      // pages 1..20
    Array2<Value, 0, 30, 0, 21> OpeningText;  // (page, line)
};
OpeningData readOpeningData(ValueReader& in);
