#include "core/TableFiles.h"

#include "core/GameState.h"
#include "core/Text.h"

namespace {
// Runs fill(slot) for slot = first, first + 1, … up to limit, stopping before a record when the
// file has ended.
template <class Fill>
void readRecords(ValueReader& in, int first, int limit, Fill fill) {
    for (int slot = first; slot <= limit && !in.atEnd(); ++slot) fill(slot);
}

QString text20(ValueReader& in) {
    return fixedText(in.readText(), 20);
}
QString text10(ValueReader& in) {
    return fixedText(in.readText(), 10);
}
}  // namespace

void Sene_Load(ValueReader& in, MasterTables& t) {
    constexpr int kLoopLimit = 200;
    readRecords(in, 1, kLoopLimit, [&](int n) {
        Value picture = in.readValue();
        if (n > t.ScenePicture.hi)
            in.fail(QStringLiteral("at most %1 scenes (this is scene %2)")
                        .arg(t.ScenePicture.hi)
                        .arg(n));
        t.ScenePicture[n] = picture;
        t.SceneHead2[n] = in.readValue();
        // Lines until the first empty one; each line that is not empty carries eleven values.
        for (int j = 1;; ++j) {
            Value line = in.readValue();
            if (j > t.SceneLine.hi2)
                in.fail(QStringLiteral("an empty line ending scene %1 by line %2")
                            .arg(n)
                            .arg(t.SceneLine.hi2));
            t.SceneLine(n, j) = line;
            if (line.isBlank()) break;
            for (int k = 0; k <= 10; ++k) t.SceneParam(n, j, k) = in.readValue();
        }
    });
}

void Ca_Load(ValueReader& in, MasterTables& t) {
    readRecords(in, 0, 100, [&](int slot) {
        CharacterRecord& r = t.CharacterTable[slot];
        r.CharNo = in.readInt();
        r.Level = in.readInt();
        r.CharName = text20(in);
        r.ClassName = text20(in);
        r.ClassNo = in.readInt();
        r.MaxHP = in.readInt();
        r.MaxMP = in.readInt();
        r.Vitality = in.readInt();
        r.Strength = in.readInt();
        r.Intellect = in.readInt();
        r.Agility = in.readInt();
        r.Dexterity = in.readInt();
        r.Charm = in.readInt();
        r.WeaponNo = in.readInt();
        r.ArmourNo = in.readInt();
        r.HelmetNo = in.readInt();
        r.ShieldNo = in.readInt();
        r.ExtraNo = in.readInt();
        r.FaceNo = in.readInt();
        r.Extra114 = in.readInt();
        r.Extra116 = in.readInt();
    });
}

void En_Load(ValueReader& in, MasterTables& t) {
    readRecords(in, 1, 100, [&](int slot) {
        EnemyRecord& r = t.EnemyTable[slot];
        // The stream holds the attack before the two texts.
        r.EnemyNo = in.readInt();
        r.EnemyAttack = in.readInt();
        r.EnemyName = text20(in);
        r.EnemyPicture = text20(in);
        r.En84 = in.readInt();
        r.EnemyHP = in.readInt();
        r.EnemyPower = in.readInt();
        r.EnemyDefence = in.readInt();
        r.EnemyMagicDefence = in.readInt();
        r.En94 = in.readInt();
        r.EnemyExp = in.readInt();
        r.EnemySpecial = in.readInt();
    });
}

void B_Load(ValueReader& in, MasterTables& t) {
    readRecords(in, 1, 100, [&](int slot) {
        EquipRecord& r = t.EquipTable[slot];
        r.EquipNo = in.readInt();
        r.EquipKind = in.readInt();
        r.EquipName = text20(in);
        r.EquipPower = in.readInt();
        r.EquipSpare46 = in.readInt();
        r.EquipPrice = in.readInt();
        r.EquipSpare50 = in.readInt();
        r.EquipSpare52 = text10(in);
        r.EquipClassMask = in.readInt();
        r.EquipSpare74 = text10(in);
        r.EquipSlot = in.readInt();
        r.EquipText = text20(in);
    });
}

void I_Load(ValueReader& in, MasterTables& t) {
    readRecords(in, 1, 100, [&](int slot) {
        ItemRecord& r = t.ItemTable[slot];
        r.ItemNo = in.readInt();
        r.ItemKind = in.readInt();
        r.ItemName = text20(in);
        r.ItemPower = in.readInt();
        r.ItemPrice = in.readInt();
        r.ItemEffect = in.readInt();
        r.ItemSpare50 = text10(in);
        r.ItemSpare70 = text10(in);
        r.ItemKeep = in.readInt();
        r.ItemText = text20(in);
    });
}

