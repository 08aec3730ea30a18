// The readers of the master tables: field layout, fixed-width texts, loop limits, the scene
// terminator, and how a broken file is reported.
#include <gtest/gtest.h>

#include <memory>

#include "core/MasterTables.h"
#include "core/ShiftJis.h"
#include "core/TableFiles.h"
#include "support/Errors.h"

namespace {
ValueReader stream(const QString& file, const QString& text) {
    return ValueReader(toShiftJis(text), file);
}

class TableReaders : public ::testing::Test {
  protected:
    std::unique_ptr<MasterTables> t = std::make_unique<MasterTables>();

    void read(void (*reader)(ValueReader&, MasterTables&), const QString& file,
              const QString& text) {
        ValueReader in = stream(file, text);
        reader(in, *t);
    }
};

const QString kHero = QStringLiteral("0,3,アレン,戦士,1,30,5,5,8,4,6,5,5,1,2,3,4,5,12,7,9\r\n");
}  // namespace

// --- Record layouts --------------------------------------------------------------------------

TEST_F(TableReaders, CharacterFieldsLandInStorageOrder) {
    read(&Ca_Load, "Ca_DataFile", kHero);
    const CharacterRecord& r = t->CharacterTable[0];
    EXPECT_EQ(r.CharNo, 0);
    EXPECT_EQ(r.Level, 3);
    EXPECT_EQ(r.ClassNo, 1);
    EXPECT_EQ(r.MaxHP, 30);
    EXPECT_EQ(r.MaxMP, 5);
    EXPECT_EQ(r.Vitality, 5);
    EXPECT_EQ(r.Strength, 8);
    EXPECT_EQ(r.Intellect, 4);
    EXPECT_EQ(r.Agility, 6);
    EXPECT_EQ(r.Dexterity, 5);
    EXPECT_EQ(r.Charm, 5);
    EXPECT_EQ(r.WeaponNo, 1);
    EXPECT_EQ(r.ArmourNo, 2);
    EXPECT_EQ(r.HelmetNo, 3);
    EXPECT_EQ(r.ShieldNo, 4);
    EXPECT_EQ(r.ExtraNo, 5);
    EXPECT_EQ(r.FaceNo, 12);
    EXPECT_EQ(r.Extra114, 7);
    EXPECT_EQ(r.Extra116, 9);
}

TEST_F(TableReaders, EnemyStreamHoldsTheAttackBeforeTheTexts) {
    read(&En_Load, "En_DataFile2", "7,4,スライム,sura,1,10,3,2,1,6,5,2");
    const EnemyRecord& r = t->EnemyTable[1];
    EXPECT_EQ(r.EnemyNo, 7);
    EXPECT_EQ(r.EnemyAttack, 4);
    EXPECT_EQ(r.EnemyName.trimmed(), "スライム");
    EXPECT_EQ(r.EnemyPicture.trimmed(), "sura");
    EXPECT_EQ(r.En84, 1);
    EXPECT_EQ(r.EnemyHP, 10);
    EXPECT_EQ(r.EnemyPower, 3);
    EXPECT_EQ(r.EnemyDefence, 2);
    EXPECT_EQ(r.EnemyMagicDefence, 1);
    EXPECT_EQ(r.En94, 6);
    EXPECT_EQ(r.EnemyExp, 5);
    EXPECT_EQ(r.EnemySpecial, 2);
}

TEST_F(TableReaders, EquipmentItemAndMagicTextsFollowTheirIntegers) {
    read(&B_Load, "B_DataFile", "3,1,銅の剣,5,6,100,7,予備A,135,予備B,1,説明");
    const EquipRecord& e = t->EquipTable[1];
    EXPECT_EQ(e.EquipNo, 3);
    EXPECT_EQ(e.EquipPower, 5);
    EXPECT_EQ(e.EquipSpare46, 6);
    EXPECT_EQ(e.EquipPrice, 100);
    EXPECT_EQ(e.EquipSpare50, 7);
    EXPECT_EQ(e.EquipSpare52, QStringLiteral("予備A") + QString(7, u' '));  // text(10)
    EXPECT_EQ(e.EquipClassMask, 135);
    EXPECT_EQ(e.EquipSpare74.trimmed(), "予備B");
    EXPECT_EQ(e.EquipSlot, 1);
    EXPECT_EQ(e.EquipText.size(), 20);

    read(&I_Load, "I_DataFile", "2,1,傷薬,30,20,4,x,y,3,回復");
    const ItemRecord& i = t->ItemTable[1];
    EXPECT_EQ(i.ItemNo, 2);
    EXPECT_EQ(i.ItemPower, 30);
    EXPECT_EQ(i.ItemPrice, 20);
    EXPECT_EQ(i.ItemEffect, 4);
    EXPECT_EQ(i.ItemSpare50.size(), 10);
    EXPECT_EQ(i.ItemKeep, 3);
    EXPECT_EQ(i.ItemText.trimmed(), "回復");

    read(&M_Load, "M_DataFile", "5,9,ヒール,1,20,3,a,2,b,4,c,6,8,回復");
    const MagicRecord& m = t->MagicTable[1];
    EXPECT_EQ(m.MagicNo, 5);
    EXPECT_EQ(m.MagicIcon, 9);
    EXPECT_EQ(m.MagicSpare44, 1);
    EXPECT_EQ(m.MagicPower, 20);
    EXPECT_EQ(m.MagicCost, 3);
    EXPECT_EQ(m.MagicKind, 2);
    EXPECT_EQ(m.MagicEffect, 4);
    EXPECT_EQ(m.MagicSpare94.trimmed(), "c");
    EXPECT_EQ(m.MagicSpare114, 6);
    EXPECT_EQ(m.MagicSpare116, 8);
    EXPECT_EQ(m.MagicText.trimmed(), "回復");
}

