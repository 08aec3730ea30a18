#pragma once

#include <functional>

#include "core/Value.h"

class Game;
struct GameState;
struct MapFileData;
struct StairsFileData;

// Loading maps into the six grids and moving between places below the world map.

// The field screen's own variables that a map load sets. They live as long as the field screen
// and are lost when it closes.
struct FieldMapState {
    // 1 once a conditional block has acted since the map was loaded; every load clears it.
    int KEvOnce = 0;
    // The stairs table of the current map (the floor maps and stair destinations live in the
    // shared state, because the floor maps are saved with the game).
    Value StairsType;
    Value StartFloor;
};

// Sets every cell of the six grids to 0.
void Map_Clear(GameState& st);

// Puts a parsed map into the grids: MapSize, the header and every cell of every layer. Cells
// beyond the map's size are left as they are.
void putMapIntoGrids(GameState& st, const MapFileData& map);

// Re-applies the lasting changes recorded for MapFileName: moved or removed blocks, revealed
// stairs (CellLog) and opened chests (OpenLog). Later entries override earlier ones.
void replayMapChanges(GameState& st);

// Loads MapFileName from the data folder: clears the grids, reads the map, re-applies the
// lasting changes, clears the once-per-map block flag and reads the map's stairs file (after
// every load, so the stairs events always see the table of the map they are on). A broken or
// missing map file is a GameError and leaves the grids as they were.
void map_load1(Game& game, FieldMapState& field);

// Reads the stairs file of MapFileName when there is one; without one the previous table stays.
void Kd_Set(Game& game, FieldMapState& field);
// Puts a parsed stairs file into the field's and the shared stairs table.
void putStairs(GameState& st, FieldMapState& field, const StairsFileData& stairs);

// Enters place EventCode below the current map: remembers the map, position, music, encounter
// rate, battle background and place of the current depth on the map stack, takes the place's
// values, loads its map, lets the caller redraw the view, and starts the place's music.
void map_set(Game& game, FieldMapState& field, const std::function<void()>& redraw = {});

// Goes back one depth: only the map and the position come back from the stack; the encounter
// rate, battle background, music and place stay those of the place that was left. The view is
// redrawn by the next movement tick.
void map01_set(Game& game, FieldMapState& field);

// Back to the world map: stops the music and points MapFileName at the map of depth 0. The
// caller (the field screen) then opens the town screen and closes itself.
void Map_Set2(Game& game);
