#pragma once

#include <QColor>
#include <QPoint>
#include <QString>
#include <optional>

#include "core/Value.h"

// What the pointer finds on the overhead map: hot-spot cells of the event layer, the names they
// show and the colour of the floating name label, and how a press or a key scrolls the view.

// Kinds of event cell that act on the overhead map.
inline constexpr int kPlaceSpot = 2;     // a town, a field map or the shrine
inline constexpr int kWayOutSpot = 3;    // from a town back to the world map
inline constexpr int kFacilitySpot = 4;  // inn, shops, tavern, church

// Places below this number are towns (and the world map) shown on the overhead map screen; the
// others are field maps.
inline constexpr int kFirstFieldPlace = 8;

// An event cell read as the overhead map reads it: the kind is the value of its first
// character, the number the value of its last two (so "203" is kind 2, number 3). Empty and 0
// are no hot spot.
struct HotSpot {
    int kind = 0;
    int number = 0;
};
HotSpot readHotSpot(const Value& cell);

struct GameState;
// The first cell, row by row, of hot spot (kind, number) on the map in the grids; nothing when
// the map has none.
std::optional<QPoint> findHotSpot(const GameState& st, int kind, int number);

// The colour of a place's name: most places are always shown white; some are shown magenta
// until the story has come far enough. Numbers not listed keep the label's colour (nothing).
std::optional<QColor> placeNameColour(int number, int storyProgress);

// The name of facility number n, or nothing for numbers without one (the label then keeps the
// last name).
std::optional<QString> facilityName(int number);

inline const QString kWayOutName = QStringLiteral("町を出る");

// Scroll directions of the view: 0 none, 1 up, 2 left, 3 right, 4 down.
enum ScrollDirection {
    kScrollNone = 0,
    kScrollUp = 1,
    kScrollLeft = 2,
    kScrollRight = 3,
    kScrollDown = 4
};

// The direction a press at view pixel (x, y) points to, as a quadrant (0 up, 1 left, 2 right,
// 3 down) around view cell (13, 8). Presses beside that cell scroll horizontally when they are at
// least as far sideways as up or down. The cell itself and the cells just above and below it
// point nowhere new: the previous quadrant is kept.
int pressQuadrant(int x, int y, int previousQuadrant);
inline int scrollForQuadrant(int quadrant) {
    return quadrant + 1;
}

// The direction of an arrow key (a Qt key code), or nothing for other keys.
std::optional<int> scrollForKey(int key);

// One scroll step of the view's top-left cell, kept inside columns and rows 1 … mapSize − 1 of the
// map: the outermost ring is only seen when the view is placed at 0.
void scrollStep(int direction, int mapSize, int& scrollX, int& scrollY);

// Floor division by the cell size, also right for negative pixels.
int viewCellOf(int pixel);
