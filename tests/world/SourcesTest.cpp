// Reading the world's sources: tables, maps with their legends and autotiles, recipes.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "world/ContentLoader.h"
#include "world/Recipe.h"
#include "world/Source.h"

namespace {

// A tiny content folder: a tile catalogue, one map, and nothing else.
class MiniContent {
  public:
    MiniContent() {
        QDir().mkpath(dir_.path() + QStringLiteral("/art"));
        QDir().mkpath(dir_.path() + QStringLiteral("/maps"));
        write(QStringLiteral("art/tiles.txt"),
              "sheet | code | name | solid | painter\n"
              "ground | 1 | grass | no | grass\n"
              "ground | 100 auto | sea | yes | water\n"
              "ground | 200 auto | rock | yes | wall\n"
              "prop | 1 | bush | yes | bush\n"
              "tall | 1 | tree | yes | tree\n");
        write(QStringLiteral("maps/stairs.txt"), "map | type | start | floors\n");
    }
    void write(const QString& name, const QString& text) {
        QFile f(dir_.path() + u'/' + name);
        f.open(QIODevice::WriteOnly | QIODevice::Truncate);
        f.write(text.toUtf8());
    }
    World load() {
        World w;
        loadMaps(dir_.path(), w);
        return w;
    }
    std::string error() {
        try {
            load();
        } catch (const ContentError& e) {
            return e.what();
        }
        return "no error";
    }

