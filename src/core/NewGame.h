#pragma once

struct GameState;

// The new-game set-up, run by the town screen when it opens after the title's New Game and by the
// field screen when it opens outside the town mode. Does nothing while LoadFlag is 1 (a loaded
// game keeps its state). Otherwise: the place values of place 0, depth 0, the world map file, the
// current place from EventCode, six party positions, story 0, 2000 gold, the starting party
// (characters 0 and 1 active, 2 and 3 in reserve) set up with Ca_Join, and — only while the
// inventory is empty — ten starting entries (five of item 2, five of item 3).
//
// State the set-up does not name keeps its value: positions 3 and 4 of the party, the map-change
// logs, and a non-empty inventory (so running it twice gives no second starting inventory).
void New_Game(GameState& st);
