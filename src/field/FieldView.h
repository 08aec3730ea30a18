#pragma once

#include <QImage>

#include "core/Value.h"
#include "field/FieldCanvas.h"

struct GameState;

// The field view: the map around the party seen from above, composed on a FieldCanvas and then
// copied in one piece to the visible picture. These are the drawing rules; the field screen
// owns the canvas and the visible picture.

// The sheet cell a tile code names: column = the hundreds digit, row = the last two digits;
// the thousands and above are ignored. Empty counts as 0. A code that is not a whole number of
// 0 or above is a GameError.
struct SheetCell {
    int column = 0;
    int row = 0;
};
SheetCell decodeTile(const Value& code);

// How many cells around the party the view draws, and the radius of the redraw in front of the
// party, for each light level (0 normal, 1 dark, 2 dim; any other value draws as normal light).
int viewRadius(int lighting);
int frontRadius(int lighting);

// The party sprite of the field screen: the walking frame (0 or 1) is the sprite column, the
// facing (0 up, 1 right, 2 down, 3 left) the sprite row.
struct PartyPose {
    int walkFrame = 0;
    int facing = 0;
};

// Composes the whole view and copies it to visible in one piece: the map, the party, the
// objects in front of it and the darkness. The field screen then refreshes the picture box that
// shows visible. Nothing happens while the world map belongs to the town screen (TownMode 1 at
// depth 0). Returns true when the field screen should now run its party check and encounter
// roll: the party is trying to move and the place has random battles.
bool Map_Make(GameState& st, FieldCanvas& canvas, QImage& visible, PartyPose pose);

// Pads the map edges and draws the ground, feature and object layers of every cell in range.
void View_Draw(GameState& st, FieldCanvas& canvas);
// Copies the last column and row before MapSize over columns and rows MapSize .. MapSize + 10 of
// the ground and tall layers, so the view beyond the edge repeats the edge.
void padMapEdges(GameState& st);

// One cell of the view: loop cell (i, j) is drawn at its own screen square, but reads the grid
// cell (max(i, 0), max(j, 0)), so the view left of and above the map repeats column and row 0.
void Ground_Draw(GameState& st, FieldCanvas& canvas, int i, int j);
void Feature_Draw(GameState& st, FieldCanvas& canvas, int i, int j);
void Obj_Draw(GameState& st, FieldCanvas& canvas, int i, int j);
// Draws again the objects that stand in front of the party.
void Front_Draw(GameState& st, FieldCanvas& canvas);
