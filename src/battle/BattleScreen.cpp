// The battle screen's controls, its opening (random group or boss) and every drawing the battle
// does: enemies, hit animation, target marker and party portraits.
#include "battle/BattleScreen.h"

#include <QCloseEvent>
#include <QImageReader>
#include <algorithm>
#include <cmath>

#include "battle/BattleLayout.h"
#include "battle/BattleMaths.h"
#include "battle/BattleOutcome.h"
#include "battle/BattleView.h"
#include "core/Game.h"
#include "core/GameError.h"
#include "core/Music.h"
#include "core/ValueReader.h"
#include "party/PartyView.h"
#include "platform/Label.h"
#include "platform/Layout.h"
#include "platform/PictureBox.h"
#include "platform/PictureButton.h"

namespace {
constexpr int kFoeCell = 128;
constexpr int kFoeTop = 224;
constexpr int kBossCell = 192;
constexpr QPoint kBossAt{288, 192};
constexpr int kMarkerCell = 32;
constexpr int kMarkerTop = 176;
constexpr int kEffectCell = 64;

const char* const kCommandTips[6] = {"戦う",   "アイテムを使う", "魔法を使う",
                                     "逃げる", "防御",           "ｽﾃｰﾀｽ"};
const char* const kCommandPictures[6] = {"btn_fight.bmp", "btn_item.bmp",   "btn_magic.bmp",
                                         "btn_flee.bmp",  "btn_defend.bmp", "btn_status.bmp"};

// A picture that belongs to the screen design: shown when its file is there, nothing otherwise.
QImage designPicture(const QString& path) {
    return toSurfaceFormat(QImageReader(path).read());
}

int wholeNumber(double v) {
    return static_cast<int>(std::nearbyint(v));
}

// An encounter code of the place tables: empty is 0; anything but a whole number 0..99 is a broken
// place table.
int encounterCode(const Value& v, int place, int slot) {
    const double code = v.isBlank() ? 0 : v.num();
    if (code != std::floor(code) || code < 0 || code > 99)
        throw GameError(QStringLiteral("MapEv_F"),
                        QStringLiteral("place %1, enemy set %2").arg(place).arg(slot),
                        QStringLiteral("an encounter code 0..99, found %1").arg(v.text()));
    return static_cast<int>(code);
}
}  // namespace

sentou::sentou(Game& game) : Form(game.forms(), QStringLiteral("戦闘")), game_(game) {
    Picture1 = new PictureBox(this);
    Picture2 = new PictureBox(this);
    Picture2->setBackColor(QColor(40, 40, 56));
    for (int i = 0; i < 6; ++i) {
        Command1[i] = new PictureButton(Picture2);
        Command1[i]->setToolTip(QString::fromUtf8(kCommandTips[i]));
        connect(Command1[i], &QPushButton::clicked, this, [this, i] { Command1_Click(i); });
    }
    for (int i = 0; i < 4; ++i) Picture5[i] = new PictureBox(this);
    for (auto& l : Label3) {
        l = new Label(this);
        l->setTransparent(true);
    }
    for (int i = 0; i <= kMostFoes; ++i) {
        Label1[i] = new Label(this);
        Label4[i] = new Label(this);
        Label1[i]->setTransparent(true);
        Label4[i]->setTransparent(true);
    }
    // The message line lies over the battle view: light text on a dark band sized to the text.
    Label2 = new Label(this);
    Label2->setForeColor(QColor(255, 255, 255));
    Label2->setBackColor(QColor(0, 0, 0, 150));
    Label2->raise();

    connect(Picture1, &PictureBox::mouseDown, this,
            [this](Qt::MouseButton, int x, int y) { Picture1_MouseDown(x, y); });
}

GameState& sentou::st() {
    return game_.state();
}

int sentou::member(int pos) {
    return static_cast<int>(st().PartyMember[pos].toInt());
}

bool sentou::bossBattle() {
    return st().BossNo >= 1;
}

