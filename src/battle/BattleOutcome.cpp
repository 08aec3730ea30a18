#include "battle/BattleOutcome.h"

#include "battle/BattleMaths.h"
#include "core/GameState.h"
#include "party/CharacterRules.h"

namespace {
int character(const Value& member) {
    return static_cast<int>(member.toInt());
}

void levelUpWhenDue(GameState& st, int c, const std::function<void()>& levelUp) {
    if (st.CharNextExp[c] > st.CharExp[c]) return;
    st.CurChar = c;
    levelUp();
}
}  // namespace

void shareExperience(GameState& st, int expTotal, int shown, const std::function<void()>& levelUp) {
    for (int k = 1; k <= shown; ++k) {
        if (!st.PartyMember[k].isBlank()) {
            const int c = character(st.PartyMember[k]);
            if (st.CharHP[c] > 0) st.CharExp[c] += experienceShare(k, expTotal);
            levelUpWhenDue(st, c, levelUp);
        }
        const Value& reserve = st.PartyMember[k + 4];
        if (reserve.isBlank()) continue;
        const int r = character(reserve);
        if (st.CharHP[r] <= 0) continue;
        st.CharExp[r] += reserveShare(expTotal);
        levelUpWhenDue(st, r, levelUp);
    }
}

void writeBackAfterBattle(GameState& st, int memberLimit) {
    for (int i = 1; i <= st.PartyCount; ++i)
        if (st.CharAilment[i] <= 4) st.CharAilment[i] = 0;
    for (int k = 1; k <= memberLimit; ++k) {
        st.CurChar = character(st.PartyMember[k]);
        Ca_Calc(st);
    }
}
