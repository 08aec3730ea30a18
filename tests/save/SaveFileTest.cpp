// The slot file on its own: where every value stands, what survives a round trip, and which
// files are refused.

#include <gtest/gtest.h>

#include <QStringList>
#include <functional>
#include <memory>

#include "core/GameError.h"
#include "core/GameState.h"
#include "core/ShiftJis.h"
#include "core/Text.h"
#include "save/SaveFile.h"

namespace {
std::unique_ptr<GameState> freshState() {
    return std::make_unique<GameState>();
}

QStringList linesOf(const QByteArray& bytes) {
    QStringList lines = fromShiftJis(bytes).split(QStringLiteral("\r\n"));
    EXPECT_EQ(lines.takeLast(), QString());  // every line ends with CR LF
    return lines;
}

// Every value the file can hold set to something of its own, also beyond the counts.
void fillDistinctly(GameState& st) {
    st.TownMode = 1;
    st.EventGiftCount = 2;
    st.InTown = 3;
    st.SwitchKind = 4;
    st.MapFileName = QStringLiteral("hokora01.map");
    st.MapX = 13;
    st.MapY = 21;
    st.EncounterRate = 6;
    st.BattleBack = QStringLiteral("bg_ruins.jpeg");
    st.BgmFile = QStringLiteral("\"/data/use/bgm_hokora.wav\"");
    st.CurPlace = 9;
    st.StoryProgress = 5;
    st.Gold = 12.5;
    st.SwitchDone = 1;
    st.Lighting = 2;
    st.PartyCount = 6;
    const int members[] = {0, 0, 1, -1, -1, 2, 3};  // -1: an empty position
    for (int p = 1; p <= 6; ++p)
        if (members[p] >= 0) st.PartyMember[p] = Value(members[p]);
    for (int c = 0; c <= 10; ++c) {
        CharacterRecord& r = st.CharacterTable[c];
        r.Level = c + 2;
        r.CharName = fixedText(QStringLiteral("名前%1").arg(c), 20);
        r.ClassName = fixedText(QStringLiteral("剣士"), 20);
        r.ClassNo = c + 1;
        r.MaxHP = 40 + c;
        r.MaxMP = 10 + c;
        r.Vitality = 3 + c;
        r.Strength = 4 + c;
        r.Intellect = 5 + c;
        r.Agility = 6 + c;
        r.Dexterity = 7 + c;
        r.Charm = 8 + c;
        r.WeaponNo = 1 + c;
        r.ArmourNo = 20 + c;
        r.HelmetNo = 30 + c;
        r.ShieldNo = 40 + c;
        r.ExtraNo = 50 + c;
        r.FaceNo = 60 + c;
        st.CharExp[c] = 100 * c + 7;
        st.CharHP[c] = 30 + c;
        st.CharMP[c] = c;
        for (int s = 1; s <= 5; ++s) {
            st.CharEquipName(c, s) = fixedText(QStringLiteral("装備%1-%2").arg(c).arg(s), 20);
            st.CharEquipPower(c, s) = c * 10 + s;
            st.CharEquipNo(c, s) = c + s;
        }
    }
    for (int p = 0; p <= 10; ++p) st.CharAilment[p] = p % 6;
    st.ItemCount = 3;
    for (int i = 0; i <= 50; ++i) {
        st.InvItem[i] = Value(100 + i);
        st.InvName[i] = Value(QStringLiteral("品%1").arg(i));
        st.InvKind[i] = Value(i % 3);
        st.InvPower[i] = Value(i * 2);
    }
    st.MapDepth = 2;
    for (int d = 0; d <= 10; ++d) {
        st.StackMap[d] = Value(QStringLiteral("map%1.map").arg(d));
        st.StackX[d] = Value(d + 1);
        st.StackY[d] = Value(d + 2);
        st.StackRate[d] = Value(d + 3);
        st.StackBack[d] = Value(QStringLiteral("bg%1.jpeg").arg(d));
        st.StackBgm[d] = Value(QStringLiteral("bgm%1.wav").arg(d));
        st.StackArea[d] = Value(d + 4);
    }
    for (int i = 0; i <= 3; ++i) {
        st.SaveSpare1[i] = Value(i);
        st.SaveSpare2[i] = Value(QStringLiteral("予備%1").arg(i));
    }
    st.CellLogCount = 2;
    st.OpenLogCount = 1;
    for (int r = 0; r <= 100; ++r) {
        st.CellLog(r, 0) = Value(QStringLiteral("mori001.map"));
        for (int col = 1; col <= 6; ++col) st.CellLog(r, col) = Value(r * 10 + col);
        st.OpenLog(r, 0) = Value(QStringLiteral("dokutu01.map"));
        st.OpenLog(r, 1) = Value(r + 1);
        st.OpenLog(r, 2) = Value(r + 2);
    }
    st.FloorNo = 3;
    for (int i = 0; i <= 10; ++i) st.FloorMap[i] = Value(QStringLiteral("tou0%1").arg(i));
}

// A 20-character name as the file holds it: quoted, because it ends in spaces.
QString quotedName(const char* name) {
    return u'"' + fixedText(QString::fromUtf8(name), 20) + u'"';
}

// 16 header values, 38 per position, the inventory, 1 + 77 for the map stack, 8 spare values,
// both logs and 1 + 11 for the floors.
int expectedLineCount(const GameState& st) {
    return 16 + 38 * st.PartyCount + 1 + 4 * (st.ItemCount + 1) + 78 + 8 + 1 +
           7 * (st.CellLogCount + 1) + 1 + 3 * (st.OpenLogCount + 1) + 12;
}
}  // namespace