void sentou::applyDesign() {
    Label1[0]->setCaption(QStringLiteral("名前"));
    Label4[0]->setCaption(QStringLiteral("HP"));
    for (int i = 1; i <= kMostFoes; ++i) {
        Label1[i]->setCaption(QString());
        Label4[i]->setCaption(QString());
        Label1[i]->hide();
        Label4[i]->hide();
    }
    for (auto* l : Label3) {
        l->setCaption(QString());
        l->hide();
    }
    for (auto* p : Picture5) {
        p->Cls();
        p->hide();
    }
    setMessage(QString());
    Picture1->Cls();
}

void sentou::setMessage(const QString& text) {
    Label2->setCaption(text);
    Label2->setVisible(!text.isEmpty());
    Label2->resize(Label2->width(), Label2->heightForWidth(Label2->width()) + 8);
}

void sentou::Form_Load() {
    GameState& s = st();
    setClientSize(800, 616);
    Ctl_Set(Picture1, 800, 448, 0, 0);
    Ctl_Set(Label2, 736, 24, 32, 16);
    Ctl_Set(Picture2, 96, 128, 688, 464);
    for (int i = 0; i < 6; ++i) {
        if (i <= 2)
            Ctl_Set(Command1[i], 36, 36, 8, 4 + 40 * i);
        else
            Ctl_Set(Command1[i], 36, 36, 52, 4 + 40 * (i - 3));
        Command1[i]->setPictureFile(game_.dataFile(QString::fromUtf8(kCommandPictures[i])));
    }
    for (int i = 0; i < 4; ++i) {
        Ctl_Set(Picture5[i], 96, 96, 16 + 96 * i, 464);
        Ctl_Set(Label3[i], 96, 16, 16 + 96 * i, 560);
        Ctl_Set(Label3[i + 4], 96, 16, 16 + 96 * i, 576);
    }
    for (int i = 0; i <= kMostFoes; ++i) {
        Ctl_Set(Label1[i], 160, 20, 488, 464 + 20 * i);
        Ctl_Set(Label4[i], 48, 20, 616, 464 + 20 * i);
    }
    Picture2->Cls();
    Picture3 = loadPictureFile(game_.dataFile(QStringLiteral("enpty02.jpeg")));
    Picture4 = loadPictureFile(game_.dataFile(QStringLiteral("enpty02x.jpeg")));
    Picture9[0] = loadPictureFile(game_.dataFile(QStringLiteral("Mahou01.jpeg")));
    Picture9[1] = loadPictureFile(game_.dataFile(QStringLiteral("Mahou01x.jpeg")));
    Picture6 = loadPictureFile(game_.dataFile(QStringLiteral("ca02.bmp")));
    Picture8[0] = designPicture(game_.dataFile(QStringLiteral("marker.bmp")));
    Picture8[1] = designPicture(game_.dataFile(QStringLiteral("markerx.bmp")));

    s.InBattle = 1;
    MarkersDrawn.clear();
    HitCode = 0;
    ActorPos = 1;
    FoeHPTotal = 10;  // anything above 0: enemies remain
    for (int i = 1; i <= 10; ++i) {
        FoeCol[i] = FoeRow0[i] = FoeHP[i] = FoePower[i] = 0;
        FoeDefence[i] = FoeMagicDefence[i] = FoeExp[i] = 0;
    }
    MemberLimit = memberLimit(s);
    ShownCount = shownCount(s);
    for (int pos = 1; pos <= ShownCount; ++pos) {
        if (s.PartyMember[pos].isBlank()) break;
        Label3[pos - 1]->show();
        Label3[pos + 3]->show();
        Picture5[pos - 1]->show();
    }

    Bos_Load();
    if (bossBattle())
        Bos_Set();
    else
        enp_set();
    s.MessageLines[3] = QString();
    Ca_Set();
}

void sentou::closeEvent(QCloseEvent* e) {
    e->ignore();
}

void sentou::Form_Activate() {
    // The battle has no music of its own: the place's music falls silent.
    Bgm_Send(game_, bgm::kStop);
}

void sentou::Form_Unload() {
    st().InBattle = 0;
    writeBackAfterBattle(st(), MemberLimit);
}

void sentou::Bos_Load() {
    ValueReader in = ValueReader::open(game_.dataFile(QStringLiteral("Bos_F")));
    Bosses = readBossTable(in);
}

