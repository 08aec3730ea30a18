#pragma once

#include <QString>
#include <optional>

#include "core/Bounded.h"
#include "core/ScreenDataFiles.h"

class Game;
struct GameState;
struct FieldMapState;

// What the event cells of the field do to the game: stairs, switches, the door, fountains,
// conditional blocks and treasure. The field screen decodes the cell, steps the party back and
// calls these; it opens the other screens itself (battles, shops, scenes, the save screen, the
// overhead map). The event code is the one in EventCode.

// The field screen's own variables for its events. They start empty when the screen opens.
struct FieldEventState {
    BlockTable blocks;  // "KEv_F", read when the field screen opens
    // Where the party took the stairs up on each floor of a map whose floors share it, so that
    // the stairs down bring it back there.
    Array1<int, 0, 10> StairRetX, StairRetY;
    // The treasure draw: the last result and range are kept from one chest to the next.
    int TakaraResult = 0;
    int TakaraRange = 0;
};

// Reads the conditional blocks of "KEv_F".
void Ev_Load(Game& game, FieldEventState& ev);

// Stairs up (EventCode 4) or down (5). On a map per floor the party goes to the next floor's map
// and steps two cells on, through the stairs; on floors sharing one map it goes to the next
// floor's arrival cell, and back down to where it went up.
void kaidan(Game& game, FieldMapState& field, FieldEventState& ev);

// A switch: the rumble message, then, for switch kind 2 or 3, stairs up appear below the
// switch of that kind and the party makes room for them. Which kind a switch has is told by
// where it is: the switch at (6, 25) is kind 2, the one at (5, 17) kind 3; others leave the
// kind as it was (a loaded game brings its own).
void swit(Game& game);
inline const QString kSwitchMessage = QStringLiteral("スイッチを押したら何かが動く音がした。");

// The iron gate at columns 29 and 30, rows 55 and 56: shut behind the party while the story
// progress is 11 or less, open afterwards. Never logged.
void tobira(GameState& st);

// A fountain: every party position 1..PartyCount gets full HP and MP (an empty position is read
// as character 0), then the message; the leader becomes CurChar and the party stops.
void fountain(Game& game);
inline const QString kFountainMessage =
    QStringLiteral("回復の泉の力によりＨＰとＭＰが全快じ、戦闘不能も回復した。");

// Conditional block `block` (1..30): the text to show, text A while the story has not reached
// the block's need, else text B. The first block reached at its need after each map load acts
// too: the party steps onto its cell and the block moves to a neighbour (kinds 1 up, 2 down,
// 3 right, 4 left; not remembered) or is removed for good (kinds 5, 6). A block number without
// a row of "KEv_F" is missing data: nothing happens (nothing is returned).
std::optional<QString> blockEvent(GameState& st, FieldMapState& field, const BlockTable& blocks,
                                  int block);

// A chest: a fixed treasure (EventCode 1..100) or a random one (EventCode 0), drawn from
// "Takara_F" read anew. A found treasure opens the chest (Cell_Open) and is told in the message;
// a full inventory refuses it and the chest stays closed. Nothing is returned, and nothing
// changes, when the chest names missing data: no find for its number, a drawn tier that is
// absent, an unknown draw mode.
struct TreasureOutcome {
    QString message;  // for the message label
    bool opened = false;
};
std::optional<TreasureOutcome> takara_set(Game& game, FieldEventState& ev);
inline const QString kInventoryFull = QStringLiteral("これ以上アイテムを持つことはできません");

// The tier a draw r of mode 1 or 2 falls in; nothing when r is beyond the tiers.
std::optional<int> treasureTier(int mode, int r);
