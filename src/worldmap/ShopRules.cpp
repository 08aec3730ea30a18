#include "worldmap/ShopRules.h"

#include "core/GameState.h"
#include "party/CharacterRules.h"

ShopKind shopKindOf(int shopNo) {
    if (shopNo >= 1 && shopNo <= 10) return ShopKind::Inn;
    if (shopNo >= 11 && shopNo <= 20) return ShopKind::ItemShop;
    if (shopNo >= 21 && shopNo <= 30) return ShopKind::WeaponShop;
    if (shopNo >= 31 && shopNo <= 40) return ShopKind::Tavern;
    if (shopNo >= 41 && shopNo <= 45) return ShopKind::Church;
    return ShopKind::None;
}

QString shoptext::quoteQuestion(const Value& price) {
    return QStringLiteral("  ") + price.text() +
           QStringLiteral("ｺﾞｰﾙﾄﾞになりますが\r  よろしいですか");
}

std::vector<WareLine> stockList(const GameState& st, ShopKind kind, int shopNo) {
    std::vector<WareLine> lines;
    if (kind != ShopKind::ItemShop && kind != ShopKind::WeaponShop) return lines;
    for (int j = 1; j <= 20; ++j) {
        const long long r = st.BuildingB(shopNo, j).toInt();
        if (kind == ShopKind::ItemShop) {
            const ItemRecord& item = st.ItemTable[r];
            if (item.ItemNo == 0) break;
            lines.push_back({item.ItemNo, item.ItemName});
        } else {
            const EquipRecord& equip = st.EquipTable[r];
            if (equip.EquipNo == 0) break;
            lines.push_back({equip.EquipNo, equip.EquipName});
        }
    }
    return lines;
}

SellList sellList(const GameState& st, ShopKind kind) {
    SellList list;
    int occupied = 0;
    for (int e = 0; e <= 50; ++e) {
        const Value& code = st.InvItem[e];
        if (code.isBlank()) continue;
        ++occupied;
        const double c = code.num();
        if (kind == ShopKind::ItemShop && c > 100) {
            const int ref = static_cast<int>(code.toInt()) - 100;
            list.lines.push_back({ref, st.ItemTable[ref].ItemName, e});
        } else if (kind == ShopKind::WeaponShop && c < 100) {
            const int ref = static_cast<int>(code.toInt());
            list.lines.push_back({ref, st.EquipTable[ref].EquipName, e});
        }
    }
    list.otherCount = occupied - static_cast<int>(list.lines.size());
    return list;
}

double wareQuote(const GameState& st, ShopKind kind, int ref, bool buying, int quantity) {
    double price = 0;
    if (kind == ShopKind::ItemShop) price = st.ItemTable[ref].ItemPrice;
    if (kind == ShopKind::WeaponShop) price = st.EquipTable[ref].EquipPrice;
    if (!buying) return price / 2;
    return kind == ShopKind::ItemShop ? quantity * price : price;
}

bool inventoryHasRoomFor(const GameState& st, int count) {
    if (count <= 0) return true;
    if (st.ItemCount + count > kInventoryLimit) return false;
    int free = 0;
    for (int e = 0; e <= 50; ++e)
        if (st.InvItem[e].isBlank()) ++free;
    return free >= count;
}

int addInventoryEntry(GameState& st, const Value& code, const Value& kind, const Value& power) {
    st.ItemCount += 1;
    int target = st.ItemCount;
    if (target > 50 || !st.InvItem[target].isBlank()) {
        target = 0;
        while (target < 50 && !st.InvItem[target].isBlank()) ++target;
    }
    st.InvItem[target] = code;
    st.InvKind[target] = kind;
    st.InvPower[target] = power;
    return target;
}

bool payFor(GameState& st, double price) {
    if (st.Gold < price) return false;
    st.Gold -= price;
    return true;
}

Purchase buyWares(GameState& st, ShopKind kind, int ref, int quantity, double price) {
    const int entries = kind == ShopKind::ItemShop ? quantity : 1;
    if (!inventoryHasRoomFor(st, entries)) return Purchase::NoRoom;
    if (!payFor(st, price)) return Purchase::NoMoney;
    if (kind == ShopKind::ItemShop) {
        const ItemRecord& item = st.ItemTable[ref];
        for (int k = 0; k < quantity; ++k)
            addInventoryEntry(st, Value(item.ItemNo + 100), Value(item.ItemKeep),
                              Value(item.ItemPower));
    } else {
        const EquipRecord& equip = st.EquipTable[ref];
        addInventoryEntry(st, Value(equip.EquipNo), Value(equip.EquipSlot),
                          Value(equip.EquipPower));
    }
    Inv_Sort(st);
    return Purchase::Done;
}

void sellEntry(GameState& st, int entry, double price) {
    st.Gold += price;
    st.ItemCount -= 1;
    st.InvItem[entry] = Value(QString());
    st.InvName[entry] = Value(QString());
    st.InvKind[entry] = Value(QString());
    st.InvPower[entry] = Value(0);
    Inv_Sort(st);
}

bool memberMayUse(const GameState& st, int position, int ref) {
    const long long character = st.PartyMember[position].toInt();
    return classMayWear(st.CharacterTable[character].ClassNo, st.EquipTable[ref].EquipClassMask);
}
