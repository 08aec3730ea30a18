#include "party/CharacterRules.h"

#include <QString>
#include <algorithm>
#include <utility>

#include "core/GameError.h"
#include "core/GameState.h"
#include "core/Text.h"

namespace {
constexpr int kOpenedChestFeature = 1506;
constexpr int kBlockedCellEvent = 100;

// The running state exists for characters 0..10 only (the arrays of the party).
int partyCharacter(const GameState& st) {
    const int c = st.CurChar;
    if (!st.CharHP.inRange(c))
        throw GameError(QString(), QStringLiteral("character %1").arg(c),
                        QStringLiteral("a party character number within %1..%2")
                            .arg(st.CharHP.lo)
                            .arg(st.CharHP.hi));
    return c;
}

// The equipment record a character's slot field names; a number outside the table is a broken
// character record.
const EquipRecord& equipment(const GameState& st, int c, int slot, int number) {
    if (!st.EquipTable.inRange(number))
        throw GameError(QString(),
                        QStringLiteral("character %1, equipment slot %2").arg(c).arg(slot),
                        QStringLiteral("an equipment number within %1..%2, found %3")
                            .arg(st.EquipTable.lo)
                            .arg(st.EquipTable.hi)
                            .arg(number));
    return st.EquipTable[number];
}

// The five slot fields of a character record, slot 1 (weapon) to 5 (extra).
std::array<int, 6> slotNumbers(const CharacterRecord& r) {
    return {0, r.WeaponNo, r.ArmourNo, r.HelmetNo, r.ShieldNo, r.ExtraNo};
}

int floorHalf(int n) {
    return n >= 0 ? n / 2 : -((-n + 1) / 2);
}

// Digit values of a class mask: d1 the last digit, d2 the middle one (the first of a two-digit
// mask), d3 the first digit of a mask above 99. A missing digit counts as 0.
struct MaskDigits {
    int d1 = 0, d2 = 0, d3 = 0;
};
MaskDigits maskDigits(int mask) {
    const QString digits = QString::number(mask < 0 ? -mask : mask);
    auto at = [&](qsizetype i) { return i < digits.size() ? digits[i].digitValue() : 0; };
    MaskDigits m;
    m.d1 = digits.back().digitValue();
    m.d2 = digits.size() == 2 ? at(0) : at(1);
    m.d3 = mask > 99 ? at(0) : 0;
    return m;
}

bool oneOf(int v, std::initializer_list<int> allowed) {
    return std::find(allowed.begin(), allowed.end(), v) != allowed.end();
}

bool onGrid(const GameState& st, const CellAhead& c) {
    return st.EventGrid.inRange(c.x - 1, c.y);
}
}  // namespace

void Ca_Join(GameState& st) {
    const int c = partyCharacter(st);
    const CharacterRecord& r = st.CharacterTable[c];
    const auto numbers = slotNumbers(r);
    for (int s = 1; s <= 5; ++s) equipment(st, c, s, numbers[s]);  // all valid before any change

    st.CharHP[c] = r.MaxHP;
    st.CharMP[c] = r.MaxMP;
    for (int s = 1; s <= 5; ++s) {
        const EquipRecord& e = st.EquipTable[numbers[s]];
        st.CharEquipName(c, s) = fixedText(e.EquipName, 20);
        st.CharEquipPower(c, s) = e.EquipPower;
        st.CharEquipNo(c, s) = e.EquipNo;
    }
    st.CharLevel[c] = r.Level;
    st.CharExp[c] = 40 * r.Level * (r.Level - 1);
    Ca_Calc(st);
}

