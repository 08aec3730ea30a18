#include "field/MapLoad.h"

#include "core/Game.h"
#include "core/GameError.h"
#include "core/Music.h"
#include "field/MapFile.h"

namespace {
// The grid cell of a log entry: column MapX − 1, row MapY.
struct LoggedCell {
    long long column, row;
};

LoggedCell loggedCell(const char* log, int n, const Value& mapX, const Value& mapY) {
    const LoggedCell cell{(mapX - Value(1)).toInt(), mapY.toInt()};
    if (!decltype(GameState::GroundGrid)::inRange(cell.column, cell.row))
        throw GameError(
            QString(), QStringLiteral("%1 entry %2").arg(QLatin1String(log)).arg(n),
            QStringLiteral("a cell within 0..100, found (%1, %2)").arg(cell.column).arg(cell.row));
    return cell;
}

// The value that marks an opened chest: its tile, and a blocked cell without an event.
constexpr int kOpenChestTile = 1506;
constexpr int kBlockedCell = 100;

void stopAllMusic(Game& game) {
    Bgm_Send(game, bgm::kStop);
    Bgm_Send(game, bgm::kCloseAll);
}

void startPlaceMusic(Game& game) {
    Bgm_Open(game);
    Bgm_Send(game, bgm::kPlay);
}
}  // namespace

void Map_Clear(GameState& st) {
    const Value zero(0);
    st.GroundGrid.fill(zero);
    st.FeatureGrid.fill(zero);
    st.PropGrid.fill(zero);
    st.BlockGrid.fill(zero);
    st.TallGrid.fill(zero);
    st.EventGrid.fill(zero);
}

void putMapIntoGrids(GameState& st, const MapFileData& map) {
    st.MapSize = map.mapSize;
    st.MapHeader2 = map.header2;
    for (int k = 0; k < 4; ++k) st.MapHeader[k] = map.header[static_cast<std::size_t>(k)];
    for (int y = 0; y <= map.mapSize; ++y) {
        for (int x = 0; x <= map.mapSize; ++x) {
            const auto& cell = map.cell(x, y);
            st.GroundGrid(x, y) = cell[kGroundLayer];
            st.FeatureGrid(x, y) = cell[kFeatureLayer];
            st.PropGrid(x, y) = cell[kPropLayer];
            st.BlockGrid(x, y) = cell[kBlockLayer];
            st.TallGrid(x, y) = cell[kTallLayer];
            st.EventGrid(x, y) = cell[kEventLayer];
        }
    }
}

void replayMapChanges(GameState& st) {
    const QString& map = st.MapFileName;
    for (int n = 1; n <= 100; ++n) {
        if (st.CellLog(n, 0).text() != map) continue;
        const LoggedCell c = loggedCell("CellLog", n, st.CellLog(n, 1), st.CellLog(n, 2));
        const Value& block = st.CellLog(n, 3);
        const Value& event = st.CellLog(n, 4);
        const Value& feature = st.CellLog(n, 5);
        const Value& prop = st.CellLog(n, 6);
        if (!block.isBlank()) st.BlockGrid(c.column, c.row) = block;
        // The event is always replaced: an entry that empties a cell records 0 or nothing here.
        st.EventGrid(c.column, c.row) = event;
        // A feature of 0 means "leave the tile": a revealed staircase keeps the floor under it.
        if (!feature.isBlank() && feature > Value(0)) st.FeatureGrid(c.column, c.row) = feature;
        if (!prop.isBlank()) st.PropGrid(c.column, c.row) = prop;
    }
    for (int n = 1; n <= 100; ++n) {
        if (st.OpenLog(n, 0).text() != map) continue;
        const LoggedCell c = loggedCell("OpenLog", n, st.OpenLog(n, 1), st.OpenLog(n, 2));
        st.FeatureGrid(c.column, c.row) = Value(kOpenChestTile);
        st.EventGrid(c.column, c.row) = Value(kBlockedCell);
    }
}

void map_load1(Game& game, FieldMapState& field) {
    GameState& st = game.state();
    // Read the whole file before touching the grids.
    const MapFileData map = readMapFile(game.dataFile(st.MapFileName));
    Map_Clear(st);
    putMapIntoGrids(st, map);
    replayMapChanges(st);
    field.KEvOnce = 0;
    Kd_Set(game, field);
}

void putStairs(GameState& st, FieldMapState& field, const StairsFileData& stairs) {
    field.StairsType = stairs.type;
    field.StartFloor = stairs.startFloor;
    if (stairs.type == Value(0)) {
        for (int k = 0; k <= 10; ++k) st.FloorMap[k] = stairs.floorMap[static_cast<std::size_t>(k)];
    } else if (stairs.type == Value(1)) {
        for (int k = 0; k <= 10; ++k) {
            st.StairX[k] = static_cast<int>(stairs.stairX[static_cast<std::size_t>(k)].toInt());
            st.StairY[k] = static_cast<int>(stairs.stairY[static_cast<std::size_t>(k)].toInt());
        }
    }
}

void Kd_Set(Game& game, FieldMapState& field) {
    GameState& st = game.state();
    if (auto stairs = readStairsFile(game.dataFile(stairsFileName(st.MapFileName))))
        putStairs(st, field, *stairs);
}

void map_set(Game& game, FieldMapState& field, const std::function<void()>& redraw) {
    GameState& st = game.state();
    stopAllMusic(game);

    const int d = st.MapDepth;
    st.StackX[d] = st.MapX;
    st.StackY[d] = st.MapY;
    st.StackMap[d] = st.MapFileName;
    st.StackBgm[d] = st.BgmFile;
    st.StackRate[d] = st.EncounterRate;
    st.StackBack[d] = st.BattleBack;
    st.StackArea[d] = st.CurPlace;
    st.MapDepth = d + 1;

    const int p = st.EventCode;
    st.EncounterRate = static_cast<int>(st.PlaceEncounter[p].toInt());
    st.BattleBack = st.PlaceBattleBack[p].text();
    st.BgmFile = st.PlaceBgm[p].text();
    st.MapFileName = st.PlaceMap[p].text() + QStringLiteral(".map");
    st.CurPlace = p;
    st.MapX = static_cast<int>(st.PlaceEntry(p, 0).toInt());
    st.MapY = static_cast<int>(st.PlaceEntry(p, 4).toInt());

    st.MoveDir = 0;
    st.Lighting = 0;
    map_load1(game, field);
    if (redraw) redraw();
    startPlaceMusic(game);
}

void map01_set(Game& game, FieldMapState& field) {
    GameState& st = game.state();
    stopAllMusic(game);

    st.MapDepth = st.MapDepth - 1;
    const int d = st.MapDepth;
    st.MapX = static_cast<int>(st.StackX[d].toInt());
    st.MapY = static_cast<int>(st.StackY[d].toInt());
    st.MapFileName = st.StackMap[d].text();

    st.MoveDir = 0;
    st.Lighting = 0;
    map_load1(game, field);
    startPlaceMusic(game);
}

void Map_Set2(Game& game) {
    GameState& st = game.state();
    stopAllMusic(game);
    st.MapFileName = st.StackMap[0].text();
    st.MapDepth = 0;
}