TEST_F(TableReaders, NamesAreCutToTwentyOrPaddedWithSpaces) {
    const QString longName = QStringLiteral("とても長い名前のキャラクターがここにいるのです");
    read(&Ca_Load, "Ca_DataFile", "0,1," + longName + ",剣士,1,1,1,1,1,1,1,1,1,0,0,0,0,0,1,0,0");
    const CharacterRecord& r = t->CharacterTable[0];
    EXPECT_EQ(r.CharName, longName.left(20));
    EXPECT_EQ(r.ClassName, QStringLiteral("剣士") + QString(18, u' '));
    EXPECT_EQ(r.ClassName.trimmed(), "剣士");
}

TEST_F(TableReaders, RecordSplitOverLinesReadsLikeOneLine) {
    read(&Ca_Load, "Ca_DataFile", kHero);
    const CharacterRecord oneLine = t->CharacterTable[0];
    t = std::make_unique<MasterTables>();
    read(&Ca_Load, "Ca_DataFile",
         "0,3\r\nアレン\r\n戦士,1,30,5\r\n5,8,4,6,5,5\r\n1,2,3,4,5\r\n12\r\n7\r\n9\r\n");
    EXPECT_EQ(t->CharacterTable[0], oneLine);
}

TEST_F(TableReaders, QuotedNameKeepsItsComma) {
    read(&B_Load, "B_DataFile", "1,1,\"剣,改\",5,0,100,0,,0,,1,説明");
    EXPECT_EQ(t->EquipTable[1].EquipName.trimmed(), "剣,改");
    EXPECT_EQ(t->EquipTable[1].EquipPower, 5);
}

// --- How many records, and where ---------------------------------------------------------------

TEST_F(TableReaders, EmptyCharacterFileLeavesEverySlotAlone) {
    t->CharacterTable[0].Level = 42;
    read(&Ca_Load, "Ca_DataFile", "\r\n");
    EXPECT_EQ(t->CharacterTable[0].Level, 42);
}

TEST_F(TableReaders, OneCharacterRecordFillsSlotZeroOnly) {
    t->CharacterTable[1].Level = 42;
    read(&Ca_Load, "Ca_DataFile", kHero);
    EXPECT_EQ(t->CharacterTable[0].Level, 3);
    EXPECT_EQ(t->CharacterTable[1].Level, 42);
}

TEST_F(TableReaders, LoopLimitsStopReadingWithoutComplaint) {
    QString enemies, places;
    for (int i = 1; i <= 101; ++i) enemies += QStringLiteral("%1,0,e,p,0,0,0,0,0,0,0,0\r\n").arg(i);
    for (int i = 0; i <= 100; ++i) places += QStringLiteral("name%1,map%1\r\n").arg(i);
    read(&En_Load, "En_DataFile2", enemies);
    read(&Text_Load_timei, "timei_F", places);
    EXPECT_EQ(t->EnemyTable[100].EnemyNo, 100);  // the 101st record is never read
    EXPECT_EQ(t->PlaceMap[99], Value("map99"));
    EXPECT_TRUE(t->PlaceMap[100].isEmpty());
}

TEST_F(TableReaders, FacilitiesTalksAndPlacesFillTheirColumns) {
    QString facility = "head,inn.bmp";
    for (int j = 1; j <= 20; ++j) facility += QStringLiteral(",a%1,b%1").arg(j);
    read(&Text_Load_MatiEv, "MatiEv_F", facility);
    EXPECT_EQ(t->BuildingPicture[1], Value("inn.bmp"));
    EXPECT_EQ(t->BuildingA(1, 1), Value("a1"));
    EXPECT_EQ(t->BuildingB(1, 1), Value("b1"));
    EXPECT_EQ(t->BuildingB(1, 20), Value("b20"));

    read(&Text_Load_Kaiwa, "Kaiwa_F", "h0,h1,h2,h3,23,h5,l1,l2,l3,l4,l5,l6,l7,l8,l9,l10");
    EXPECT_EQ(t->TalkHead(1, 4), Value(23));
    EXPECT_EQ(t->TalkLine(1, 1), Value("l1"));
    EXPECT_EQ(t->TalkLine(1, 10), Value("l10"));

    read(&MapEv_Load, "MapEv_F", "1,mori,bgm.wav,bb.jpg,12,0,1,2,3,4,5,6,7,8,9,x,5,a,b,c,7,d,e,f");
    EXPECT_EQ(t->PlaceKind[0], Value(1));
    EXPECT_EQ(t->PlaceMap[0], Value("mori"));
    EXPECT_EQ(t->PlaceBgm[0], Value("bgm.wav"));
    EXPECT_EQ(t->PlaceBattleBack[0], Value("bb.jpg"));
    EXPECT_EQ(t->PlaceEncounter[0], Value(12));
    EXPECT_EQ(t->PlaceEnemySet(0, 9), Value(9));
    EXPECT_EQ(t->PlaceExtra[0], Value("x"));
    EXPECT_EQ(t->PlaceEntry(0, 0), Value(5));
    EXPECT_EQ(t->PlaceEntry(0, 4), Value(7));
    EXPECT_EQ(t->PlaceEntry(0, 7), Value("f"));
}

