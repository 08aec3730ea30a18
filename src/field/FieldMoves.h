#pragma once

#include <QPoint>
#include <optional>

#include "core/Value.h"

struct GameState;

// Walking on the field: the direction the player holds, one step per movement tick, and the
// event cell the step reaches. Directions are coded as MoveDir: 0 none, 1 up, 2 left, 3 right,
// 4 down; the party's facing (the sprite row) as 0 up, 1 right, 2 down, 3 left.

// Where the player wants to go, and where the party then looks.
struct Heading {
    int moveDir = 0;
    int facing = 0;
};

// The heading of an arrow key (a Qt key code); nothing for other keys.
std::optional<Heading> headingForKey(int key);

// The mouse direction (0 up, 1 left, 2 right, 3 down) of a press at view pixel (x, y): the
// quadrant around the view cell (9, 6), the cell right of the party sprite. Presses on that cell
// or straight above or below it keep the previous direction.
int mouseDirection(int x, int y, int previousMouseDir);
// The heading a mouse direction asks for.
Heading headingForMouse(int mouseDir);

// The change of (column, row) one step in direction dir makes; none for 0 or any other value.
QPoint stepOffset(int dir);
// Moves MapX/MapY one cell in direction dir (none for 0 or any other value).
void stepParty(GameState& st, int dir);
// The direction that undoes a step in dir.
int oppositeDirection(int dir);

// An event cell read as the field reads it: the type is the first character of the value; the
// code its last two characters, or its last three for type 6 unless those make 600 or more.
// So 5012 is type 5 code 12, 100 type 1 code 0, 6123 type 6 code 123, 612 type 6 code 12.
struct EventCell {
    int type = 0;
    int code = 0;
};
EventCell decodeEventCell(const Value& cell);

// The event cell at (column, row). A cell off the map (beyond 0 … MapSize either way) reads as a
// blocked cell without an event, so the party bounces back onto the map instead of walking out
// of the grids.
EventCell eventCellAt(const GameState& st, int column, int row);
// The cell the party stands on, (MapX − 1, MapY).
EventCell partyCell(const GameState& st);

// Event types.
inline constexpr int kFreeCell = 0;
inline constexpr int kBlockedCell = 1;
inline constexpr int kEntranceCell = 2;
inline constexpr int kFixedEventCell = 3;
inline constexpr int kBuildingCell = 4;
inline constexpr int kStoryCell = 5;
inline constexpr int kTreasureCell = 7;

// Story cells (type 5): scenes up to code 50, conditional blocks 51..80 (block code − 50),
// bosses above (boss code − 80).
inline constexpr int kLastSceneCode = 50;
inline constexpr int kLastBlockCode = 80;

// Fixed events (type 3).
inline constexpr int kToWorldMap = 1;
inline constexpr int kBackOneDepth = 2;
inline constexpr int kStandingCell = 3;  // the only event cell the party may stand on
inline constexpr int kStairsUp = 4;
inline constexpr int kStairsDown = 5;
inline constexpr int kSwitch = 6;
inline constexpr int kDoor = 7;
inline constexpr int kFountain = 8;
inline constexpr int kSavePoint = 10;

// The one event cell the party may stay on.
bool isStandingCell(EventCell cell);
// The party never stays on an event cell: it steps back the way it came (MoveDir unchanged, so
// holding a direction against an event repeats it every tick). The standing cell keeps it.
void bounceBack(GameState& st, EventCell cell);
