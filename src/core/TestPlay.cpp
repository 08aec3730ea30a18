#include "core/TestPlay.h"

#include <QKeyEvent>
#include <QSet>
#include <algorithm>

#include "core/DataLoad.h"
#include "core/Game.h"
#include "core/GameError.h"
#include "core/NewGame.h"
#include "core/Startup.h"
#include "field/FieldScreen.h"
#include "field/MapFile.h"
#include "field/MapLoad.h"
#include "story/FreshGame.h"
#include "worldmap/MapPointer.h"
#include "worldmap/MapScreen.h"
#include "worldmap/WorldView.h"

namespace {

constexpr int kEntranceBase = 200;  // event 2NN enters place NN
constexpr int kLastPlace = 99;

int whole(const Value& v) {
    return static_cast<int>(v.toInt());
}

QString mapFileOf(const GameState& st, int place) {
    return st.PlaceMap[place].text() + QStringLiteral(".map");
}

// The place whose own map is `file`, or nothing.
std::optional<int> placeOfMap(const GameState& st, const QString& file) {
    for (int p = 0; p <= kLastPlace; ++p)
        if (!st.PlaceMap[p].isBlank() && mapFileOf(st, p) == file) return p;
    return std::nullopt;
}

// A floor map of a place with one map per floor: the place and the floor number.
std::optional<std::pair<int, int>> placeOfFloor(Game& game, const QString& file) {
    const GameState& st = game.state();
    const QString base = file.chopped(4);
    for (int p = kFirstFieldPlace; p <= kLastPlace; ++p) {
        if (st.PlaceMap[p].isBlank()) continue;
        const auto stairs = readStairsFile(game.dataFile(stairsFileName(mapFileOf(st, p))));
        if (!stairs || whole(stairs->type) != 0) continue;
        for (int k = 0; k <= 10; ++k)
            if (stairs->floorMap[k].text() == base) return std::pair{p, k};
    }
    return std::nullopt;
}

// Where the party stands when it goes into place p from map `from`: beside the entrance cell,
// as MapX and MapY. Nothing when the map has no entrance to p.
std::optional<QPoint> besideEntrance(const MapFileData& from, int place) {
    const int n = from.mapSize + 1;
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x) {
            if (whole(from.cell(x, y)[kEventLayer]) != kEntranceBase + place) continue;
            for (QPoint d : {QPoint(0, 1), QPoint(0, -1), QPoint(-1, 0), QPoint(1, 0)}) {
                const QPoint c(x + d.x(), y + d.y());
                if (c.x() >= 0 && c.y() >= 0 && c.x() < n && c.y() < n &&
                    whole(from.cell(c.x(), c.y())[kEventLayer]) == 0)
                    return QPoint(c.x() + 1, c.y());
            }
        }
    return std::nullopt;
}

// The places on the way down to field place p, nearest first: the field places whose maps hold
// an entrance to the place before, with where the party stood.
QList<std::pair<int, QPoint>> wayDown(Game& game, int place) {
    const GameState& st = game.state();
    QList<std::pair<int, QPoint>> way;
    QSet<int> seen{place};
    for (bool found = true; found;) {
        found = false;
        for (int q = kFirstFieldPlace; q <= kLastPlace && !found; ++q) {
            if (seen.contains(q) || st.PlaceMap[q].isBlank()) continue;
            const QString file = game.dataFile(mapFileOf(st, q));
            if (!QFileInfo::exists(file)) continue;
            if (const auto at = besideEntrance(readMapFile(file), place)) {
                way.append({q, *at});
                seen.insert(q);
                place = q;
                found = true;
            }
        }
    }
    return way;
}

// The world map's view where it shows place p, for the way back up.
QPoint worldViewShowing(GameState& st, int place) {
    const MapFileData world = readMapFile(st.DataPath + mapFileOf(st, 0));
    putMapIntoGrids(st, world);
    const auto spot = findHotSpot(st, kPlaceSpot, place);
    const int size = world.mapSize;
    Map_Clear(st);
    if (!spot) return QPoint(0, 0);
    return QPoint(std::clamp(spot->x() - kWorldViewCols / 2, 0, std::max(0, size - 24)),
                  std::clamp(spot->y() - kWorldViewRows / 2, 0, std::max(0, size - 18)));
}