void sentou::enp_set() {
    GameState& s = st();
    s.BattleBack = s.PlaceBattleBack[s.CurPlace].text();
    Picture1->loadPicture(game_.dataFile(s.BattleBack));
    BackPicture = Picture1->surface().copy();

    const EnemyGroupDraw group = drawEnemyGroup(shownCount(s), game_.platform());
    s.EnemyCount = group.count;
    for (int i = 1; i <= s.EnemyCount; ++i) TargetOf[i] = 1;

    for (int i = 1; i <= s.EnemyCount; ++i) {
        const int r = group.setSlots[static_cast<std::size_t>(i - 1)];
        // Places on the world map level would draw from their own table, which holds nothing:
        // every code there is empty.
        Value code;
        if (s.MapDepth != 0)
            code = s.PlaceEnemySet(s.CurPlace, r);
        else if (s.TopEncounterTable.inRange(s.CurPlace, r))
            code = s.TopEncounterTable(s.CurPlace, r);
        FoeCode[i] = encounterCode(code, s.CurPlace, r);
        const FoeSheetCell cell = foeSheetCell(FoeCode[i]);
        FoeCol[i] = cell.col;
        FoeRow0[i] = cell.row0;
        const EnemyRecord& e = s.EnemyTable[cell.record];
        FoeName[i] = e.EnemyName;
        FoeHP[i] = e.EnemyHP;
        FoePower[i] = e.EnemyPower;
        FoeDefence[i] = e.EnemyDefence;
        FoeMagicDefence[i] = e.EnemyMagicDefence;
        FoeExp[i] = e.EnemyExp;
        Label1[i]->show();
        Label4[i]->show();
    }
    Eg_Set();
}

void sentou::Bos_Set() {
    GameState& s = st();
    Picture7[0] = loadPictureFile(game_.dataFile(QStringLiteral("en02.jpeg")));
    Picture7[1] = loadPictureFile(game_.dataFile(QStringLiteral("en02x.jpeg")));
    Picture1->loadPicture(game_.dataFile(s.BattleBack));
    BackPicture = Picture1->surface().copy();

    const BossRow& boss = Bosses.rows[s.BossNo];
    s.EnemyCount = 1;
    FoeName[1] = boss.BossName.text();
    FoeHP[1] = wholeNumber(boss.BossHP);
    FoePower[1] = wholeNumber(boss.BossPower);
    FoeDefence[1] = wholeNumber(boss.BossDefence);
    FoeMagicDefence[1] = wholeNumber(boss.BossMagicDefence);
    FoeExp[1] = wholeNumber(boss.BossExp);
    // A boss has no enemy record, so the random part of its blow comes from the sixth column of
    // its row; a row that leaves it empty or 0 gets one from the boss's power.
    if (boss.BossSpare.isBlank() || boss.BossSpare == Value(0))
        BossAttack = bossAttackFromPower(FoePower[1]);
    else if (boss.BossSpare.isNumber())
        BossAttack = wholeNumber(boss.BossSpare.num());
    else
        throw GameError(QStringLiteral("Bos_F"), QStringLiteral("row %1, column 6").arg(s.BossNo),
                        QStringLiteral("the boss's attack roll (a number or nothing)"));

    Label1[1]->show();
    Label4[1]->show();
    FoeRow[1] = 0;
    Eg_Set();
}

void sentou::placeFoes() {
    if (auto places = foeSlots(st().EnemyCount))
        for (int i = 1; i <= st().EnemyCount; ++i) FoeSlot[i] = (*places)[i - 1];
}

void sentou::drawFoe(int i) {
    if (FoeHP[i] <= 0) FoeRow[i] = FoeRow0[i] + 2;
    const QRect square(FoeSlot[i] * kSlotPixels, kFoeTop, kFoeCell, kFoeCell);
    repaintBackground(square);
    drawMaskedCell(Picture1->surface(), Picture3, Picture4, kFoeCell, FoeCol[i], FoeRow[i], square);
}

void sentou::drawBoss(int row) {
    const QRect square(kBossAt, QSize(kBossCell, kBossCell));
    repaintBackground(square);
    drawMaskedCell(Picture1->surface(), Picture7[0], Picture7[1], kFoeCell, st().BossNo - 1, row,
                   square);
    // The boss's square reaches up into the markers' row: the markers drawn in this battle go
    // back over it, as they stay until the battle ends.
    for (int slot : MarkersDrawn)
        if (markerRect(slot).intersects(square)) drawMarker(slot);
}

