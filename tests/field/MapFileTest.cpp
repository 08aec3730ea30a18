// Reading map and stairs files, and what a broken one reports.
#include <gtest/gtest.h>

#include <QStringList>
#include <functional>

#include "FieldPrinters.h"
#include "core/GameError.h"
#include "field/MapFile.h"

namespace {
// A map file of the given size whose cell (x, y) holds the six values cell(x, y), one row of
// the map per line as the world's files are laid out.
QByteArray mapFile(const QString& size, int cells,
                   const std::function<QStringList(int, int)>& cell) {
    QStringList lines{size + QStringLiteral(",7,1,2,3,4")};
    for (int y = 0; y < cells; ++y) {
        QStringList row;
        for (int x = 0; x < cells; ++x) row << cell(x, y).join(u',');
        lines << row.join(u',');
    }
    return lines.join(QStringLiteral("\r\n")).toLatin1() + "\r\n";
}

QStringList numbered(int x, int y) {
    QStringList v;
    for (int layer = 0; layer < 6; ++layer) v << QString::number(1000 * (layer + 1) + 10 * y + x);
    return v;
}

// Runs f and returns the error it raises (fails the test when it raises none).
GameError errorOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const GameError& e) {
        return e;
    }
    ADD_FAILURE() << "no GameError was raised";
    return GameError({}, {}, {});
}
}  // namespace

TEST(MapFileReading, ASizeTwoMapHoldsSixPlusFiftyFourValuesInLayerOrder) {
    const MapFileData map = parseMapFile(mapFile("2", 3, numbered), "m.map");
    EXPECT_EQ(map.mapSize, 2);
    EXPECT_EQ(map.header2, Value(7));
    EXPECT_EQ(map.header[3], Value(4));
    ASSERT_EQ(map.cells.size(), 9u);
    EXPECT_FALSE(map.trailingValues);
    // Row by row, column by column, then the six layers in order.
    EXPECT_EQ(map.cell(0, 0)[kGroundLayer], Value(1000));
    EXPECT_EQ(map.cell(2, 1)[kFeatureLayer], Value(2012));
    EXPECT_EQ(map.cell(1, 2)[kTallLayer], Value(5021));
    EXPECT_EQ(map.cell(2, 2)[kEventLayer], Value(6022));
}

TEST(MapFileReading, AnEmptyEventBecomesZeroWhileOtherEmptyLayersStayEmpty) {
    const MapFileData map = parseMapFile(
        mapFile("1", 2, [](int, int) { return QStringList{"", "\"\"", "", "", "", ""}; }), "m.map");
    EXPECT_TRUE(map.cell(1, 1)[kEventLayer].isNumber());
    EXPECT_EQ(map.cell(1, 1)[kEventLayer], Value(0));
    EXPECT_TRUE(map.cell(1, 1)[kGroundLayer].isEmpty());
    EXPECT_TRUE(map.cell(1, 1)[kFeatureLayer].isText());  // the empty text the view turns into 0
}

TEST(MapFileReading, ValuesAfterTheLastCellAreIgnoredButNoticed) {
    QByteArray bytes = mapFile("1", 2, numbered) + "99\r\n";
    const MapFileData map = parseMapFile(bytes, "m.map");
    EXPECT_TRUE(map.trailingValues);
    EXPECT_EQ(map.cell(1, 1)[kEventLayer], Value(6011));
}

TEST(MapFileReading, BrokenFilesNameTheFileAndThePlace) {
    // A size beyond 90 (the view pads ten cells past the edge of grids that end at 100).
    GameError big = errorOf([] { parseMapFile(mapFile("91", 1, numbered), "big.map"); });
    EXPECT_EQ(big.file(), "big.map");
    EXPECT_EQ(big.position(), "line 1, field 1");
    EXPECT_TRUE(big.expected().contains("1 to 90")) << big.expected().toStdString();

    // Sizes below 1: the padding needs the column before the last.
    for (const char* size : {"-1", "0", "abc", ""})
        EXPECT_EQ(errorOf([&] { parseMapFile(mapFile(size, 1, numbered), "s.map"); }).position(),
                  "line 1, field 1")
            << size;

    // One value short: the error points at the end of the last row.
    QByteArray shortFile = mapFile("2", 3, numbered);
    shortFile.chop(QByteArray(",6022\r\n").size());
    GameError cut = errorOf([&] { parseMapFile(shortFile, "cut.map"); });
    EXPECT_EQ(cut.file(), "cut.map");
    EXPECT_EQ(cut.position(), "line 4, field 18");

    // A file that promises a large map but stops after its header.
    EXPECT_EQ(errorOf([] { parseMapFile("90,0,0,0,0,0\r\n", "h.map"); }).position(),
              "line 2, field 1");

    // A tile code that is a word.
    GameError word = errorOf([] {
        parseMapFile(mapFile("1", 2,
                             [](int x, int y) {
                                 return x == 1 && y == 0
                                            ? QStringList{"1", "tree", "0", "0", "0", "0"}
                                            : QStringList{"1", "0", "0", "0", "0", "0"};
                             }),
                     "w.map");
    });
    EXPECT_EQ(word.position(), "line 2, field 8");

    EXPECT_EQ(errorOf([] { readMapFile("/nonexistent/dir/none.map"); }).file(), "none.map");
}

TEST(StairsFileReading, FloorMapsOrStairDestinationsByType) {
    const StairsFileData floors =
        parseStairsFile("0,2\r\nf0,f1,f2,f3,f4,f5,f6,f7,f8,f9,f10\r\n", "dungeon");
    EXPECT_EQ(floors.type, Value(0));
    EXPECT_EQ(floors.startFloor, Value(2));
    EXPECT_EQ(floors.floorMap[10], Value("f10"));

    QByteArray pairs = "1,1\r\n";
    for (int k = 0; k <= 10; ++k)
        pairs += QByteArray::number(10 + k) + "," + QByteArray::number(20 + k) + "\r\n";
    const StairsFileData same = parseStairsFile(pairs, "tower");
    EXPECT_EQ(same.stairX[3], Value(13));
    EXPECT_EQ(same.stairY[10], Value(30));

    // Any other type carries nothing more.
    EXPECT_EQ(parseStairsFile("5,1\r\n", "odd").type, Value(5));

    EXPECT_EQ(errorOf([] { parseStairsFile("0,1\r\na,b,c\r\n", "short"); }).file(), "short");
    EXPECT_EQ(errorOf([] { parseStairsFile("1,1\r\n3,x\r\n", "word"); }).position(),
              "line 2, field 2");
}

TEST(StairsFileReading, TheNameDropsTheMapEndingAndAMissingFileIsNoError) {
    EXPECT_EQ(stairsFileName("mori001.map"), "mori001");
    EXPECT_EQ(stairsFileName(".map"), "");
    EXPECT_EQ(stairsFileName("ab"), "");
    EXPECT_FALSE(readStairsFile("/nonexistent/dir/mori001").has_value());
    // A map named just ".map" would point at the data folder itself: not a stairs file.
    EXPECT_FALSE(readStairsFile(QStringLiteral("/tmp/")).has_value());
}
