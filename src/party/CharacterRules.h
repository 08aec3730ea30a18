#pragma once

#include <array>
#include <optional>

#include "core/Value.h"

struct GameState;

// The rules every screen applies to the party: a character's running state and derived values,
// which equipment a character may wear, the order of the shared inventory, and the two logs of
// lasting map changes. Like the rest of the game's procedures they act on the shared state; the
// character is the one in CurChar.

// Sets up the running state of CurChar from its record: full HP and MP, the five equipment slots
// (name, power, number), level, the experience of that level (40·L·(L−1)), then Ca_Calc.
// Only characters 0..10 have a running state; any other CurChar raises a GameError before
// anything changes.
void Ca_Join(GameState& st);

// Recomputes CurChar's next-level experience (40·level²), attack (weapon + Strength), defence
// (armour + helmet + shield + half of Vitality + Agility, rounded down) and magic defence (half
// of Agility + Intellect, rounded down). The fifth slot, Dexterity and Charm take no part.
void Ca_Calc(GameState& st);

// The equipment rule for CurChar and the equipment record `equip`: sets EquipOK to 1 when the
// character may wear it, else 0, and returns it. Special pieces belong to one character group
// (CharNo) whatever the class; every other piece is judged by the class digits of its mask.
int Equip_Chk(GameState& st, int equip);

// The character group (CharNo) that alone may wear equipment number equipNo, or nothing when the
// number is not one of the special pieces.
std::optional<int> specialEquipGroup(int equipNo);

// The class part of the rule, also used on its own by the weapon shop: the mask's last digit
// holds the bits of classes 1, 4, 7, its middle digit those of classes 2, 5, 8 and the first
// digit of a three-digit mask those of classes 3 and 6. Class 11 counts as class 1. A mask of
// all zeros admits every class; classes outside 1..8 need such a mask.
bool classMayWear(int classNo, int classMask);

// Puts the inventory in order: occupied entries first in rising code order, free entries after
// them (with an empty code and kind 0). The exchange order is the game's own, so equal codes keep
// the arrangement players know. ItemCount is not changed.
void Inv_Sort(GameState& st);

// The cell in front of the party: (MapX, MapY) moved one step in MoveDir, or in SavedDirection
// when the party stands still (1 up, 2 left, 3 right, 4 down; any other value: the party's own
// cell). In MapX/MapY terms, so the grid column is x − 1.
struct CellAhead {
    int x = 0, y = 0;
};
CellAhead cellAhead(const GameState& st);

// Marks the cell in front of the party as an opened chest (feature 1506, event 100) and adds it to
// OpenLog so that it stays opened when the map is loaded again.
//
// A full log (100 rows) keeps its rows and its count: the chest still opens on the map in play
// and the game goes on, but that one change is not remembered after the map is left. A cell
// outside the map grids is left alone and not logged.
void Cell_Open(GameState& st);

// Empties the cell in front of the party (block and event layers 0) and adds it to CellLog with
// 0 for both layers (logCellChange), so the way stays open. A cell outside the grids is left alone
// and not logged; clearing the cell the last row already cleared adds no second row (a boss cell
// is cleared by the won battle and again by the field).
void Cell_Clear(GameState& st);

// A row of CellLog: map file, MapX, MapY, then the values for the block, event, feature and prop
// layers (empty leaves a layer as it is when the map is loaded again).
inline constexpr int kCellLogColumns = 7;
using CellLogRow = std::array<Value, kCellLogColumns>;
// Adds a row to CellLog; a row identical to the last one is not added again. A full log (100
// rows) first folds the rows of each cell into one (the maps load as before); if it still holds a
// hundred different cells, the oldest row goes. So the newest change, a story step's included, is
// always kept.
void logCellChange(GameState& st, const CellLogRow& entry);