QRect sentou::markerRect(int slot) {
    return QRect(slot * kSlotPixels + 16, kMarkerTop, kMarkerCell, kMarkerCell);
}

void sentou::drawMarker(int slot) {
    drawMaskedCell(Picture1->surface(), Picture8[0], Picture8[1], kMarkerCell, 0, 0,
                   markerRect(slot));
}

void sentou::repaintBackground(const QRect& r) {
    bitBlt(Picture1->surface(), r.x(), r.y(), r.width(), r.height(), BackPicture, r.x(), r.y(),
           Rop::Copy);
}

void sentou::Eg_Set() {
    GameState& s = st();
    for (int i = 1; i <= s.EnemyCount; ++i) {
        FoeRow[i] = FoeRow0[i];
        Label1[i]->setCaption(FoeName[i]);
        // A boss's hit points stay hidden for the whole battle.
        if (!bossBattle()) Label4[i]->setCaption(QString::number(FoeHP[i]));
    }
    for (int pos = 1; pos <= ShownCount; ++pos) {
        if (s.PartyMember[pos].isBlank()) break;
        const int c = member(pos);
        Label3[pos - 1]->setCaption(QStringLiteral("HP: ") + QString::number(s.CharHP[c]));
        Label3[pos + 3]->setCaption(QStringLiteral("MP: ") + QString::number(s.CharMP[c]));
    }
    placeFoes();
    if (bossBattle()) {
        drawBoss(0);
    } else {
        for (int i = 1; i <= s.EnemyCount; ++i) drawFoe(i);
    }
    Picture1->Refresh();
}

void sentou::Eg1_Set() {
    GameState& s = st();
    for (int i = 1; i <= s.EnemyCount; ++i) FoeRow[i] = FoeRow0[i];
    placeFoes();
    if (int struck = enemyStruckBy(s.EnemyCount, HitCode)) FoeRow[struck] += 1;

    if (bossBattle()) {
        if (FoeHP[1] <= 0) FoeRow[1] = 2;
        drawBoss(FoeRow[1]);
    } else {
        for (int i = 1; i <= s.EnemyCount; ++i) drawFoe(i);
    }

    if (s.ActionResult == 1 && EffectPending == 1) {
        EffectPending = 0;
        const int kind = s.MagicTable[s.CastMagicNo].MagicKind;
        auto effectAt = [&](int x) {
            drawMaskedCell(Picture1->surface(), Picture9[0], Picture9[1], kEffectCell, EffectCol,
                           EffectRow, QRect(x, kFoeTop, kEffectCell, kEffectCell));
        };
        if (kind == 1) effectAt(MarkerSlot * kSlotPixels - 16);
        if (kind == 4)
            for (int i = 1; i <= s.EnemyCount; ++i) effectAt(FoeSlot[i] * kSlotPixels);
    }
    Picture1->Refresh();
    game_.platform().pause(kHitPauseMs);
}

void sentou::sx1() {
    if (auto slot = markerSlotFor(HitCode)) MarkerSlot = *slot;
    Eg_Set();
    // Earlier markers stay where they were drawn.
    drawMarker(MarkerSlot);
    if (std::find(MarkersDrawn.begin(), MarkersDrawn.end(), MarkerSlot) == MarkersDrawn.end())
        MarkersDrawn.push_back(MarkerSlot);
    Picture1->Refresh();
}

void sentou::Ca_Set() {
    GameState& s = st();
    for (int pos = 1; pos <= ShownCount; ++pos) {
        Picture5[pos - 1]->Cls();
        if (s.PartyMember[pos].isBlank()) break;
        drawPortrait(*Picture5[pos - 1], Picture6, s.CharacterTable[member(pos)].FaceNo);
    }
    // The frame marks whose command is awaited, in the colour of that member's ailment.
    const AilmentShown shown = showAilment(s, ActorPos, member(ActorPos));
    drawSelectionFrame(*Picture5.at(ActorPos - 1), shown.colour);
}
