// The data files the screens read on their own: conditional blocks, treasure, bosses, growth and
// the opening text.
#include <gtest/gtest.h>

#include "core/ScreenDataFiles.h"
#include "core/ShiftJis.h"
#include "support/Errors.h"
#include "support/SmallWorld.h"

namespace {
ValueReader stream(const QString& file, const QString& text) {
    return ValueReader(toShiftJis(text), file);
}
template <class T>
T readText(T (*reader)(ValueReader&), const QString& file, const QString& text) {
    ValueReader in = stream(file, text);
    return reader(in);
}
}  // namespace

TEST(BlockFile, ReadsRecordsOfFourUntilTheEnd) {
    BlockTable t = readText(&readBlockTable, "KEv_F", "閉じた扉,開いた,1,3\r\n岩,砕けた,2,5\r\n");
    EXPECT_EQ(t.count, 2);
    EXPECT_EQ(t.KEvTextA[1], Value("閉じた扉"));
    EXPECT_EQ(t.KEvTextB[2], Value("砕けた"));
    EXPECT_EQ(t.KEvKind[2], Value(2));
    EXPECT_EQ(t.KEvNeed[2], Value(5));
    EXPECT_TRUE(t.KEvTextA[3].isEmpty());
}

TEST(BlockFile, StopsAfterThirtyRecords) {
    QString text;
    for (int i = 1; i <= 31; ++i) text += QStringLiteral("a%1,b,1,0\r\n").arg(i);
    BlockTable t = readText(&readBlockTable, "KEv_F", text);
    EXPECT_EQ(t.count, 30);
    EXPECT_EQ(t.KEvTextA[30], Value("a30"));
}

TEST(BlockFile, RecordCutShortIsAnError) {
    GameError e = errorFrom([] { readText(&readBlockTable, "KEv_F", "a,b,1,0\r\nc,d\r\n"); });
    EXPECT_EQ(e.file(), "KEv_F");
}

TEST(TreasureFile, EmptyFileHoldsNothing) {
    EXPECT_FALSE(readText(&readTreasureTable, "Takara_F", "").present);
}

TEST(TreasureFile, ReadsModeTiersAndFixedTreasures) {
    QString text = "1,x,250,4,,,,";
    for (int k = 1; k <= 100; ++k) text += QStringLiteral(",%1").arg(k + 100);
    TreasureTable t = readText(&readTreasureTable, "Takara_F", text);
    EXPECT_TRUE(t.present);
    EXPECT_EQ(t.TakaraMode, Value(1));
    EXPECT_EQ(t.TakaraSpare, Value("x"));
    EXPECT_EQ(t.TakaraTier[0], Value(250));
    EXPECT_EQ(t.TakaraTier[1], Value(4));
    EXPECT_TRUE(t.TakaraTier[2].isEmpty());
    EXPECT_EQ(t.TakaraList[1], Value(101));
    EXPECT_EQ(t.TakaraList[100], Value(200));
}

TEST(TreasureFile, MustHoldAllValuesOnceStarted) {
    QString text = "0,0,100,1,2,3,4,5";
    for (int k = 1; k <= 99; ++k) text += ",1";
    GameError e = errorFrom([&] { readText(&readTreasureTable, "Takara_F", text); });
    EXPECT_EQ(e.file(), "Takara_F");
}

TEST(BossFile, ReadsTenRowsOfSeven) {
    QString text;
    for (int b = 1; b <= 10; ++b)
        text += QStringLiteral("ボス%1,%2,10,5,4,x,%3\r\n").arg(b).arg(b * 100).arg(b * 7);
    BossTable t = readText(&readBossTable, "Bos_F", text);
    EXPECT_EQ(t.rows[1].BossName, Value("ボス1"));
    EXPECT_EQ(t.rows[10].BossHP, 1000);
    EXPECT_EQ(t.rows[10].BossPower, 10);
    EXPECT_EQ(t.rows[10].BossDefence, 5);
    EXPECT_EQ(t.rows[10].BossMagicDefence, 4);
    EXPECT_EQ(t.rows[10].BossExp, 70);
}