void M_Load(ValueReader& in, MasterTables& t) {
    readRecords(in, 1, 100, [&](int slot) {
        MagicRecord& r = t.MagicTable[slot];
        r.MagicNo = in.readInt();
        r.MagicIcon = in.readInt();
        r.MagicName = text20(in);
        r.MagicSpare44 = in.readInt();
        r.MagicPower = in.readInt();
        r.MagicCost = in.readInt();
        r.MagicSpare50 = text10(in);
        r.MagicKind = in.readInt();
        r.MagicSpare72 = text10(in);
        r.MagicEffect = in.readInt();
        r.MagicSpare94 = text10(in);
        r.MagicSpare114 = in.readInt();
        r.MagicSpare116 = in.readInt();
        r.MagicText = text20(in);
    });
}

void Text_Load_timei(ValueReader& in, MasterTables& t) {
    readRecords(in, 0, 99, [&](int p) {
        t.PlaceName[p] = in.readValue();
        t.PlaceMap[p] = in.readValue();
    });
}

void Text_Load_mati(ValueReader& in, MasterTables& t) {
    readRecords(in, 0, 99, [&](int slot) { t.MatiList[slot] = in.readValue(); });
}

void Text_Load_MatiEv(ValueReader& in, MasterTables& t) {
    readRecords(in, 1, 100, [&](int b) {
        t.BuildingHead[b] = in.readValue();
        t.BuildingPicture[b] = in.readValue();
        for (int j = 1; j <= 20; ++j) {
            t.BuildingA(b, j) = in.readValue();
            t.BuildingB(b, j) = in.readValue();
        }
    });
}

void Text_Load_Kaiwa(ValueReader& in, MasterTables& t) {
    readRecords(in, 1, 300, [&](int s) {
        for (int k = 0; k <= 5; ++k) t.TalkHead(s, k) = in.readValue();
        for (int k = 1; k <= 10; ++k) t.TalkLine(s, k) = in.readValue();
    });
}

void MapEv_Load(ValueReader& in, MasterTables& t) {
    readRecords(in, 0, 99, [&](int p) {
        t.PlaceKind[p] = in.readValue();
        t.PlaceMap[p] = in.readValue();
        t.PlaceBgm[p] = in.readValue();
        t.PlaceBattleBack[p] = in.readValue();
        t.PlaceEncounter[p] = in.readValue();
        for (int k = 0; k <= 9; ++k) t.PlaceEnemySet(p, k) = in.readValue();
        t.PlaceExtra[p] = in.readValue();
        for (int k = 0; k <= 7; ++k) t.PlaceEntry(p, k) = in.readValue();
    });
}

MasterFileNames MasterFileNames::of(const GameState& st) {
    return MasterFileNames{st.CaFileName, st.EnFileName, st.BFileName, st.IFileName, st.MFileName};
}

void MasterFileNames::applyTo(GameState& st) const {
    st.CaFileName = ca;
    st.EnFileName = en;
    st.BFileName = b;
    st.IFileName = i;
    st.MFileName = m;
}

std::vector<TableFile> tableFiles(const MasterFileNames& names) {
    return {
        {QStringLiteral("Sene_F"), &Sene_Load},
        {names.ca, &Ca_Load},
        {names.en, &En_Load},
        {names.b, &B_Load},
        {names.i, &I_Load},
        {names.m, &M_Load},
        {QStringLiteral("timei_F"), &Text_Load_timei},
        {QStringLiteral("mati_F"), &Text_Load_mati},
        {QStringLiteral("MatiEv_F"), &Text_Load_MatiEv},
        {QStringLiteral("Kaiwa_F"), &Text_Load_Kaiwa},
        {QStringLiteral("MapEv_F"), &MapEv_Load},
    };
}

void readTableFile(const QString& dataPath, const TableFile& file, MasterTables& t) {
    ValueReader in = ValueReader::open(dataPath + file.name);
    try {
        file.read(in, t);
    } catch (const GameError& e) {
        if (!e.file().isEmpty()) throw;
        // An error of a table itself (an index outside it): say where in the file it arose.
        throw GameError(file.name, in.position(),
                        e.expected() + QStringLiteral(" (") + e.position() + QStringLiteral(")"));
    }
}
