#include "Explorer.h"

#include <QQueue>

namespace {
// The cell that scene 6 turns into scene 7 in the forest (MapX 37, MapY 20).
const QString kStarStoneMap = QStringLiteral("mori001.map");
constexpr int kStarStoneX = 36, kStarStoneY = 20;

int kindOf(int e) {
    return e <= 0 ? 0 : QString::number(e).front().digitValue();
}
int numberOf(int e) {
    const QString s = QString::number(e);
    int n = s.right(kindOf(e) == 6 ? 3 : 2).toInt();
    if (n >= 600) n = s.right(2).toInt();
    return n;
}
}  // namespace

Explorer::Explorer(const WorldData& world, int progress) : w_(world), progress_(progress) {
    run();
}

const MapFile& Explorer::mapNamed(const QString& file) {
    if (!maps_.contains(file)) maps_.insert(file, w_.map(file));
    return maps_[file];
}

int Explorer::eventAt(const MapFile& m, int x, int y) const {
    if (opened_.contains(key(m.name, x, y))) return 0;
    if (progress_ >= 6 && m.name == kStarStoneMap && x == kStarStoneX && y == kStarStoneY)
        return 507;
    return m.event(x, y);
}

void Explorer::run() {
    // The world map's hot spots that lead onto the field (places 8 and up, the shrine aside).
    const MapFile world = w_.map(w_.places.value(0).map.text() + QStringLiteral(".map"));
    QSet<int> fromWorld;
    for (int y = 0; y <= world.size; ++y)
        for (int x = 0; x <= world.size; ++x)
            if (kindOf(world.event(x, y)) == 2 && numberOf(world.event(x, y)) >= 8)
                fromWorld.insert(numberOf(world.event(x, y)));

    QQueue<State> queue;
    QSet<QString> seen;
    auto push = [&](const State& s, const QString& why) {
        const MapFile& m = mapNamed(s.map);
        if (!m.inside(s.x, s.y)) {
            faults << QStringLiteral("%1 puts the party outside %2 at %3, %4")
                          .arg(why, s.map)
                          .arg(s.x)
                          .arg(s.y);
            return;
        }
        const int e = eventAt(m, s.x, s.y);
        if (e != 0 && e != 303) {
            faults << QStringLiteral("%1 puts the party on event %2 at %3 %4, %5")
                          .arg(why)
                          .arg(e)
                          .arg(s.map)
                          .arg(s.x)
                          .arg(s.y);
            return;
        }
        const QString k = key(s.map, s.x, s.y) + QStringLiteral(" f") + QString::number(s.floor);
        if (seen.contains(k)) return;
        seen.insert(k);
        walkable.insert(key(s.map, s.x, s.y));
        mapsVisited.insert(s.map);
        queue.enqueue(s);
    };
    auto enterPlace = [&](int p, int floor, const QString& why) {
        const PlaceRow place = w_.places.value(p);
        if (place.map.isBlank()) {
            faults << why + QStringLiteral(" enters place %1, which has no map").arg(p);
            return;
        }
        if (place.map.text() == QStringLiteral("Sinden001")) return;  // the shrine shows its scene
        push({place.map.text() + QStringLiteral(".map"), int(place.entryX.num()) - 1,
              int(place.entryY.num()), floor},
             why);
    };
    for (int p : fromWorld) enterPlace(p, 1, QStringLiteral("the world map"));

    const int dx[] = {0, -1, 1, 0}, dy[] = {-1, 0, 0, 1};  // up, left, right, down
    while (!queue.isEmpty()) {
        const State s = queue.dequeue();
        const MapFile& m = mapNamed(s.map);
        for (int d = 0; d < 4; ++d) {
            const int nx = s.x + dx[d], ny = s.y + dy[d];
            if (!m.inside(nx, ny)) {
                leaks << QStringLiteral("%1: from %2, %3 the party walks off the map")
                             .arg(s.map)
                             .arg(s.x)
                             .arg(s.y);
                continue;
            }
            const int e = eventAt(m, nx, ny);
            const int kind = kindOf(e), n = numberOf(e);
            const QString where = QStringLiteral("%1 %2 %3").arg(s.map).arg(nx).arg(ny);
            // Moves onto a cell whose event the party has done away with.
            auto open = [&]() {
                opened_.insert(key(s.map, nx, ny));
                push({s.map, nx, ny, s.floor}, where);
            };
            if (e == 0 || e == 303) {
                push({s.map, nx, ny, s.floor}, where);
            } else if (kind == 2) {
                enterPlace(n, s.floor, where);
            } else if (e == 301 || e == 302) {
                if (w_.hasStairs(s.map) && s.floor != w_.stairs(s.map).startFloor)
                    faults << QStringLiteral("%1 is left on floor %2, not the first floor")
                                  .arg(where)
                                  .arg(s.floor);
            } else if (e == 304 && w_.hasStairs(s.map)) {
                const StairsFile st = w_.stairs(s.map);
                const int floor = std::max(s.floor, st.startFloor) + 1;
                if (floor > 10) {
                    faults << where + QStringLiteral(": stairs above floor 10");
                } else if (st.type == 1) {
                    push({s.map, st.destinations[floor].first - 1, st.destinations[floor].second,
                          floor},
                         where);
                } else {
                    // Two steps on: the party comes out beyond the stairs on the next floor.
                    push({st.floorMaps[floor] + QStringLiteral(".map"), nx + dx[d], ny + dy[d],
                          floor},
                         where);
                }
            } else if (e == 307) {
                // The gate lets the party through going north and shuts behind it.
                if (d == 0) open();
            } else if (kind == 5 && n <= 50) {
                scenesMet.insert(n);
                // Scenes 1 and 4 open the way they stand in once told.
                if ((n == 1 || n == 4) && progress_ >= n) open();
            } else if (kind == 5 && n <= 80) {
                blocksMet.insert(n - 50);
                const int need = int(w_.blocks.value(n - 50)[3].num());
                if (need <= progress_) open();
            } else if (kind == 5) {
                bossesMet.insert(n - 80);
                open();
            } else if (kind == 7) {
                chestsMet.insert(where);
            }
        }
    }
}
