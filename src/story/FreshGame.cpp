#include "story/FreshGame.h"

#include "core/GameState.h"

void clearEarlierGame(GameState& st) {
    st.EventGiftCount = 0;

    // Without this, chests opened and bosses beaten in the earlier game stay so.
    st.CellLog.fill(Value());
    st.CellLogCount = 0;
    st.OpenLog.fill(Value());
    st.OpenLogCount = 0;

    st.FloorNo = 0;
    st.FloorMap.fill(Value());
    st.StairX.fill(0);
    st.StairY.fill(0);
    st.SwitchKind = 0;
    st.SwitchDone = 0;
    st.Lighting = 0;

    // An empty inventory makes the set-up hand out the starting one.
    st.InvItem.fill(Value());
    st.InvName.fill(Value());
    st.InvKind.fill(Value());
    st.InvPower.fill(Value());
    st.ItemCount = 0;

    // The set-up fills positions 1, 2, 5 and 6; the companion joins at 3 later in the story.
    st.PartyMember.fill(Value());
    st.CharAilment.fill(0);

    st.MapDepth = 0;
    for (auto* stack : {&st.StackMap, &st.StackX, &st.StackY, &st.StackRate, &st.StackBack,
                        &st.StackBgm, &st.StackArea})
        stack->fill(Value());
    st.InTown = 0;

    // The set-up takes the current place from EventCode: 0, as at the first start.
    st.EventType = 0;
    st.EventCode = 0;
    st.MoveDir = 0;
    st.SavedDirection = 0;
    st.BossNo = 0;
    st.ShopNo = 0;
    st.MessageLines.fill(QString());
    st.SaveAllowed = 0;
    st.InBattle = 0;
    st.ActionResult = 0;
}