  private:
    QTemporaryDir dir_;
};

const char* kLegend =
    "legend\n"
    ". = grass\n"
    "~ = sea\n"
    "T = grass + tree\n"
    "b = grass + bush\n"
    "E = grass : enter 12\n"
    "C = grass : chest\n"
    "B = grass + bush : boss 3\n"
    "K = grass : block 2\n"
    "X = grass : code 6123\n"
    "grid\n";

TEST(MapSources, LegendTilesAndEventsBecomeTheSixLayers) {
    MiniContent c;
    c.write(QStringLiteral("maps/m.txt"), QString("size 2\n") + kLegend + "TbE\nCBK\nX.~\n");
    const World w = c.load();
    const MapGrid& m = w.maps[QStringLiteral("m")];
    EXPECT_EQ(m.size, 2);
    EXPECT_EQ(m.at(0, 0, 0), 1) << "grass under the tree";
    EXPECT_EQ(m.at(4, 0, 0), 1) << "the tree in the tall layer";
    EXPECT_EQ(m.event(0, 0), 100) << "a solid tile blocks without its own event";
    EXPECT_EQ(m.event(1, 0), 100);
    EXPECT_EQ(m.event(2, 0), 212);
    EXPECT_EQ(m.event(0, 1), 700) << "a random chest";
    EXPECT_EQ(m.event(1, 1), 583) << "the named event wins over the solid bush";
    EXPECT_EQ(m.event(2, 1), 552);
    EXPECT_EQ(m.event(0, 2), 6123);
    EXPECT_EQ(m.event(1, 2), 0);
}

TEST(MapSources, AutotilesPickTheirVariantByNeighbours) {
    MiniContent c;
    // A plus of sea in grass: the centre touches sea on all sides, the arms touch grass on three.
    c.write(QStringLiteral("maps/m.txt"),
            QString("size 4\n") + kLegend + ".....\n..~..\n.~~~.\n..~..\n.....\n");
    const World w = c.load();
    const MapGrid& m = w.maps[QStringLiteral("m")];
    EXPECT_EQ(m.at(0, 2, 2), 100) << "no edge in the middle";
    EXPECT_EQ(m.at(0, 2, 1), 100 + 1 + 2 + 8) << "the top arm: grass north, east and west";
    EXPECT_EQ(m.at(0, 1, 2), 100 + 1 + 4 + 8) << "the left arm: grass north, south and west";
    EXPECT_EQ(m.at(0, 2, 3), 100 + 2 + 4 + 8);
    // The map's border counts as the same kind: no shore is drawn against the outside.
    c.write(QStringLiteral("maps/m.txt"), QString("size 2\n") + kLegend + "~~~\n~~~\n~~.\n");
    const World w2 = c.load();
    EXPECT_EQ(w2.maps[QStringLiteral("m")].at(0, 0, 0), 100);
    EXPECT_EQ(w2.maps[QStringLiteral("m")].at(0, 2, 1), 100 + 4);
}

TEST(MapSources, BrokenMapsAreToldWithFileAndLine) {
    MiniContent c;
    c.write(QStringLiteral("maps/m.txt"), QString("size 2\n") + kLegend + "...\n....\n...\n");
    EXPECT_NE(c.error().find("m.txt:14"), std::string::npos) << c.error();
    c.write(QStringLiteral("maps/m.txt"), QString("size 2\n") + kLegend + "...\n...\n");
    EXPECT_NE(c.error().find("2 rows, size 2 needs 3"), std::string::npos) << c.error();
    c.write(QStringLiteral("maps/m.txt"), QString("size 2\n") + kLegend + "...\n.?.\n...\n");
    EXPECT_NE(c.error().find("\"?\" is not in the legend"), std::string::npos) << c.error();
    c.write(QStringLiteral("maps/m.txt"), "size 2\nlegend\n. = grass + sea\ngrid\n...\n...\n...\n");
    EXPECT_NE(c.error().find("same sheet"), std::string::npos) << c.error();
    c.write(QStringLiteral("maps/m.txt"),
            "size 2\nlegend\n. = grass : shop 46\ngrid\n...\n...\n...\n");
    EXPECT_NE(c.error().find("shop takes 1..45"), std::string::npos) << c.error();
    c.write(QStringLiteral("maps/m.txt"), "size 91\nlegend\n. = grass\ngrid\n");
    EXPECT_NE(c.error().find("size runs 2..90"), std::string::npos) << c.error();
}

TEST(MapSources, TheTileCatalogueKeepsEverySheetCellForOneTile) {
    MiniContent c;
    c.write(QStringLiteral("art/tiles.txt"),
            "sheet | code | name | solid | painter\nground | 100 auto | sea | yes | water\nground "
            "| 105 | sand | no | sand\n");
    c.write(QStringLiteral("maps/m.txt"), "size 2\nlegend\n. = sand\ngrid\n...\n...\n...\n");
    EXPECT_NE(c.error().find("taken by \"sea\""), std::string::npos) << c.error();
}

TEST(Recipes, KindSettingsAndSubRecipes) {
    const Recipe r(
        QStringLiteral("chest floor=flagstone f.base=#808080 wood=#a06030 snow size=0.5"));
    EXPECT_EQ(r.kind(), QStringLiteral("chest"));
    EXPECT_EQ(r.color("wood", Qt::black), QColor(0xa0, 0x60, 0x30));
    EXPECT_EQ(r.color("missing", Qt::red), QColor(Qt::red));
    EXPECT_TRUE(r.flag("snow"));
    EXPECT_FALSE(r.flag("rain"));
    EXPECT_DOUBLE_EQ(r.num("size", 1), 0.5);
    const Recipe floor = r.sub(QStringLiteral("floor"), QStringLiteral("f."));
    EXPECT_EQ(floor.kind(), QStringLiteral("flagstone"));
    EXPECT_EQ(floor.color("base", Qt::black), QColor(0x80, 0x80, 0x80));
    EXPECT_FALSE(floor.has("wood"));
}

TEST(Tables, RowsAreReadByColumnNameAndCheckedForShape) {
    QTemporaryDir dir;
    auto table = [&](const QString& text) {
        QFile f(dir.path() + QStringLiteral("/t.txt"));
        f.open(QIODevice::WriteOnly | QIODevice::Truncate);
        f.write(text.toUtf8());
        f.close();
        return SourceTable::read(dir.path() + QStringLiteral("/t.txt"));
    };
    const SourceTable t = table("# comment\nno | name | list\n\n1 | 剣 | 3 4 5\n2 |  |\n");
    ASSERT_EQ(t.rows().size(), 2);
    EXPECT_EQ(t.rows()[0].text("name"), QStringLiteral("剣"));
    EXPECT_EQ(t.rows()[0].integers("list"), QList<int>({3, 4, 5}));
    EXPECT_EQ(t.rows()[1].integer("list", 7), 7) << "an empty cell takes the default";
    EXPECT_THROW(t.rows()[1].integer("name"), ContentError);
    EXPECT_THROW(t.rows()[0].text("price"), ContentError);
    EXPECT_THROW(table("a | b\n1 | 2 | 3\n"), ContentError) << "a row must match the header";
}

}  // namespace