void Ca_Calc(GameState& st) {
    const int c = partyCharacter(st);
    const CharacterRecord& r = st.CharacterTable[c];
    const int weapon = equipment(st, c, 1, r.WeaponNo).EquipPower;
    const int armour = equipment(st, c, 2, r.ArmourNo).EquipPower;
    const int helmet = equipment(st, c, 3, r.HelmetNo).EquipPower;
    const int shield = equipment(st, c, 4, r.ShieldNo).EquipPower;

    st.CharNextExp[c] = 40 * st.CharLevel[c] * st.CharLevel[c];
    st.CharAttack[c] = weapon + r.Strength;
    st.CharDefence[c] = armour + helmet + shield + floorHalf(r.Vitality + r.Agility);
    st.CharMagicDefence[c] = floorHalf(r.Agility + r.Intellect);
}

std::optional<int> specialEquipGroup(int equipNo) {
    switch (equipNo) {
        case 4:
        case 18:
        case 30:
        case 41:
            return 0;
        case 24:
        case 35:
            return 1;
        case 25:
        case 36:
            return 2;
        case 26:
        case 37:
            return 3;
        default:
            return std::nullopt;
    }
}

bool classMayWear(int classNo, int classMask) {
    const MaskDigits m = maskDigits(classMask);
    if (m.d1 == 0 && m.d2 == 0 && m.d3 == 0) return true;
    const int k = classNo == 11 ? 1 : classNo;
    switch (k) {
        case 1:
            return oneOf(m.d1, {1, 3, 5, 7});
        case 2:
            return oneOf(m.d2, {1, 3, 5, 7});
        case 3:
            return oneOf(m.d3, {1, 3});
        case 4:
            return oneOf(m.d1, {2, 3, 6, 7});
        case 5:
            return oneOf(m.d2, {2, 3, 6, 7});
        case 6:
            return oneOf(m.d3, {2, 3});
        case 7:
            return oneOf(m.d1, {4, 5, 6, 7});
        case 8:
            return oneOf(m.d2, {4, 5, 6, 7});
        default:
            return false;
    }
}

int Equip_Chk(GameState& st, int equip) {
    const CharacterRecord& who = st.CharacterTable[st.CurChar];
    const EquipRecord& e = st.EquipTable[equip];
    bool allowed;
    if (auto group = specialEquipGroup(e.EquipNo))
        allowed = who.CharNo == *group;
    else
        allowed = classMayWear(who.ClassNo, e.EquipClassMask);
    st.EquipOK = allowed ? 1 : 0;
    return st.EquipOK;
}

void Inv_Sort(GameState& st) {
    const Value freeMark(999);
    const int lo = st.InvItem.lo, hi = st.InvItem.hi;
    for (int i = lo; i <= hi; ++i) {
        if (st.InvItem[i].isBlank()) {
            st.InvItem[i] = freeMark;
            st.InvKind[i] = Value(0);
        }
    }
    for (int i = lo; i < hi; ++i) {
        for (int k = i + 1; k <= hi; ++k) {
            if (st.InvItem[i] > st.InvItem[k]) {
                std::swap(st.InvItem[i], st.InvItem[k]);
                std::swap(st.InvName[i], st.InvName[k]);
                std::swap(st.InvKind[i], st.InvKind[k]);
                std::swap(st.InvPower[i], st.InvPower[k]);
            }
        }
    }
    for (int i = lo; i <= hi; ++i)
        if (st.InvItem[i] == freeMark) st.InvItem[i] = Value(QString());
}

CellAhead cellAhead(const GameState& st) {
    CellAhead c{st.MapX, st.MapY};
    const int d = st.MoveDir == 0 ? st.SavedDirection : st.MoveDir;
    switch (d) {
        case 1:
            --c.y;
            break;
        case 2:
            --c.x;
            break;
        case 3:
            ++c.x;
            break;
        case 4:
            ++c.y;
            break;
        default:
            break;
    }
    return c;
}

