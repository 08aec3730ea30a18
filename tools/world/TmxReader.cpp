#include "world/TmxReader.h"

#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QXmlStreamReader>
#include <cmath>

#include "world/LayerData.h"
#include "world/MapCells.h"
#include "world/Source.h"
#include "world/TiledFormat.h"

namespace {

struct TilesetRef {
    std::uint32_t firstGid = 0;
    Sheet sheet = Sheet::Ground;
};

struct LayerCells {
    int line = 0;
    std::vector<std::uint32_t> gids;
};

struct EventObject {
    int line = 0;
    QString name;
    std::optional<QString> code;
    double x = 0, y = 0, width = 0, height = 0;
};

class TmxParser {
  public:
    TmxParser(const QByteArray& bytes, const QString& file, const World& w)
        : x_(bytes), file_(file), w_(w) {}

    TmxMap parse() {
        if (!x_.readNextStartElement() || x_.name() != u"map")
            fail(QStringLiteral("is not a Tiled map (no <map> element)"));
        readMapAttributes();
        readChildren(true);
        checkXml();
        return finish();
    }

  private:
    [[noreturn]] void fail(const QString& message, int line = -1) const {
        throw ContentError(file_, line < 0 ? int(x_.lineNumber()) : line, message);
    }
    [[noreturn]] void failCell(const QString& layer, int line, int cell,
                               const QString& what) const {
        fail(QStringLiteral("layer \"%1\", cell (%2, %3): %4")
                 .arg(layer)
                 .arg(cell % width_)
                 .arg(cell / width_)
                 .arg(what),
             line);
    }

    void checkXml() const {
        if (x_.hasError()) fail(QStringLiteral("is not well-formed: ") + x_.errorString());
    }

    QString attr(const char* name) const {
        return x_.attributes().value(QLatin1String(name)).toString();
    }
    int intAttr(const char* name) const {
        bool ok = false;
        const int v = attr(name).toInt(&ok);
        if (!ok) fail(QStringLiteral("<%1> needs a whole number in %2").arg(x_.name(), name));
        return v;
    }
    double numberAttr(const char* name, double whenMissing) const {
        if (!x_.attributes().hasAttribute(QLatin1String(name))) return whenMissing;
        bool ok = false;
        const double v = attr(name).toDouble(&ok);
        if (!ok) fail(QStringLiteral("<%1> needs a number in %2").arg(x_.name(), name));
        return v;
    }

    void readMapAttributes() {
        if (attr("orientation") != u"orthogonal")
            fail(QStringLiteral("the map is %1; the game's maps are orthogonal")
                     .arg(attr("orientation")));
        if (attr("infinite") == u"1")
            fail(QStringLiteral("the map is infinite; the game's maps have a fixed size"));
        width_ = intAttr("width");
        const int height = intAttr("height");
        if (width_ != height)
            fail(QStringLiteral("the map is %1 × %2 cells; the game's maps are square")
                     .arg(width_)
                     .arg(height));
        if (width_ < 3 || width_ > 91)
            fail(QStringLiteral("the map is %1 cells a side; the game holds 3 to 91").arg(width_));
        if (intAttr("tilewidth") != kTiledCell || intAttr("tileheight") != kTiledCell)
            fail(QStringLiteral("the map's cells are %1 × %2 pixels; the world's are 32 × 32")
                     .arg(attr("tilewidth"), attr("tileheight")));
    }

    // The children of <map> or of a group layer.
    void readChildren(bool atMap) {
        while (x_.readNextStartElement()) {
            const auto name = x_.name();
            if (name == u"properties" && atMap) {
                readProperties(mapProperties_);
            } else if (name == u"tileset" && atMap) {
                readTileset();
            } else if (name == u"layer") {
                readLayer();
            } else if (name == u"objectgroup") {
                readObjects();
            } else if (name == u"group") {
                readChildren(false);
            } else if (name == u"imagelayer") {
                fail(QStringLiteral("image layer \"%1\": the game draws its maps from tiles only")
                         .arg(attr("name")));
            } else {
                x_.skipCurrentElement();
            }
        }
    }

    void readProperties(QMap<QString, QString>& into) {
        while (x_.readNextStartElement()) {
            if (x_.name() == u"property") {
                const QString name = attr("name");
                if (x_.attributes().hasAttribute(QLatin1String("value"))) {
                    into.insert(name, attr("value"));
                    x_.skipCurrentElement();
                } else {
                    into.insert(name, x_.readElementText());  // a text of several lines
                    checkXml();
                }
            } else {
                x_.skipCurrentElement();
            }
        }
    }

    void readTileset() {
        const int firstGid = intAttr("firstgid");
        // An external tileset is known by its file name, an embedded one by its name.
        const QString source = attr("source");
        const QString name = source.isEmpty() ? attr("name") : QFileInfo(source).completeBaseName();
        const auto sheet = sheetOfTileset(name);
        if (!sheet)
            fail(QStringLiteral("tileset \"%1\" is none of the world's (ground, feature, prop, "
                                "block, tall, tall-overhead)")
                     .arg(name));
        if (firstGid < 1)
            fail(QStringLiteral("tileset \"%1\" starts at id %2").arg(name).arg(firstGid));
        tilesets_.append({std::uint32_t(firstGid), *sheet});
        x_.skipCurrentElement();
    }

