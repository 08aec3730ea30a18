#include "party/MagicRules.h"

#include <algorithm>

#include "core/GameState.h"

namespace {
struct Lesson {
    int level;
    std::vector<int> spells;
};

// What each equipment group learns, by the level from which it knows the spells.
const std::vector<Lesson>& lessonsOf(int charNo) {
    static const std::vector<Lesson> none;
    static const std::vector<Lesson> group1{{0, {1, 2}}, {5, {3}}, {10, {4}}, {15, {6}}, {20, {7}}};
    static const std::vector<Lesson> group2{
        {0, {19, 23}}, {5, {20, 24}}, {10, {25}}, {15, {26}}, {20, {22}}};
    static const std::vector<Lesson> group3{
        {0, {33, 39}}, {5, {40}}, {10, {34}}, {15, {36, 41}}, {20, {35, 37}}};
    static const std::vector<Lesson> group5{
        {0, {10}}, {5, {14, 11}}, {10, {16}}, {15, {12}}, {20, {13, 15}}};
    static const std::vector<Lesson> group8{{0, {2}}, {10, {5, 6}}};
    static const std::vector<Lesson> group9{{0, {1}}, {5, {2}}, {10, {3}}, {15, {4}}, {20, {6}}};
    switch (charNo) {
        case 1:
            return group1;
        case 2:
            return group2;
        case 3:
            return group3;
        case 5:
            return group5;
        case 8:
            return group8;
        case 9:
            return group9;
        default:
            return none;
    }
}

constexpr int kThirdCharacter = 3;
}  // namespace

std::vector<int> spellsKnown(int charNo, int level) {
    std::vector<int> known;
    for (const Lesson& l : lessonsOf(charNo))
        if (level >= l.level) known.insert(known.end(), l.spells.begin(), l.spells.end());
    return known;
}

QString healOne(GameState& st, int spell, int targetChar, int targetPos) {
    const MagicRecord& m = st.MagicTable[spell];
    int& ailment = st.CharAilment[targetPos];
    switch (m.MagicEffect) {
        case 1: {
            const int maxHP = st.CharacterTable[targetChar].MaxHP;
            int& hp = st.CharHP[targetChar];
            if (hp >= maxHP) return menutext::kNoNeed;
            hp = std::min(hp + m.MagicPower, maxHP);
            return QString();
        }
        case 3:
        case 4:
        case 5:
        case 6:
        case 7:
            // Effects 3..7 cure the ailments 2..6.
            if (ailment != m.MagicEffect - 1) return menutext::kNoNeed;
            ailment = 0;
            return QString();
        case 14:
            if (ailment == 0) return menutext::kNoNeed;
            ailment = 0;
            return QString();
        default:
            return QString();
    }
}

int oneAllyCost(int caster, int cost) {
    return caster == kThirdCharacter ? cost / 2 : cost;
}

void healAll(GameState& st, int spell, int caster) {
    const MagicRecord& m = st.MagicTable[spell];
    if (m.MagicEffect != 1) return;
    // An empty position within the party count reads as character 0, who is healed as well.
    for (int q = 1; q <= st.PartyCount; ++q) {
        const int c = static_cast<int>(st.PartyMember[q].toInt());
        const int maxHP = st.CharacterTable[c].MaxHP;
        if (st.CharHP[c] < maxHP) st.CharHP[c] = std::min(st.CharHP[c] + m.MagicPower, maxHP);
    }
    st.CharMP[caster] -= m.MagicCost;
}
