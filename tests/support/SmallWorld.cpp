#include "support/SmallWorld.h"

#include <functional>

QString record(int n, const std::function<QString(int)>& fn) {
    QStringList fields;
    for (int k = 0; k < n; ++k) fields << fn(k);
    return fields.join(u',');
}

QStringList smallWorldMediaFiles() {
    return {// sheets the screens load by name
            "ticp01.bmp", "tip100.bmp", "tip200.bmp", "tip200x.bmp", "tip300.bmp", "tip300x.bmp",
            "tip400.bmp", "tip400x.bmp", "Ca05.bmp", "Ca05x.bmp", "01.bmp", "01x.bmp", "ca02.bmp",
            "ca03.bmp", "enpty02.jpeg", "enpty02x.jpeg", "en02.jpeg", "en02x.jpeg", "Mahou01.jpeg",
            "Mahou01x.jpeg",
            // named by the tables
            "bgm01.wav", "bgm02.wav", "bb01.jpg", "inn01.bmp", "sc01.bmp", "op01.bmp",
            // maps
            "Map_f01.map", "mori001.map"};
}

QStringList smallMap() {
    QStringList lines{"1,0,0,0,0,0"};
    for (int cell = 0; cell < 4; ++cell) lines << "100,0,0,0,0,0";
    return lines;
}

void writeSmallWorld(const DataDir& data) {
    data.writeLines("Ca_DataFile", {"0,1,アレン,戦士,1,30,5,5,8,4,6,5,5,1,2,0,0,0,1,0,0",
                                    "1,5,リナ,魔法使い,2,20,15,3,3,9,5,5,6,0,0,0,0,0,2,0,0",
                                    "2,1,ゴードン,僧侶,3,25,10,4,5,6,4,4,4,0,0,0,0,0,3,0,0",
                                    "3,1,ミア,盗賊,4,22,0,4,5,3,8,7,5,0,0,0,0,0,4,0,0"});
    data.writeLines("En_DataFile2", {"1,4,スライム,sura,0,10,3,1,1,0,5,0"});
    data.writeLines("B_DataFile",
                    {"1,1,銅の剣,5,0,100,0,,0,,1,普通の剣", "2,2,革の鎧,3,0,80,0,,0,,2,軽い鎧"});
    data.writeLines("I_DataFile", {"1,1,薬草,20,10,1,,,0,HPを回復", "2,1,傷薬,30,20,1,,,0,HPを回復",
                                   "3,1,毒消し,0,15,2,,,1,毒を消す"});
    data.writeLines("M_DataFile", {"1,1,ヒール,0,20,3,,1,,0,,0,0,HPを回復"});
    data.writeLines("Sene_F", {"sc01.bmp,0", "旅立ちの朝,0,0,0,0,11,0,0,0,短い話,0,0", ""});
    data.writeLines("timei_F", {"始まりの村,Map_f01", "深い森,old01"});
    data.writeLines("mati_F", {"始まりの村"});
    data.writeLines("MatiEv_F", {"1,inn01.bmp," + record(40, [](int k) {
                                     return k == 0 ? QStringLiteral("10") : QString();
                                 })});
    data.writeLines(
        "Kaiwa_F",
        {"0,0,0,0,11,0," + record(10, [](int k) { return QStringLiteral("話%1").arg(k + 1); })});
    data.writeLines("MapEv_F",
                    {"1,Map_f01,bgm01.wav,bb01.jpg,0,1,1,1,1,1,1,1,1,1,1,0,5,0,0,0,7,0,0,0",
                     "0,mori001,bgm02.wav,bb01.jpg,10,1,1,1,1,1,1,1,1,1,1,0,3,0,0,0,4,0,0,0"});

    data.writeLines("KEv_F", {"閉ざされた扉,扉が開いた,1,3"});
    data.writeLines("Takara_F", {"0,0,100,1,2,,,", record(100, [](int k) {
                                     return QString::number(k % 2 == 0 ? 1 : 101);
                                 })});
    QStringList bosses;
    for (int b = 1; b <= 10; ++b) bosses << QStringLiteral("ボス%1,100,10,5,5,0,50").arg(b);
    data.writeLines("Bos_F", bosses);
    data.writeLines("Ca_TF", {"1,戦士,5,1,1,1,0,1,0,0", "2,魔法使い,3,3,0,0,2,1,0,0",
                              "3,僧侶,4,2,1,0,1,0,0,1", "4,盗賊,4,0,0,1,0,2,1,0"});
    QStringList opening{"0,0", record(10, [](int) { return QStringLiteral("0"); })};
    opening << "0,0,op01.bmp";
    for (int page = 2; page <= 20; ++page) opening << "0,0,";
    opening << "遠い昔"
            << "星が落ちた夜"
            << "旅が始まる"
            << ""
            << "0";
    for (int page = 2; page <= 20; ++page)
        opening << ""
                << "0";
    data.writeLines("s_f", opening);

    for (const QString& name : smallWorldMediaFiles()) {
        if (name.endsWith(".map"))
            data.writeLines(name, smallMap());
        else
            data.writeBytes(name, QByteArray());
    }
}