TEST(SaveFile, EveryValueStandsOnItsOwnLineInTheLayoutsOrder) {
    auto st = freshState();
    fillDistinctly(*st);
    const QStringList lines = linesOf(saveFileBytes(*st));
    ASSERT_EQ(lines.size(), expectedLineCount(*st));

    EXPECT_EQ(
        lines.mid(0, 16),
        (QStringList{"1", "2", "3", "4", "hokora01.map", "13", "21", "6", "bg_ruins.jpeg",
                     "\"\"\"/data/use/bgm_hokora.wav\"\"\"", "9", "5", "12.5", "1", "2", "6"}));
    // Position 1 holds character 0: member, experience, HP, MP, level, name, class …
    EXPECT_EQ(lines.mid(16, 8), (QStringList{"0", "7", "30", "0", "2", quotedName("名前0"),
                                             quotedName("剣士"), "1"}));
    // … the six abilities, the five equipment numbers, the face, the ailment of the position …
    EXPECT_EQ(lines.mid(24, 15), (QStringList{"40", "10", "3", "4", "5", "6", "7", "8", "1", "20",
                                              "30", "40", "50", "60", "1"}));
    // … and name, power and number of each slot.
    EXPECT_EQ(lines.mid(39, 3), (QStringList{quotedName("装備0-1"), "1", "1"}));
    EXPECT_EQ(lines.mid(51, 3), (QStringList{quotedName("装備0-5"), "5", "5"}));
    // Position 4 is empty: it carries the values of character 0, with its own ailment.
    const int fourth = 16 + 38 * 3;
    EXPECT_EQ(lines[fourth], QString());
    EXPECT_EQ(lines[fourth + 1], QStringLiteral("7"));
    EXPECT_EQ(lines[fourth + 22], QStringLiteral("4"));
    EXPECT_EQ(lines[16 + 38 * 5], QStringLiteral("3"));  // position 6 holds character 3

    // ItemCount 3 writes entries 0..3, then the stack depth and depth 0 of the stack.
    const int inventory = 16 + 38 * 6;
    EXPECT_EQ(lines[inventory], QStringLiteral("3"));
    EXPECT_EQ(lines.mid(inventory + 13, 4), (QStringList{"103", "品3", "0", "6"}));
    EXPECT_EQ(lines.mid(inventory + 17, 8),
              (QStringList{"2", "map0.map", "1", "2", "3", "bg0.jpeg", "bgm0.wav", "4"}));
    // The spare values, then CellLog with its count and rows 0..2.
    const int spare = inventory + 17 + 78;
    EXPECT_EQ(lines.mid(spare, 9),
              (QStringList{"0", "予備0", "1", "予備1", "2", "予備2", "3", "予備3", "2"}));
    EXPECT_EQ(lines.mid(spare + 9, 3), (QStringList{"mori001.map", "1", "2"}));
    const int openLog = spare + 9 + 21;
    EXPECT_EQ(lines.mid(openLog, 4), (QStringList{"1", "dokutu01.map", "1", "2"}));
    EXPECT_EQ(lines.mid(openLog + 7, 3), (QStringList{"3", "tou00", "tou01"}));
    EXPECT_EQ(lines.last(), QStringLiteral("tou010"));
}

