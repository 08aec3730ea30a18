#include "FieldFixture.h"

#include <QImage>

#include "MadeSheets.h"
#include "core/Game.h"
#include "party/CharacterRules.h"
#include "support/TableRows.h"

FieldMap::FieldMap(int size, bool walls) : size_(size), walls_(walls) {}

FieldMap& FieldMap::event(int column, int row, const QString& value) {
    events_[{column, row}] = value;
    return *this;
}

FieldMap& FieldMap::block(int column, int row, int tile) {
    blocks_[{column, row}] = tile;
    return *this;
}

void FieldMap::write(const DataDir& data, const QString& name) const {
    QStringList lines{QString::number(size_), QStringLiteral("0"), QStringLiteral("0,0,0,0")};
    for (int y = 0; y <= size_; ++y) {
        for (int x = 0; x <= size_; ++x) {
            const bool edge = x == 0 || y == 0 || x == size_ || y == size_;
            QString event = walls_ && edge ? QStringLiteral("100") : QStringLiteral("0");
            if (auto it = events_.find({x, y}); it != events_.end()) event = it->second;
            const auto b = blocks_.find({x, y});
            lines << QStringLiteral("100,0,0,%1,0,%2")
                         .arg(b == blocks_.end() ? 0 : b->second)
                         .arg(event);
        }
    }
    data.writeLines(name, lines);
}

FieldTest::FieldTest() {
    MadeSheetOptions look;
    look.plain = true;
    const FieldPictures pictures = makeFieldPictures(look);
    for (std::size_t k = 0; k < kTileSheetFiles.size(); ++k)
        pictures.tiles[k].save(data.file(QLatin1String(kTileSheetFiles[k])), "BMP");
    for (std::size_t k = 0; k < 2; ++k) {
        pictures.party[k].save(data.file(QLatin1String(kPartySpriteFiles[k])), "BMP");
        pictures.light[k].save(data.file(QLatin1String(kLightFiles[k])), "BMP");
    }
    QImage faces(960, 288, QImage::Format_RGB32);
    faces.fill(QColor(90, 90, 160));
    faces.save(data.file("ca02.bmp"), "BMP");
    data.write("KEv_F", "");
    data.write("Takara_F", "");

    GameState& s = st();
    const QString names[4] = {"アルト", "ミナ", "ロウ", "トマ"};
    for (int c = 0; c < 4; ++c) {
        CharacterRecord& r = s.CharacterTable[c];
        r.CharName = names[c].leftJustified(20, u' ');
        r.ClassNo = c + 1;
        r.Level = 1;
        r.MaxHP = 30 + c;
        r.MaxMP = 10 + c;
        r.FaceNo = c + 1;
        s.CurChar = c;
        Ca_Join(s);
        s.PartyMember[c + 1] = Value(c);
    }
    s.PartyCount = 4;
    s.CurChar = 0;
    s.TownMode = 1;
    s.MapDepth = 1;
    s.CurPlace = kPlace;
    s.EventCode = kPlace;
    s.PlaceName[kPlace] = Value("洞窟");
    s.PlaceMap[kPlace] = Value("cave");
    s.PlaceBgm[kPlace] = Value("cave.wav");
    s.PlaceBattleBack[kPlace] = Value("back.bmp");
    s.PlaceEncounter[kPlace] = Value(0);
}

Main_Fr& FieldTest::openField(const QString& name, int column, int row) {
    st().MapFileName = name;
    st().MapX = column + 1;
    st().MapY = row;
    field().Show();
    return field();
}

QPoint FieldTest::party() const {
    return QPoint(game->state().MapX - 1, game->state().MapY);
}

void FieldTest::walk(int key, int ticks) {
    field().M2_Map_KeyDown(key);
    for (int k = 0; k < ticks; ++k) field().Timer1_Timer();
}

void FieldTest::release() {
    field().M2_Map_KeyUp(0);
}

void FieldTest::readyBattles() {
    auto picture = [this](const char* name, int w, int h, QColor colour) {
        QImage img(w, h, QImage::Format_RGB32);
        img.fill(colour);
        img.save(data.file(QLatin1String(name)), "BMP");
    };
    picture("back.bmp", 800, 448, QColor(40, 60, 40));
    for (const char* sheet : {"enpty02.jpeg", "en02.jpeg", "Mahou01.jpeg"})
        picture(sheet, 640, 960, QColor(200, 40, 40));
    for (const char* mask : {"enpty02x.jpeg", "en02x.jpeg", "Mahou01x.jpeg"})
        picture(mask, 640, 960, QColor(0, 0, 0));
    QStringList bosses;
    for (int b = 1; b <= 10; ++b) bosses << QStringLiteral("主%1,100,10,5,5,0,50").arg(b);
    data.writeLines("Bos_F", bosses);
    EnemyRecord& e = st().EnemyTable[1];
    e.EnemyName = QStringLiteral("こうもり").leftJustified(20, u' ');
    e.EnemyHP = 10;
    e.EnemyPower = 5;
    for (int k = 0; k <= 9; ++k) st().PlaceEnemySet(kPlace, k) = Value(0);
}

void FieldTest::readyTreasure() {
    putItem(st(), 1, QStringLiteral("やくそう"), 1, 20, 1);
    putItem(st(), 2, QStringLiteral("どくけし"), 2, 0, 1);
    putItem(st(), 5, QStringLiteral("星のかけら"), 0, 0, 3);
    putEquip(st(), 2, QStringLiteral("革の鎧"), 3, 2);
}
