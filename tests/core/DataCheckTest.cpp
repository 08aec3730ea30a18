// The data check: a sound directory passes; every problem is listed with its file and position;
// the check changes nothing.
#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QRegularExpression>
#include <cstdio>

#include "core/DataCheck.h"
#include "support/DataDir.h"
#include "support/SmallWorld.h"

namespace {
class DataCheck : public ::testing::Test {
  protected:
    DataCheck() { writeSmallWorld(data); }
    DataDir data;

    // Every problem that starts with prefix.
    QStringList problemsOf(const DataCheckResult& r, const QString& prefix) {
        QStringList out;
        for (const QString& p : r.problems)
            if (p.startsWith(prefix)) out << p;
        return out;
    }
};

// Name, size and modification time of every file below dir.
QStringList snapshot(const QString& dir) {
    QStringList out;
    QDirIterator it(dir, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFileInfo f(it.next());
        out << QStringLiteral("%1 %2 %3")
                   .arg(f.filePath())
                   .arg(f.size())
                   .arg(f.lastModified().toMSecsSinceEpoch());
    }
    out.sort();
    return out;
}

// Runs the printing check into a temporary file; returns the exit status and the lines.
std::pair<int, QStringList> runPrinted(const QString& dir) {
    std::FILE* out = std::tmpfile();
    const int status = runDataCheck(dir, out);
    std::rewind(out);
    QByteArray bytes;
    char buf[512];
    while (std::size_t n = std::fread(buf, 1, sizeof buf, out)) bytes.append(buf, qsizetype(n));
    std::fclose(out);
    return {status, QString::fromUtf8(bytes).split(u'\n', Qt::SkipEmptyParts)};
}
}  // namespace

TEST_F(DataCheck, SoundDirectoryPasses) {
    DataCheckResult r = checkDataDir(data.path());
    EXPECT_TRUE(r.ok()) << r.problems.join("\n").toStdString();
    EXPECT_EQ(r.dataFiles, 16);
    EXPECT_EQ(r.maps, 2);
    EXPECT_EQ(r.music, 2);
    EXPECT_EQ(r.pictures, 24);
}

TEST_F(DataCheck, EveryBrokenFileIsReportedWithItsPosition) {
    data.write("Ca_DataFile", "0,1,アレン,戦士,X,30,5,5,8,4,6,5,5,1,2,0,0,0,1,0,0\r\n");
    data.remove("Bos_F");
    data.write("s_f", "0,0,0\r\n");
    data.write("MatiEv_F", "1,inn01.bmp,10\r\n");
    DataCheckResult r = checkDataDir(data.path());
    EXPECT_FALSE(r.ok());
    EXPECT_EQ(problemsOf(r, "Ca_DataFile: line 1, field 5: a whole number").size(), 1)
        << r.problems.join("\n").toStdString();
    EXPECT_EQ(problemsOf(r, "Bos_F: opening: ").size(), 1);
    EXPECT_EQ(problemsOf(r, "s_f: line 2, field 1: ").size(), 1);
    EXPECT_EQ(problemsOf(r, "MatiEv_F: line 2, field 1: ").size(), 1);
    EXPECT_EQ(r.problems.size(), 4) << r.problems.join("\n").toStdString();
}

TEST_F(DataCheck, MissingMapsPicturesAndMusicAreNamedWithTheirReference) {
    data.remove("mori001.map");
    data.remove("bgm02.wav");
    data.remove("sc01.bmp");
    data.remove("op01.bmp");
    data.remove("tip300x.bmp");
    DataCheckResult r = checkDataDir(data.path());
    EXPECT_EQ(r.problems.size(), 5) << r.problems.join("\n").toStdString();
    EXPECT_TRUE(
        r.problems.contains("MapEv_F: place 1: the map file \"mori001.map\" in the data folder"));
    EXPECT_TRUE(
        r.problems.contains("MapEv_F: place 1: the music file \"bgm02.wav\" in the data folder"));
    EXPECT_TRUE(
        r.problems.contains("Sene_F: scene 1: the picture file \"sc01.bmp\" in the data folder"));
    EXPECT_TRUE(
        r.problems.contains("s_f: page 1: the picture file \"op01.bmp\" in the data folder"));
    EXPECT_TRUE(r.problems.contains(
        "tip300x.bmp: data folder: the picture file \"tip300x.bmp\" in the data folder"));
}

TEST_F(DataCheck, MapsAreReadWithTheirStairsAndFloorMaps) {
    QStringList shortMap = smallMap();
    shortMap.removeLast();
    data.writeLines("mori001.map", shortMap);
    data.writeLines("Map_f01.map", smallMap() << "7");
    // The world map's stairs name two floors: one that is there, one that is not.
    data.writeLines("Map_f01", {"0", "1", "mori001", "cave01", "", "", "", "", "", "", "", "", ""});
    DataCheckResult r = checkDataDir(data.path());
    EXPECT_TRUE(r.problems.contains("Map_f01.map: after the last cell: no more values"))
        << r.problems.join("\n").toStdString();
    EXPECT_EQ(problemsOf(r, "mori001.map: line ").size(), 1);
    EXPECT_TRUE(
        r.problems.contains("Map_f01: floor 1: the map file \"cave01.map\" in the data folder"));
    EXPECT_EQ(r.problems.size(), 3);
    EXPECT_EQ(r.dataFiles, 17);  // the stairs file counts
}

