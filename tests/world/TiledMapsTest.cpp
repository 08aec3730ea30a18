// Maps drawn in Tiled: every map of the sample world goes out as TMX and comes back as the same
// map and stairs files, whatever layer format Tiled saved it in; mistakes in a TMX map are told
// with the map, layer and cell.

#include <gtest/gtest.h>

#include <QRegularExpression>

#include "GameMapFiles.h"
#include "WorldData.h"
#include "world/DataWriter.h"
#include "world/MapCells.h"
#include "world/Source.h"
#include "world/TiledFormat.h"
#include "world/TmxReader.h"
#include "world/TmxWriter.h"

namespace {

std::string errorOf(const QByteArray& tmx, const QString& file = QStringLiteral("small.tmx")) {
    try {
        readTmx(tmx, file, contentModel());
    } catch (const ContentError& e) {
        return e.what();
    }
    return "no error";
}

// A small exported map to spoil in the tests below: the old shrine, CSV-encoded.
QByteArray shrineTmx() {
    return writeTmx(contentModel(), contentModel().maps[QStringLiteral("hokora01")]);
}

QByteArray replaced(QByteArray tmx, const QByteArray& from, const QByteArray& to) {
    EXPECT_TRUE(tmx.contains(from)) << from.toStdString();
    return tmx.replace(tmx.indexOf(from), from.size(), to);
}

TEST(TiledMaps, EverySampleMapComesBackAsTheSameFilesInEveryLayerFormat) {
    const World& w = contentModel();
    int i = 0;
    for (const QString& name : w.maps.keys()) {
        for (LayerFormat f :
             {LayerFormat::Csv, LayerFormat::Base64, LayerFormat::Zlib, LayerFormat::Gzip}) {
            SCOPED_TRACE(name.toStdString() + " format " + std::to_string(int(f)));
            const TmxMap back = readTmx(writeTmx(w, w.maps[name], f), name + ".tmx", w);
            EXPECT_EQ(gameMapFiles(back.grid, back.stairs), gameMapFiles(w, name));
        }
        ++i;
    }
    EXPECT_EQ(i, 13) << "every map of the sample world";
}

TEST(TiledMaps, AutotilesTakeTheirShoresFromTheirNeighboursWhateverWasDrawn) {
    // An author paints water with any of its sixteen pieces; the shores come out as in the text
    // maps.
    const World& w = contentModel();
    const MapGrid& world = w.maps[QStringLiteral("Map_f01")];
    MapGrid plain = world;
    int autotiles = 0;
    for (int y = 0; y <= plain.size; ++y)
        for (int x = 0; x <= plain.size; ++x)
            if (const TileDef* t = w.tileAt(Sheet::Ground, plain.at(0, x, y)); t && t->autotile) {
                autotiles += plain.at(0, x, y) != t->code;
                plain.at(0, x, y) = t->code;
            }
    ASSERT_GT(autotiles, 20);
    const TmxMap back = readTmx(writeTmx(w, plain), QStringLiteral("Map_f01.tmx"), w);
    EXPECT_EQ(back.grid.layers, world.layers);
}

TEST(TiledMaps, EventsAreObjectsNamedAsTheTextMapsNameThem) {
    const QByteArray tmx = shrineTmx();
    // The shrine's way back up and its boss, each an object with a readable name and its code.
    EXPECT_TRUE(tmx.contains("name=\"back\"")) << tmx.left(2000).toStdString();
    EXPECT_TRUE(QString::fromUtf8(tmx).contains(
        QRegularExpression(QStringLiteral("name=\"boss \\d+\"[^>]*>\\s*<properties>\\s*<property "
                                          "name=\"code\" type=\"int\" value=\"58\\d\"/>"))));
    // Walls that solid tiles imply are not written out one by one.
    EXPECT_FALSE(tmx.contains("name=\"wall\""));

    // An author may give an event by its name alone, or by its code alone.
    const QByteArray byName =
        replaced(tmx, "<property name=\"code\" type=\"int\" value=\"302\"/>", "");
    const QByteArray byCode = replaced(tmx, "name=\"back\"", "name=\"\"");
    const MapGrid& shrine = contentModel().maps[QStringLiteral("hokora01")];
    EXPECT_EQ(readTmx(byName, "hokora01.tmx", contentModel()).grid.layers, shrine.layers);
    EXPECT_EQ(readTmx(byCode, "hokora01.tmx", contentModel()).grid.layers, shrine.layers);
}

TEST(TiledMaps, StairsTravelInTheMapsProperties) {
    const World& w = contentModel();
    for (const QString& name : {QStringLiteral("dokutu01"), QStringLiteral("tou02")}) {
        const QByteArray tmx = writeTmx(w, w.maps[name]);
        EXPECT_TRUE(tmx.contains("stairs.floors")) << name.toStdString();
        const TmxMap back = readTmx(tmx, name + ".tmx", w);
        ASSERT_TRUE(back.stairs) << name.toStdString();
        EXPECT_EQ(floorsText(*back.stairs), floorsText(w.stairs[name]));
    }
    EXPECT_FALSE(readTmx(shrineTmx(), "hokora01.tmx", w).stairs);
}

TEST(TiledMaps, BadMapsAreToldWithTheMapLayerAndCell) {
    const QByteArray good = shrineTmx();
    // The first ground cell holds tile id 1 + its local id; find the first row of the layer.
    const int data = good.indexOf("<data encoding=\"csv\">") + 22;
    const int comma = good.indexOf(',', data);
    const QByteArray firstGround = good.mid(data, comma - data).trimmed();
    auto firstCell = [&](const QByteArray& gid) {
        QByteArray t = good;
        return t.replace(data, comma - data, "\n" + gid);
    };
    struct Case {
        const char* what;
        QByteArray tmx;
        const char* message;
    };
    const Case cases[] = {
        {"unknown tile", firstCell("999"), "small.tmx:"},
        {"unknown tile names the cell", firstCell("999"),
         "layer \"ground\", cell (0, 0): tile 998 of the ground tileset"},
        {"tile of another sheet", firstCell("2004"),
         "layer \"ground\", cell (0, 0): a tile of the prop tileset"},
        {"flipped tile", firstCell(QByteArray::number(0x80000000u + firstGround.toUInt())),
         "cell (0, 0): the tile is flipped"},
        {"too few cells", firstCell(""),
         "layer \"ground\": the data holds 624 cells, the layer has 625"},
        {"not square", replaced(good, "height=\"25\"", "height=\"24\""), "25 × 24 cells"},
        {"too big",
         replaced(replaced(good, "width=\"25\"", "width=\"92\""), "height=\"25\"", "height=\"92\""),
         "92 cells a side; the game holds 3 to 91"},
        {"layer of the wrong size",
         replaced(good, "name=\"prop\" width=\"25\"", "name=\"prop\" width=\"26\""),
         "layer \"prop\" is 26 × 25 cells"},
        {"missing layer", replaced(good, "name=\"block\"", "name=\"decor\""),
         "tile layer \"decor\" is none of"},
        {"no tall layer",
         [&] {
             QByteArray t = good;
             const int from = t.indexOf("<layer id=\"5\"");
             return t.remove(from, t.indexOf("</layer>", from) + 8 - from);
         }(),
         "no tile layer \"tall\""},
        {"isometric", replaced(good, "orthogonal", "isometric"), "the map is isometric"},
        {"infinite", replaced(good, "infinite=\"0\"", "infinite=\"1\""), "the map is infinite"},
        {"16-pixel cells", replaced(good, "tilewidth=\"32\"", "tilewidth=\"16\""),
         "16 × 32 pixels"},
        {"unknown tileset", replaced(good, "tilesets/prop.tsx", "tilesets/props.tsx"),
         "tileset \"props\" is none of"},
        {"broken base64", replaced(good, "<data encoding=\"csv\">", "<data encoding=\"base64\">"),
         "layer \"ground\": the Base64 data is broken"},
        {"zstd",
         replaced(good, "<data encoding=\"csv\">",
                  "<data encoding=\"base64\" compression=\"zstd\">"),
         "compressed with \"zstd\" cannot be read"},
        {"unknown event", replaced(good, "name=\"back\"", "name=\"teleport\""),
         "unknown event \"teleport\""},
        {"name and code disagree", replaced(good, "name=\"back\"", "name=\"world\""),
         "the name \"world\" says 301 but the property code says 302"},
        {"event off the map", replaced(good, "name=\"back\" x=\"", "name=\"back\" x=\"9"),
         "layer \"events\": back lies off the map"},
        {"other object layer", replaced(good, "name=\"events\"", "name=\"notes\""),
         "object layer \"notes\""},
        {"not a map", QByteArray("<tileset/>"), "is not a Tiled map"},
        {"broken XML", good.left(good.size() / 2), "is not well-formed"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_NE(errorOf(c.tmx).find(c.message), std::string::npos) << errorOf(c.tmx);
    }
}

// The first layer's data of a TMX map, with the data replaced by `to` when given.
QByteArray firstLayerData(QByteArray& tmx, const std::optional<QByteArray>& to = std::nullopt) {
    const int at = tmx.indexOf("compression=\"zlib\">") + 19;
    const int length = tmx.indexOf("</data>", at) - at;
    const QByteArray data = tmx.mid(at, length);
    if (to) tmx.replace(at, length, *to);
    return data;
}

TEST(TiledMaps, CompressedLayersNeverHoldMoreThanTheirCells) {
    // A zlib layer of a whole map where the map is 3 × 3: refused, not read past its end.
    const World& w = contentModel();
    MapGrid big = w.maps[QStringLiteral("hokora01")];
    QByteArray bigTmx = writeTmx(w, big, LayerFormat::Zlib);
    const QByteArray zlibGround = firstLayerData(bigTmx);
    MapGrid small = big;
    small.size = 2;
    for (auto& layer : small.layers) layer.assign(9, 0);
    QByteArray smallTmx = writeTmx(w, small, LayerFormat::Zlib);
    firstLayerData(smallTmx, zlibGround);
    EXPECT_NE(errorOf(smallTmx).find("holds more than the layer's cells"), std::string::npos)
        << errorOf(smallTmx);
    // Cut short, it is broken.
    firstLayerData(bigTmx, zlibGround.left(zlibGround.size() / 2));
    EXPECT_NE(errorOf(bigTmx).find("layer \"ground\": the "), std::string::npos) << errorOf(bigTmx);
}

}  // namespace
