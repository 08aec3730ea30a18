#pragma once

#include <QPoint>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

#include "field/FieldMoves.h"

struct GameState;

// Finding the way on the field as a player does, by looking at the map as it stands: the party
// walks over the cells it can stand on and bumps into the event it is after. Cells are grid cells
// (column, row); directions are the game's movement codes (1 up, 2 left, 3 right, 4 down).

// A cell the party can stand on: free ground, or the one event cell it may stand on. Cells off
// the map are walls.
bool standable(const GameState& st, QPoint cell);

// What the party is looking for, as a test on a grid cell of the map as it stands.
using CellGoal = std::function<bool(const GameState&, QPoint)>;

// The event cell as the field reads it.
EventCell eventAt(const GameState& st, QPoint cell);
CellGoal eventIs(int type, int code);
CellGoal sceneCell(int scene);
CellGoal blockCell(int block);
CellGoal bossCell(int boss);
CellGoal fixedEventCell(int code);  // stairs, fountains, save points, switches …
CellGoal entranceCell(int place);
CellGoal chestCell();  // any chest still closed
CellGoal cellAt(QPoint cell);

// The shortest walk from `from` to the nearest cell the goal accepts: through standable cells
// only, the last step either onto the goal (when it can be stood on) or into it (an event cell
// bumped). Empty when the party already stands on the goal; nothing when there is no way.
std::optional<std::vector<int>> findWay(const GameState& st, QPoint from, const CellGoal& goal);

// The cell one step from `cell` in direction dir.
QPoint stepFrom(QPoint cell, int dir);
// The arrow key of a direction, as Qt names it.
int keyFor(int dir);
QString describe(QPoint cell);