    void readLayer() {
        const QString name = attr("name");
        const int line = int(x_.lineNumber());
        const auto sheet = sheetOfTileset(name);
        if (!sheet || name == u"tall-overhead")
            fail(QStringLiteral("tile layer \"%1\" is none of ground, feature, prop, block, tall")
                     .arg(name));
        if (layers_.contains(name)) fail(QStringLiteral("tile layer \"%1\" comes twice").arg(name));
        if (intAttr("width") != width_ || intAttr("height") != width_)
            fail(QStringLiteral("layer \"%1\" is %2 × %3 cells, the map %4 × %4")
                     .arg(name, attr("width"), attr("height"))
                     .arg(width_));
        LayerCells cells;
        cells.line = line;
        bool haveData = false;
        while (x_.readNextStartElement()) {
            if (x_.name() != u"data") {
                x_.skipCurrentElement();
                continue;
            }
            haveData = true;
            cells.line = int(x_.lineNumber());
            cells.gids = readData(name);
        }
        if (!haveData) fail(QStringLiteral("layer \"%1\" has no data").arg(name), line);
        layers_.insert(name, cells);
    }

    std::vector<std::uint32_t> readData(const QString& layer) {
        const QString encoding = attr("encoding"), compression = attr("compression");
        const std::size_t cells = std::size_t(width_) * std::size_t(width_);
        if (encoding.isEmpty()) {
            // The old form: one <tile gid="…"/> per cell.
            std::vector<std::uint32_t> gids;
            while (x_.readNextStartElement()) {
                if (x_.name() == u"chunk")
                    fail(QStringLiteral("layer \"%1\" is stored in chunks, as infinite maps are")
                             .arg(layer));
                if (x_.name() == u"tile") {
                    if (gids.size() == cells)
                        fail(QStringLiteral("layer \"%1\" holds more than %2 cells")
                                 .arg(layer)
                                 .arg(cells));
                    gids.push_back(x_.attributes().hasAttribute(QLatin1String("gid"))
                                       ? std::uint32_t(attr("gid").toULongLong())
                                       : 0);
                }
                x_.skipCurrentElement();
            }
            if (gids.size() != cells)
                fail(QStringLiteral("layer \"%1\" holds %2 cells, the map has %3")
                         .arg(layer)
                         .arg(gids.size())
                         .arg(cells));
            return gids;
        }
        const int line = int(x_.lineNumber());
        const QByteArray text = x_.readElementText(QXmlStreamReader::SkipChildElements).toLatin1();
        checkXml();
        QString error;
        auto gids = decodeLayerData(text, encoding, compression, cells, error);
        if (!gids) fail(QStringLiteral("layer \"%1\": %2").arg(layer, error), line);
        return *gids;
    }

    void readObjects() {
        const QString name = attr("name");
        if (name != kEventLayer)
            fail(QStringLiteral("object layer \"%1\": the only object layer is \"events\"")
                     .arg(name));
        while (x_.readNextStartElement()) {
            if (x_.name() != u"object") {
                x_.skipCurrentElement();
                continue;
            }
            EventObject o;
            o.line = int(x_.lineNumber());
            o.name = attr("name").trimmed();
            o.x = numberAttr("x", 0);
            o.y = numberAttr("y", 0);
            o.width = numberAttr("width", 0);
            o.height = numberAttr("height", 0);
            if (x_.attributes().hasAttribute(QLatin1String("gid")))
                fail(QStringLiteral("a tile object (\"%1\") cannot be an event; draw tiles on the "
                                    "tile layers")
                         .arg(o.name));
            QMap<QString, QString> props;
            while (x_.readNextStartElement()) {
                if (x_.name() == u"properties")
                    readProperties(props);
                else
                    x_.skipCurrentElement();
            }
            if (props.contains(kEventCodeProperty)) o.code = props[kEventCodeProperty];
            objects_.append(o);
        }
    }

