#pragma once

#include <QByteArray>
#include <QString>

struct GameState;

// The saved game: one value per line, in this order —
//   header: TownMode, EventGiftCount, InTown, SwitchKind, MapFileName, MapX, MapY,
//           EncounterRate, BattleBack, BgmFile, CurPlace, StoryProgress, Gold, SwitchDone,
//           Lighting, PartyCount;
//   for every party position 1..PartyCount (an empty position as character 0): the member,
//           its experience, HP, MP, level, name, class name, class number, maximum HP and MP,
//           the six abilities, the five equipment numbers, the face, the position's ailment and
//           name, power and number of each of the five equipment slots (38 values);
//   the inventory: ItemCount, then entries 0..ItemCount (code, name, kind, power);
//   the map stack: MapDepth, then depths 0..10 (map, x, y, rate, battle back, music, place);
//   the spare values 0..3 (two each);
//   CellLogCount and its rows 0..count (7 columns), OpenLogCount and its rows (3 columns);
//   FloorNo and the floor maps 0..10.
// A character's group number and the record's last two fields are not saved: they come from the
// character table. The grids are not saved either; they are rebuilt from the map and the logs.
//
// Every value keeps its kind and its exact text through a round trip (names keep their trailing
// spaces; texts with line breaks or leading quotes, and texts that look like numbers, are written
// quoted), so BgmFile comes back with the quotes it had.

// The bytes of the slot file for the game in st.
QByteArray saveFileBytes(const GameState& st);

// Reads a slot file into st, value by value in the order above. A file that ends early, holds a
// text where a number belongs, a count or character outside its table, or anything after the
// floors raises a GameError naming fileName and the line; st is then partly overwritten, so read
// into a copy of the game and keep it only when this returns.
void readSaveFile(const QByteArray& bytes, const QString& fileName, GameState& st);

// The music file as the player needs it after a load: a full path from the data folder that has
// lost its quotes gets them back; a quoted path and a bare file name stay as they are. Applying
// it twice changes nothing, so a file saved with its quotes loads back exactly as saved.
QString regainBgmQuotes(const QString& bgmFile, const QString& dataPath);
