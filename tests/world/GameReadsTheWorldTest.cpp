// The game's own readers on the generated world: the data check finds nothing to complain
// about, and every table reads back exactly as the sources describe it.

#include <gtest/gtest.h>

#include <memory>

#include "WorldData.h"
#include "core/DataCheck.h"
#include "core/MasterTables.h"
#include "core/ScreenDataFiles.h"
#include "core/TableFiles.h"
#include "field/MapFile.h"
#include "support/DataDir.h"
#include "world/ContentLoader.h"

namespace {

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
    for (int c = 0; c < contentModel().characters.size(); ++c) {
        CharacterRecord read = t.CharacterTable[c];
        read.CharName = trimmed(read.CharName);
        read.ClassName = trimmed(read.ClassName);
        EXPECT_EQ(read, contentModel().characters[c]) << "character " << c;
    }
    for (const EquipRecord& e : contentModel().equipment) {
        EquipRecord read = t.EquipTable[e.EquipNo];
        read.EquipName = trimmed(read.EquipName);
        read.EquipText = trimmed(read.EquipText);
        read.EquipSpare52 = trimmed(read.EquipSpare52);
        read.EquipSpare74 = trimmed(read.EquipSpare74);
        EXPECT_EQ(read, e) << "equipment " << e.EquipNo;
    }
    for (const ItemRecord& i : contentModel().items) {
        ItemRecord read = t.ItemTable[i.ItemNo];
        read.ItemName = trimmed(read.ItemName);
        read.ItemText = trimmed(read.ItemText);
        read.ItemSpare50 = trimmed(read.ItemSpare50);
        read.ItemSpare70 = trimmed(read.ItemSpare70);
        EXPECT_EQ(read, i) << "item " << i.ItemNo;
    }
    for (const MagicRecord& m : contentModel().magic) {
        MagicRecord read = t.MagicTable[m.MagicNo];
        read.MagicName = trimmed(read.MagicName);
        read.MagicText = trimmed(read.MagicText);
        read.MagicSpare50 = trimmed(read.MagicSpare50);
        read.MagicSpare72 = trimmed(read.MagicSpare72);
        read.MagicSpare94 = trimmed(read.MagicSpare94);
        EXPECT_EQ(read, m) << "spell " << m.MagicNo;
    }
    for (auto it = contentModel().enemies.constBegin(); it != contentModel().enemies.constEnd();
         ++it) {
        EnemyRecord read = t.EnemyTable[it.key() + 1];
        read.EnemyName = trimmed(read.EnemyName);
        read.EnemyPicture = trimmed(read.EnemyPicture);
        EXPECT_EQ(read, it.value()) << "encounter code " << it.key();
    }
}

