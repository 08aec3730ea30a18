#pragma once

class Game;

// The story steps (module Ev_Mo), run when a scene told in full has moved the story progress on
// to p:
//   1       opens the way ahead of the party (Cell_Clear);
//   2       asks which companion joins at party position 3;
//   3, 4, 5 open the way ahead when 0, 1 or 2 gifts have been received;
//   6       wakes the star stone of the forest: the cell MapX 37, MapY 20 of "mori001.map" becomes
//           scene 7 when that map is next loaded;
//   7       ends part 1: the closing message, then the title, and the field screen closes;
//   other   nothing.
void Ev_Step(Game& game, int p);