void Cell_Open(GameState& st) {
    const CellAhead c = cellAhead(st);
    if (!onGrid(st, c)) return;
    if (st.OpenLogCount >= 0 && st.OpenLogCount < st.OpenLog.hi1) {
        const int row = ++st.OpenLogCount;
        st.OpenLog(row, 0) = Value(st.MapFileName);
        st.OpenLog(row, 1) = Value(c.x);
        st.OpenLog(row, 2) = Value(c.y);
    }
    st.FeatureGrid(c.x - 1, c.y) = Value(kOpenedChestFeature);
    st.EventGrid(c.x - 1, c.y) = Value(kBlockedCellEvent);
}

void Cell_Clear(GameState& st) {
    const CellAhead c = cellAhead(st);
    if (!onGrid(st, c)) return;
    logCellChange(st, {Value(st.MapFileName), Value(c.x), Value(c.y), Value(0), Value(0)});
    st.BlockGrid(c.x - 1, c.y) = Value(0);
    st.EventGrid(c.x - 1, c.y) = Value(0);
}

namespace {
CellLogRow cellLogRow(const GameState& st, int row) {
    CellLogRow r;
    for (int k = 0; k < kCellLogColumns; ++k) r[static_cast<std::size_t>(k)] = st.CellLog(row, k);
    return r;
}

void putCellLogRow(GameState& st, int row, const CellLogRow& r) {
    for (int k = 0; k < kCellLogColumns; ++k) st.CellLog(row, k) = r[static_cast<std::size_t>(k)];
}

bool identical(const CellLogRow& a, const CellLogRow& b) {
    for (std::size_t k = 0; k < a.size(); ++k)
        if (a[k] != b[k] || a[k].kind() != b[k].kind()) return false;
    return true;
}

bool sameCell(const CellLogRow& a, const CellLogRow& b) {
    return a[0].text() == b[0].text() && a[1] == b[1] && a[2] == b[2];
}

// One row that does what `earlier` and then `later` (the same cell) do when a map loads: each
// layer the later row leaves as it is keeps the earlier row's value; the event layer is always
// the later one's.
CellLogRow merged(const CellLogRow& earlier, const CellLogRow& later) {
    CellLogRow m = later;
    if (later[3].isBlank()) m[3] = earlier[3];
    if (later[5].isBlank() || !(later[5] > Value(0))) m[5] = earlier[5];
    if (later[6].isBlank()) m[6] = earlier[6];
    return m;
}

void removeCellLogRow(GameState& st, int row) {
    for (int r = row; r < st.CellLogCount; ++r) putCellLogRow(st, r, cellLogRow(st, r + 1));
    putCellLogRow(st, st.CellLogCount, CellLogRow{});
    --st.CellLogCount;
}

// Folds every row into a later row of the same cell, so that the log holds one row per cell
// and the maps load exactly as before.
void foldCellLog(GameState& st) {
    for (int i = st.CellLogCount - 1; i >= 1; --i) {
        const CellLogRow earlier = cellLogRow(st, i);
        for (int j = i + 1; j <= st.CellLogCount; ++j) {
            if (!sameCell(earlier, cellLogRow(st, j))) continue;
            putCellLogRow(st, j, merged(earlier, cellLogRow(st, j)));
            removeCellLogRow(st, i);
            break;
        }
    }
}
}  // namespace

void logCellChange(GameState& st, const CellLogRow& entry) {
    if (st.CellLogCount < 0 || st.CellLogCount > st.CellLog.hi1) return;
    // The same change twice in a row (a boss cell cleared by the battle and again by the field,
    // a switch pressed twice) is remembered once: a repeat would only fill the log.
    if (st.CellLogCount >= 1 && identical(cellLogRow(st, st.CellLogCount), entry)) return;
    // A full log makes room: rows that a later row of the same cell makes needless are folded
    // into it (switches pressed in turn write the same two cells again and again). A log of a
    // hundred different cells lets its oldest row go, so that a step of the story is never lost.
    if (st.CellLogCount == st.CellLog.hi1) foldCellLog(st);
    if (st.CellLogCount == st.CellLog.hi1) removeCellLogRow(st, 1);
    putCellLogRow(st, ++st.CellLogCount, entry);
}
