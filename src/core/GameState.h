#pragma once

#include <QString>

#include "core/Bounded.h"
#include "core/MasterTables.h"
#include "core/Value.h"

// The shared state of the game: everything the screens tell each other, the master tables (the
// MasterTables base, read from the data files) and the six map grids. Screens and rules read and
// write it directly; the save files hold most of it. Arrays keep the bounds of the data model; an
// index outside them raises a GameError.
//
// Values that may be "empty" (party positions, inventory columns, grid cells, log entries, table
// value fields, stack entries) are Value; the others are typed.
// About 4 MB: keep it on the heap (std::make_unique), never on the stack.
struct GameState : MasterTables {
    // --- Start-up settings ----------------------------------------------------------------
    double TwipsPerPixelX = 15;
    double TwipsPerPixelY = 15;
    QString AppPath;   // the program's own directory
    QString DataPath;  // the data directory, ending in a separator
    QString MapFileName;
    int MapSize = 0;  // highest cell index of the current map
    int TownMode = 0;
    QString CaFileName, EnFileName, BFileName, IFileName, MFileName;

    // --- Other tables ------------------------------------------------------------------------
    Array2<Value, 0, 20, 0, 10> TopEncounterTable;  // never filled
    Array2<Value, 0, 30, 0, 21> OpeningText;        // (page, line), from the opening text file

    // --- Party and money ---------------------------------------------------------------------
    int PartyCount = 0;
    Array1<Value, 0, 10> PartyMember;  // character per position 1..10; 1..4 active
    int CurChar = 0;
    Array1<int, 0, 10> CharHP, CharMP;  // by character
    Array1<int, 0, 10> CharAilment;     // by party position
    double Gold = 0;                    // can hold a half

    // --- Character running state (by character 0..10) ---------------------------------------
    Array1<int, 0, 10> CharExp, CharNextExp, CharLevel;
    Array1<int, 0, 10> CharAttack, CharDefence, CharMagicDefence;
    Array2<QString, 0, 10, 0, 5> CharEquipName;  // (character, slot 1..5)
    Array2<int, 0, 10, 0, 5> CharEquipPower, CharEquipNo;
    int EquipOK = 0;

    // --- Inventory (entries 0..50)
    // ----------------------------------------------------------------
    Array1<Value, 0, 50> InvItem, InvName, InvKind, InvPower;
    int ItemCount = 0;

    // --- Position and maps ----------------------------------------------------------------------
    int MapX = 0, MapY = 0;
    int MapDepth = 0;
    Array1<Value, 0, 10> StackMap, StackX, StackY, StackRate, StackBack, StackBgm, StackArea;
    int CurPlace = 0;
    int InTown = 0;
    int EncounterRate = 0;
    QString BattleBack;
    QString BgmFile;
    QString MciCommand;  // the last open command sent for the music
    int Lighting = 0;

    // Lasting map changes, rows 1..count in use (row 0 stays empty).
    Array2<Value, 0, 100, 0, 20>
        CellLog;  // 0 map, 1 MapX, 2 MapY, 3 block, 4 event, 5 feature, 6 prop
    int CellLogCount = 0;
    Array2<Value, 0, 100, 0, 20> OpenLog;  // 0 map, 1 MapX, 2 MapY
    int OpenLogCount = 0;

    int FloorNo = 0;
    Array1<Value, 0, 10> FloorMap;
    Array1<int, 0, 10> StairX, StairY;
    int SwitchKind = 0;
    int SwitchDone = 0;

    // --- Map grids (column, row)
    // ------------------------------------------------------------------
    Array2<Value, 0, 100, 0, 100> GroundGrid, FeatureGrid, PropGrid, BlockGrid, TallGrid, EventGrid;
    Value MapHeader2;
    Array1<Value, 0, 3> MapHeader;

    // --- Story and hand-over values -----------------------------------------------------------
    int StoryProgress = 0;
    int EventGiftCount = 0;
    int NewGameFlag = 0;
    int LoadFlag = 0;
    int NewGameMark = 0;
    int MoveDir = 0;
    int SavedDirection = 0;
    int EventType = 0;
    int EventCode = 0;
    int BossNo = 0;
    int ShopNo = 0;
    Array1<QString, 0, 30> MessageLines;
    int SaveAllowed = 0;
    Array1<int, 0, 50> SceneThreshold;

    // --- Battle hand-over ----------------------------------------------------------------------
    int InBattle = 0;
    int ActionResult = 0;
    int CastMagicNo = 0;
    int SpellTargetPos = 0;
    int EnemyCount = 0;
    int SpecialKind = 0;

    // --- Save slots ------------------------------------------------------------------------------
    Array1<QString, 0, 5> SlotLabel;  // slots 1..5
    Array1<Value, 0, 3> SaveSpare1, SaveSpare2;
};
