// Writes the world's tables, maps and stairs files in the game's value-stream format.

#include "world/DataWriter.h"

#include "core/ShiftJis.h"
#include "core/ValueWriter.h"
#include "world/Source.h"

namespace {

Value text(const QString& s) {
    return Value(s);
}

// The bytes of a finished file. Every file is Shift_JIS: a text that does not come back the same
// after encoding (a character Shift_JIS cannot hold) is a mistake in the sources.
QByteArray finish(const ValueWriter& w, const QString& file) {
    const QByteArray bytes = w.bytes();
    const QString back = fromShiftJis(bytes);
    if (back != w.text()) {
        int i = 0;
        while (i < back.size() && i < w.text().size() && back[i] == w.text()[i]) ++i;
        throw ContentError(
            file, 0,
            QStringLiteral("\"%1\" cannot be written in Shift_JIS").arg(w.text().mid(i, 8)));
    }
    return bytes;
}

// Records fill the slots of a table one after the other, so a table is written from its first
// slot to its last used one; a slot without content gets an empty record of the right shape.
template <class Map, class Fn, class Empty>
void writeSlots(const Map& map, int first, Fn write, Empty empty) {
    if (map.isEmpty()) return;
    for (int k = first; k <= map.lastKey(); ++k) {
        if (map.contains(k)) {
            write(map.value(k));
        } else {
            empty(k);
        }
    }
}

void characters(const World& w, FileSet& out) {
    ValueWriter v;
    for (const CharacterRecord& c : w.characters) {
        v.writeRecord({c.CharNo,   c.Level,     text(c.CharName), text(c.ClassName), c.ClassNo,
                       c.MaxHP,    c.MaxMP,     c.Vitality,       c.Strength,        c.Intellect,
                       c.Agility,  c.Dexterity, c.Charm,          c.WeaponNo,        c.ArmourNo,
                       c.HelmetNo, c.ShieldNo,  c.ExtraNo,        c.FaceNo,          c.Extra114,
                       c.Extra116});
    }
    out.insert(QStringLiteral("Ca_DataFile"), finish(v, QStringLiteral("Ca_DataFile")));
}

// Enemies are stored by encounter code: record k + 1 belongs to code k. The file lists the
// number, the attack roll, the name and the picture first, then the eight numbers.
void enemies(const World& w, FileSet& out) {
    ValueWriter v;
    auto write = [&](const EnemyRecord& e) {
        v.writeRecord({e.EnemyNo, e.EnemyAttack, text(e.EnemyName), text(e.EnemyPicture), e.En84,
                       e.EnemyHP, e.EnemyPower, e.EnemyDefence, e.EnemyMagicDefence, e.En94,
                       e.EnemyExp, e.EnemySpecial});
    };
    writeSlots(w.enemies, 0, write, [&](int) { write(EnemyRecord{}); });
    out.insert(QStringLiteral("En_DataFile2"), finish(v, QStringLiteral("En_DataFile2")));
}

void equipment(const World& w, FileSet& out) {
    ValueWriter v;
    auto write = [&](const EquipRecord& e) {
        v.writeRecord({e.EquipNo, e.EquipKind, text(e.EquipName), e.EquipPower, e.EquipSpare46,
                       e.EquipPrice, e.EquipSpare50, text(e.EquipSpare52), e.EquipClassMask,
                       text(e.EquipSpare74), e.EquipSlot, text(e.EquipText)});
    };
    writeSlots(w.equipment, 1, write, [&](int) { write(EquipRecord{}); });
    out.insert(QStringLiteral("B_DataFile"), finish(v, QStringLiteral("B_DataFile")));
}

void items(const World& w, FileSet& out) {
    ValueWriter v;
    auto write = [&](const ItemRecord& i) {
        v.writeRecord({i.ItemNo, i.ItemKind, text(i.ItemName), i.ItemPower, i.ItemPrice,
                       i.ItemEffect, text(i.ItemSpare50), text(i.ItemSpare70), i.ItemKeep,
                       text(i.ItemText)});
    };
    writeSlots(w.items, 1, write, [&](int) { write(ItemRecord{}); });
    out.insert(QStringLiteral("I_DataFile"), finish(v, QStringLiteral("I_DataFile")));
}

void magic(const World& w, FileSet& out) {
    ValueWriter v;
    auto write = [&](const MagicRecord& m) {
        v.writeRecord({m.MagicNo, m.MagicIcon, text(m.MagicName), m.MagicSpare44, m.MagicPower,
                       m.MagicCost, text(m.MagicSpare50), m.MagicKind, text(m.MagicSpare72),
                       m.MagicEffect, text(m.MagicSpare94), m.MagicSpare114, m.MagicSpare116,
                       text(m.MagicText)});
    };
    writeSlots(w.magic, 1, write, [&](int) { write(MagicRecord{}); });
    out.insert(QStringLiteral("M_DataFile"), finish(v, QStringLiteral("M_DataFile")));
}

void places(const World& w, FileSet& out) {
    ValueWriter names, list, table;
    writeSlots(
        w.places, 0,
        [&](const PlaceDef& p) {
            names.writeRecord({text(p.name), text(p.map)});
        },
        [&](int) {
            names.writeRecord({Value(), Value()});
        });
    // The town list is read and kept by the game but used by no rule: it lists the places.
    writeSlots(
        w.places, 0, [&](const PlaceDef& p) { list.writeRecord({text(p.name)}); },
        [&](int) { list.writeRecord({Value()}); });
    auto place = [&](const PlaceDef& p) {
        QList<Value> r{p.kind, text(p.map), text(p.music), text(p.battleBack), p.encounter};
        for (int k = 0; k < 10; ++k) r << (p.enemySets.isEmpty() ? Value() : Value(p.enemySets[k]));
        r << 0;  // kept, unused
        r << p.entryX << 0 << 0 << 0 << p.entryY << 0 << 0 << 0;
        table.writeRecord(r);
    };
    writeSlots(w.places, 0, place, [&](int) {
        QList<Value> r;
        for (int k = 0; k < 24; ++k) r << Value();
        table.writeRecord(r);
    });
    out.insert(QStringLiteral("timei_F"), finish(names, QStringLiteral("timei_F")));
    out.insert(QStringLiteral("mati_F"), finish(list, QStringLiteral("mati_F")));
    out.insert(QStringLiteral("MapEv_F"), finish(table, QStringLiteral("MapEv_F")));
}

void facilities(const World& w, FileSet& out) {
    ValueWriter v;
    auto write = [&](const FacilityDef& f) {
        QList<Value> r{text(f.head), text(f.picture)};
        for (int j = 0; j < 20; ++j) {
            if (j < f.pairs.size()) {
                r << f.pairs[j].first << f.pairs[j].second;
            } else {
                r << Value() << Value();
            }
        }
        v.writeRecord(r);
    };
    writeSlots(w.facilities, 1, write, [&](int) { write(FacilityDef{}); });
    out.insert(QStringLiteral("MatiEv_F"), finish(v, QStringLiteral("MatiEv_F")));
}

void talks(const World& w, FileSet& out) {
    ValueWriter v;
    auto write = [&](const TalkDef& t) {
        // Head: name, three spare values, the face code, one spare value.
        QList<Value> r{text(t.name), Value(), Value(), Value(), t.speaker ? Value(t.face) : Value(),
                       Value()};
        for (int j = 0; j < 10; ++j) r << (j < t.lines.size() ? text(t.lines[j]) : Value());
        v.writeRecord(r);
    };
    writeSlots(w.talks, 1, write, [&](int) { write(TalkDef{}); });
    out.insert(QStringLiteral("Kaiwa_F"), finish(v, QStringLiteral("Kaiwa_F")));
}

void scenes(const World& w, FileSet& out) {
    ValueWriter v;
    auto write = [&](const SceneDef& s) {
        v.writeRecord({text(s.picture), text(s.title)});
        for (int j = 0; j < s.pages.size(); ++j) {
            QList<Value> r{text(s.pages[j].text)};
            for (int k = 0; k <= 10; ++k) {
                Value p;
                if (k == 4 && s.pages[j].face) p = *s.pages[j].face;
                if (j == 0 && k == 8 && !s.shortText.isEmpty()) p = text(s.shortText);
                if (j == 0 && k == 9 && s.threshold) p = *s.threshold;
                r << p;
            }
            v.writeRecord(r);
        }
        v.writeRecord({Value()});  // an empty line ends the scene
    };
    writeSlots(w.scenes, 1, write, [&](int) {
        v.writeRecord({Value(), Value()});
        v.writeRecord({Value()});
    });
    out.insert(QStringLiteral("Sene_F"), finish(v, QStringLiteral("Sene_F")));
}

void blocks(const World& w, FileSet& out) {
    ValueWriter v;
    auto write = [&](const BlockDef& b) {
        v.writeRecord({text(b.textA), text(b.textB), b.kind, b.need});
    };
    writeSlots(w.blocks, 1, write, [&](int) { v.writeRecord({Value(), Value(), 0, 0}); });
    out.insert(QStringLiteral("KEv_F"), finish(v, QStringLiteral("KEv_F")));
}

void treasure(const World& w, FileSet& out) {
    ValueWriter v;
    v.writeRecord({w.treasure.mode, w.treasure.spare});
    v.writeRecord(QList<Value>(w.treasure.tiers.begin(), w.treasure.tiers.end()));
    for (int row = 0; row < 10; ++row) {
        QList<Value> r;
        for (int k = 1; k <= 10; ++k) r << w.treasure.list[row * 10 + k];
        v.writeRecord(r);
    }
    out.insert(QStringLiteral("Takara_F"), finish(v, QStringLiteral("Takara_F")));
}

void bosses(const World& w, FileSet& out) {
    ValueWriter v;
    for (const BossDef& b : w.bosses)
        v.writeRecord({text(b.name), b.hp, b.power, b.defence, b.magicDefence, b.spare, b.exp});
    out.insert(QStringLiteral("Bos_F"), finish(v, QStringLiteral("Bos_F")));
}

void growth(const World& w, FileSet& out) {
    ValueWriter v;
    for (const GrowthDef& g : w.growth) {
        QList<Value> r{g.classNo, text(g.className)};
        for (int k : g.g) r << k;
        v.writeRecord(r);
    }
    out.insert(QStringLiteral("Ca_TF"), finish(v, QStringLiteral("Ca_TF")));
}

// The opening file: a title, a version, five spare pairs, twenty (spare, spare, picture) page
// heads, then the text of each page ended by an empty line and followed by one more value.
void opening(const World& w, FileSet& out) {
    ValueWriter v;
    v.writeLine(text(w.opening.title));
    v.writeLine(Value(1));
    for (int k = 0; k < 5; ++k) v.writeRecord({Value(), Value()});
    for (int page = 1; page <= 20; ++page) {
        if (page == 1) {
            v.writeRecord({page, Value(), text(w.opening.picture)});
        } else {
            v.writeRecord({page, Value(), Value()});
        }
    }
    for (int page = 1; page <= 20; ++page) {
        if (page == 1)
            for (const QString& line : w.opening.lines) v.writeLine(text(line));
        v.writeLine(Value());  // the empty line that ends the page
        v.writeLine(Value());  // the value kept as line 20
    }
    out.insert(QStringLiteral("s_f"), finish(v, QStringLiteral("s_f")));
}

}  // namespace

