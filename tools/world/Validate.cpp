// Cross-checks of the loaded world: everything a table, a map or the story names must exist,
// and the fixed numbers the game relies on must hold. A failure names the source to fix.

#include <QSet>

#include "world/ContentLoader.h"
#include "world/Source.h"

namespace {

[[noreturn]] void fail(const QString& where, const QString& what) {
    throw ContentError(where, 0, what);
}

// Face number -> ca02 cell code as the scene faces count them (row * 10 + column + 1). The
// party screens take row FaceNo / 11 and column (last digit - 1), or 9 for a last digit 0.
int faceCell(int faceNo) {
    const int row = faceNo / 11;
    const int col = faceNo % 10 == 0 ? 9 : faceNo % 10 - 1;
    return col == 9 ? -1 : row * 10 + col + 1;
}

// Records of the master tables fill their slots one after the other, so the numbers must run
// without gaps (a gap would shift every later record).
template <class Map>
void contiguous(const Map& m, int first, const QString& file) {
    int expect = first;
    for (int k : m.keys()) {
        if (k != expect)
            fail(file,
                 QStringLiteral("number %1 is missing (numbers run without gaps)").arg(expect));
        ++expect;
    }
}

void validateTables(const World& w) {
    contiguous(w.equipment, 1, "equipment.txt");
    contiguous(w.items, 1, "items.txt");
    contiguous(w.enemies, 0, "enemies.txt");
    contiguous(w.talks, 1, "talks.txt");
    contiguous(w.blocks, 1, "blocks.txt");
    contiguous(w.scenes, 1, "scenes.txt");
    QSet<int> cells;
    for (int c = 0; c < w.characters.size(); ++c) {
        const CharacterRecord& r = w.characters[c];
        for (int e : {r.WeaponNo, r.ArmourNo, r.HelmetNo, r.ShieldNo, r.ExtraNo})
            if (e && !w.equipment.contains(e))
                fail("characters.txt",
                     QStringLiteral("character %1 wears missing equipment %2").arg(c).arg(e));
        const int cell = faceCell(r.FaceNo);
        if (cell < 0 || !w.faceLooks.contains(cell))
            fail("characters.txt",
                 QStringLiteral("character %1: face %2 has no portrait").arg(c).arg(r.FaceNo));
        if (cells.contains(cell))
            fail("characters.txt", QStringLiteral("character %1 shares a portrait cell").arg(c));
        cells.insert(cell);
        if (r.ClassNo < 1 || r.ClassNo > w.growth.size())
            fail("characters.txt",
                 QStringLiteral("character %1: class %2 has no growth row").arg(c).arg(r.ClassNo));
    }
    for (const EquipRecord& e : w.equipment) {
        if (e.EquipSlot < 1 || e.EquipSlot > 5) fail("equipment.txt", "slots run 1..5");
    }
    for (const MagicRecord& m : w.magic)
        if (!w.effectLooks.contains(m.MagicIcon))
            fail("magic.txt", QStringLiteral("spell %1: effect icon %2 is not drawn")
                                  .arg(m.MagicNo)
                                  .arg(m.MagicIcon));
    for (auto it = w.enemies.constBegin(); it != w.enemies.constEnd(); ++it)
        if (w.enemyLooks.value(it.key()).isEmpty())
            fail("enemies.txt", QStringLiteral("enemy %1 has no look").arg(it.key()));
    for (const PlaceDef& p : w.places) {
        const QString where = QStringLiteral("places.txt (place %1)").arg(p.no);
        if (!w.maps.contains(p.map) && p.map != QStringLiteral("Sinden001"))
            fail(where, "map " + p.map + " is not drawn");
        if (!p.music.isEmpty() && std::none_of(w.tunes.begin(), w.tunes.end(),
                                               [&](const TuneDef& t) { return t.file == p.music; }))
            fail(where, "music " + p.music + " is not written");
        if (!p.battleBack.isEmpty() && !w.pictures.contains(p.battleBack))
            fail(where, "picture " + p.battleBack + " is not painted");
        for (int e : p.enemySets)
            if (!w.enemies.contains(e)) fail(where, QStringLiteral("no enemy %1").arg(e));
    }
    for (const FacilityDef& f : w.facilities) {
        const QString where = QStringLiteral("facilities.txt (%1)").arg(f.no);
        if (!w.pictures.contains(f.picture))
            fail(where, "picture " + f.picture + " is not painted");
        for (const auto& [a, b] : f.pairs) {
            const int n = int(b.num());
            if (f.no >= 11 && f.no <= 20 && !w.items.contains(n))
                fail(where, QStringLiteral("no item %1").arg(n));
            if (f.no >= 21 && f.no <= 30 && !w.equipment.contains(n))
                fail(where, QStringLiteral("no equipment %1").arg(n));
            if (f.no >= 31 && f.no <= 40 && !w.talks.contains(n))
                fail(where, QStringLiteral("no speaker %1").arg(n));
        }
    }
    for (const TalkDef& t : w.talks)
        if (!w.patronLooks.contains(t.face))
            fail("talks.txt",
                 QStringLiteral("speaker %1: face %2 has no portrait").arg(t.speaker).arg(t.face));
    for (const SceneDef& s : w.scenes) {
        const QString where = QStringLiteral("scenes.txt (scene %1)").arg(s.no);
        if (!w.pictures.contains(s.picture))
            fail(where, "picture " + s.picture + " is not painted");
        for (const ScenePage& p : s.pages)
            if (p.face && !w.faceLooks.contains(*p.face))
                fail(where, QStringLiteral("no face %1").arg(*p.face));
    }
    if (!w.pictures.contains(w.opening.picture))
        fail("opening.txt", "picture " + w.opening.picture + " is not painted");
    for (int k = 1; k <= 5; ++k) {
        const Value& t = w.treasure.tiers[k];
        if (!t.isEmpty() && !w.items.contains(int(t.num())))
            fail("treasure.txt", QStringLiteral("tier %1: no item").arg(k));
    }
    for (int k = 1; k <= 100; ++k) {
        const Value& v = w.treasure.list[k];
        if (v.isEmpty()) continue;
        const int c = int(v.num());
        if (c > 100 ? !w.items.contains(c - 100) : !w.equipment.contains(c))
            fail("treasure.txt", QStringLiteral("treasure %1 finds nothing that exists").arg(k));
    }
}

void validateMaps(const World& w) {
    for (const TileDef& t : w.tiles)
        if (t.sheet != Sheet::Ground && t.sheet != Sheet::Feature && t.code == 0)
            fail("tiles.txt",
                 "cell 0 of the masked sheets stays empty (the screens draw code 0 there)");
    for (const MapGrid& m : w.maps) {
        for (int y = 0; y <= m.size; ++y) {
            for (int x = 0; x <= m.size; ++x) {
                const int e = m.event(x, y);
                const QString where =
                    QStringLiteral("%1 (cell %2, %3)").arg(m.sourceFile).arg(x).arg(y);
                const int k = ev::kind(e), n = ev::number(e);
                if (k == 2 && !w.places.contains(n))
                    fail(where, QStringLiteral("no place %1").arg(n));
                if (k == 4 && !w.facilities.contains(n))
                    fail(where, QStringLiteral("no facility %1").arg(n));
                if (k == 5 && n <= 50 && !w.scenes.contains(n))
                    fail(where, QStringLiteral("no scene %1").arg(n));
                if (k == 5 && n > 50 && n <= 80 && !w.blocks.contains(n - 50))
                    fail(where, QStringLiteral("no block %1").arg(n - 50));
                if (k == 5 && n > 80 && n - 80 > w.bosses.size())
                    fail(where, QStringLiteral("no boss %1").arg(n - 80));
                if (k == 7 && n > 0 && w.treasure.list[n].isEmpty())
                    fail(where, QStringLiteral("no treasure %1").arg(n));
                if (k == 7 && n == 0 && w.treasure.tiers[0].isEmpty())
                    fail(where, "random treasure without tiers");
            }
        }
    }
    for (const StairsDef& s : w.stairs) {
        if (!w.maps.contains(s.mapBase)) fail("stairs.txt", "no map " + s.mapBase);
        for (const QString& f : s.floorMaps)
            if (!w.maps.contains(f)) fail("stairs.txt", "no floor map " + f);
    }
}

}  // namespace

World loadWorld(const QString& contentDir) {
    World w;
    loadMaps(contentDir, w);
    loadArtAndMusic(contentDir, w);
    loadTables(contentDir, w);
    loadStory(contentDir, w);
    // A boss's figure on the map is its battle picture in small: "boss N" in the tile
    // catalogue takes the look of boss N.
    for (TileDef& t : w.tiles) {
        if (!t.painter.startsWith(QStringLiteral("boss "))) continue;
        const int n = t.painter.mid(5).trimmed().toInt();
        if (n < 1 || n > w.bosses.size())
            throw ContentError(QStringLiteral("tiles.txt"), 0,
                               QStringLiteral("tile %1: no boss %2").arg(t.name).arg(n));
        t.painter = QStringLiteral("monster ") + w.bosses[n - 1].look;
    }
    validateTables(w);
    validateMaps(w);
    return w;
}
