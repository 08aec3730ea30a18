#pragma once

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <vector>

#include "core/Records.h"
#include "core/Value.h"

// The whole sample world as the generator understands it: everything content/ describes, in the
// shape of the game's data files. ContentLoader fills it; the writers turn it into `use`.

// The five tile sheets of the maps, in layer order.
enum class Sheet { Ground = 0, Feature = 1, Prop = 2, Block = 3, Tall = 4 };
constexpr int kSheetCount = 5;

// Event cell codes as the maps store them (first digit = kind, last digits = number).
namespace ev {
constexpr int kWall = 100;
constexpr int kToWorld = 301, kBackOneDepth = 302, kStand = 303, kStairsUp = 304, kStairsDown = 305,
              kSwitch = 306, kDoor = 307, kFountain = 308, kNothing = 309, kSavePoint = 310;
inline int enter(int place) {
    return 200 + place;
}
inline int facility(int shop) {
    return 400 + shop;
}
inline int scene(int n) {
    return 500 + n;
}
inline int block(int i) {
    return 550 + i;
}
inline int boss(int b) {
    return 580 + b;
}
inline int treasure(int t) {
    return 700 + t;
}  // 0 = random treasure
inline int kind(int code) {
    return code <= 0 ? 0 : QString::number(code).front().digitValue();
}
inline int number(int code) {
    return code % 100;
}
}  // namespace ev

struct MapGrid {
    QString name;  // base name; the file is name & ".map"
    QString sourceFile;
    int size = 0;  // highest cell index
    // layers[l][y * (size + 1) + x]: l = 0..4 tile codes (Sheet order), 5 = event code
    std::array<std::vector<int>, 6> layers;

    int at(int layer, int x, int y) const { return layers[layer][y * (size + 1) + x]; }
    int& at(int layer, int x, int y) { return layers[layer][y * (size + 1) + x]; }
    int event(int x, int y) const { return at(5, x, y); }
    bool inside(int x, int y) const { return x >= 0 && y >= 0 && x <= size && y <= size; }
};

struct StairsDef {
    QString mapBase;  // the stairs file is named after the map without ".map"
    int type = 0;     // 0: one map per floor; 1: floors on the same map
    int startFloor = 1;
    QStringList floorMaps;              // type 0: FloorMap(0..10)
    QList<std::pair<int, int>> stairs;  // type 1: (StairX, StairY) for k = 0..10
};

struct PlaceDef {
    int no = 0;
    QString name;
    int kind = 0;  // 1: shown by the town screen
    QString map;   // base name
    QString music, battleBack;
    int encounter = 0;
    QList<int> enemySets;  // ten encounter codes
    int entryX = 0, entryY = 0;
};

struct FacilityDef {
    int no = 0;
    QString head;                          // the facility's name (kept, not shown)
    QString picture;                       // interior picture
    QList<std::pair<Value, Value>> pairs;  // (A, B) pairs 1..20
};

struct TalkDef {
    int speaker = 0;
    QString name;
    int face = 0;  // cell of ca03.bmp: row = face / 10, column = face % 10
    QStringList lines;
};

struct BlockDef {
    int no = 0;
    QString textA, textB;
    int kind = 0, need = 0;
};

struct BossDef {
    int no = 0;
    QString name;
    int hp = 0, power = 0, defence = 0, magicDefence = 0, spare = 0, exp = 0;
    QString look;  // painter recipe
};

struct GrowthDef {
    int classNo = 0;
    QString className;
    std::array<int, 8> g{};
};

struct TreasureDef {
    int mode = 1;
    int spare = 0;
    std::array<Value, 6> tiers;   // 0 = gold amount, 1..5 = item numbers
    std::array<Value, 101> list;  // 1..100: fixed finds (item + 100 or equipment number)
};

struct ScenePage {
    QString text;
    std::optional<int> face;  // cell of ca02.bmp: row = face / 10, column = face % 10 - 1
};

struct SceneDef {
    int no = 0;
    QString title;    // second field of the record (kept, not shown)
    QString picture;  // 768 x 480
    std::optional<int> threshold;
    QString shortText;
    QList<ScenePage> pages;
};

struct OpeningDef {
    QString title;
    QString picture;  // 760 x 440
    QStringList lines;
};

// A picture named by the data and how to paint it.
struct PictureDef {
    QString name;
    QString painter;
    QStringList params;
};

// A tile of a sheet: where it lives, whether it blocks the party, how it is painted.
struct TileDef {
    Sheet sheet = Sheet::Ground;
    int code = 0;  // base code; an autotile occupies code .. code + 15
    QString name;
    bool solid = false;
    bool autotile = false;  // picks one of 16 variants by its four neighbours
    QString painter;
    QStringList params;
};

struct TuneDef {
    QString file;  // music file name
    QString source;
    int line = 0;
    QStringList text;  // the score, parsed by the synthesizer
};

// The enemy look: painter recipe for the battle sheet.
struct EnemyLook {
    int code = 0;
    QString recipe;
};

struct World {
    QList<CharacterRecord> characters;  // slots 0..
    QMap<int, EquipRecord> equipment;   // by number
    QMap<int, ItemRecord> items;
    QMap<int, MagicRecord> magic;
    QMap<int, EnemyRecord> enemies;  // by encounter code (record = code + 1)
    QMap<int, QString> enemyLooks;   // by encounter code
    QList<BossDef> bosses;           // 1..10
    QList<GrowthDef> growth;         // rows 1..
    QMap<int, PlaceDef> places;
    QMap<int, FacilityDef> facilities;
    QMap<int, TalkDef> talks;
    QMap<int, BlockDef> blocks;
    TreasureDef treasure;
    QMap<int, SceneDef> scenes;
    OpeningDef opening;
    QList<TileDef> tiles;
    QMap<QString, MapGrid> maps;      // by base name
    QMap<QString, StairsDef> stairs;  // by map base name
    QMap<QString, PictureDef> pictures;
    QList<TuneDef> tunes;
    QMap<int, QString> faceLooks;    // ca02 cell code (row*10+col+1) -> recipe
    QMap<int, QString> patronLooks;  // ca03 code -> recipe
    QMap<int, QString> effectLooks;  // spell-effect icon -> recipe

    const TileDef* tile(const QString& name) const;
    const TileDef* tileAt(Sheet sheet, int code) const;  // the tile drawn for a code
};

// Tile code -> sheet cell, as the game decodes it.
inline int sheetColumn(int code) {
    return (code / 100) % 10;
}
inline int sheetRow(int code) {
    return code % 100;
}
