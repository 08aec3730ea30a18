#pragma once

#include <QString>
#include <vector>

#include "party/MenuTexts.h"

struct GameState;

// The rules of the magic screen, apart from its controls: which spells a character knows and
// what healing and cure spells do to the party. The battle carries out attack and support spells
// itself.

// Spell kinds (MagicKind).
namespace spellkind {
inline constexpr int kOneEnemy = 1;
inline constexpr int kOneAlly = 2;
inline constexpr int kOneAllySupport = 3;
inline constexpr int kAllEnemies = 4;
inline constexpr int kAllAllies = 5;
inline constexpr int kAllAlliesSupport = 6;
}  // namespace spellkind

// MagicTable indices of the spells a character of equipment group charNo knows at `level`, in
// the order the list shows them. Groups other than 1, 2, 3, 5, 8 and 9 know none.
std::vector<int> spellsKnown(int charNo, int level);

// Casts healing or cure spell `spell` (kind 2) on party position targetPos, whose character is
// targetChar. Returns the refusal "回復の必要はありません" when the target does not need it;
// otherwise applies the effect (1 HP up to MaxHP; 3..7 cure ailment 2..6; 14 any ailment; other
// effects nothing) and returns an empty text. MP is not spent here.
QString healOne(GameState& st, int spell, int targetChar, int targetPos);

// MP a one-ally spell costs its caster: half (rounded down) for character 3, else the full cost.
int oneAllyCost(int caster, int cost);

// Casts all-allies spell `spell` (kind 5): a spell of effect 1 restores its power to every party
// position 1 … PartyCount (reserve too, up to each one's MaxHP; an empty position reads as
// character 0) and costs the caster its full MP cost; any other effect does nothing and costs
// nothing.
void healAll(GameState& st, int spell, int caster);
