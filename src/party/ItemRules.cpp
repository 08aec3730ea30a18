#include "party/ItemRules.h"

#include <algorithm>

#include "core/GameState.h"
#include "core/Text.h"
#include "party/CharacterRules.h"

namespace {
constexpr int kItemBase = 100;

int code(const GameState& st, int entry) {
    return static_cast<int>(st.InvItem[entry].toInt());
}

bool isEquipment(const Value& v) {
    return !v.isBlank() && v < Value(kItemBase);
}
bool isItem(const Value& v) {
    return !v.isBlank() && v > Value(kItemBase);
}

// The character record's field for slot s (1 weapon … 5 extra).
int& slotField(CharacterRecord& r, int s) {
    switch (s) {
        case 1:
            return r.WeaponNo;
        case 2:
            return r.ArmourNo;
        case 3:
            return r.HelmetNo;
        case 4:
            return r.ShieldNo;
        default:
            return r.ExtraNo;
    }
}

// The slot an EquipSlot value names: 0 and 1 the weapon, 2..5 themselves; 0 for none.
int slotOf(int equipSlot) {
    if (equipSlot == 0 || equipSlot == 1) return 1;
    if (equipSlot >= 2 && equipSlot <= 5) return equipSlot;
    return 0;
}

void clearEntry(GameState& st, int entry) {
    st.InvItem[entry] = Value(QString());
    st.InvName[entry] = Value(QString());
    st.InvKind[entry] = Value(QString());
    st.InvPower[entry] = Value(0);
}

// Restores up to `amount` of a value toward its maximum; the refusal when it is already there.
// A value above its maximum (a lowered maximum) counts as full rather than being cut down.
QString restore(int& value, int maximum, int amount, const QString& what, QString& told) {
    if (value >= maximum) return menutext::kNoNeed;
    const int before = value;
    value = std::min(value + amount, maximum);
    told = what + QStringLiteral(" が ") + QString::number(value - before) +
           QStringLiteral("回復した");
    return QString();
}

// Applies item i to CurChar (HP, MP) or to position p (cures). The refusal, or empty.
QString kaihuku(GameState& st, int i, int p) {
    const ItemRecord& item = st.ItemTable[i];
    const int c = st.CurChar;
    const CharacterRecord& who = st.CharacterTable[c];
    QString refusal;
    switch (item.ItemEffect) {
        case 1:
            refusal = restore(st.CharHP[c], who.MaxHP, item.ItemPower, QStringLiteral("HP"),
                              st.MessageLines[3]);
            break;
        case 2:
            refusal = restore(st.CharMP[c], who.MaxMP, item.ItemPower, QStringLiteral("MP"),
                              st.MessageLines[3]);
            break;
        case 3:
        case 4:
        case 5:
        case 6:
        case 7:
            // Kinds 3..7 cure the ailments 2..6 (poison, paralysis, sleep, stone, the down mark).
            if (st.CharAilment[p] != item.ItemEffect - 1) return menutext::kNoNeed;
            st.CharAilment[p] = 0;
            break;
        default:
            break;  // no effect, but the item counts as used
    }
    if (!refusal.isEmpty()) return refusal;
    st.ActionResult = 2;
    return QString();
}
}  // namespace

std::vector<int> listedEntries(const GameState& st, InventoryView view) {
    std::vector<int> rows;
    for (int i = st.InvItem.lo; i <= st.InvItem.hi; ++i) {
        const Value& v = st.InvItem[i];
        if (view == InventoryView::Items ? isItem(v) : isEquipment(v)) rows.push_back(i);
    }
    return rows;
}

QString entryName(const GameState& st, int entry) {
    const int c = code(st, entry);
    if (c > kItemBase) return fixedText(st.ItemTable[c - kItemBase].ItemName, 20);
    return fixedText(st.EquipTable[c].EquipName, 20);
}

QString entryText(const GameState& st, int entry) {
    const int c = code(st, entry);
    if (c > kItemBase) return st.ItemTable[c - kItemBase].ItemText;
    return st.EquipTable[c].EquipText;
}

QString equipRefusal(const GameState& st, int character, int equip) {
    return QStringLiteral(" ") + trimSpaces(st.CharacterTable[character].CharName) +
           QStringLiteral(" は ") + trimSpaces(st.EquipTable[equip].EquipName) +
           QStringLiteral(" を装備できません");
}

WearOutcome wearEntry(GameState& st, int entry) {
    const EquipRecord& e = st.EquipTable[code(st, entry)];
    const int s = slotOf(e.EquipSlot);
    if (s == 0) return WearOutcome::NoSlot;

    const int c = st.CurChar;
    const int oldNo = st.CharEquipNo(c, s);
    const int oldPower = st.CharEquipPower(c, s);
    st.CharEquipName(c, s) = fixedText(e.EquipName, 20);
    st.CharEquipPower(c, s) = e.EquipPower;
    st.CharEquipNo(c, s) = e.EquipNo;

    int& field = slotField(st.CharacterTable[c], s);
    const bool slotWasEmpty = field == 0;
    field = e.EquipNo;

    st.InvItem[entry] = Value(oldNo);
    st.InvPower[entry] = Value(oldPower);
    st.InvKind[entry] = Value(QString());
    Ca_Calc(st);

    if (!slotWasEmpty) return WearOutcome::Swapped;
    clearEntry(st, entry);
    st.ItemCount -= 1;
    return WearOutcome::MovedOut;
}

QString useItem(GameState& st, int entry, int targetPos) {
    const int i = code(st, entry) - kItemBase;
    const ItemRecord& item = st.ItemTable[i];
    if (st.CharHP[st.CurChar] <= 0) return menutext::kCannotAct;
    if (item.ItemEffect == 18) st.Lighting = 2;
    if (targetPos == 0) return menutext::kWho;

    const QString refusal = kaihuku(st, i, targetPos);
    if (!refusal.isEmpty()) return refusal;
    if (item.ItemKeep == 0) {
        st.InvItem[entry] = Value(QString());
        st.InvKind[entry] = Value(QString());
        st.InvPower[entry] = Value(0);
        st.ItemCount -= 1;
    }
    return QString();
}

void throwAway(GameState& st, int entry) {
    clearEntry(st, entry);
    st.ItemCount -= 1;
}
