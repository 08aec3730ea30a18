#pragma once

#include "core/Bounded.h"
#include "core/Records.h"
#include "core/Value.h"

// The tables read from the data files at start-up (and again whenever the title screen opens or a
// game is loaded). They are one block so that a load can fill a copy and swap it in only when
// every file has been read: a broken file never leaves half a set of tables behind. About 1 MB:
// keep copies on the heap.
struct MasterTables {
    // Records of characters (from slot 0), enemies, equipment, items and magic (from slot 1).
    Array1<CharacterRecord, 0, 100> CharacterTable;
    Array1<EnemyRecord, 0, 100> EnemyTable;
    Array1<EquipRecord, 0, 100> EquipTable;
    Array1<ItemRecord, 0, 100> ItemTable;
    Array1<MagicRecord, 0, 100> MagicTable;

    // Places: names and map base names (the map names of "MapEv_F" replace those of "timei_F").
    Array1<Value, 0, 100> PlaceName, PlaceMap, MatiList;

    // Facilities 1..100: picture and offer list of pairs 1..20.
    Array1<Value, 0, 100> BuildingHead, BuildingPicture;
    Array2<Value, 0, 100, 0, 20> BuildingA, BuildingB;  // (facility, pair 1..20)

    // Tavern speakers 1..300.
    Array2<Value, 0, 300, 0, 5> TalkHead;   // (speaker, 0..5); 4 = portrait code
    Array2<Value, 0, 300, 0, 10> TalkLine;  // (speaker, line 1..10)

    // Story scenes 1..40.
    Array1<Value, 0, 40> ScenePicture, SceneHead2;
    Array2<Value, 0, 40, 0, 30> SceneLine;          // (scene, line)
    Array3<Value, 0, 40, 0, 30, 0, 10> SceneParam;  // (scene, line, 0..10)

    // Places 0..99 of "MapEv_F".
    Array1<Value, 0, 100> PlaceKind, PlaceBgm, PlaceBattleBack, PlaceEncounter, PlaceExtra;
    Array2<Value, 0, 100, 0, 10> PlaceEnemySet;  // (place, 0..9 used)
    Array2<Value, 0, 100, 0, 7> PlaceEntry;      // (place, 0 = MapX, 4 = MapY)
};
