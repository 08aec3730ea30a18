#pragma once

struct GameState;

// Puts back, as at the program's start, everything of an earlier game in this run that the
// new-game set-up (New_Game) does not set itself: the gifts received, the lasting map changes and
// opened chests, floors, stairs and switches, the light, the inventory, the party positions it
// leaves alone (3, 4 and 7 … 10) and every ailment, the map stack and the hand-over values. Run by
// the title's New Game before the set-up, so a new game after a lost battle, the end of part 1 or
// a loaded game starts like the first one. The tables, the settings and the save slots' labels
// stay.
void clearEarlierGame(GameState& st);
