// The writers of the data files, on small worlds built by hand: record layouts the game's
// readers depend on, slots without content, and the opening file's odd shape.

#include <gtest/gtest.h>

#include "core/GameError.h"
#include "core/ValueReader.h"
#include "world/DataWriter.h"

namespace {

ValueReader reader(const FileSet& files, const char* name) {
    return ValueReader(files.value(QString::fromUtf8(name)), QString::fromUtf8(name));
}

TEST(DataWriter, TablesWithGapsKeepEveryRecordInItsSlot) {
    World w;
    MagicRecord fire;
    fire.MagicNo = 1, fire.MagicIcon = 1, fire.MagicName = QStringLiteral("ファイア"),
    fire.MagicKind = 1;
    MagicRecord heal = fire;
    heal.MagicNo = 4, heal.MagicName = QStringLiteral("ヒール"), heal.MagicKind = 2;
    w.magic.insert(1, fire);
    w.magic.insert(4, heal);
    FileSet out;
    writeTables(w, out);
    ValueReader in = reader(out, "M_DataFile");
    QList<int> numbers;
    while (!in.atEnd()) {
        numbers << in.readInt();
        for (int k = 0; k < 13; ++k)
            k == 1 || k == 5 || k == 7 || k == 9 || k == 12 ? (void)in.readText()
                                                            : (void)in.readInt();
    }
    // Records fill slots one after the other: slots 2 and 3 must hold empty records so that
    // spell 4 lands in slot 4.
    EXPECT_EQ(numbers, QList<int>({1, 0, 0, 4}));
}

TEST(DataWriter, EnemiesAreStoredWithTheirAttackBeforeTheirName) {
    World w;
    EnemyRecord e;
    e.EnemyNo = 1, e.EnemyName = QStringLiteral("ぷるぷる"), e.EnemyAttack = 3, e.EnemyHP = 16,
    e.EnemyExp = 12;
    w.enemies.insert(0, e);
    FileSet out;
    writeTables(w, out);
    ValueReader in = reader(out, "En_DataFile2");
    EXPECT_EQ(in.readInt(), 1);
    EXPECT_EQ(in.readInt(), 3) << "the attack roll is read second";
    EXPECT_EQ(in.readText(), QStringLiteral("ぷるぷる"));
}

TEST(DataWriter, ScenesEndWithAnEmptyLineAndKeepTheirShortTextOnLineOne) {
    World w;
    SceneDef s;
    s.no = 2;
    s.picture = QStringLiteral("p.jpeg");
    s.threshold = 1;
    s.shortText = QStringLiteral("短い");
    s.pages = {{QStringLiteral("一"), 5}, {QStringLiteral("二"), std::nullopt}};
    w.scenes.insert(2, s);
    FileSet out;
    writeTables(w, out);
    ValueReader in = reader(out, "Sene_F");
    // Scene 1 has no content: picture, title and an empty first line.
    EXPECT_TRUE(in.readValue().isBlank());
    EXPECT_TRUE(in.readValue().isBlank());
    EXPECT_TRUE(in.readValue().isBlank());
    EXPECT_EQ(in.readText(), QStringLiteral("p.jpeg"));
    in.readValue();
    EXPECT_EQ(in.readText(), QStringLiteral("一"));
    std::array<Value, 11> params;
    for (Value& v : params) v = in.readValue();
    EXPECT_EQ(params[4], Value(5));
    EXPECT_EQ(params[8], Value(QStringLiteral("短い")));
    EXPECT_EQ(params[9], Value(1));
    EXPECT_EQ(in.readText(), QStringLiteral("二"));
    for (Value& v : params) v = in.readValue();
    EXPECT_TRUE(params[4].isBlank());
    EXPECT_TRUE(in.readValue().isBlank()) << "the empty line that ends the scene";
    EXPECT_TRUE(in.atEnd());
}

TEST(DataWriter, TheOpeningHoldsItsPageAfterTwentyPageHeads) {
    World w;
    w.opening.title = QStringLiteral("星影の旅路");
    w.opening.picture = QStringLiteral("opening.jpeg");
    w.opening.lines = {QStringLiteral("一行目"), QStringLiteral("二行目"),
                       QStringLiteral("三行目")};
    FileSet out;
    writeTables(w, out);
    ValueReader in = reader(out, "s_f");
    for (int k = 0; k < 12; ++k) in.readValue();
    in.readValue(), in.readValue();
    EXPECT_EQ(in.readText(), QStringLiteral("opening.jpeg"));
    for (int k = 0; k < 19 * 3; ++k) in.readValue();
    EXPECT_EQ(in.readText(), QStringLiteral("一行目"));
    in.readValue(), in.readValue();
    EXPECT_TRUE(in.readValue().isBlank()) << "the first empty line ends page 1";
    // Then one value for line 20 of page 1, and an empty page plus its extra value for pages
    // 2..20: all empty, and exactly that many.
    for (int k = 0; k < 1 + 19 * 2; ++k) EXPECT_TRUE(in.readValue().isBlank()) << k;
    EXPECT_THROW(in.readValue(), GameError) << "nothing after the twentieth page";
}

TEST(DataWriter, MapFilesHoldSixValuesPerCellRowByRow) {
    World w;
    MapGrid m;
    m.name = QStringLiteral("tiny");
    m.size = 1;
    for (auto& l : m.layers) l.assign(4, 0);
    m.at(0, 1, 0) = 7;    // ground of column 1, row 0
    m.at(5, 0, 1) = 100;  // event of column 0, row 1
    w.maps.insert(m.name, m);
    StairsDef s;
    s.mapBase = QStringLiteral("tiny");
    s.type = 1;
    for (int k = 0; k <= 10; ++k) s.stairs.append({k, 2 * k});
    w.stairs.insert(s.mapBase, s);
    FileSet out;
    writeMaps(w, out);
    ValueReader in = reader(out, "tiny.map");
    EXPECT_EQ(in.readInt(), 1);
    for (int k = 0; k < 5; ++k) in.readValue();
    QList<int> cells;
    while (!in.atEnd()) cells << in.readInt();
    ASSERT_EQ(cells.size(), 24);
    EXPECT_EQ(cells[6], 7) << "second cell of the first row, ground";
    EXPECT_EQ(cells[12 + 5], 100) << "first cell of the second row, event";
    ValueReader st = reader(out, "tiny");
    EXPECT_EQ(st.readInt(), 1);
    EXPECT_EQ(st.readInt(), 1);
    for (int k = 0; k <= 10; ++k) {
        EXPECT_EQ(st.readInt(), k);
        EXPECT_EQ(st.readInt(), 2 * k);
    }
}

}  // namespace
