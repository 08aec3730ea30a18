#pragma once

#include <QImage>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>
#include <array>
#include <vector>

#include "core/Value.h"

// The generated world read back from its data directory with the game's value-stream reader,
// in the plain shape the world tests need. It knows the file layouts but none of the
// generator's code, so the tests check what the game will actually read.

struct MapFile {
    QString name;  // "mori001.map"
    int size = 0;
    std::array<std::vector<int>, 6> layers;  // 0 ground .. 4 tall, 5 event
    int at(int layer, int x, int y) const { return layers[layer][y * (size + 1) + x]; }
    int event(int x, int y) const { return at(5, x, y); }
    bool inside(int x, int y) const { return x >= 0 && y >= 0 && x <= size && y <= size; }
};

struct StairsFile {
    int type = 0, startFloor = 0;
    QStringList floorMaps;                    // type 0
    QList<std::pair<int, int>> destinations;  // type 1 (MapX, MapY)
};

struct PlaceRow {
    Value kind, map, music, battleBack, encounter;
    std::array<Value, 10> enemySets;
    Value entryX, entryY;
    QString name;
};

struct SceneRow {
    QString picture;
    QStringList lines;
    QList<Value> faces;          // per line (param 4)
    Value shortText, threshold;  // params 8 and 9 of line 1
};

struct FacilityRow {
    QString picture;
    std::array<Value, 21> a, b;  // 1..20
};

struct TalkRow {
    Value face;
    QStringList lines;
};

class WorldData {
  public:
    explicit WorldData(const QString& dir);

    QString dir;
    QString path(const QString& name) const { return dir + u'/' + name; }
    bool has(const QString& name) const;
    QImage picture(const QString& name) const;  // RGB32, null when missing

    // Tables by record number (first slot as the game counts them).
    QMap<int, PlaceRow> places;              // 0..
    QMap<int, FacilityRow> facilities;       // 1..
    QMap<int, TalkRow> talks;                // 1..
    QMap<int, SceneRow> scenes;              // 1..
    QMap<int, std::array<Value, 4>> blocks;  // 1..: text A, text B, kind, need
    QList<QList<Value>> bosses;              // 10 rows of 7
    Value takaraMode;
    std::array<Value, 6> takaraTiers;
    std::array<Value, 101> takaraList;
    struct Character {
        int charNo, level, classNo, faceNo;
        std::array<int, 5> equipment;
        QString name;
    };
    QList<Character> characters;              // 0..
    QMap<int, std::array<int, 4>> equipment;  // number -> (EquipNo, power, classMask, slot)
    QMap<int, QString> equipmentNames;
    QMap<int, std::array<int, 4>> items;    // number -> (ItemNo, power, effect, keep)
    QMap<int, std::array<int, 4>> magic;    // number -> (MagicNo, icon, kind, effect)
    QMap<int, std::array<int, 3>> enemies;  // record -> (EnemyNo, HP, exp)
    QString openingPicture;
    QStringList openingLines;
    int growthRows = 0;

    MapFile map(const QString& fileName) const;  // raises GameError when broken
    bool hasStairs(const QString& mapFile) const;
    StairsFile stairs(const QString& mapFile) const;

    // Every map file named by the place table or by a stairs file, and every field map.
    QStringList mapFiles() const;
    QStringList fieldMapFiles() const;  // maps of places 8 and up, their floors included
};

// The generated world of this build (build/use), read once for all tests.
const WorldData& sampleWorld();

struct World;
// The generator's own model of content/, loaded once for all tests.
const World& contentModel();
