#pragma once

#include <QString>
#include <optional>

struct GameState;

// The rules of spells, special attacks and equipment effects in battle, without the screen:
// what an attack spell deals and costs, where a spell's picture sits on the effect sheet, what a
// support spell raises, how strong an enemy's special attack is and whether it takes hold, and
// which pieces of equipment guard their wearer or sharpen its blows.

// Damage of an attack spell of `power` on an enemy of magic defence `magicDefence`: the
// difference, but never below 0 — a spell the enemy's magic defence swallows does it no harm
// (it must not heal the enemy either).
int spellDamage(int power, int magicDefence);

// MP an attack spell costs its caster: half (rounded down) for characters 1 and 2, the full cost
// for everyone else.
int attackSpellCost(int caster, int cost);

// The 64 × 64 cell of a spell's picture on the effect sheet "Mahou01.jpeg": icons 1..10 fill row
// 0 (columns 0..9), 11..20 row 1, and so on. An icon of 0 or less has no picture.
struct EffectCell {
    int col = 0;
    int row = 0;
};
std::optional<EffectCell> effectCell(int icon);

// A character's attack and defence without anything the battle added: what Ca_Calc gives.
int normalAttack(const GameState& st, int c);
int normalDefence(const GameState& st, int c);

// A support spell on character c: effect 8 sets attack to its normal value plus the spell's
// power, effect 9 defence; casting again does not add up. Other effects change nothing.
void applySupport(GameState& st, int c, int effect, int power);

// What the pieces character c wears do in battle, by their equipment numbers: 18 and 26 ward
// off every special attack, 24 petrification, 36 paralysis; 41 adds 10 to attack.
struct EquipmentEffects {
    bool guardsAll = false;
    bool guardsStone = false;
    bool guardsParalysis = false;
    int attackBonus = 0;
    // The guard as one code: 9 every special attack, 1 petrification, 2 paralysis, 0 none.
    int guardCode() const;
};
EquipmentEffects equipmentEffects(const GameState& st, int c);

// Strength of an enemy's special attack on a victim of magic defence `magicDefence`:
// Int(2 × enemyAttack − magicDefence / 10) + Int(draw × 5) − 1.
int specialPower(int enemyAttack, int magicDefence, double draw);

// Whether a special attack of kind 2 (poison), 3 (paralysis), 4 (sleep) or 5 (petrification)
// takes hold on a victim whose ailment is `ailment`: an ailment replaces only none or a lower code,
// and each kind needs its power (above 3, 7, 5 and 9). The victim's own guard stops paralysis or
// petrification. The new ailment and the message, or nothing.
struct SpecialHold {
    int ailment = 0;
    QString message;
};
std::optional<SpecialHold> specialHold(int kind, int ailment, int power,
                                       const EquipmentEffects& guard);
