// The game's own readers on the generated world: the data check finds nothing to complain
// about, and every table reads back exactly as the sources describe it.

#include <gtest/gtest.h>

#include <memory>

#include "core/DataCheck.h"
#include "core/MasterTables.h"
#include "core/ScreenDataFiles.h"
#include "core/TableFiles.h"
#include "support/DataDir.h"
#include "world/ContentLoader.h"

namespace {

const World& model() {
    static const World w = loadWorld(QStringLiteral(HOSHIKAGE_CONTENT_DIR));
    return w;
}

const MasterTables& tables() {
    static const std::unique_ptr<MasterTables> t = [] {
        auto t = std::make_unique<MasterTables>();
        for (const TableFile& f : tableFiles(MasterFileNames{}))
            readTableFile(sampleWorldDir() + u'/', f, *t);
        return t;
    }();
    return *t;
}

QString trimmed(const QString& s) {
    return s.trimmed();
}

TEST(GameReadsTheWorld, TheDataCheckFindsNoProblem) {
    const DataCheckResult r = checkDataDir(sampleWorldDir());
    EXPECT_TRUE(r.ok()) << r.problems.join(u'\n').toStdString();
    EXPECT_GE(r.maps, 10);
    EXPECT_GE(r.music, 10);
}

TEST(GameReadsTheWorld, RecordsReadBackAsWritten) {
    const MasterTables& t = tables();
    for (int c = 0; c < model().characters.size(); ++c) {
        CharacterRecord read = t.CharacterTable[c];
        read.CharName = trimmed(read.CharName);
        read.ClassName = trimmed(read.ClassName);
        EXPECT_EQ(read, model().characters[c]) << "character " << c;
    }
    for (const EquipRecord& e : model().equipment) {
        EquipRecord read = t.EquipTable[e.EquipNo];
        read.EquipName = trimmed(read.EquipName);
        read.EquipText = trimmed(read.EquipText);
        read.EquipSpare52 = trimmed(read.EquipSpare52);
        read.EquipSpare74 = trimmed(read.EquipSpare74);
        EXPECT_EQ(read, e) << "equipment " << e.EquipNo;
    }
    for (const ItemRecord& i : model().items) {
        ItemRecord read = t.ItemTable[i.ItemNo];
        read.ItemName = trimmed(read.ItemName);
        read.ItemText = trimmed(read.ItemText);
        read.ItemSpare50 = trimmed(read.ItemSpare50);
        read.ItemSpare70 = trimmed(read.ItemSpare70);
        EXPECT_EQ(read, i) << "item " << i.ItemNo;
    }
    for (const MagicRecord& m : model().magic) {
        MagicRecord read = t.MagicTable[m.MagicNo];
        read.MagicName = trimmed(read.MagicName);
        read.MagicText = trimmed(read.MagicText);
        read.MagicSpare50 = trimmed(read.MagicSpare50);
        read.MagicSpare72 = trimmed(read.MagicSpare72);
        read.MagicSpare94 = trimmed(read.MagicSpare94);
        EXPECT_EQ(read, m) << "spell " << m.MagicNo;
    }
    for (auto it = model().enemies.constBegin(); it != model().enemies.constEnd(); ++it) {
        EnemyRecord read = t.EnemyTable[it.key() + 1];
        read.EnemyName = trimmed(read.EnemyName);
        read.EnemyPicture = trimmed(read.EnemyPicture);
        EXPECT_EQ(read, it.value()) << "encounter code " << it.key();
    }
}

TEST(GameReadsTheWorld, PlacesFacilitiesTalksAndScenesReadBackAsWritten) {
    const MasterTables& t = tables();
    for (const PlaceDef& p : model().places) {
        SCOPED_TRACE(QStringLiteral("place %1").arg(p.no).toStdString());
        EXPECT_EQ(t.PlaceName[p.no], Value(p.name));
        EXPECT_EQ(t.PlaceMap[p.no], Value(p.map));
        EXPECT_EQ(t.PlaceKind[p.no], Value(p.kind));
        EXPECT_EQ(t.PlaceBgm[p.no], Value(p.music));
        EXPECT_EQ(t.PlaceEncounter[p.no], Value(p.encounter));
        EXPECT_EQ(t.PlaceEntry(p.no, 0), Value(p.entryX));
        EXPECT_EQ(t.PlaceEntry(p.no, 4), Value(p.entryY));
        for (int k = 0; k < p.enemySets.size(); ++k)
            EXPECT_EQ(t.PlaceEnemySet(p.no, k), Value(p.enemySets[k]));
    }
    for (const FacilityDef& f : model().facilities) {
        EXPECT_EQ(t.BuildingPicture[f.no], Value(f.picture));
        for (int j = 0; j < f.pairs.size(); ++j) {
            EXPECT_EQ(t.BuildingA(f.no, j + 1), f.pairs[j].first) << "facility " << f.no;
            EXPECT_EQ(t.BuildingB(f.no, j + 1), f.pairs[j].second) << "facility " << f.no;
        }
        EXPECT_TRUE(t.BuildingA(f.no, f.pairs.size() + 1).isBlank()) << "the list ends";
    }
    for (const TalkDef& s : model().talks) {
        EXPECT_EQ(t.TalkHead(s.speaker, 4), Value(s.face));
        for (int j = 0; j < s.lines.size(); ++j)
            EXPECT_EQ(t.TalkLine(s.speaker, j + 1), Value(s.lines[j]));
    }
    for (const SceneDef& s : model().scenes) {
        SCOPED_TRACE(QStringLiteral("scene %1").arg(s.no).toStdString());
        EXPECT_EQ(t.ScenePicture[s.no], Value(s.picture));
        for (int j = 0; j < s.pages.size(); ++j) {
            EXPECT_EQ(t.SceneLine(s.no, j + 1), Value(s.pages[j].text));
            EXPECT_EQ(t.SceneParam(s.no, j + 1, 4),
                      s.pages[j].face ? Value(*s.pages[j].face) : Value());
        }
        EXPECT_TRUE(t.SceneLine(s.no, s.pages.size() + 1).isBlank());
        EXPECT_EQ(t.SceneParam(s.no, 1, 9), s.threshold ? Value(*s.threshold) : Value());
        EXPECT_EQ(t.SceneParam(s.no, 1, 8), s.shortText.isEmpty() ? Value() : Value(s.shortText));
    }
}

TEST(GameReadsTheWorld, TheScreensOwnFilesReadBackAsWritten) {
    ValueReader kev = ValueReader::open(sampleWorldDir() + QStringLiteral("/KEv_F"));
    const BlockTable blocks = readBlockTable(kev);
    EXPECT_EQ(blocks.count, model().blocks.size());
    for (const BlockDef& b : model().blocks) {
        EXPECT_EQ(blocks.KEvTextA[b.no], Value(b.textA));
        EXPECT_EQ(blocks.KEvNeed[b.no], Value(b.need));
        EXPECT_EQ(blocks.KEvKind[b.no], Value(b.kind));
    }
    ValueReader takara = ValueReader::open(sampleWorldDir() + QStringLiteral("/Takara_F"));
    const TreasureTable tr = readTreasureTable(takara);
    EXPECT_TRUE(tr.present);
    for (int k = 0; k <= 5; ++k) EXPECT_EQ(tr.TakaraTier[k], model().treasure.tiers[k]);
    for (int k = 1; k <= 100; ++k) EXPECT_EQ(tr.TakaraList[k], model().treasure.list[k]) << k;
    ValueReader bos = ValueReader::open(sampleWorldDir() + QStringLiteral("/Bos_F"));
    const BossTable bosses = readBossTable(bos);
    for (const BossDef& b : model().bosses) {
        EXPECT_EQ(bosses.rows[b.no].BossName, Value(b.name));
        EXPECT_EQ(bosses.rows[b.no].BossHP, b.hp);
        EXPECT_EQ(bosses.rows[b.no].BossExp, b.exp);
    }
    ValueReader growth = ValueReader::open(sampleWorldDir() + QStringLiteral("/Ca_TF"));
    const GrowthTable g = readGrowthTable(growth);
    ASSERT_EQ(g.count, model().growth.size());
    for (const GrowthDef& row : model().growth)
        for (int k = 0; k < 8; ++k) EXPECT_EQ(g.rows[row.classNo].Growth[k + 1], row.g[k]);
    ValueReader sf = ValueReader::open(sampleWorldDir() + QStringLiteral("/s_f"));
    const OpeningData op = readOpeningData(sf);
    EXPECT_EQ(op.OpeningPicture[1], Value(model().opening.picture));
    for (int j = 0; j < model().opening.lines.size(); ++j)
        EXPECT_EQ(op.OpeningText(1, j), Value(model().opening.lines[j]));
    EXPECT_TRUE(op.OpeningText(1, model().opening.lines.size()).isBlank()) << "the page ends";
}

}  // namespace
