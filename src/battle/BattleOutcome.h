#pragma once

#include <functional>

struct GameState;

// What a battle leaves behind: the experience of a victory and the write-back when the battle
// screen closes. Rules over the shared state, without the screen.

// Shares out expTotal among the party after a victory. Each of the `shown` front positions that
// holds a living member gets its share (experienceShare); a member whose experience reaches its
// next threshold, living or not, levels up (CurChar set to it, then levelUp runs). The reserve
// behind each shown position (position + 4) gets reserveShare when it holds a living member, and
// levels up the same way. Every member levels up at most once per battle: experience beyond the
// next threshold waits for the next victory.
//
// An empty front position has nobody to reward (not character 0 by the empty value).
void shareExperience(GameState& st, int expTotal, int shown, const std::function<void()>& levelUp);

// The end of every battle (victory, flight, defeat): poison, paralysis and sleep end (codes up to
// 4 become 0; petrified and down stay) for every party position, and the derived values of the
// front members are recomputed, which undoes Defend, support spells and equipment bonuses.
// CurChar is left at the last front member recomputed.
void writeBackAfterBattle(GameState& st, int memberLimit);
