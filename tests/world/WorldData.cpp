#include "WorldData.h"

#include <QFile>
#include <QFileInfo>
#include <QSet>

#include "core/ValueReader.h"
#include "support/DataDir.h"
#include "world/ContentLoader.h"

namespace {

ValueReader openIn(const QString& dir, const QString& name) {
    return ValueReader::open(dir + u'/' + name);
}

}  // namespace

WorldData::WorldData(const QString& d) : dir(d) {
    {
        ValueReader in = openIn(dir, "Ca_DataFile");
        while (!in.atEnd()) {
            Character c{};
            c.charNo = in.readInt();
            c.level = in.readInt();
            c.name = in.readText().trimmed();
            in.readText();
            c.classNo = in.readInt();
            for (int k = 0; k < 8; ++k) in.readInt();
            for (int& e : c.equipment) e = in.readInt();
            c.faceNo = in.readInt();
            in.readInt(), in.readInt();
            characters.append(c);
        }
    }
    {
        ValueReader in = openIn(dir, "B_DataFile");
        for (int slot = 1; !in.atEnd(); ++slot) {
            const int no = in.readInt();
            in.readInt();
            const QString name = in.readText().trimmed();
            const int power = in.readInt();
            in.readInt(), in.readInt(), in.readInt(), in.readText();
            const int mask = in.readInt();
            in.readText();
            const int kind = in.readInt();
            in.readText();
            equipment.insert(slot, {no, power, mask, kind});
            equipmentNames.insert(slot, name);
        }
    }
    {
        ValueReader in = openIn(dir, "I_DataFile");
        for (int slot = 1; !in.atEnd(); ++slot) {
            const int no = in.readInt();
            in.readInt(), in.readText();
            const int power = in.readInt();
            in.readInt();
            const int effect = in.readInt();
            in.readText(), in.readText();
            const int keep = in.readInt();
            in.readText();
            items.insert(slot, {no, power, effect, keep});
        }
    }
    {
        ValueReader in = openIn(dir, "M_DataFile");
        for (int slot = 1; !in.atEnd(); ++slot) {
            const int no = in.readInt();
            const int icon = in.readInt();
            in.readText(), in.readInt(), in.readInt(), in.readInt(), in.readText();
            const int kind = in.readInt();
            in.readText();
            const int effect = in.readInt();
            in.readText(), in.readInt(), in.readInt(), in.readText();
            magic.insert(slot, {no, icon, kind, effect});
        }
    }
    {
        ValueReader in = openIn(dir, "En_DataFile2");
        for (int slot = 1; !in.atEnd(); ++slot) {
            const int no = in.readInt();
            in.readInt(), in.readText(), in.readText(), in.readInt();
            const int hp = in.readInt();
            in.readInt(), in.readInt(), in.readInt(), in.readInt();
            const int exp = in.readInt();
            in.readInt();
            enemies.insert(slot, {no, hp, exp});
        }
    }
    {
        ValueReader names = openIn(dir, "timei_F");
        QStringList placeNames;
        while (!names.atEnd()) {
            placeNames << names.readValue().text();
            names.readValue();
        }
        ValueReader in = openIn(dir, "MapEv_F");
        for (int p = 0; !in.atEnd(); ++p) {
            PlaceRow r;
            r.kind = in.readValue();
            r.map = in.readValue();
            r.music = in.readValue();
            r.battleBack = in.readValue();
            r.encounter = in.readValue();
            for (Value& e : r.enemySets) e = in.readValue();
            in.readValue();
            std::array<Value, 8> entry;
            for (Value& e : entry) e = in.readValue();
            r.entryX = entry[0];
            r.entryY = entry[4];
            r.name = placeNames.value(p);
            places.insert(p, r);
        }
    }
    {
        ValueReader in = openIn(dir, "MatiEv_F");
        for (int s = 1; !in.atEnd(); ++s) {
            FacilityRow f;
            in.readValue();
            f.picture = in.readValue().text();
            for (int j = 1; j <= 20; ++j) {
                f.a[j] = in.readValue();
                f.b[j] = in.readValue();
            }
            facilities.insert(s, f);
        }
    }
    {
        ValueReader in = openIn(dir, "Kaiwa_F");
        for (int s = 1; !in.atEnd(); ++s) {
            TalkRow t;
            for (int k = 0; k <= 5; ++k) {
                const Value v = in.readValue();
                if (k == 4) t.face = v;
            }
            for (int k = 1; k <= 10; ++k) t.lines << in.readValue().text();
            talks.insert(s, t);
        }
    }
    {
        ValueReader in = openIn(dir, "Sene_F");
        for (int n = 1; !in.atEnd(); ++n) {
            SceneRow s;
            s.picture = in.readValue().text();
            in.readValue();
            for (int j = 1;; ++j) {
                const Value line = in.readValue();
                if (line.isBlank()) break;
                s.lines << line.text();
                std::array<Value, 11> params;
                for (Value& v : params) v = in.readValue();
                s.faces << params[4];
                if (j == 1) s.shortText = params[8], s.threshold = params[9];
            }
            scenes.insert(n, s);
        }
    }
    {
        ValueReader in = openIn(dir, "KEv_F");
        for (int i = 1; !in.atEnd(); ++i) {
            std::array<Value, 4> b;
            for (Value& v : b) v = in.readValue();
            blocks.insert(i, b);
        }
    }
    {
        ValueReader in = openIn(dir, "Takara_F");
        takaraMode = in.readValue();
        in.readValue();
        for (Value& v : takaraTiers) v = in.readValue();
        for (int t = 1; t <= 100; ++t) takaraList[t] = in.readValue();
    }
    {
        ValueReader in = openIn(dir, "Bos_F");
        while (!in.atEnd()) {
            QList<Value> row;
            for (int k = 0; k < 7; ++k) row << in.readValue();
            bosses << row;
        }
    }
    {
        ValueReader in = openIn(dir, "Ca_TF");
        while (!in.atEnd()) {
            for (int k = 0; k < 10; ++k) in.readValue();
            ++growthRows;
        }
    }
    {
        ValueReader in = openIn(dir, "s_f");
        in.readValue(), in.readValue();
        for (int k = 0; k < 10; ++k) in.readValue();
        for (int page = 1; page <= 20; ++page) {
            in.readValue(), in.readValue();
            const QString pic = in.readValue().text();
            if (page == 1) openingPicture = pic;
        }
        for (int line = 0; line <= 20; ++line) {
            const Value v = in.readValue();
            if (v.isBlank()) break;
            openingLines << v.text();
        }
    }
}