TEST(GameReadsTheWorld, PlacesFacilitiesTalksAndScenesReadBackAsWritten) {
    const MasterTables& t = tables();
    for (const PlaceDef& p : contentModel().places) {
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
    for (const FacilityDef& f : contentModel().facilities) {
        EXPECT_EQ(t.BuildingPicture[f.no], Value(f.picture));
        for (int j = 0; j < f.pairs.size(); ++j) {
            EXPECT_EQ(t.BuildingA(f.no, j + 1), f.pairs[j].first) << "facility " << f.no;
            EXPECT_EQ(t.BuildingB(f.no, j + 1), f.pairs[j].second) << "facility " << f.no;
        }
        EXPECT_TRUE(t.BuildingA(f.no, f.pairs.size() + 1).isBlank()) << "the list ends";
    }
    for (const TalkDef& s : contentModel().talks) {
        EXPECT_EQ(t.TalkHead(s.speaker, 4), Value(s.face));
        for (int j = 0; j < s.lines.size(); ++j)
            EXPECT_EQ(t.TalkLine(s.speaker, j + 1), Value(s.lines[j]));
    }
    for (const SceneDef& s : contentModel().scenes) {
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
    EXPECT_EQ(blocks.count, contentModel().blocks.size());
    for (const BlockDef& b : contentModel().blocks) {
        EXPECT_EQ(blocks.KEvTextA[b.no], Value(b.textA));
        EXPECT_EQ(blocks.KEvNeed[b.no], Value(b.need));
        EXPECT_EQ(blocks.KEvKind[b.no], Value(b.kind));
    }
    ValueReader takara = ValueReader::open(sampleWorldDir() + QStringLiteral("/Takara_F"));
    const TreasureTable tr = readTreasureTable(takara);
    EXPECT_TRUE(tr.present);
    for (int k = 0; k <= 5; ++k) EXPECT_EQ(tr.TakaraTier[k], contentModel().treasure.tiers[k]);
    for (int k = 1; k <= 100; ++k)
        EXPECT_EQ(tr.TakaraList[k], contentModel().treasure.list[k]) << k;
    ValueReader bos = ValueReader::open(sampleWorldDir() + QStringLiteral("/Bos_F"));
    const BossTable bosses = readBossTable(bos);
    for (const BossDef& b : contentModel().bosses) {
        EXPECT_EQ(bosses.rows[b.no].BossName, Value(b.name));
        EXPECT_EQ(bosses.rows[b.no].BossHP, b.hp);
        EXPECT_EQ(bosses.rows[b.no].BossExp, b.exp);
    }
    ValueReader growth = ValueReader::open(sampleWorldDir() + QStringLiteral("/Ca_TF"));
    const GrowthTable g = readGrowthTable(growth);
    ASSERT_EQ(g.count, contentModel().growth.size());
    for (const GrowthDef& row : contentModel().growth)
        for (int k = 0; k < 8; ++k) EXPECT_EQ(g.rows[row.classNo].Growth[k + 1], row.g[k]);
    ValueReader sf = ValueReader::open(sampleWorldDir() + QStringLiteral("/s_f"));
    const OpeningData op = readOpeningData(sf);
    EXPECT_EQ(op.OpeningPicture[1], Value(contentModel().opening.picture));
    for (int j = 0; j < contentModel().opening.lines.size(); ++j)
        EXPECT_EQ(op.OpeningText(1, j), Value(contentModel().opening.lines[j]));
    EXPECT_TRUE(op.OpeningText(1, contentModel().opening.lines.size()).isBlank())
        << "the page ends";
}

TEST(GameReadsTheWorld, EveryMapAndStairsFileReadsWithTheFieldsReaders) {
    for (const MapGrid& m : contentModel().maps) {
        SCOPED_TRACE(m.name.toStdString());
        const MapFileData read =
            readMapFile(sampleWorldDir() + u'/' + m.name + QStringLiteral(".map"));
        ASSERT_EQ(read.mapSize, m.size);
        EXPECT_FALSE(read.trailingValues);
        for (int y = 0; y <= m.size; ++y)
            for (int x = 0; x <= m.size; ++x)
                for (int l = 0; l < kMapLayerCount; ++l)
                    ASSERT_EQ(read.cell(x, y)[l], Value(m.at(l, x, y)))
                        << x << "," << y << " layer " << l;
        const auto stairs = readStairsFile(sampleWorldDir() + u'/' +
                                           stairsFileName(m.name + QStringLiteral(".map")));
        ASSERT_EQ(stairs.has_value(), contentModel().stairs.contains(m.name));
        if (!stairs) continue;
        const StairsDef& s = contentModel().stairs[m.name];
        EXPECT_EQ(stairs->type, Value(s.type));
        EXPECT_EQ(stairs->startFloor, Value(s.startFloor));
        for (int k = 0; k <= 10; ++k) {
            if (s.type == 0) {
                EXPECT_EQ(stairs->floorMap[k], Value(s.floorMaps[k]));
            } else {
                EXPECT_EQ(stairs->stairX[k], Value(s.stairs[k].first));
                EXPECT_EQ(stairs->stairY[k], Value(s.stairs[k].second));
            }
        }
    }
}

}  // namespace
