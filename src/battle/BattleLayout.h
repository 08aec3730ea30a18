#pragma once

#include <optional>
#include <vector>

// Where the enemies of a random group stand on the battle view, which enemy a click picks and
// where the target marker goes. Positions are in slots of 32 pixels across the 800-pixel view; an
// enemy picture is 128 pixels (four slots) wide.
//
// A click names an enemy by its layout code (the hit code), which the marker and the hit
// animation read back:
//   one enemy 3; two 7, 8; three 2, 3, 4; four 6, 7, 8, 9; five 1..5; six 10..15.
// The six-enemy line is the game's own addition for a full group met by four members: all six
// stand side by side, three on each half of the view.

inline constexpr int kSlotPixels = 32;
inline constexpr int kMostFoes = 6;

// Slots of enemies 1..count, or nothing for a count the view has no line for (the slots then keep
// their old values).
std::optional<std::vector<int>> foeSlots(int count);

// The enemy a click in view column `column` (Int(x / 32)) picks when `count` enemies stand there,
// with its hit code; nothing for a count without a line (the selection stays as it was).
struct TargetPick {
    int hitCode = 0;
    int target = 0;
};
std::optional<TargetPick> targetAtColumn(int count, int column);

// The marker slot for a hit code (the slot just right of the enemy's own); nothing for a code
// that names no enemy, which leaves the marker where it was.
std::optional<int> markerSlotFor(int hitCode);

// The enemy (1..count) the hit animation shows struck for a hit code, or 0 for none. With one
// enemy it is always that enemy; with two, any code but 7 means the second.
int enemyStruckBy(int count, int hitCode);
