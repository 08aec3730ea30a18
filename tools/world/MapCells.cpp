#include "world/MapCells.h"

#include "world/Recipe.h"
#include "world/Source.h"

namespace {

bool sameFamily(const TileDef* a, const TileDef* b) {
    if (!a || !b) return false;
    if (a == b) return true;
    const QStringList joins = Recipe(a->painter).str(QStringLiteral("joins")).split(u',');
    return joins.contains(b->name);
}

// The events that take a number, with the numbers they accept.
struct NumberedEvent {
    const char* name;
    int (*code)(int);
    int lo, hi;
};
const NumberedEvent kNumbered[] = {
    {"enter", ev::enter, 0, 99}, {"shop", ev::facility, 1, 45}, {"scene", ev::scene, 1, 40},
    {"block", ev::block, 1, 30}, {"boss", ev::boss, 1, 10},     {"chest", ev::treasure, 1, 99},
};

struct FixedEvent {
    const char* name;
    int code;
};
const FixedEvent kFixed[] = {
    {"none", 0},
    {"wall", ev::kWall},
    {"world", ev::kToWorld},
    {"back", ev::kBackOneDepth},
    {"stand", ev::kStand},
    {"up", ev::kStairsUp},
    {"down", ev::kStairsDown},
    {"switch", ev::kSwitch},
    {"door", ev::kDoor},
    {"fountain", ev::kFountain},
    {"save", ev::kSavePoint},
    {"nothing", ev::kNothing},
    {"chest", ev::treasure(0)},
};

}  // namespace

int defaultEvent(const std::array<const TileDef*, kSheetCount>& tiles) {
    for (const TileDef* t : tiles)
        if (t && t->solid) return ev::kWall;
    return 0;
}

MapGrid buildMapGrid(const QString& name, const QString& sourceFile, int size,
                     const std::vector<SourceCell>& cells) {
    MapGrid m;
    m.name = name;
    m.sourceFile = sourceFile;
    m.size = size;
    const int n = size + 1;
    for (auto& layer : m.layers) layer.assign(n * n, 0);
    for (int y = 0; y < n; ++y) {
        for (int x = 0; x < n; ++x) {
            const SourceCell& c = cells[y * n + x];
            for (int s = 0; s < kSheetCount; ++s) {
                const TileDef* t = c.tiles[s];
                if (!t) continue;
                int code = t->code;
                if (t->autotile) {
                    // Bits N=1, E=2, S=4, W=8 mark neighbours of another kind; the map's outside
                    // counts as the same kind, so the border of a map draws no edges.
                    auto other = [&](int nx, int ny) {
                        if (nx < 0 || ny < 0 || nx >= n || ny >= n) return false;
                        return !sameFamily(t, cells[ny * n + nx].tiles[s]);
                    };
                    code += (other(x, y - 1) ? 1 : 0) + (other(x + 1, y) ? 2 : 0) +
                            (other(x, y + 1) ? 4 : 0) + (other(x - 1, y) ? 8 : 0);
                }
                m.at(s, x, y) = code;
            }
            m.at(5, x, y) = c.event.value_or(defaultEvent(c.tiles));
        }
    }
    return m;
}

std::array<const TileDef*, kSheetCount> tilesOfCell(const World& w, const MapGrid& m, int x,
                                                    int y) {
    std::array<const TileDef*, kSheetCount> tiles{};
    for (int s = 0; s < kSheetCount; ++s) {
        const int code = m.at(s, x, y);
        if (code != 0 || s == int(Sheet::Ground)) tiles[s] = w.tileAt(Sheet(s), code);
    }
    return tiles;
}

int parseEvent(const QString& text, const QString& file, int line) {
    const QStringList p = text.split(u' ', Qt::SkipEmptyParts);
    const QString k = p.value(0);
    if (k == u"code" && p.size() == 2) return parseInt(p[1], file, line);
    if (p.size() == 1)
        for (const FixedEvent& e : kFixed)
            if (k == QLatin1String(e.name)) return e.code;
    if (p.size() == 2)
        for (const NumberedEvent& e : kNumbered) {
            if (k != QLatin1String(e.name)) continue;
            const int n = parseInt(p[1], file, line);
            if (n < e.lo || n > e.hi)
                throw ContentError(file, line,
                                   QStringLiteral("%1 takes %2..%3").arg(k).arg(e.lo).arg(e.hi));
            return e.code(n);
        }
    throw ContentError(file, line, QStringLiteral("unknown event \"%1\"").arg(text));
}

QString eventName(int code) {
    for (const FixedEvent& e : kFixed)
        if (e.code == code) return QLatin1String(e.name);
    for (const NumberedEvent& e : kNumbered)
        for (int n = e.lo; n <= e.hi; ++n)
            if (e.code(n) == code) return QStringLiteral("%1 %2").arg(QLatin1String(e.name)).arg(n);
    return QStringLiteral("code %1").arg(code);
}

StairsDef stairsFrom(const QString& map, int type, int startFloor, const QString& floors,
                     const QString& file, int line) {
    StairsDef s;
    s.mapBase = map;
    s.type = type;
    s.startFloor = startFloor;
    const QStringList parts = floors.split(u' ', Qt::SkipEmptyParts);
    if (type == 0) {
        if (parts.size() != 11)
            throw ContentError(file, line, "type 0 names eleven floor maps (0..10)");
        s.floorMaps = parts;
    } else if (type == 1) {
        if (parts.size() != 11)
            throw ContentError(file, line, "type 1 names eleven destinations \"X,Y\" (0..10)");
        for (const QString& f : parts) {
            const QStringList xy = f.split(u',');
            if (xy.size() != 2) throw ContentError(file, line, "a destination is \"X,Y\"");
            s.stairs.append({parseInt(xy[0], file, line), parseInt(xy[1], file, line)});
        }
    } else {
        throw ContentError(file, line, "stairs type is 0 or 1");
    }
    return s;
}

QString floorsText(const StairsDef& s) {
    if (s.type == 0) return s.floorMaps.join(u' ');
    QStringList parts;
    for (const auto& [x, y] : s.stairs) parts << QStringLiteral("%1,%2").arg(x).arg(y);
    return parts.join(u' ');
}
