#include "worldmap/TownFixture.h"

#include "core/Text.h"
#include "worldmap/ShopScreen.h"

void writeTileSheets(const DataDir& data) {
    const char* names[8] = {"ticp01.bmp", "tip100.bmp",  "tip200.bmp", "tip200x.bmp",
                            "tip300.bmp", "tip300x.bmp", "tip400.bmp", "tip400x.bmp"};
    const std::array<QImage, 8> sheets = madeTileSheets();
    for (int k = 0; k < 8; ++k)
        sheets[static_cast<std::size_t>(k)].save(data.file(QString::fromLatin1(names[k])), "BMP");
}

void writeMapFile(const DataDir& data, const QString& name, int mapSize,
                  const std::function<CellValues(int, int)>& cell) {
    QStringList lines{QString::number(mapSize), QStringLiteral("0"), QStringLiteral("0,0,0,0")};
    for (int y = 0; y <= mapSize; ++y)
        for (int x = 0; x <= mapSize; ++x) {
            const CellValues values = cell(x, y);
            lines << QStringList(values.begin(), values.end()).join(u',');
        }
    data.writeLines(name, lines);
}

TownTest::TownTest() {
    cellSheet(10, 3, 96).save(data.file(QStringLiteral("ca02.bmp")), "BMP");
    cellSheet(10, 3, 96).save(data.file(QStringLiteral("ca03.bmp")), "BMP");
    QImage interior(480, 320, QImage::Format_RGB32);
    interior.fill(qRgb(90, 60, 30));
    interior.save(data.file(QStringLiteral("room.bmp")), "BMP");
    for (int shop : {1, 11, 12, 21, 31, 41}) st().BuildingPicture[shop] = Value("room.bmp");

    for (int c = 0; c <= 3; ++c) {
        CharacterRecord& r = st().CharacterTable[c];
        r.CharName = fixedText(QStringLiteral("仲間%1").arg(c), 20);
        r.ClassNo = c + 1;
        r.FaceNo = c + 1;
        r.MaxHP = 30 + c;
        r.MaxMP = 10 + c;
        st().CharHP[c] = r.MaxHP;
        st().CharMP[c] = r.MaxMP;
        st().PartyMember[c + 1] = Value(c);
    }
    st().PartyCount = 4;
    st().Gold = 1000;
}

void TownTest::setItem(int no, const QString& name, int price, int power, int keep) {
    ItemRecord& r = st().ItemTable[no];
    r.ItemNo = no;
    r.ItemName = fixedText(name, 20);
    r.ItemPrice = price;
    r.ItemPower = power;
    r.ItemKeep = keep;
    r.ItemText = fixedText(name + QStringLiteral("の説明"), 20);
}

void TownTest::setEquip(int no, const QString& name, int price, int mask, int slot, int power) {
    EquipRecord& r = st().EquipTable[no];
    r.EquipNo = no;
    r.EquipName = fixedText(name, 20);
    r.EquipPrice = price;
    r.EquipClassMask = mask;
    r.EquipSlot = slot;
    r.EquipPower = power;
    r.EquipText = fixedText(name + QStringLiteral("の説明"), 20);
}

void TownTest::setStock(int shopNo, std::initializer_list<int> refs) {
    int j = 1;
    for (int ref : refs) {
        st().BuildingA(shopNo, j) = Value(1);
        st().BuildingB(shopNo, j) = Value(ref);
        ++j;
    }
}

void TownTest::setInventory(std::initializer_list<int> codes) {
    int e = 0;
    for (int code : codes) {
        st().InvItem[e] = Value(code);
        st().InvKind[e] = Value(1);
        st().InvPower[e] = Value(code);
        ++e;
    }
    st().ItemCount = e;
}

int TownTest::countCode(int code) const {
    int n = 0;
    for (const Value& v : game->state().InvItem)
        if (!v.isBlank() && v.num() == code) ++n;
    return n;
}

void TownTest::visitShop(int shopNo, const std::function<void(mise&)>& play) {
    onShow<mise>([play](mise& shop) {
        play(shop);
        if (shop.isLoaded()) shop.Command2_Click(2);
    });
    st().ShopNo = shopNo;
    game->form<mise>().Show(true);
}
