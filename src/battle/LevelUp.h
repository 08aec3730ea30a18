#pragma once

#include "core/ScreenDataFiles.h"

class Game;
class Platform;
struct CharacterRecord;

// Level-ups after a won battle.

// Raises CurChar one level: reads the growth table "Ca_TF" afresh, grows the character's record
// by the row of its class (Lv_Grow), adds one to its level (running copy and record alike) and
// recomputes its derived values and next threshold (Ca_Calc). Current HP and MP stay as they
// are. A class without a row in the table is broken data (a GameError naming the file).
void Lv_Up(Game& game);

// Adds the growth of one level to a record: for MaxHP, MaxMP, Vitality, Strength, Intellect,
// Agility, Dexterity and Charm in that order, one fresh draw each (growthGain). The generator is
// re-seeded first.
void Lv_Grow(CharacterRecord& record, const GrowthRow& growth, Platform& platform);
