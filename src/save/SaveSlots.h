#pragma once

#include <QString>
#include <memory>

struct GameState;

// The five save slots on disk: slot files "use1" … "use5" in the data folder, the label file
// "usex" with one label per slot, and the rules of the labels. No widgets.

inline constexpr int kSlotCount = 5;

QString slotFileName(int slot);  // "use" followed by the slot number
QString slotLabelFileName();     // "usex"

// The slot number as a free slot's label shows it: "１．" … "５．" (full-width digit and stop).
QString henkan(int slot);
// " " & henkan(slot) & "未登録".
QString freeSlotLabel(int slot);
// A slot is free exactly when its label ends in "未登録".
bool isFreeSlotLabel(const QString& label);
// The label of a slot saved now: " " & MapFileName & "   " & the name of CurChar without its
// surrounding spaces & "  Lv " & its CharLevel.
QString savedSlotLabel(const GameState& st);

// Reads "usex" into SlotLabel[1..5]. Reading drops the leading spaces of a line, so each label
// gets one space in front again. A missing file gives five free slots; a file that ends early or
// stops making sense gives free slots from there on.
void readSlotLabels(GameState& st);
// Writes SlotLabel[1..5] to "usex" through a temporary file (GameError when it cannot).
void writeSlotLabels(const GameState& st);

// Saves the game into `slot`, then writes the labels. Each file is written to a temporary file
// and renamed into place only when every byte is on disk, so a failure (a full disk) raises a
// GameError and leaves the previous slot and labels intact.
void writeSavedGame(const GameState& st, int slot);

// A saved game made ready to take the place of the running one. `game` is empty when the slot
// cannot be loaded; `problem` then says why (file, line, what was expected).
struct StagedGame {
    std::unique_ptr<GameState> game;
    QString problem;
};

// Loads slot `slot` beside the running game, which is not touched: a copy of `live` with the map
// grids cleared and the tables read again, then every saved value, the level and derived values
// of the members at positions 1..4, the saved map with its logged changes in the grids, CurChar
// the leader and BgmFile with its quotes. A missing, short or damaged slot file, or a saved map
// that is missing or broken, gives the problem instead. A broken table file is not a fault of the
// slot: its GameError goes on to the caller like everywhere else.
StagedGame stageSavedGame(const GameState& live, int slot);
