#pragma once

#include <QMap>
#include <QSet>
#include <QString>
#include <QStringList>

#include "WorldData.h"

// Walks the field maps of the generated world the way the party can, for a given story
// progress, from every place the world map lets the party enter. It follows the movement rules
// of the field: the party steps onto free cells and bounces off event cells, entrances take it
// to the place's entry, "up" stairs to the next floor, the one-way gate lets it through going
// north. It assumes every boss it meets is beaten and every conditional block whose progress is
// reached has moved out of the way; scene cells that open the way stay open once their scene
// is told. "Down" stairs are not followed: they only lead back to where the party came from.
class Explorer {
  public:
    Explorer(const WorldData& world, int progress);

    struct Cell {
        QString map;
        int x, y;
        bool operator==(const Cell&) const = default;
    };

    // What the walk found.
    QSet<int> scenesMet;  // scene numbers whose cells the party can bump into
    QSet<int> bossesMet;
    QSet<int> blocksMet;
    QSet<QString> chestsMet;  // "map x y"
    QSet<QString> mapsVisited;
    QStringList leaks;       // steps that would leave a map (the field has no bounds check)
    QStringList faults;      // other impossibilities (entry on a wall, floor left wrongly …)
    QSet<QString> walkable;  // "map x y" of every cell the party can stand on

    bool reached(const QString& map, int x, int y) const {
        return walkable.contains(key(map, x, y));
    }
    static QString key(const QString& map, int x, int y) {
        return QStringLiteral("%1 %2 %3").arg(map).arg(x).arg(y);
    }

  private:
    struct State {
        QString map;
        int x, y, floor;
    };
    void run();
    int eventAt(const MapFile& m, int x, int y) const;
    const MapFile& mapNamed(const QString& file);

    const WorldData& w_;
    int progress_;
    QMap<QString, MapFile> maps_;
    QSet<QString> opened_;  // event cells the party has cleared out of its way
};
