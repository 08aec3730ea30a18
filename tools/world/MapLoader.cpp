// Reads the tile catalogue, the maps drawn as text with a legend, and the stairs table.

#include <QDir>
#include <QHash>

#include "world/ContentLoader.h"
#include "world/Recipe.h"
#include "world/Source.h"

namespace {

Sheet sheetNamed(const SourceRow& r) {
    static const QStringList names = {"ground", "feature", "prop", "block", "tall"};
    const int i = names.indexOf(r.text("sheet"));
    if (i < 0) r.fail(QStringLiteral("sheet must be one of %1").arg(names.join(u' ')));
    return Sheet(i);
}

void loadTiles(const QString& dir, World& w) {
    const SourceTable t = SourceTable::read(dir + QStringLiteral("/art/tiles.txt"));
    QHash<QString, int> names;
    QHash<int, QString> cells;  // sheet * 10000 + column * 100 + row
    for (const SourceRow& r : t.rows()) {
        TileDef d;
        d.sheet = sheetNamed(r);
        const QStringList code = r.text("code").split(u' ', Qt::SkipEmptyParts);
        d.code = parseInt(code.value(0), t.file(), r.line());
        d.autotile = code.value(1) == QStringLiteral("auto");
        d.name = r.text("name");
        d.solid = r.text("solid") == QStringLiteral("yes");
        d.painter = r.text("painter");
        if (names.contains(d.name)) r.fail(QStringLiteral("tile \"%1\" named twice").arg(d.name));
        const int variants = d.autotile ? 16 : 1;
        if (sheetRow(d.code) + variants > 100) r.fail("an autotile needs 16 rows in its column");
        for (int v = 0; v < variants; ++v) {
            const int c = d.code + v;
            const int key = int(d.sheet) * 10000 + sheetColumn(c) * 100 + sheetRow(c);
            if (cells.contains(key))
                r.fail(QStringLiteral("sheet cell of code %1 is taken by \"%2\"")
                           .arg(c)
                           .arg(cells[key]));
            cells.insert(key, d.name);
        }
        names.insert(d.name, w.tiles.size());
        w.tiles.append(d);
    }
}

// One legend entry: the tiles of the cell and its event.
struct LegendCell {
    std::array<const TileDef*, kSheetCount> tiles{};
    std::optional<int> event;
};

int parseEvent(const QString& text, const QString& file, int line) {
    const QStringList p = text.split(u' ', Qt::SkipEmptyParts);
    const QString k = p.value(0);
    auto arg = [&]() { return parseInt(p.value(1), file, line); };
    auto argIn = [&](int lo, int hi) {
        const int n = arg();
        if (n < lo || n > hi)
            throw ContentError(file, line,
                               QStringLiteral("%1 takes %2..%3").arg(k).arg(lo).arg(hi));
        return n;
    };
    if (k == "none") return 0;
    if (k == "wall") return ev::kWall;
    if (k == "enter") return ev::enter(argIn(0, 99));
    if (k == "world") return ev::kToWorld;
    if (k == "back") return ev::kBackOneDepth;
    if (k == "stand") return ev::kStand;
    if (k == "up") return ev::kStairsUp;
    if (k == "down") return ev::kStairsDown;
    if (k == "switch") return ev::kSwitch;
    if (k == "door") return ev::kDoor;
    if (k == "fountain") return ev::kFountain;
    if (k == "save") return ev::kSavePoint;
    if (k == "nothing") return ev::kNothing;
    if (k == "shop") return ev::facility(argIn(1, 45));
    if (k == "scene") return ev::scene(argIn(1, 40));
    if (k == "block") return ev::block(argIn(1, 30));
    if (k == "boss") return ev::boss(argIn(1, 10));
    if (k == "chest") return p.size() == 1 ? ev::treasure(0) : ev::treasure(argIn(1, 99));
    if (k == "code") return arg();
    throw ContentError(file, line, QStringLiteral("unknown event \"%1\"").arg(text));
}

LegendCell parseLegend(const QString& entry, const World& w, const QString& file, int line) {
    LegendCell cell;
    const int colon = entry.indexOf(u':');
    const QString tilePart = colon < 0 ? entry : entry.left(colon);
    for (const QString& name : tilePart.split(u'+', Qt::SkipEmptyParts)) {
        const TileDef* t = w.tile(name.trimmed());
        if (!t)
            throw ContentError(file, line, QStringLiteral("no tile \"%1\"").arg(name.trimmed()));
        if (cell.tiles[int(t->sheet)])
            throw ContentError(file, line, "two tiles of the same sheet in one cell");
        cell.tiles[int(t->sheet)] = t;
    }
    if (colon >= 0) cell.event = parseEvent(entry.mid(colon + 1).trimmed(), file, line);
    return cell;
}

bool sameFamily(const TileDef* a, const TileDef* b) {
    if (!a || !b) return false;
    if (a == b) return true;
    const QStringList joins = Recipe(a->painter).str(QStringLiteral("joins")).split(u',');
    return joins.contains(b->name);
}

MapGrid loadMap(const QString& path, const World& w) {
    const QString file = shortName(path);
    const QList<SourceLine> lines = readSourceLines(path);
    MapGrid m;
    m.name = QFileInfo(path).completeBaseName();
    m.sourceFile = file;
    QHash<QChar, LegendCell> legend;
    QList<SourceLine> rows;
    enum { Head, Legend, Grid } part = Head;
    for (const SourceLine& l : lines) {
        const QString t = l.text.trimmed();
        if (part != Grid && t == QStringLiteral("legend")) {
            part = Legend;
        } else if (part != Grid && t == QStringLiteral("grid")) {
            part = Grid;
        } else if (part == Head) {
            if (!t.startsWith(QStringLiteral("size ")))
                throw ContentError(file, l.number, "expected \"size N\"");
            m.size = parseInt(t.mid(5), file, l.number);
            if (m.size < 2 || m.size > 90) throw ContentError(file, l.number, "size runs 2..90");
        } else if (part == Legend) {
            if (t.size() < 5 || t.mid(1, 3) != QStringLiteral(" = "))
                throw ContentError(file, l.number, "a legend line is \"X = tiles : event\"");
            const QChar c = t[0];
            if (c == u'#') throw ContentError(file, l.number, "'#' starts a comment, pick another");
            if (legend.contains(c))
                throw ContentError(file, l.number, "legend character used twice");
            legend.insert(c, parseLegend(t.mid(4), w, file, l.number));
        } else {
            rows.append(l);
        }
    }
    if (m.size == 0) throw ContentError(file, 0, "no size");
    const int n = m.size + 1;
    if (rows.size() != n)
        throw ContentError(file, 0,
                           QStringLiteral("the grid has %1 rows, size %2 needs %3")
                               .arg(rows.size())
                               .arg(m.size)
                               .arg(n));
    for (auto& layer : m.layers) layer.assign(n * n, 0);
    std::vector<const LegendCell*> cells(n * n);
    for (int y = 0; y < n; ++y) {
        const QString row = rows[y].text;
        if (row.size() != n)
            throw ContentError(file, rows[y].number,
                               QStringLiteral("the row has %1 cells, size %2 needs %3")
                                   .arg(row.size())
                                   .arg(m.size)
                                   .arg(n));
        for (int x = 0; x < n; ++x) {
            auto it = legend.constFind(row[x]);
            if (it == legend.constEnd())
                throw ContentError(file, rows[y].number,
                                   QStringLiteral("\"%1\" is not in the legend").arg(row[x]));
            cells[y * n + x] = &*it;
        }
    }
    for (int y = 0; y < n; ++y) {
        for (int x = 0; x < n; ++x) {
            const LegendCell& c = *cells[y * n + x];
            bool solid = false;
            for (int s = 0; s < kSheetCount; ++s) {
                const TileDef* t = c.tiles[s];
                if (!t) continue;
                solid = solid || t->solid;
                int code = t->code;
                if (t->autotile) {
                    // Bits N=1, E=2, S=4, W=8 mark neighbours of another kind; the map's outside
                    // counts as the same kind, so the border of a map draws no edges.
                    auto other = [&](int nx, int ny) {
                        if (nx < 0 || ny < 0 || nx >= n || ny >= n) return false;
                        return !sameFamily(t, cells[ny * n + nx]->tiles[s]);
                    };
                    code += (other(x, y - 1) ? 1 : 0) + (other(x + 1, y) ? 2 : 0) +
                            (other(x, y + 1) ? 4 : 0) + (other(x - 1, y) ? 8 : 0);
                }
                m.at(s, x, y) = code;
            }
            m.at(5, x, y) = c.event.value_or(solid ? ev::kWall : 0);
        }
    }
    return m;
}

void loadStairs(const QString& dir, World& w) {
    const SourceTable t = SourceTable::read(dir + QStringLiteral("/maps/stairs.txt"));
    for (const SourceRow& r : t.rows()) {
        StairsDef s;
        s.mapBase = r.text("map");
        s.type = r.integer("type");
        s.startFloor = r.integer("start");
        const QStringList floors = r.text("floors").split(u' ', Qt::SkipEmptyParts);
        if (s.type == 0) {
            if (floors.size() != 11) r.fail("type 0 names eleven floor maps (0..10)");
            s.floorMaps = floors;
        } else if (s.type == 1) {
            if (floors.size() != 11) r.fail("type 1 names eleven destinations \"X,Y\" (0..10)");
            for (const QString& f : floors) {
                const QStringList xy = f.split(u',');
                if (xy.size() != 2) r.fail("a destination is \"X,Y\"");
                s.stairs.append(
                    {parseInt(xy[0], t.file(), r.line()), parseInt(xy[1], t.file(), r.line())});
            }
        } else {
            r.fail("stairs type is 0 or 1");
        }
        w.stairs.insert(s.mapBase, s);
    }
}

}  // namespace

const TileDef* World::tile(const QString& name) const {
    for (const TileDef& t : tiles)
        if (t.name == name) return &t;
    return nullptr;
}

const TileDef* World::tileAt(Sheet sheet, int code) const {
    const int col = sheetColumn(code), row = sheetRow(code);
    for (const TileDef& t : tiles) {
        if (t.sheet != sheet || sheetColumn(t.code) != col) continue;
        const int r0 = sheetRow(t.code);
        if (row == r0 || (t.autotile && row > r0 && row < r0 + 16)) return &t;
    }
    return nullptr;
}

void loadMaps(const QString& dir, World& w) {
    loadTiles(dir, w);
    QDir maps(dir + QStringLiteral("/maps"));
    for (const QString& f : maps.entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name)) {
        if (f == QStringLiteral("stairs.txt")) continue;
        MapGrid m = loadMap(maps.filePath(f), w);
        w.maps.insert(m.name, m);
    }
    loadStairs(dir, w);
}