TEST(BossFile, NineRowsOrALetterInANumberAreErrors) {
    QString nine;
    for (int b = 1; b <= 9; ++b) nine += "ボス,100,10,5,4,0,50\r\n";
    EXPECT_EQ(errorFrom([&] { readText(&readBossTable, "Bos_F", nine); }).file(), "Bos_F");
    GameError e = errorFrom([&] { readText(&readBossTable, "Bos_F", "ボス,1OO,10,5,4,0,50"); });
    EXPECT_EQ(e.position(), "line 1, field 2");
}

TEST(GrowthFile, ReadsRowsUntilTheEnd) {
    GrowthTable t =
        readText(&readGrowthTable, "Ca_TF", "1,戦士,5,1,2,3,4,5,6,7\r\n2,魔法,1,6,0,0,3,1,0,2\r\n");
    EXPECT_EQ(t.count, 2);
    EXPECT_EQ(t.rows[1].Growth[1], 5);
    EXPECT_EQ(t.rows[1].Growth[8], 7);
    EXPECT_EQ(t.rows[2].Spare2, Value("魔法"));
    EXPECT_EQ(t.rows[2].Growth[2], 6);
}

TEST(GrowthFile, GrowthValuesAreSixteenBitWholeNumbers) {
    GameError e =
        errorFrom([] { readText(&readGrowthTable, "Ca_TF", "1,a,5,1,2,3,4,5,6,70000\r\n"); });
    EXPECT_EQ(e.file(), "Ca_TF");
    EXPECT_EQ(e.position(), "line 1, field 10");
}

namespace {
// An opening file: the header, the pictures, then each page's text as given.
QString openingFile(const QStringList& page1Values) {
    QStringList v{"0", "0"};
    for (int k = 0; k < 10; ++k) v << "0";
    for (int page = 1; page <= 20; ++page)
        v << "0"
          << "0" << QStringLiteral("p%1.bmp").arg(page);
    v << page1Values;
    for (int page = 2; page <= 20; ++page)
        v << ""
          << "end";
    return v.join("\r\n") + "\r\n";
}
}  // namespace

TEST(OpeningFile, EmptyFileHoldsNothing) {
    EXPECT_FALSE(readText(&readOpeningData, "s_f", "").present);
}

TEST(OpeningFile, PageLinesRunToTheEmptyLineAndOneMoreValueIsLineTwenty) {
    OpeningData d = readText(&readOpeningData, "s_f",
                             openingFile({"一", "二", "三", "四", "五", "", "おわり"}));
    EXPECT_EQ(d.OpeningPicture[1], Value("p1.bmp"));
    EXPECT_EQ(d.OpeningPicture[20], Value("p20.bmp"));
    EXPECT_EQ(d.OpeningText(1, 0), Value("一"));
    EXPECT_EQ(d.OpeningText(1, 4), Value("五"));
    EXPECT_TRUE(d.OpeningText(1, 5).isBlank());
    EXPECT_TRUE(d.OpeningText(1, 6).isBlank());
    EXPECT_EQ(d.OpeningText(1, 20), Value("おわり"));
    EXPECT_TRUE(d.OpeningText(2, 0).isBlank());
    EXPECT_EQ(d.OpeningText(20, 20), Value("end"));
}

TEST(OpeningFile, FullPageLosesItsLastLineToTheExtraValue) {
    QStringList lines;
    for (int j = 0; j <= 20; ++j) lines << QStringLiteral("行%1").arg(j);
    lines << "追加";
    OpeningData d = readText(&readOpeningData, "s_f", openingFile(lines));
    EXPECT_EQ(d.OpeningText(1, 19), Value("行19"));
    EXPECT_EQ(d.OpeningText(1, 20), Value("追加"));
    EXPECT_TRUE(d.OpeningText(2, 0).isBlank());
}

TEST(OpeningFile, FileCutShortIsAnError) {
    GameError e = errorFrom([] { readText(&readOpeningData, "s_f", "0,0,0,0,0\r\n"); });
    EXPECT_EQ(e.file(), "s_f");
}
