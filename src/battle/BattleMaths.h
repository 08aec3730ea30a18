#pragma once

#include <functional>
#include <optional>
#include <vector>

class Platform;

// The numbers of a battle: how big a random group is, which sheet cell and record an encounter
// code stands for, what an attack deals, whom an enemy hits, how the experience of a won battle is
// shared and what a level-up adds. Plain functions of their inputs; random draws are passed in as
// values in [0, 1) (or as a source of them), so every rule is tested without a screen.

// Size of a random group for a party showing `shown` portraits (4, 3 or 2) and a draw in [0, 1):
// Int(1.5 × shown × draw) + 1, at most Int(1.5 × shown). Four portraits meet 1..6 enemies, three
// 1..4 (a count of 5 is cut to 4), two 1..3.
int groupSize(int shown, double draw);

// The draws that make a random group for a party showing `shown` portraits: its size (groupSize)
// and, for each enemy in turn, the slot 0..9 of the place's enemy set it comes from. The generator
// is started anew before the size and again before the slots, as the battle's opening asks.
struct EnemyGroupDraw {
    int count = 0;
    std::vector<int> setSlots;  // one per enemy
};
EnemyGroupDraw drawEnemyGroup(int shown, Platform& chance);

// Where an encounter code 0..99 lives: sheet column = its last digit, first sheet row = three rows
// per ten codes (standing, hit, defeated), and its enemy record (code + 1).
struct FoeSheetCell {
    int col = 0;
    int row0 = 0;
    int record = 0;
};
FoeSheetCell foeSheetCell(int code);

// A party member's blow: Int(attack − defence + r) with r = draw × 5 raised to at least 2, and
// never less than 1. So the bonus over attack − defence is 2 (60 %), 3 or 4 (20 % each).
int physicalDamage(int attack, int defence, double draw);

// The random part of an enemy's blow: Int(draw × enemyAttack + 0.5) + 1, at least 1. An attack
// value of 0 always rolls 1; 3 rolls 1..4 with the end values half as likely as the middle ones.
int enemyRoll(int enemyAttack, double draw);

// An enemy's blow against a member: Int(power − defence + roll), at least 1.
int enemyDamage(int power, int defence, int roll);

// The position an enemy strikes: up to ten tries of Int(range × draw + 1) (1..range), keeping the
// first position that `standing` accepts. Nothing when all ten tries miss: the enemies that have
// not struck yet hold back for this round. Each try takes one draw.
std::optional<int> findVictim(int range, const std::function<bool(int)>& standing,
                              const std::function<double()>& draw);
inline constexpr int kVictimTries = 10;

// Experience of a won battle for the member in shown position 1 (total / 2.5), 2 (total / 2) or
// 3 and 4 (total / 3), rounded down; a living reserve member gets total / 4.
int experienceShare(int position, int expTotal);
int reserveShare(int expTotal);

// What a level-up adds to a statistic whose growth value is g, for a draw in [0, 1):
// Int((g + 10 × draw) / 10 + 0.5), that is g / 10 rounded up or down at random. 25 always gives
// 3, 20 gives 2 or 3 evenly, 27 gives 3 (80 %) or 4 (20 %).
int growthGain(int g, double draw);

// The flight roll 1..10 for a draw; a flight succeeds on 6 or less. Bosses never let the party go.
int fleeRoll(double draw, bool bossBattle);
inline constexpr int kFleeLimit = 6;

// The random part of a boss's blow when its row gives none: an eighth of its power, the share the
// ordinary enemies' attack values keep to their power.
int bossAttackFromPower(int power);
