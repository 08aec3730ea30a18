#pragma once

struct GameState;

// Loads every master table from the data directory (DataPath): scenes, characters, enemies,
// equipment, items, magic, the text tables and the place table, in that order. The files are
// read into a copy of the tables, which replaces the live ones only when every file has been
// read: a broken file raises its GameError and leaves the tables exactly as they were.
void Data_LoadAll(GameState& st);
