#pragma once

#include <optional>

// How the player points a direction on the overhead map and on the field: the arrow keys, and a
// press somewhere around a reference cell of the view.

// The direction of an arrow key (a Qt key code) as the game codes directions: 1 up, 2 left,
// 3 right, 4 down; nothing for other keys.
std::optional<int> directionForKey(int key);

// The quadrant (0 up, 1 left, 2 right, 3 down) of a cell dx columns and dy rows away from the
// reference cell. A cell at least as far sideways as up or down is left or right, so diagonals
// point sideways. The reference cell itself and the cells straight above and below it next to
// it point nowhere new: the previous quadrant is kept.
int quadrantAround(int dx, int dy, int previousQuadrant);
