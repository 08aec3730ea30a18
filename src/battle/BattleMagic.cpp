#include "battle/BattleMagic.h"

#include <algorithm>
#include <cmath>

#include "core/GameState.h"

namespace {
constexpr int kWardAll1 = 18;
constexpr int kWardAll2 = 26;
constexpr int kWardStone = 24;
constexpr int kWardParalysis = 36;
constexpr int kSharpBlade = 41;
constexpr int kSharpBladeBonus = 10;

// Int(n / d) for a positive d: rounds toward minus infinity.
int floorDiv(int n, int d) {
    return n >= 0 ? n / d : -((-n + d - 1) / d);
}

int power(const GameState& st, int equip) {
    return st.EquipTable[equip].EquipPower;
}
}  // namespace

int spellDamage(int power, int magicDefence) {
    return std::max(power - magicDefence, 0);
}

int attackSpellCost(int caster, int cost) {
    return caster == 1 || caster == 2 ? floorDiv(cost, 2) : cost;
}

std::optional<EffectCell> effectCell(int icon) {
    if (icon <= 0) return std::nullopt;
    return EffectCell{(icon - 1) % 10, (icon - 1) / 10};
}

int normalAttack(const GameState& st, int c) {
    const CharacterRecord& r = st.CharacterTable[c];
    return power(st, r.WeaponNo) + r.Strength;
}

int normalDefence(const GameState& st, int c) {
    const CharacterRecord& r = st.CharacterTable[c];
    return power(st, r.ArmourNo) + power(st, r.ShieldNo) + power(st, r.HelmetNo) +
           floorDiv(r.Agility + r.Vitality, 2);
}

void applySupport(GameState& st, int c, int effect, int power) {
    if (effect == 8) st.CharAttack[c] = normalAttack(st, c) + power;
    if (effect == 9) st.CharDefence[c] = normalDefence(st, c) + power;
}

int EquipmentEffects::guardCode() const {
    if (guardsAll) return 9;
    if (guardsStone) return 1;
    if (guardsParalysis) return 2;
    return 0;
}

EquipmentEffects equipmentEffects(const GameState& st, int c) {
    EquipmentEffects e;
    for (int slot = 1; slot <= 5; ++slot) {
        switch (st.CharEquipNo(c, slot)) {
            case kWardAll1:
            case kWardAll2:
                e.guardsAll = true;
                break;
            case kWardStone:
                e.guardsStone = true;
                break;
            case kWardParalysis:
                e.guardsParalysis = true;
                break;
            case kSharpBlade:
                e.attackBonus = kSharpBladeBonus;
                break;
            default:
                break;
        }
    }
    return e;
}

int specialPower(int enemyAttack, int magicDefence, double draw) {
    const int chance = static_cast<int>(std::floor(draw * 5)) - 1;
    // 2 × attack − defence / 10, rounded down exactly: (20 × attack − defence) / 10.
    return floorDiv(20 * enemyAttack - magicDefence, 10) + chance;
}

std::optional<SpecialHold> specialHold(int kind, int ailment, int power,
                                       const EquipmentEffects& guard) {
    if (guard.guardsAll) return std::nullopt;
    switch (kind) {
        case 2:
            if (ailment <= 2 && power > 3) return SpecialHold{2, QStringLiteral("毒攻撃を受けた")};
            break;
        case 3:
            if (!guard.guardsParalysis && ailment <= 3 && power > 7)
                return SpecialHold{3, QStringLiteral("麻痺攻撃を受けた")};
            break;
        case 4:
            if (ailment <= 4 && power > 5)
                return SpecialHold{4, QStringLiteral("睡眠攻撃を受けた")};
            break;
        case 5:
            if (!guard.guardsStone && ailment <= 5 && power > 9)
                return SpecialHold{5, QStringLiteral("石化攻撃を受けた")};
            break;
        default:
            break;
    }
    return std::nullopt;
}
