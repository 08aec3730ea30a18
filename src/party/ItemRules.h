#pragma once

#include <QString>
#include <vector>

#include "party/MenuTexts.h"

struct GameState;

// The rules of the item screen, apart from its controls: which inventory entries each view
// lists, wearing a piece of equipment from the inventory, using an item and throwing an entry
// away. They act on the shared state like the other character rules.

// The two views of the inventory.
enum class InventoryView { Weapons = 0, Items = 1 };

// Inventory indices the view lists, in inventory order: codes below 100 (equipment) in the
// weapons view, codes above 100 (items) in the items view. Free entries and the code exactly 100
// belong to neither.
std::vector<int> listedEntries(const GameState& st, InventoryView view);

// The name a list row shows: the full 20-character name of the equipment or item record.
QString entryName(const GameState& st, int entry);
// The description shown for a clicked entry.
QString entryText(const GameState& st, int entry);

// The refusal when `character` may not wear equipment `equip`:
// " <name> は <equipment> を装備できません".
QString equipRefusal(const GameState& st, int character, int equip);

// What wearing an entry did.
enum class WearOutcome {
    Swapped,   // the worn piece took the entry's place in the inventory
    MovedOut,  // the slot was empty: the entry left the inventory
    NoSlot,    // the piece names no slot (EquipSlot outside 0..5): nothing changed
};
// Puts equipment entry `entry` on CurChar (who must be allowed to wear it) in the slot its
// EquipSlot names (0 and 1 the weapon), then Ca_Calc. A piece already worn in that slot takes
// the entry's place (code and power; kind empty); an empty slot lets the entry leave the
// inventory and lowers ItemCount. The inventory is not sorted here.
WearOutcome wearEntry(GameState& st, int entry);

// Uses item entry `entry` on party position targetPos (0 = no portrait chosen yet); CurChar is
// the member who receives it (the one on the portrait, or the member the screen opened with).
// Returns the refusal to show, or an empty text when the item took effect. Taking effect sets
// ActionResult = 2 and uses the item up unless its ItemKeep says it stays; restoring HP or MP
// leaves "HP が <gain>回復した" in MessageLines(3). An item of effect 18 darkens the field
// (Lighting 2) as soon as it is tried, even when it is then refused for want of a target.
QString useItem(GameState& st, int entry, int targetPos);

// Clears inventory entry `entry` and lowers ItemCount. The inventory is not sorted here.
void throwAway(GameState& st, int entry);
