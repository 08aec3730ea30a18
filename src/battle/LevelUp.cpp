#include "battle/LevelUp.h"

#include "battle/BattleMaths.h"
#include "core/Game.h"
#include "core/GameError.h"
#include "core/ValueReader.h"
#include "party/CharacterRules.h"

namespace {
const QString kGrowthFile = QStringLiteral("Ca_TF");
}  // namespace

void Lv_Grow(CharacterRecord& r, const GrowthRow& growth, Platform& platform) {
    platform.randomize();
    int* const fields[] = {&r.MaxHP,     &r.MaxMP,   &r.Vitality,  &r.Strength,
                           &r.Intellect, &r.Agility, &r.Dexterity, &r.Charm};
    for (int k = 1; k <= 8; ++k) *fields[k - 1] += growthGain(growth.Growth[k], platform.rnd());
}

void Lv_Up(Game& game) {
    GameState& st = game.state();
    ValueReader in = ValueReader::open(game.dataFile(kGrowthFile));
    const GrowthTable table = readGrowthTable(in);

    const int c = st.CurChar;
    CharacterRecord& record = st.CharacterTable[c];
    if (record.ClassNo < 1 || record.ClassNo > table.count)
        throw GameError(kGrowthFile, QStringLiteral("row %1").arg(record.ClassNo),
                        QStringLiteral("a growth row for class %1 (the file holds %2 rows)")
                            .arg(record.ClassNo)
                            .arg(table.count));

    Lv_Grow(record, table.rows[record.ClassNo], game.platform());
    st.CharLevel[c] += 1;
    record.Level = st.CharLevel[c];
    Ca_Calc(st);
}