void writeTables(const World& w, FileSet& out) {
    characters(w, out);
    enemies(w, out);
    equipment(w, out);
    items(w, out);
    magic(w, out);
    places(w, out);
    facilities(w, out);
    talks(w, out);
    scenes(w, out);
    blocks(w, out);
    treasure(w, out);
    bosses(w, out);
    growth(w, out);
    opening(w, out);
}

void writeMaps(const World& w, FileSet& out) {
    for (const MapGrid& m : w.maps) {
        ValueWriter v;
        v.writeRecord({m.size, text(m.name), 0, 0, 0, 0});
        for (int y = 0; y <= m.size; ++y) {
            QList<Value> row;
            for (int x = 0; x <= m.size; ++x)
                for (int l = 0; l < 6; ++l) row << m.at(l, x, y);
            v.writeRecord(row);
        }
        out.insert(m.name + QStringLiteral(".map"), finish(v, m.name + QStringLiteral(".map")));
    }
    for (const StairsDef& s : w.stairs) {
        ValueWriter v;
        v.writeRecord({s.type, s.startFloor});
        if (s.type == 0) {
            QList<Value> floors;
            for (const QString& f : s.floorMaps) floors << text(f);
            v.writeRecord(floors);
        } else {
            for (const auto& [x, y] : s.stairs) v.writeRecord({x, y});
        }
        out.insert(s.mapBase, finish(v, s.mapBase));
    }
}
