#include "support/TableRows.h"

namespace {
QString field(const QString& name) {
    return name.leftJustified(20, u' ');
}
QString description(const QString& name) {
    return name + QStringLiteral("の説明");
}
}  // namespace

EquipRecord& putEquip(GameState& st, int n, const QString& name, int power, int slot,
                      int classMask) {
    EquipRecord& e = st.EquipTable[n];
    e.EquipNo = n;
    e.EquipName = field(name);
    e.EquipPower = power;
    e.EquipSlot = slot;
    e.EquipClassMask = classMask;
    e.EquipText = description(name);
    return e;
}

ItemRecord& putItem(GameState& st, int n, const QString& name, int effect, int power, int keep) {
    ItemRecord& i = st.ItemTable[n];
    i.ItemNo = n;
    i.ItemName = field(name);
    i.ItemEffect = effect;
    i.ItemPower = power;
    i.ItemKeep = keep;
    i.ItemText = description(name);
    return i;
}

MagicRecord& putSpell(GameState& st, int n, const QString& name, int kind, int effect, int power,
                      int cost, int icon) {
    MagicRecord& m = st.MagicTable[n];
    m.MagicNo = n;
    m.MagicName = field(name);
    m.MagicKind = kind;
    m.MagicEffect = effect;
    m.MagicPower = power;
    m.MagicCost = cost;
    m.MagicIcon = icon;
    m.MagicText = description(name);
    return m;
}
