#include "core/ScreenDataFiles.h"

BlockTable readBlockTable(ValueReader& in) {
    BlockTable t;
    for (int i = 1; i <= 30 && !in.atEnd(); ++i) {
        t.KEvTextA[i] = in.readValue();
        t.KEvTextB[i] = in.readValue();
        t.KEvKind[i] = in.readValue();
        t.KEvNeed[i] = in.readValue();
        t.count = i;
    }
    return t;
}

TreasureTable readTreasureTable(ValueReader& in) {
    TreasureTable t;
    if (in.atEnd()) return t;
    t.present = true;
    t.TakaraMode = in.readValue();
    t.TakaraSpare = in.readValue();
    for (int k = 0; k <= 5; ++k) t.TakaraTier[k] = in.readValue();
    for (int k = 1; k <= 100; ++k) t.TakaraList[k] = in.readValue();
    return t;
}

BossTable readBossTable(ValueReader& in) {
    BossTable t;
    for (int b = 1; b <= 10; ++b) {
        BossRow& r = t.rows[b];
        r.BossName = in.readValue();
        r.BossHP = in.readNumber();
        r.BossPower = in.readNumber();
        r.BossDefence = in.readNumber();
        r.BossMagicDefence = in.readNumber();
        r.BossSpare = in.readValue();
        r.BossExp = in.readNumber();
    }
    return t;
}

GrowthTable readGrowthTable(ValueReader& in) {
    GrowthTable t;
    for (int row = 1; row <= 30 && !in.atEnd(); ++row) {
        GrowthRow& r = t.rows[row];
        r.Spare1 = in.readValue();
        r.Spare2 = in.readValue();
        for (int g = 1; g <= 8; ++g) r.Growth[g] = in.readInt();
        t.count = row;
    }
    return t;
}

OpeningData readOpeningData(ValueReader& in) {
    OpeningData d;
    if (in.atEnd()) return d;
    d.present = true;
    for (int k = 0; k < 12; ++k) in.readValue();  // two values and five pairs, unused
    for (int page = 1; page <= 20; ++page) {
        in.readValue();
        in.readValue();
        d.OpeningPicture[page] = in.readValue();
    }
    for (int page = 1; page <= 20; ++page) {
        for (int line = 0; line <= 20; ++line) {
            d.OpeningText(page, line) = in.readValue();
            if (d.OpeningText(page, line).isBlank()) break;
        }
        d.OpeningText(page, 20) = in.readValue();
    }
    return d;
}
