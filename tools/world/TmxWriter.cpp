#include "world/TmxWriter.h"

#include <QXmlStreamWriter>

#include "art/Paint.h"
#include "world/Generator.h"
#include "world/MapCells.h"
#include "world/Source.h"
#include "world/TiledFormat.h"

namespace {

const QString kTiledVersion = QStringLiteral("1.8");

QString tilesetPath(Sheet s, TiledView view) {
    return QStringLiteral("tilesets/") + tilesetName(s, view) + QStringLiteral(".tsx");
}

void property(QXmlStreamWriter& x, const QString& name, const QString& type, const QString& value) {
    x.writeStartElement(QStringLiteral("property"));
    x.writeAttribute(QStringLiteral("name"), name);
    if (!type.isEmpty()) x.writeAttribute(QStringLiteral("type"), type);
    x.writeAttribute(QStringLiteral("value"), value);
    x.writeEndElement();
}

void stairsProperties(QXmlStreamWriter& x, const StairsDef& s) {
    x.writeStartElement(QStringLiteral("properties"));
    property(x, kStairsFloorsProperty, QString(), floorsText(s));
    property(x, kStairsStartProperty, QStringLiteral("int"), QString::number(s.startFloor));
    property(x, kStairsTypeProperty, QStringLiteral("int"), QString::number(s.type));
    x.writeEndElement();
}

// The global id standing for a code of a layer; code 0 of the layers above the ground is none.
std::uint32_t gidOf(Sheet s, int code) {
    if (code == 0 && s != Sheet::Ground) return 0;
    return std::uint32_t(tiledFirstGid(s) + tiledLocalId(code));
}

// A masked sheet as Tiled can show it: the picture where the mask is black, see-through where it
// is white.
QImage seeThrough(const QImage& image, const QImage& mask) {
    QImage out(image.size(), QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y)
        for (int x = 0; x < out.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            const int alpha = 255 - qGray(mask.pixel(x, y));
            out.setPixel(x, y, qRgba(qRed(p), qGreen(p), qBlue(p), alpha));
        }
    return out;
}

struct TilesetPicture {
    QString file;
    QImage image;
};

QByteArray tsx(const World& w, Sheet s, TiledView view, const TilesetPicture& pic) {
    const int cell = s == Sheet::Tall ? kTiledTall : kTiledCell;
    QByteArray out;
    QXmlStreamWriter x(&out);
    x.setAutoFormatting(true);
    x.setAutoFormattingIndent(1);
    x.writeStartDocument();
    x.writeStartElement(QStringLiteral("tileset"));
    x.writeAttribute(QStringLiteral("version"), kTiledVersion);
    x.writeAttribute(QStringLiteral("name"), tilesetName(s, view));
    x.writeAttribute(QStringLiteral("tilewidth"), QString::number(cell));
    x.writeAttribute(QStringLiteral("tileheight"), QString::number(cell));
    const int rows = pic.image.height() / cell;
    x.writeAttribute(QStringLiteral("tilecount"), QString::number(rows * kTiledColumns));
    x.writeAttribute(QStringLiteral("columns"), QString::number(kTiledColumns));
    if (s == Sheet::Tall) {
        // Tiled stands a large tile on its cell's bottom-left corner; the game sets it 16 (8)
        // pixels left of the cell and 24 (8) above.
        const QPoint offset = view == TiledView::Field ? QPoint(-16, 8) : QPoint(-8, 24);
        x.writeEmptyElement(QStringLiteral("tileoffset"));
        x.writeAttribute(QStringLiteral("x"), QString::number(offset.x()));
        x.writeAttribute(QStringLiteral("y"), QString::number(offset.y()));
    }
    x.writeEmptyElement(QStringLiteral("image"));
    x.writeAttribute(QStringLiteral("source"), pic.file);
    x.writeAttribute(QStringLiteral("width"), QString::number(pic.image.width()));
    x.writeAttribute(QStringLiteral("height"), QString::number(pic.image.height()));
    QMap<int, const TileDef*> tiles;
    QMap<int, int> variants;
    for (const TileDef& t : w.tiles) {
        if (t.sheet != s) continue;
        for (int v = 0; v < (t.autotile ? 16 : 1); ++v) {
            tiles.insert(tiledLocalId(t.code + v), &t);
            variants.insert(tiledLocalId(t.code + v), v);
        }
    }
    for (auto it = tiles.constBegin(); it != tiles.constEnd(); ++it) {
        x.writeStartElement(QStringLiteral("tile"));
        x.writeAttribute(QStringLiteral("id"), QString::number(it.key()));
        x.writeStartElement(QStringLiteral("properties"));
        property(x, QStringLiteral("name"), QString(), it.value()->name);
        property(x, QStringLiteral("solid"), QStringLiteral("bool"),
                 it.value()->solid ? QStringLiteral("true") : QStringLiteral("false"));
        if (it.value()->autotile)
            property(x, QStringLiteral("variant"), QStringLiteral("int"),
                     QString::number(variants[it.key()]));
        x.writeEndElement();
        x.writeEndElement();
    }
    x.writeEndElement();
    x.writeEndDocument();
    return out;
}

}  // namespace

