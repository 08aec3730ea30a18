#include "core/NewGame.h"

#include "core/GameState.h"
#include "party/CharacterRules.h"

namespace {
// Inventory slots first..first + 4 hold item `item` (code ItemNo + 100, kind its keep flag).
void fillStartSlots(GameState& st, int first, int item) {
    const ItemRecord& r = st.ItemTable[item];
    for (int slot = first; slot < first + 5; ++slot) {
        st.InvItem[slot] = Value(r.ItemNo + 100);
        st.InvKind[slot] = Value(r.ItemKeep);
    }
}
}  // namespace

void New_Game(GameState& st) {
    if (st.LoadFlag == 1) return;

    st.EncounterRate = static_cast<int>(st.PlaceEncounter[0].toInt());
    st.BattleBack = st.PlaceBattleBack[0].text();
    st.BgmFile = st.PlaceBgm[0].text();

    st.MapDepth = 0;
    st.NewGameFlag = 0;

    st.MapFileName = st.PlaceMap[0].text() + QStringLiteral(".map");
    st.CurPlace = st.EventCode;

    st.PartyCount = 6;
    st.StoryProgress = 0;
    st.Gold = 2000;
    st.BgmFile = st.PlaceBgm[0].text();

    st.PartyMember[1] = Value(0);
    st.PartyMember[2] = Value(1);
    st.PartyMember[5] = Value(2);
    st.PartyMember[6] = Value(3);

    for (int k = 1; k <= st.PartyCount; ++k) {
        st.CurChar = static_cast<int>(st.PartyMember[k].toInt());
        Ca_Join(st);
    }

    if (st.ItemCount < 1) {
        fillStartSlots(st, 0, 2);
        fillStartSlots(st, 5, 3);
        st.ItemCount = 10;
    }

    st.NewGameMark = 0;
}
