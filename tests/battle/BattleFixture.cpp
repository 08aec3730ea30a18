#include "battle/BattleFixture.h"

#include <QBuffer>
#include <QImage>

#include "battle/BattleLayout.h"
#include "party/CharacterRules.h"
#include "party/PartyView.h"
#include "platform/PictureBox.h"
#include "support/SmallWorld.h"

const QColor BattleTest::kBackground(30, 60, 90);
const QColor BattleTest::kMarker(255, 0, 0);

namespace {
// A sheet of size × size cells; each cell holds a square sprite (inset by a quarter) of its own
// colour on black, and the mask is black under the sprite and white around it.
QByteArray png(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

struct Sheet {
    QByteArray picture, mask;
};

Sheet makeSheet(int cols, int rows, int size, QColor (*colour)(int, int)) {
    QImage picture(cols * size, rows * size, QImage::Format_RGB32);
    QImage mask(picture.size(), QImage::Format_RGB32);
    picture.fill(Qt::black);
    mask.fill(Qt::white);
    const int inset = size / 4;
    for (int c = 0; c < cols; ++c)
        for (int r = 0; r < rows; ++r)
            for (int y = inset; y < size - inset; ++y)
                for (int x = inset; x < size - inset; ++x) {
                    picture.setPixel(c * size + x, r * size + y, colour(c, r).rgb());
                    mask.setPixel(c * size + x, r * size + y, qRgb(0, 0, 0));
                }
    return {png(picture), png(mask)};
}

QColor portraitCellColour(int col, int row) {
    return QColor(100 + col * 10, 200, 50 + row * 20);
}

const Sheet& foeSheet() {
    static const Sheet s =
        makeSheet(10, 12, 128, [](int c, int r) { return BattleTest::foeCellColour(c, r); });
    return s;
}
const Sheet& bossSheet() {
    static const Sheet s =
        makeSheet(10, 3, 128, [](int c, int r) { return BattleTest::bossCellColour(c, r); });
    return s;
}

EnemyRecord enemy(const QString& name, int hp, int power, int defence, int exp) {
    EnemyRecord e;
    e.EnemyName = name.leftJustified(20, u' ');
    e.EnemyHP = hp;
    e.EnemyPower = power;
    e.EnemyDefence = defence;
    e.EnemyMagicDefence = 1;
    e.EnemyExp = exp;
    return e;
}
}  // namespace

QColor BattleTest::foeCellColour(int col, int row) {
    return QColor(10 + col * 20, 10 + row * 8, 128);
}
QColor BattleTest::bossCellColour(int col, int row) {
    return QColor(200, 10 + col * 20, 10 + row * 40);
}
QColor BattleTest::effectCellColour(int col, int row) {
    return QColor(250, 200 + col, 10 + row * 20);
}
QColor BattleTest::portraitColour(int faceNo) {
    const QPoint cell = portraitCell(faceNo);
    return portraitCellColour(cell.x(), cell.y());
}

BattleTest::BattleTest() {
    writeSmallWorld(data);
    data.writeBytes("enpty02.jpeg", foeSheet().picture);
    data.writeBytes("enpty02x.jpeg", foeSheet().mask);
    data.writeBytes("en02.jpeg", bossSheet().picture);
    data.writeBytes("en02x.jpeg", bossSheet().mask);
    const Sheet effects =
        makeSheet(10, 3, 64, [](int c, int r) { return BattleTest::effectCellColour(c, r); });
    data.writeBytes("Mahou01.jpeg", effects.picture);
    data.writeBytes("Mahou01x.jpeg", effects.mask);
    data.writeBytes("ca02.bmp", makeSheet(10, 3, 96, portraitCellColour).picture);
    QImage marker(32, 32, QImage::Format_RGB32);
    marker.fill(kMarker);
    data.writeBytes("marker.bmp", png(marker));
    marker.fill(Qt::black);
    data.writeBytes("markerx.bmp", png(marker));
    QImage back(800, 448, QImage::Format_RGB32);
    back.fill(kBackground);
    data.writeBytes("bb01.jpg", png(back));

    QStringList bosses;
    for (int b = 1; b <= 10; ++b)
        bosses << QStringLiteral("魔王%1,200,30,10,5,%2,100")
                      .arg(b)
                      .arg(b == 3   ? ""
                           : b == 4 ? "0"
                                    : "6");
    data.writeLines("Bos_F", bosses);
    data.writeLines("Ca_TF",
                    {"1,戦士,25,20,27,25,20,27,25,20", "2,魔法使い,10,10,10,10,10,10,10,10",
                     "3,僧侶,10,10,10,10,10,10,10,10", "4,盗賊,10,10,10,10,10,10,10,10"});

    GameState& s = st();
    addCharacter(0, "アレン", 1, 1, 40, 20, 10, 10, 1);
    addCharacter(1, "リナ", 2, 1, 30, 12, 6, 8, 2);
    addCharacter(2, "ゴードン", 3, 1, 35, 14, 8, 6, 3);
    addCharacter(3, "ミア", 4, 1, 28, 10, 4, 10, 4);
    for (int c = 4; c <= 10; ++c)
        addCharacter(c, QStringLiteral("控え%1").arg(c), 2, 1, 20, 5, 5, 5, 5 + c);
    partyOf(4);

    s.EnemyTable[1] = enemy("スライム", 10, 8, 1, 5);
    s.EnemyTable[2] = enemy("コウモリ", 12, 9, 2, 7);
    s.EnemyTable[38] = enemy("ゴースト", 30, 9, 3, 20);
    const int codes[3] = {0, 1, 37};
    for (int r = 0; r <= 9; ++r) s.PlaceEnemySet(1, r) = Value(codes[r % 3]);
    s.PlaceBattleBack[1] = Value("bb01.jpg");
    s.CurPlace = 1;
    s.MapDepth = 1;
    s.BattleBack = QStringLiteral("bb01.jpg");
}

void BattleTest::addCharacter(int c, const QString& name, int classNo, int level, int maxHP,
                              int strength, int vitality, int agility, int faceNo) {
    CharacterRecord& r = st().CharacterTable[c];
    r.CharName = name.leftJustified(20, u' ');
    r.ClassNo = classNo;
    r.Level = level;
    r.MaxHP = maxHP;
    r.MaxMP = 10;
    r.Strength = strength;
    r.Vitality = vitality;
    r.Agility = agility;
    r.Intellect = 4;
    r.FaceNo = faceNo;
    st().CurChar = c;
    Ca_Join(st());
}

void BattleTest::partyOf(int n) {
    for (int k = 1; k <= 10; ++k) st().PartyMember[k] = k <= n ? Value(k - 1) : Value();
    st().PartyCount = n;
}

std::vector<double> BattleTest::groupDraws(int count, const std::vector<int>& setSlots, int shown) {
    std::vector<double> draws{(count - 0.5) / (1.5 * shown)};
    for (int slot : setSlots) draws.push_back((slot + 0.5) / 10);
    return draws;
}

void BattleTest::script(const std::vector<double>& draws) {
    for (double d : draws) pf.randomDraws.push_back(d);
}

sentou& BattleTest::openRandom(int count, const std::vector<int>& setSlots) {
    st().BossNo = 0;
    script(groupDraws(count, setSlots, shownCount(st())));
    screen().Show();
    return screen();
}

sentou& BattleTest::openBoss(int bossNo) {
    st().BossNo = bossNo;
    screen().Show();
    return screen();
}

void BattleTest::clickEnemy(int i) {
    screen().Picture1_MouseDown(foeCentre(i).x(), foeCentre(i).y());
}

QColor BattleTest::viewPixel(QPoint p) {
    return QColor(screen().Picture1->surface().pixel(p));
}

QPoint BattleTest::foeCentre(int i) {
    return QPoint(screen().FoeSlot[i] * kSlotPixels + 64, 224 + 64);
}

int hitsTaken(const QString& message) {
    return static_cast<int>(message.count(QStringLiteral("の攻撃を受けた")));
}