// --- Scenes ----------------------------------------------------------------------------------

TEST_F(TableReaders, SceneLinesEndAtTheFirstEmptyLine) {
    read(&Sene_Load, "Sene_F",
         "s1.bmp,h\r\n"
         "一行目,0,1,2,3,14,5,6,7,短い,3,10\r\n"
         "\r\n"
         "s2.bmp,h\r\n"
         "\r\n"  // scene 2 has no lines
         "s3.bmp,h\r\n"
         "三,0,0,0,0,0,0,0,0,0,0,0\r\n"
         "\r\n");
    EXPECT_EQ(t->ScenePicture[1], Value("s1.bmp"));
    EXPECT_EQ(t->SceneLine(1, 1), Value("一行目"));
    EXPECT_EQ(t->SceneParam(1, 1, 4), Value(14));
    EXPECT_EQ(t->SceneParam(1, 1, 8), Value("短い"));
    EXPECT_EQ(t->SceneParam(1, 1, 9), Value(3));
    EXPECT_TRUE(t->SceneLine(1, 2).isBlank());
    EXPECT_EQ(t->ScenePicture[2], Value("s2.bmp"));
    EXPECT_TRUE(t->SceneLine(2, 1).isBlank());
    EXPECT_EQ(t->ScenePicture[3], Value("s3.bmp"));  // the field after the terminator
    EXPECT_EQ(t->SceneLine(3, 1), Value("三"));
}

namespace {
QString sceneWithLines(int lines) {
    QString s = "pic,h\r\n";
    for (int j = 1; j <= lines; ++j) s += QStringLiteral("line%1,0,0,0,0,0,0,0,0,0,0,0\r\n").arg(j);
    return s + "\r\n";
}
}  // namespace

TEST_F(TableReaders, SceneMayEndWithItsThirtiethLineEmpty) {
    read(&Sene_Load, "Sene_F", sceneWithLines(29));
    EXPECT_EQ(t->SceneLine(1, 29), Value("line29"));
    EXPECT_TRUE(t->SceneLine(1, 30).isBlank());
}

TEST_F(TableReaders, SceneOfThirtyLinesHasNoRoomForItsEnd) {
    GameError e = errorFrom([&] { read(&Sene_Load, "Sene_F", sceneWithLines(30)); });
    EXPECT_EQ(e.file(), "Sene_F");
    EXPECT_EQ(e.position(), "line 32, field 1");
}

TEST_F(TableReaders, FortyFirstSceneIsAnError) {
    QString scenes;
    for (int n = 1; n <= 41; ++n) scenes += QStringLiteral("s%1.bmp,h\r\n\r\n").arg(n);
    GameError e = errorFrom([&] { read(&Sene_Load, "Sene_F", scenes); });
    EXPECT_EQ(e.file(), "Sene_F");
    EXPECT_EQ(e.position(), "line 81, field 1");
    EXPECT_TRUE(e.expected().contains("40 scenes")) << e.report().toStdString();
}

// --- Broken files ------------------------------------------------------------------------------

TEST_F(TableReaders, StrayValueAfterTheLastRecordIsAnError) {
    GameError e = errorFrom([&] { read(&Ca_Load, "Ca_DataFile", kHero + "5\r\n"); });
    EXPECT_EQ(e.file(), "Ca_DataFile");
    EXPECT_EQ(e.position(), "line 3, field 1");  // where the next value was due
}

TEST_F(TableReaders, LetterInAnIntegerFieldNamesItsPosition) {
    GameError e = errorFrom([&] {
        read(&I_Load, "I_DataFile", "1,1,薬草,20,10,1,,,0,回復\r\n2,1,傷薬,3O,20,1,,,0,x");
    });
    EXPECT_EQ(e.file(), "I_DataFile");
    EXPECT_EQ(e.position(), "line 2, field 4");
    EXPECT_TRUE(e.expected().contains("3O"));
}

TEST_F(TableReaders, IntegerBeyondSixteenBitsIsAnError) {
    GameError e = errorFrom([&] { read(&En_Load, "En_DataFile2", "1,4,a,b,0,40000,0,0,0,0,0,0"); });
    EXPECT_EQ(e.file(), "En_DataFile2");
    EXPECT_EQ(e.position(), "line 1, field 6");
    EXPECT_TRUE(e.expected().contains("40000"));
}