TEST(SaveFile, AGameReadBackGivesEverySavedValueExactly) {
    auto saved = freshState();
    fillDistinctly(*saved);
    // Texts that need care: line breaks, a leading double quote, a text that looks like a
    // number, trailing spaces, and a negative fraction.
    saved->InvName[1] = Value(QStringLiteral("一行目\r\n二行目"));
    saved->InvName[2] = Value(QStringLiteral("\"引用\" の名"));
    saved->InvKind[3] = Value(QStringLiteral("007"));
    saved->CellLog(1, 3) = Value(QStringLiteral("空白つき  "));
    saved->OpenLog(1, 1) = Value(-2.25);
    saved->BattleBack = QStringLiteral("\"引用で始まる");
    const QByteArray bytes = saveFileBytes(*saved);

    auto loaded = freshState();
    readSaveFile(bytes, QStringLiteral("use1"), *loaded);
    // Writing the loaded game again gives the same file: nothing was lost, moved or changed.
    EXPECT_EQ(saveFileBytes(*loaded), bytes);

    EXPECT_EQ(loaded->Gold, 12.5);
    EXPECT_EQ(loaded->BgmFile, saved->BgmFile);
    EXPECT_EQ(loaded->BattleBack, saved->BattleBack);
    EXPECT_EQ(loaded->InvName[1].text(), QStringLiteral("一行目\r\n二行目"));
    EXPECT_EQ(loaded->InvName[2].text(), QStringLiteral("\"引用\" の名"));
    EXPECT_TRUE(loaded->InvKind[3].isText());
    EXPECT_TRUE(loaded->PartyMember[3].isEmpty());
    EXPECT_EQ(loaded->CharacterTable[3], saved->CharacterTable[3]);
    EXPECT_EQ(loaded->CharAilment[6], saved->CharAilment[6]);
    // Only the counted entries are saved.
    EXPECT_TRUE(loaded->InvItem[4].isEmpty());
    EXPECT_TRUE(loaded->CellLog(3, 0).isEmpty());
    EXPECT_EQ(loaded->CharacterTable[4], CharacterRecord{});
}

TEST(SaveFile, NamesComeBackAtTheirFullWidthAndTheGroupComesFromTheTable) {
    auto saved = freshState();
    saved->PartyCount = 1;
    saved->CharacterTable[0].CharName = QStringLiteral("アルト");  // shorter than its field
    auto loaded = freshState();
    loaded->CharacterTable[0].CharNo = 2;
    loaded->CharacterTable[0].Extra114 = 9;
    readSaveFile(saveFileBytes(*saved), QStringLiteral("use1"), *loaded);
    EXPECT_EQ(loaded->CharacterTable[0].CharName, fixedText(QStringLiteral("アルト"), 20));
    EXPECT_EQ(loaded->CharacterTable[0].CharNo, 2);
    EXPECT_EQ(loaded->CharacterTable[0].Extra114, 9);
}

TEST(SaveFile, ShortOrDamagedFilesAreRefusedWithTheirLine) {
    auto st = freshState();
    fillDistinctly(*st);
    const QStringList good = linesOf(saveFileBytes(*st));
    const int last = static_cast<int>(good.size());
    const int inventory = 16 + 38 * 6;
    const struct {
        const char* what;
        std::function<void(QStringList&)> damage;
        int line;
    } cases[] = {
        {"cut after the header", [](QStringList& l) { l = l.mid(0, 16); }, 17},
        {"the last floor missing", [](QStringList& l) { l.removeLast(); }, last},
        {"a text for the gold", [](QStringList& l) { l[12] = "たくさん"; }, 13},
        {"eleven party positions", [](QStringList& l) { l[15] = "11"; }, 16},
        {"character 11 in the party", [](QStringList& l) { l[16] = "11"; }, 17},
        {"half a character", [](QStringList& l) { l[16] = "1.5"; }, 17},
        {"equipment beyond the table", [](QStringList& l) { l[16 + 17] = "101"; }, 34},
        {"51 inventory entries", [=](QStringList& l) { l[inventory] = "51"; }, inventory + 1},
        {"a value after the floors", [](QStringList& l) { l << "1"; }, last + 1},
        {"an unclosed quote", [](QStringList& l) { l.last() = "\"tou010"; }, 0},
    };
    for (const auto& c : cases) {
        QStringList lines = good;
        c.damage(lines);
        auto into = freshState();
        try {
            readSaveFile(toShiftJis(lines.join("\r\n") + "\r\n"), QStringLiteral("use4"), *into);
            ADD_FAILURE() << c.what << ": accepted";
        } catch (const GameError& e) {
            EXPECT_EQ(e.file(), QStringLiteral("use4")) << c.what;
            if (c.line > 0) {  // an unclosed quote is reported where the file ends
                EXPECT_EQ(e.position(), QStringLiteral("line %1").arg(c.line)) << c.what;
            }
        }
    }
}

TEST(SaveFile, TheMusicGetsItsQuotesBackOnlyWhenItLostThem) {
    const QString data = QStringLiteral("/games/hoshikage/use/");
    const QString quoted = QStringLiteral("\"/games/hoshikage/use/bgm_town1.wav\"");
    EXPECT_EQ(regainBgmQuotes(quoted, data), quoted);
    EXPECT_EQ(regainBgmQuotes(QStringLiteral("/games/hoshikage/use/bgm_town1.wav"), data), quoted);
    // A name the music player has not prepared yet stays bare, or it would be quoted twice.
    EXPECT_EQ(regainBgmQuotes(QStringLiteral("bgm_town1.wav"), data),
              QStringLiteral("bgm_town1.wav"));
    EXPECT_EQ(regainBgmQuotes(QString(), data), QString());
    EXPECT_EQ(regainBgmQuotes(regainBgmQuotes(quoted, data), data), quoted);
}