QByteArray writeTmx(const World& w, const MapGrid& m, LayerFormat format) {
    const TiledView view = viewOf(w, m.name);
    const int n = m.size + 1;
    QByteArray out;
    QXmlStreamWriter x(&out);
    x.setAutoFormatting(true);
    x.setAutoFormattingIndent(1);
    x.writeStartDocument();

    // The events the tiles do not imply, row by row.
    struct EventObject {
        int x, y, code;
    };
    QList<EventObject> events;
    for (int y = 0; y < n; ++y)
        for (int cx = 0; cx < n; ++cx)
            if (m.event(cx, y) != defaultEvent(tilesOfCell(w, m, cx, y)))
                events.append({cx, y, m.event(cx, y)});

    x.writeStartElement(QStringLiteral("map"));
    x.writeAttribute(QStringLiteral("version"), kTiledVersion);
    x.writeAttribute(QStringLiteral("orientation"), QStringLiteral("orthogonal"));
    x.writeAttribute(QStringLiteral("renderorder"), QStringLiteral("right-down"));
    x.writeAttribute(QStringLiteral("width"), QString::number(n));
    x.writeAttribute(QStringLiteral("height"), QString::number(n));
    x.writeAttribute(QStringLiteral("tilewidth"), QString::number(kTiledCell));
    x.writeAttribute(QStringLiteral("tileheight"), QString::number(kTiledCell));
    x.writeAttribute(QStringLiteral("infinite"), QStringLiteral("0"));
    x.writeAttribute(QStringLiteral("nextlayerid"), QString::number(kSheetCount + 2));
    x.writeAttribute(QStringLiteral("nextobjectid"), QString::number(events.size() + 1));
    if (w.stairs.contains(m.name)) stairsProperties(x, w.stairs[m.name]);
    for (int s = 0; s < kSheetCount; ++s) {
        x.writeEmptyElement(QStringLiteral("tileset"));
        x.writeAttribute(QStringLiteral("firstgid"), QString::number(tiledFirstGid(Sheet(s))));
        x.writeAttribute(QStringLiteral("source"), tilesetPath(Sheet(s), view));
    }
    for (int s = 0; s < kSheetCount; ++s) {
        x.writeStartElement(QStringLiteral("layer"));
        x.writeAttribute(QStringLiteral("id"), QString::number(s + 1));
        x.writeAttribute(QStringLiteral("name"), layerName(Sheet(s)));
        x.writeAttribute(QStringLiteral("width"), QString::number(n));
        x.writeAttribute(QStringLiteral("height"), QString::number(n));
        std::vector<std::uint32_t> gids;
        gids.reserve(std::size_t(n * n));
        for (int y = 0; y < n; ++y)
            for (int cx = 0; cx < n; ++cx) gids.push_back(gidOf(Sheet(s), m.at(s, cx, y)));
        x.writeStartElement(QStringLiteral("data"));
        x.writeAttribute(QStringLiteral("encoding"), encodingName(format));
        if (!compressionName(format).isEmpty())
            x.writeAttribute(QStringLiteral("compression"), compressionName(format));
        x.writeCharacters(QString::fromLatin1(encodeLayerData(gids, n, format)));
        x.writeEndElement();
        x.writeEndElement();
    }
    x.writeStartElement(QStringLiteral("objectgroup"));
    x.writeAttribute(QStringLiteral("id"), QString::number(kSheetCount + 1));
    x.writeAttribute(QStringLiteral("name"), kEventLayer);
    for (int i = 0; i < events.size(); ++i) {
        const EventObject& e = events[i];
        x.writeStartElement(QStringLiteral("object"));
        x.writeAttribute(QStringLiteral("id"), QString::number(i + 1));
        x.writeAttribute(QStringLiteral("name"), eventName(e.code));
        x.writeAttribute(QStringLiteral("x"), QString::number(e.x * kTiledCell));
        x.writeAttribute(QStringLiteral("y"), QString::number(e.y * kTiledCell));
        x.writeAttribute(QStringLiteral("width"), QString::number(kTiledCell));
        x.writeAttribute(QStringLiteral("height"), QString::number(kTiledCell));
        x.writeStartElement(QStringLiteral("properties"));
        property(x, kEventCodeProperty, QStringLiteral("int"), QString::number(e.code));
        x.writeEndElement();
        x.writeEndElement();
    }
    x.writeEndElement();
    x.writeEndElement();
    x.writeEndDocument();
    return out;
}

FileSet tiledTilesets(const World& w) {
    const TileSheets s = drawTileSheets(w);
    const TilesetPicture pictures[] = {
        {QStringLiteral("ticp01.bmp"), s.ground},
        {QStringLiteral("tip100.bmp"), s.feature},
        {QStringLiteral("tip200.png"), seeThrough(s.propImage, s.propMask)},
        {QStringLiteral("tip300.png"), seeThrough(s.blockImage, s.blockMask)},
        {QStringLiteral("tip400.png"), seeThrough(s.tallImage, s.tallMask)},
    };
    FileSet out;
    for (int sheet = 0; sheet < kSheetCount; ++sheet) {
        const TilesetPicture& pic = pictures[sheet];
        out.insert(QStringLiteral("tilesets/") + pic.file,
                   pic.file.endsWith(u"bmp") ? encodeBmp(pic.image) : encodePng(pic.image));
        for (TiledView view : {TiledView::Field, TiledView::Overhead})
            out.insert(tilesetPath(Sheet(sheet), view), tsx(w, Sheet(sheet), view, pic));
    }
    return out;
}

FileSet tiledExport(const World& w, const QStringList& maps) {
    FileSet out = tiledTilesets(w);
    for (const QString& name : maps.isEmpty() ? w.maps.keys() : maps) {
        if (!w.maps.contains(name))
            throw ContentError(name, 0, QStringLiteral("is not a map of this world"));
        out.insert(name + QStringLiteral(".tmx"), writeTmx(w, w.maps[name]));
    }
    return out;
}
