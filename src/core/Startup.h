#pragma once

#include <QString>

class Game;

// The start-up procedure, run when the program starts and again when the player restarts after a
// lost battle: fixes the screen units, the program and data directories, the world map file, its
// size and the town mode, and the five master file names; loads every table (Data_LoadAll); then
// shows the title screen without waiting. Any other state keeps its value.
//
// The data directory is the folder "use" beside the program, or game.dataDirOverride when set.
// A broken data file raises its GameError before any screen is shown.
void Main(Game& game);

// Main without the title: everything it fixes and loads.
void prepareGame(Game& game);

// The data directory (ending in "/") for a program directory and an optional chosen folder.
QString dataPathFor(const QString& appPath, const QString& dataDirOverride);
