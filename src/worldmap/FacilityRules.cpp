#include "worldmap/FacilityRules.h"

#include "core/GameState.h"

QString facilitytext::innWelcome(const Value& pricePerPerson) {
    return QStringLiteral("　いらっしゃいませ\r　１泊お一人様 ") + pricePerPerson.text() +
           QStringLiteral(" ゴールドとなります。\r　お泊りになりますか？");
}

double innCharge(const GameState& st, const Value& pricePerPerson) {
    return st.PartyCount * pricePerPerson.num();
}

void innRest(GameState& st) {
    for (int pos = 1; pos <= st.PartyCount; ++pos) {
        const long long c = st.PartyMember[pos].toInt();
        if (st.CharHP[c] <= 0) continue;
        st.CharHP[c] = st.CharacterTable[c].MaxHP;
        st.CharMP[c] = st.CharacterTable[c].MaxMP;
    }
}

int nextTalkIndex(const GameState& st, int speaker, int index) {
    const int next = index + 1;
    if (next > 10 || st.TalkLine(speaker, next).isBlank()) return 1;
    return next;
}

QString churchRequest(const GameState& st, int line, int position, int character) {
    using namespace facilitytext;
    if (line == 1) return st.CharHP[character] > 0 ? kNotDown : kReviveRequest;
    if (line == 2) return st.CharAilment[position] == 0 ? kNoAilment : kCureRequest;
    return QString();
}

bool churchService(GameState& st, int line, int position, int character) {
    if (line == 1) {
        if (st.Gold < kReviveDonation) return false;
        st.CharHP[character] = st.CharacterTable[character].MaxHP;
        st.Gold -= kReviveDonation;
    } else if (line == 2) {
        if (st.Gold < kCureDonation) return false;
        st.CharAilment[position] = 0;
        st.Gold -= kCureDonation;
    }
    return true;
}
