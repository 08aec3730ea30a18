// Reads the tile catalogue, the maps drawn as text with a legend, and the stairs table.

#include <QDir>
#include <QHash>

#include "world/ContentLoader.h"
#include "world/MapCells.h"
#include "world/Source.h"
#include "world/TmxReader.h"

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

SourceCell parseLegend(const QString& entry, const World& w, const QString& file, int line) {
    SourceCell cell;
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

MapGrid loadMap(const QString& path, const World& w) {
    const QString file = shortName(path);
    const QList<SourceLine> lines = readSourceLines(path);
    MapGrid m;
    m.name = QFileInfo(path).completeBaseName();
    m.sourceFile = file;
    QHash<QChar, SourceCell> legend;
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
    std::vector<SourceCell> cells(n * n);
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
            cells[y * n + x] = *it;
        }
    }
    return buildMapGrid(m.name, m.sourceFile, m.size, cells);
}

// The stairs of maps kept as text; a map drawn in Tiled carries its own in its properties.
void loadStairs(const QString& dir, World& w) {
    const QString path = dir + QStringLiteral("/maps/stairs.txt");
    if (!QFileInfo::exists(path)) return;
    const SourceTable t = SourceTable::read(path);
    for (const SourceRow& r : t.rows()) {
        const StairsDef s = stairsFrom(r.text("map"), r.integer("type"), r.integer("start"),
                                       r.text("floors"), t.file(), r.line());
        if (w.stairs.contains(s.mapBase))
            r.fail(QStringLiteral("the stairs of %1 are given by its map already").arg(s.mapBase));
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
    // Each map has one source: a text map (NAME.txt) or a map drawn in Tiled (NAME.tmx).
    QDir maps(dir + QStringLiteral("/maps"));
    const QStringList files =
        maps.entryList({QStringLiteral("*.txt"), QStringLiteral("*.tmx")}, QDir::Files, QDir::Name);
    for (const QString& f : files) {
        if (f == QStringLiteral("stairs.txt")) continue;
        const QString base = QFileInfo(f).completeBaseName();
        if (w.maps.contains(base))
            throw ContentError(f, 0,
                               QStringLiteral("map %1 has two sources, %2 and %3; keep one")
                                   .arg(base, w.maps[base].sourceFile, f));
        if (f.endsWith(QStringLiteral(".tmx"))) {
            TmxMap m = readTmxFile(maps.filePath(f), w);
            if (m.stairs) w.stairs.insert(base, *m.stairs);
            w.maps.insert(base, m.grid);
        } else {
            w.maps.insert(base, loadMap(maps.filePath(f), w));
        }
    }
    loadStairs(dir, w);
}
