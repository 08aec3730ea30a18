// Reads the master and text tables of content/tables into the World.

#include <QDir>

#include "world/ContentLoader.h"
#include "world/Source.h"

namespace {

QString tablePath(const QString& dir, const QString& name) {
    return dir + QStringLiteral("/tables/") + name;
}

// A text that fits a fixed-width field of the records; longer texts would be cut by the game.
QString fitted(const SourceRow& r, const QString& column, int width) {
    const QString t = r.text(column);
    if (t.size() > width)
        r.fail(QStringLiteral("\"%1\" is longer than %2 characters").arg(t).arg(width));
    return t;
}

void loadCharacters(const QString& dir, World& w) {
    const SourceTable t = SourceTable::read(tablePath(dir, "characters.txt"));
    for (const SourceRow& r : t.rows()) {
        if (r.integer("no") != w.characters.size())
            r.fail(QStringLiteral("characters must be numbered 0, 1, 2 … in order"));
        CharacterRecord c;
        c.CharNo = r.integer("group");
        c.Level = r.integer("level");
        c.CharName = fitted(r, "name", 20);
        c.ClassName = fitted(r, "class", 20);
        c.ClassNo = r.integer("classno");
        c.MaxHP = r.integer("hp");
        c.MaxMP = r.integer("mp");
        c.Vitality = r.integer("vit");
        c.Strength = r.integer("str");
        c.Intellect = r.integer("int");
        c.Agility = r.integer("agi");
        c.Dexterity = r.integer("dex");
        c.Charm = r.integer("cha");
        c.WeaponNo = r.integer("weapon", 0);
        c.ArmourNo = r.integer("armour", 0);
        c.HelmetNo = r.integer("helmet", 0);
        c.ShieldNo = r.integer("shield", 0);
        c.ExtraNo = r.integer("extra", 0);
        c.FaceNo = r.integer("face");
        w.characters.append(c);
    }
}

// The number in column `column`: within lo..hi and not yet used in `taken`.
template <class Map>
int newNumber(const SourceRow& r, const QString& column, int lo, int hi, const Map& taken,
              const QString& what) {
    const int n = r.integer(column);
    if (n < lo || n > hi) r.fail(QStringLiteral("%1 numbers run %2..%3").arg(what).arg(lo).arg(hi));
    if (taken.contains(n)) r.fail(QStringLiteral("%1 number %2 used twice").arg(what).arg(n));
    return n;
}

int slotOf(const SourceRow& r) {
    static const QStringList names = {"weapon", "armour", "helmet", "shield", "extra"};
    const int i = names.indexOf(r.text("slot"));
    if (i < 0) r.fail(QStringLiteral("slot must be one of %1").arg(names.join(u' ')));
    return i + 1;
}

void loadEquipment(const QString& dir, World& w) {
    const SourceTable t = SourceTable::read(tablePath(dir, "equipment.txt"));
    for (const SourceRow& r : t.rows()) {
        EquipRecord e;
        e.EquipNo = newNumber(r, "no", 1, 99, w.equipment, "equipment");
        e.EquipSlot = slotOf(r);
        e.EquipKind = e.EquipSlot;
        e.EquipName = fitted(r, "name", 20);
        e.EquipPower = r.integer("power");
        e.EquipPrice = r.integer("price");
        const QString cls = r.text("classes");
        e.EquipClassMask = cls == QStringLiteral("all") ? 0 : classMask(r.integers("classes"));
        e.EquipText = fitted(r, "text", 20);
        w.equipment.insert(e.EquipNo, e);
    }
}

void loadItems(const QString& dir, World& w) {
    const SourceTable t = SourceTable::read(tablePath(dir, "items.txt"));
    for (const SourceRow& r : t.rows()) {
        ItemRecord i;
        i.ItemNo = newNumber(r, "no", 1, 100, w.items, "item");
        i.ItemName = fitted(r, "name", 20);
        i.ItemEffect = r.integer("effect");
        i.ItemKind = i.ItemEffect;
        i.ItemPower = r.integer("power");
        i.ItemPrice = r.integer("price");
        i.ItemKeep = r.integer("keep");
        i.ItemText = fitted(r, "text", 20);
        w.items.insert(i.ItemNo, i);
    }
}

void loadMagic(const QString& dir, World& w) {
    const SourceTable t = SourceTable::read(tablePath(dir, "magic.txt"));
    for (const SourceRow& r : t.rows()) {
        MagicRecord m;
        m.MagicNo = newNumber(r, "no", 1, 100, w.magic, "spell");
        m.MagicIcon = r.integer("icon");
        if (m.MagicIcon % 10 == 0) r.fail("an effect icon ending in 0 names no picture cell");
        m.MagicName = fitted(r, "name", 20);
        m.MagicKind = r.integer("kind");
        if (m.MagicKind < 1 || m.MagicKind > 6) r.fail("spell kinds run 1..6");
        m.MagicEffect = r.integer("effect", 0);
        m.MagicPower = r.integer("power");
        m.MagicCost = r.integer("cost");
        m.MagicText = fitted(r, "text", 20);
        w.magic.insert(m.MagicNo, m);
    }
}

void loadEnemies(const QString& dir, World& w) {
    const SourceTable t = SourceTable::read(tablePath(dir, "enemies.txt"));
    for (const SourceRow& r : t.rows()) {
        const int code = newNumber(r, "code", 0, 99, w.enemies, "encounter code");
        EnemyRecord e;
        e.EnemyNo = code + 1;
        e.EnemyName = fitted(r, "name", 20);
        e.EnemyHP = r.integer("hp");
        e.EnemyPower = r.integer("power");
        e.EnemyAttack = r.integer("attack");
        e.EnemyDefence = r.integer("defence");
        e.EnemyMagicDefence = r.integer("mdef");
        e.EnemyExp = r.integer("exp");
        e.EnemySpecial = r.integer("special", 0);
        e.EnemyPicture = QStringLiteral("enpty02 %1").arg(code, 2, 10, QChar(u'0'));
        w.enemies.insert(code, e);
        w.enemyLooks.insert(code, r.text("look"));
    }
}

void loadBosses(const QString& dir, World& w) {
    const SourceTable t = SourceTable::read(tablePath(dir, "bosses.txt"));
    for (const SourceRow& r : t.rows()) {
        BossDef b;
        b.no = r.integer("no");
        if (b.no != w.bosses.size() + 1) r.fail("bosses must be numbered 1, 2, 3 … in order");
        b.name = r.text("name");
        b.hp = r.integer("hp");
        b.power = r.integer("power");
        b.defence = r.integer("defence");
        b.magicDefence = r.integer("mdef");
        b.exp = r.integer("exp");
        b.look = r.text("look");
        w.bosses.append(b);
    }
    if (w.bosses.size() != 10)
        throw ContentError(t.file(), 0, "the boss table needs exactly 10 rows");
}

void loadGrowth(const QString& dir, World& w) {
    const SourceTable t = SourceTable::read(tablePath(dir, "growth.txt"));
    for (const SourceRow& r : t.rows()) {
        GrowthDef g;
        g.classNo = r.integer("class");
        if (g.classNo != w.growth.size() + 1)
            r.fail("growth rows must be classes 1, 2, 3 … in order");
        g.className = r.text("name");
        static const char* cols[] = {"hp", "mp", "vit", "str", "int", "agi", "dex", "cha"};
        for (int k = 0; k < 8; ++k) g.g[k] = r.integer(cols[k]);
        w.growth.append(g);
    }
}

void loadPlaces(const QString& dir, World& w) {
    const SourceTable t = SourceTable::read(tablePath(dir, "places.txt"));
    for (const SourceRow& r : t.rows()) {
        PlaceDef p;
        p.no = newNumber(r, "no", 0, 99, w.places, "place");
        p.name = r.text("name");
        p.kind = r.integer("kind");
        p.map = r.text("map");
        p.music = r.text("music");
        p.battleBack = r.text("battle");
        p.encounter = r.integer("rate", 0);
        p.enemySets = r.integers("enemies");
        if (!p.enemySets.isEmpty() && p.enemySets.size() != 10)
            r.fail("a place has ten enemy codes or none");
        const QList<int> entry = r.integers("entry");
        if (entry.size() == 2) {
            p.entryX = entry[0];
            p.entryY = entry[1];
        } else if (!entry.isEmpty()) {
            r.fail("entry is \"X Y\"");
        }
        w.places.insert(p.no, p);
    }
}

void loadFacilities(const QString& dir, World& w) {
    const SourceTable t = SourceTable::read(tablePath(dir, "facilities.txt"));
    for (const SourceRow& r : t.rows()) {
        FacilityDef f;
        f.no = newNumber(r, "no", 1, 45, w.facilities, "facility");
        f.head = r.text("name");
        f.picture = r.text("picture");
        const QList<int> offers = r.integers("offers");
        if (offers.size() > 20) r.fail("at most 20 offers");
        if (f.no <= 10) {
            // An inn: A1 is the price of one night for one person.
            if (offers.size() != 1) r.fail("an inn offers one price");
            f.pairs.append({Value(offers[0]), Value()});
        } else {
            // Shops: B is the table number of each ware; taverns: B is the speaker of each seat.
            // A marks the entry as present.
            for (int o : offers) f.pairs.append({Value(1), Value(o)});
        }
        w.facilities.insert(f.no, f);
    }
}

void loadBlocks(const QString& dir, World& w) {
    const SourceTable t = SourceTable::read(tablePath(dir, "blocks.txt"));
    for (const SourceRow& r : t.rows()) {
        BlockDef b;
        b.no = r.integer("no");
        if (b.no < 1 || b.no > 30) r.fail("blocks run 1..30");
        b.need = r.integer("need");
        b.kind = r.integer("kind");
        b.textA = r.text("locked");
        b.textB = r.text("opened");
        w.blocks.insert(b.no, b);
    }
}

// "item 8" or "equip 12" -> the code a treasure stores.
Value findCode(const SourceRow& r, const QString& text) {
    const QStringList parts = text.split(u' ', Qt::SkipEmptyParts);
    if (parts.size() != 2) r.fail("a find is \"item N\" or \"equip N\"");
    const int n = parseInt(parts[1], QStringLiteral("treasure.txt"), r.line());
    if (parts[0] == QStringLiteral("item")) return Value(n + 100);
    if (parts[0] == QStringLiteral("equip")) return Value(n);
    r.fail("a find is \"item N\" or \"equip N\"");
}

void loadTreasure(const QString& dir, World& w) {
    const SourceTable t = SourceTable::read(tablePath(dir, "treasure.txt"));
    for (const SourceRow& r : t.rows()) {
        const QString slot = r.text("slot");
        const QString value = r.text("find");
        if (slot == QStringLiteral("mode")) {
            w.treasure.mode = parseInt(value, t.file(), r.line());
        } else if (slot == QStringLiteral("gold")) {
            w.treasure.tiers[0] = Value(parseInt(value, t.file(), r.line()));
        } else if (slot.startsWith(QStringLiteral("tier"))) {
            const int k = parseInt(slot.mid(4), t.file(), r.line());
            if (k < 1 || k > 5) r.fail("tiers run 1..5");
            const Value code = findCode(r, value);
            if (code.num() <= 100) r.fail("random finds are items");
            w.treasure.tiers[k] = Value(code.num() - 100);
        } else {
            const int k = parseInt(slot, t.file(), r.line());
            if (k < 1 || k > 100) r.fail("fixed treasures run 1..100");
            w.treasure.list[k] = findCode(r, value);
        }
    }
}

}  // namespace

int classMask(const QList<int>& classes) {
    int d1 = 0, d2 = 0, d3 = 0;
    for (int c : classes) {
        switch (c) {
            case 1:
                d1 |= 1;
                break;
            case 4:
                d1 |= 2;
                break;
            case 7:
                d1 |= 4;
                break;
            case 2:
                d2 |= 1;
                break;
            case 5:
                d2 |= 2;
                break;
            case 8:
                d2 |= 4;
                break;
            case 3:
                d3 |= 1;
                break;
            case 6:
                d3 |= 2;
                break;
            default:
                break;
        }
    }
    return d3 * 100 + d2 * 10 + d1;
}

void loadTables(const QString& dir, World& w) {
    loadEquipment(dir, w);
    loadItems(dir, w);
    loadMagic(dir, w);
    loadCharacters(dir, w);
    loadEnemies(dir, w);
    loadBosses(dir, w);
    loadGrowth(dir, w);
    loadPlaces(dir, w);
    loadFacilities(dir, w);
    loadBlocks(dir, w);
    loadTreasure(dir, w);
}