TEST_F(DataCheck, FieldCellsNamingMissingBlocksBossesOrTreasureAreReported) {
    // A field map: block 2 (the file has one), boss 15, chest 5 (no find), a random chest (the
    // tiers leave out tier 1), and chest 7, which is fine.
    QStringList field{"2,0,0,0,0,0"};
    for (const char* event : {"552", "595", "705", "700", "707", "0", "0", "0", "0"})
        field << QStringLiteral("100,0,0,0,0,") + QLatin1String(event);
    data.writeLines("mori001.map", field);
    data.writeLines("Takara_F", {"0,0,100,,2,,,", record(100, [](int k) {
                                     return k == 4 ? QString() : QStringLiteral("101");
                                 })});
    // The overhead world map's cells are the town screen's: not read as field events.
    QStringList world = smallMap();
    world[1] = "100,0,0,0,0,552";
    data.writeLines("Map_f01.map", world);
    DataCheckResult r = checkDataDir(data.path());
    EXPECT_EQ(r.problems,
              (QStringList{"mori001.map: cell (0, 0): a conditional block with a row in "
                           "\"KEv_F\", found block 2 (the file has 1)",
                           "mori001.map: cell (1, 0): a boss within 1..10, found boss 15",
                           "mori001.map: cell (2, 0): a treasure number with a find in "
                           "\"Takara_F\", found 5",
                           "mori001.map: cell (0, 1): a random treasure drawing from \"Takara_F\", "
                           "which needs mode 0, 1 or 2 and tiers 0, 1, … with none left out"}))
        << r.problems.join("\n").toStdString();
}

TEST_F(DataCheck, BrokenStairsFileIsReported) {
    data.writeLines("mori001", {"1", "1", "5", "6"});  // type 1 wants eleven pairs
    DataCheckResult r = checkDataDir(data.path());
    ASSERT_EQ(r.problems.size(), 1);
    EXPECT_TRUE(r.problems[0].startsWith("mori001: ")) << r.problems[0].toStdString();
}

TEST_F(DataCheck, TablesThatDoNotFitTogetherAreReported) {
    data.writeLines("Ca_DataFile", {"0,1,アレン,戦士,1,30,5,5,8,4,6,5,5,140,2,0,0,0,1,0,0",
                                    "1,1,リナ,魔法使い,5,20,15,3,3,9,5,5,6,0,0,0,0,0,2,0,0"});
    data.writeLines("MapEv_F",
                    {"1,Map_f01,bgm01.wav,bb01.jpg,多い,1,1,1,1,1,1,1,1,1,120,0,5,0,0,0,7,0,0,0"});
    DataCheckResult r = checkDataDir(data.path());
    EXPECT_TRUE(
        r.problems.contains("Ca_DataFile: character 0, equipment slot 1: an equipment "
                            "number within 0..100, found 140"))
        << r.problems.join("\n").toStdString();
    EXPECT_EQ(problemsOf(r, "Ca_TF: row 5: a growth row for class 5 (character 1)").size(), 1);
    EXPECT_EQ(problemsOf(r, "MapEv_F: place 0, encounter rate: a number").size(), 1);
    EXPECT_EQ(problemsOf(r, "MapEv_F: place 0, enemy set 9: an enemy code within 0..99").size(), 1);
    // With place 1 gone from "MapEv_F", the map name of "timei_F" is the one the game would use.
    EXPECT_TRUE(
        r.problems.contains("MapEv_F: place 1: the map file \"old01.map\" in the data folder"));
    EXPECT_EQ(r.problems.size(), 5) << r.problems.join("\n").toStdString();
}

TEST_F(DataCheck, ChangesNothing) {
    data.remove("Kaiwa_F");
    const QStringList before = snapshot(data.path());
    checkDataDir(data.path());
    EXPECT_EQ(snapshot(data.path()), before);
}

TEST_F(DataCheck, PrintsProblemsAndExitsOneOrPrintsASummaryAndExitsZero) {
    auto [okStatus, okLines] = runPrinted(data.path());
    EXPECT_EQ(okStatus, 0);
    ASSERT_EQ(okLines.size(), 1);
    EXPECT_TRUE(okLines[0].endsWith("no problems")) << okLines[0].toStdString();

    data.remove("Ca_TF");
    data.remove("01x.bmp");
    auto [badStatus, badLines] = runPrinted(data.path());
    EXPECT_EQ(badStatus, 1);
    EXPECT_TRUE(
        badLines.contains("01x.bmp: data folder: the picture file \"01x.bmp\" in the data folder"));
    EXPECT_EQ(badLines.filter(QRegularExpression("^Ca_TF: opening: ")).size(), 1);
}

TEST_F(DataCheck, MissingFolderIsOneProblem) {
    DataCheckResult r = checkDataDir(data.path() + "/nowhere");
    ASSERT_EQ(r.problems.size(), 1);
    EXPECT_TRUE(r.problems[0].endsWith("a data folder"));
}

TEST(SampleWorld, PassesTheDataCheck) {
    if (!QFileInfo(sampleWorldDir() + "/MapEv_F").exists())
        GTEST_SKIP() << "the sample world has not been generated";
    DataCheckResult r = checkDataDir(sampleWorldDir());
    EXPECT_TRUE(r.ok()) << r.problems.join("\n").toStdString();
}
