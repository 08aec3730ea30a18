#include "battle/BattleMaths.h"

#include <algorithm>
#include <cmath>

#include "platform/Platform.h"

namespace {
// Int(): the whole number at or below x.
int intOf(double x) {
    return static_cast<int>(std::floor(x));
}
}  // namespace

int groupSize(int shown, double draw) {
    const int most = intOf(1.5 * shown);
    return std::min(intOf(1.5 * shown * draw) + 1, most);
}

EnemyGroupDraw drawEnemyGroup(int shown, Platform& chance) {
    EnemyGroupDraw g;
    chance.randomize();
    g.count = groupSize(shown, chance.rnd());
    chance.randomize();
    for (int i = 1; i <= g.count; ++i) g.setSlots.push_back(intOf(chance.rnd() * 10));
    return g;
}

FoeSheetCell foeSheetCell(int code) {
    return FoeSheetCell{code % 10, (code / 10) * 3, code + 1};
}

int physicalDamage(int attack, int defence, double draw) {
    const double r = std::max(draw * 5, 2.0);
    return std::max(intOf(attack - defence + r), 1);
}

int enemyRoll(int enemyAttack, double draw) {
    return std::max(intOf(draw * enemyAttack + 0.5) + 1, 1);
}

int enemyDamage(int power, int defence, int roll) {
    return std::max(power - defence + roll, 1);
}

std::optional<int> findVictim(int range, const std::function<bool(int)>& standing,
                              const std::function<double()>& draw) {
    for (int attempt = 0; attempt < kVictimTries; ++attempt) {
        const int p = intOf(range * draw() + 1);
        if (standing(p)) return p;
    }
    return std::nullopt;
}

int experienceShare(int position, int expTotal) {
    if (position == 1) return intOf(expTotal / 2.5);
    if (position == 2) return intOf(expTotal / 2.0);
    return intOf(expTotal / 3.0);
}

int reserveShare(int expTotal) {
    return intOf(expTotal / 4.0);
}

int growthGain(int g, double draw) {
    return intOf((g + draw * 10) / 10 + 0.5);
}

int fleeRoll(double draw, bool bossBattle) {
    const int roll = intOf(draw * 10) + 1;
    return bossBattle ? kFleeLimit + 1 : roll;
}

int bossAttackFromPower(int power) {
    return intOf(power / 8.0);
}