void pushOnStack(GameState& st, int depth, int place, const QString& file, QPoint at) {
    st.StackMap[depth] = Value(file);
    st.StackX[depth] = Value(at.x());
    st.StackY[depth] = Value(at.y());
    st.StackBgm[depth] = st.PlaceBgm[place];
    st.StackRate[depth] = st.PlaceEncounter[place];
    st.StackBack[depth] = st.PlaceBattleBack[place];
    st.StackArea[depth] = Value(place);
}

// A new game as the title's New Game starts it, without the opening.
void freshGame(GameState& st) {
    clearEarlierGame(st);
    Map_Clear(st);
    st.NewGameFlag = 1;
    st.LoadFlag = 0;
}

void startOnField(Game& game, const QString& file, int place, std::optional<int> floor,
                  std::optional<QPoint> cell) {
    GameState& st = game.state();
    st.EventCode = 0;
    New_Game(st);
    const QList<std::pair<int, QPoint>> way = wayDown(game, place);
    // The deepest place of the way is entered from the world map.
    const int fromWorld = way.isEmpty() ? place : way.back().first;
    pushOnStack(st, 0, 0, mapFileOf(st, 0), worldViewShowing(st, fromWorld));
    int depth = 1;
    for (auto it = way.crbegin(); it != way.crend(); ++it, ++depth)
        pushOnStack(st, depth, it->first, mapFileOf(st, it->first), it->second);
    st.MapDepth = depth;
    st.MapFileName = file;
    st.EventCode = place;
    st.CurPlace = place;
    st.InTown = whole(st.PlaceKind[place]);
    if (floor) st.FloorNo = *floor;
    st.MapX = cell ? cell->x() + 1 : whole(st.PlaceEntry(place, 0));
    st.MapY = cell ? cell->y() : whole(st.PlaceEntry(place, 4));
    game.form<Main_Fr>().Show();
}

}  // namespace

void StartOnMap(Game& game, const QString& map, std::optional<QPoint> cell) {
    prepareGame(game);
    GameState& st = game.state();
    const QString file = map.endsWith(QStringLiteral(".map")) ? map : map + QStringLiteral(".map");
    readMapFile(game.dataFile(file));  // a missing or broken map is told before anything starts
    freshGame(st);

    const std::optional<int> place = placeOfMap(st, file);
    if (place && *place < kFirstFieldPlace) {
        // The world map and the towns belong to the overhead map screen.
        M_Map& overhead = game.form<M_Map>();
        overhead.Show();
        if (*place != 0) overhead.enterTown(*place);
        if (cell) {
            // The view's corner: the 25 × 19 window must lie on the map.
            overhead.placeView(std::clamp(cell->x(), 0, std::max(0, st.MapSize - 24)),
                               std::clamp(cell->y(), 0, std::max(0, st.MapSize - 18)));
            overhead.view2();
        }
        return;
    }
    if (place) return startOnField(game, file, *place, std::nullopt, cell);
    const auto floor = placeOfFloor(game, file);
    if (!floor || !cell)
        throw GameError(file, QString(),
                        floor ? QStringLiteral("a floor map: give the cell to start on "
                                               "(--start MAP X Y)")
                              : QStringLiteral("no place of the world has this map; give the "
                                               "cell to start on (--start MAP X Y)"));
    startOnField(game, file, floor->first, floor->second, cell);
}

void ReloadFromDisk(Game& game) {
    if (!game.forms().modalStack().empty()) return;
    Form* active = game.forms().activeForm();
    auto* field = dynamic_cast<Main_Fr*>(active);
    auto* overhead = dynamic_cast<M_Map*>(active);
    if (!field && !overhead) return;
    try {
        // Each step reads everything before it changes anything.
        Data_LoadAll(game.state());
        if (field) field->reloadFromDisk();
        if (overhead) overhead->reloadFromDisk();
    } catch (const GameError& e) {
        game.platform().msgBox(e.report());
    }
}

bool ReloadKey::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_F5) {
            if (!key->isAutoRepeat()) ReloadFromDisk(game_);
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}