    // The tile a global id stands for on a layer, checked against the world's catalogue.
    const TileDef* tileOf(std::uint32_t gid, Sheet layer, const QString& layerName, int line,
                          int cell) const {
        if (gid & kGidFlags)
            failCell(layerName, line, cell,
                     QStringLiteral("the tile is flipped or turned; the game draws tiles as "
                                    "they are"));
        const TilesetRef* ref = nullptr;
        for (const TilesetRef& t : tilesets_)
            if (t.firstGid <= gid && (!ref || t.firstGid > ref->firstGid)) ref = &t;
        if (!ref)
            failCell(layerName, line, cell,
                     QStringLiteral("tile id %1 belongs to no tileset").arg(gid));
        if (ref->sheet != layer)
            failCell(layerName, line, cell,
                     QStringLiteral("a tile of the %1 tileset; this layer takes the %2 tileset")
                         .arg(::layerName(ref->sheet), layerName));
        const std::uint32_t local = gid - ref->firstGid;
        const int column = int(local % kTiledColumns);
        const std::uint32_t row = local / kTiledColumns;
        const TileDef* t = row < kTiledRows ? w_.tileAt(layer, column * 100 + int(row)) : nullptr;
        if (!t)
            failCell(layerName, line, cell,
                     QStringLiteral("tile %1 of the %2 tileset (column %3, row %4) is not in "
                                    "the world's tile catalogue")
                         .arg(local)
                         .arg(layerName)
                         .arg(column)
                         .arg(row));
        return t;
    }

    std::optional<StairsDef> stairs(const QString& mapName) const {
        const bool any = mapProperties_.contains(kStairsTypeProperty) ||
                         mapProperties_.contains(kStairsStartProperty) ||
                         mapProperties_.contains(kStairsFloorsProperty);
        if (!any) return std::nullopt;
        for (const QString& p : {kStairsTypeProperty, kStairsStartProperty, kStairsFloorsProperty})
            if (!mapProperties_.contains(p))
                fail(QStringLiteral("the map's stairs need the properties stairs.type, "
                                    "stairs.start and stairs.floors; %1 is missing")
                         .arg(p),
                     0);
        return stairsFrom(mapName, parseInt(mapProperties_[kStairsTypeProperty], file_, 0),
                          parseInt(mapProperties_[kStairsStartProperty], file_, 0),
                          mapProperties_[kStairsFloorsProperty], file_, 0);
    }

    TmxMap finish() const {
        const QString mapName = QFileInfo(file_).completeBaseName();
        std::vector<SourceCell> cells(std::size_t(width_) * std::size_t(width_));
        for (int s = 0; s < kSheetCount; ++s) {
            const QString name = layerName(Sheet(s));
            if (!layers_.contains(name))
                fail(QStringLiteral("the map has no tile layer \"%1\"; it needs ground, feature, "
                                    "prop, block and tall")
                         .arg(name),
                     0);
            const LayerCells& layer = layers_[name];
            for (std::size_t i = 0; i < cells.size(); ++i) {
                const std::uint32_t gid = layer.gids[i];
                // An empty ground cell is ground code 0, as the game reads it.
                if (gid == 0 && s != int(Sheet::Ground)) continue;
                cells[i].tiles[s] = gid == 0 ? w_.tileAt(Sheet::Ground, 0)
                                             : tileOf(gid, Sheet(s), name, layer.line, int(i));
            }
        }
        for (const EventObject& o : objects_) {
            // The cell under the object's middle (a point object: under the point).
            const int cx = int(std::floor((o.x + o.width / 2) / kTiledCell));
            const int cy = int(std::floor((o.y + o.height / 2) / kTiledCell));
            const QString what = o.name.isEmpty() ? QStringLiteral("an event") : o.name;
            if (cx < 0 || cy < 0 || cx >= width_ || cy >= width_)
                fail(QStringLiteral("layer \"events\": %1 lies off the map").arg(what), o.line);
            SourceCell& cell = cells[std::size_t(cy * width_ + cx)];
            auto failHere = [&](const QString& message) {
                fail(QStringLiteral("layer \"events\", cell (%1, %2): %3")
                         .arg(cx)
                         .arg(cy)
                         .arg(message),
                     o.line);
            };
            if (cell.event) failHere(QStringLiteral("two events in one cell"));
            std::optional<int> byName, byCode;
            if (!o.name.isEmpty()) byName = parseEvent(o.name, file_, o.line);
            if (o.code) byCode = parseInt(*o.code, file_, o.line);
            if (!byName && !byCode)
                failHere(
                    QStringLiteral("an event object needs a name such as \"enter 9\" or the "
                                   "property code"));
            if (byName && byCode && *byName != *byCode)
                failHere(QStringLiteral("the name \"%1\" says %2 but the property code says %3")
                             .arg(o.name)
                             .arg(*byName)
                             .arg(*byCode));
            cell.event = byCode ? *byCode : *byName;
        }
        TmxMap out;
        out.grid = buildMapGrid(mapName, file_, width_ - 1, cells);
        out.stairs = stairs(mapName);
        return out;
    }

    QXmlStreamReader x_;
    QString file_;
    const World& w_;
    int width_ = 0;
    QList<TilesetRef> tilesets_;
    QMap<QString, LayerCells> layers_;
    QList<EventObject> objects_;
    QMap<QString, QString> mapProperties_;
};

}  // namespace

TmxMap readTmx(const QByteArray& bytes, const QString& fileName, const World& w) {
    return TmxParser(bytes, fileName, w).parse();
}

TmxMap readTmxFile(const QString& path, const World& w) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) throw ContentError(shortName(path), 0, "cannot be read");
    return readTmx(f.readAll(), shortName(path), w);
}