bool WorldData::has(const QString& name) const {
    return QFileInfo(path(name)).isFile();
}

QImage WorldData::picture(const QString& name) const {
    QImage img(path(name));
    return img.isNull() ? img : img.convertToFormat(QImage::Format_RGB32);
}

MapFile WorldData::map(const QString& fileName) const {
    ValueReader in = openIn(dir, fileName);
    MapFile m;
    m.name = fileName;
    m.size = int(in.readValue().num());
    for (int k = 0; k < 5; ++k) in.readValue();
    const int n = m.size + 1;
    for (auto& l : m.layers) l.assign(n * n, 0);
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x)
            for (int l = 0; l < 6; ++l) m.layers[l][y * n + x] = int(in.readValue().num());
    if (!in.atEnd()) in.fail(QStringLiteral("the end of the map"));
    return m;
}

bool WorldData::hasStairs(const QString& mapFile) const {
    return has(mapFile.chopped(4));
}

StairsFile WorldData::stairs(const QString& mapFile) const {
    ValueReader in = openIn(dir, mapFile.chopped(4));
    StairsFile s;
    s.type = in.readInt();
    s.startFloor = in.readInt();
    for (int k = 0; k <= 10; ++k) {
        if (s.type == 0) {
            s.floorMaps << in.readText();
        } else {
            const int x = in.readInt();
            s.destinations.append({x, in.readInt()});
        }
    }
    return s;
}

QStringList WorldData::mapFiles() const {
    QStringList out;
    for (const PlaceRow& p : places)
        if (!p.map.isBlank()) out << p.map.text() + QStringLiteral(".map");
    for (const QString& f : fieldMapFiles()) out << f;
    out.removeDuplicates();
    return out;
}

QStringList WorldData::fieldMapFiles() const {
    QStringList out;
    for (auto it = places.constBegin(); it != places.constEnd(); ++it) {
        if (it.key() < 8 || it->map.isBlank()) continue;
        const QString f = it->map.text() + QStringLiteral(".map");
        out << f;
        if (hasStairs(f) && stairs(f).type == 0)
            for (const QString& floor : stairs(f).floorMaps) out << floor + QStringLiteral(".map");
    }
    out.removeDuplicates();
    return out;
}

const WorldData& sampleWorld() {
    static const WorldData w(sampleWorldDir());
    return w;
}

const World& contentModel() {
    static const World w = loadWorld(QStringLiteral(HOSHIKAGE_CONTENT_DIR));
    return w;
}
