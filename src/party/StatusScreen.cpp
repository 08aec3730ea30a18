#include "party/StatusScreen.h"

#include <QPushButton>
#include <algorithm>

#include "core/Game.h"
#include "core/Text.h"
#include "party/CharacterRules.h"
#include "party/MenuLook.h"
#include "party/PartyView.h"
#include "platform/Label.h"
#include "platform/Layout.h"
#include "platform/PictureBox.h"
#include "platform/PictureButton.h"

namespace {
// The reserve page has four portraits: positions 5..8. Positions 9 and 10 have none.
constexpr int kLastPagedPosition = 8;

const char* const kTopHeadings[3] = {"名　前", "クラス", "Level"};
const char* const kMiddleHeadings[8] = {"武器",   "鎧",     "兜",       "盾",
                                        "攻撃力", "防御力", "魔法防御", "状態異常"};
const char* const kRightHeadings[12] = {"MaxHP",  "MaxMP",  "体　力", "腕　力", "知　力", "敏捷性",
                                        "器用度", "魅　力", "Ｈ　Ｐ", "Ｍ　Ｐ", "経験値", "NEXT"};

QString number(int n) {
    return QString::number(n);
}
}  // namespace

Status::Status(Game& game) : Form(game.forms(), QStringLiteral("ステータス")), game_(game) {
    menulook::paintWindow(*this);
    for (int i = 0; i < 4; ++i) {
        Picture1[i] = new PictureBox(this);
        Picture1[i]->setBackColor(menulook::kPanel);
        connect(Picture1[i], &PictureBox::clicked, this, [this, i] { Picture1_Click(i); });
    }
    for (int i = 0; i < 3; ++i) {
        Label1[i] = new Label(this, QString::fromUtf8(kTopHeadings[i]));
        Label6[i] = new Label(this);
        menulook::styleHeading(*Label1[i]);
        menulook::styleValue(*Label6[i]);
    }
    for (int i = 0; i < 8; ++i) {
        Label2[i] = new Label(this, QString::fromUtf8(kMiddleHeadings[i]));
        Label5[i] = new Label(this);
        menulook::styleHeading(*Label2[i]);
        menulook::styleValue(*Label5[i]);
    }
    for (int i = 0; i < 12; ++i) {
        Label3[i] = new Label(this, QString::fromUtf8(kRightHeadings[i]));
        Label4[i] = new Label(this);
        menulook::styleHeading(*Label3[i]);
        menulook::styleValue(*Label4[i]);
        Label4[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    Command3 = new QPushButton(QStringLiteral("メンバー交代"), this);
    Command1 = new QPushButton(QStringLiteral("終了"), this);
    for (int i = 0; i < 2; ++i) {
        Command2[i] = new PictureButton(this);
        connect(Command2[i], &QPushButton::clicked, this, [this, i] { Command2_Click(i); });
    }
    connect(Command3, &QPushButton::clicked, this, [this] { Command3_Click(); });
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
}

GameState& Status::st() {
    return game_.state();
}

int Status::member(int pos) {
    return static_cast<int>(st().PartyMember[pos].toInt());
}

void Status::applyDesign() {
    Command3->hide();
    Command2[0]->hide();
    Command2[1]->hide();
    for (PictureBox* p : Picture1) {
        p->setEnabled(true);
        p->Cls();
    }
}

void Status::Form_Load() {
    GameState& s = st();
    setClientSize(480, 456);
    for (int i = 0; i < 4; ++i) Ctl_Set(Picture1[i], 96, 96, 4, 16 + 96 * i);
    for (int i = 0; i < 3; ++i) {
        Ctl_Set(Label1[i], 96, 24, 104, 8 + 32 * i);
        Ctl_Set(Label6[i], i == 2 ? 64 : 192, 24, 208, 8 + 32 * i);
    }
    for (int i = 0; i < 4; ++i) {
        Ctl_Set(Label2[i], 64, 24, 104, 104 + 32 * i);
        Ctl_Set(Label5[i], 112, 24, 168, 104 + 32 * i);
    }
    for (int i = 4; i < 8; ++i) {
        Ctl_Set(Label2[i], 104, 24, 104, 104 + 32 * i);
        Ctl_Set(Label5[i], 72, 24, 208, 104 + 32 * i);
    }
    for (int i = 0; i < 12; ++i) {
        Ctl_Set(Label3[i], 96, 24, 288, 72 + 32 * i);
        Ctl_Set(Label4[i], 64, 24, 384, 72 + 32 * i);
    }
    Ctl_Set(Command3, 160, 24, 112, 380);
    for (int i = 0; i < 2; ++i) Ctl_Set(Command2[i], 28, 28, 64 + 32 * i, 412);
    Ctl_Set(Command1, 96, 32, 144, 412);
    Command2[0]->setPictureFile(game_.dataFile(QStringLiteral("btn_page1.bmp")));
    Command2[1]->setPictureFile(game_.dataFile(QStringLiteral("btn_page2.bmp")));
    Command2[0]->setText(Command2[0]->hasPicture() ? QString() : QStringLiteral("1"));
    Command2[1]->setText(Command2[1]->hasPicture() ? QString() : QStringLiteral("2"));

    if (s.PartyCount > 4) {
        Command2[0]->show();
        Command2[1]->show();
        Command3->show();
    }
    Picture2 = loadPictureFile(game_.dataFile(QStringLiteral("ca02.bmp")));
    s.CurChar = 0;
    StatusPos = 1;
    StatusPage = 0;
    Ca_Set0();
}

void Status::Form_Unload() {
    st().CurChar = member(1);
}

void Status::clearPortraits() {
    for (PictureBox* p : Picture1) {
        p->Cls();
        p->Refresh();
    }
}

void Status::Ca_Set0() {
    GameState& s = st();
    const int n = std::min(s.PartyCount, 4);
    for (int p = 1; p <= n; ++p)
        if (s.PartyMember[p].isBlank()) Picture1[p - 1]->setEnabled(false);
    for (int p = 1; p <= n; ++p) {
        if (s.PartyMember[p].isBlank()) break;
        drawPortrait(*Picture1[p - 1], Picture2, s.CharacterTable[member(p)].FaceNo);
    }
    Ca_set02();
}

void Status::Ca_Set01() {
    GameState& s = st();
    const int last = std::min(s.PartyCount, kLastPagedPosition);
    for (int p = 5; p <= last; ++p) {
        if (s.PartyMember[p].isBlank()) continue;
        drawPortrait(*Picture1[p - 5], Picture2, s.CharacterTable[member(p)].FaceNo);
    }
    Ca_set02();
}

void Status::Ca_set02() {
    GameState& s = st();
    const AilmentShown shown = showAilment(s, StatusPos, s.CurChar);
    Label5[7]->setCaption(shown.name);
    const int q = StatusPos > 4 ? StatusPos - 4 : StatusPos;
    drawSelectionFrame(*Picture1[q - 1], shown.colour);
    set_st();
}

void Status::set_st() {
    GameState& s = st();
    const int c = s.CurChar;
    const CharacterRecord& r = s.CharacterTable[c];
    // In battle the values on show are the battle's own (spells and equipment raise them until
    // the battle ends); looking at a member must not undo them.
    if (s.InBattle == 0) Ca_Calc(s);
    s.CharLevel[c] = r.Level;
    s.CharNextExp[c] = 40 * r.Level * r.Level;

    Label6[0]->setCaption(r.CharName);
    Label6[1]->setCaption(r.ClassName);
    Label6[2]->setCaption(number(r.Level));
    const int values[8] = {r.MaxHP,     r.MaxMP,   r.Vitality,  r.Strength,
                           r.Intellect, r.Agility, r.Dexterity, r.Charm};
    for (int i = 0; i < 8; ++i) Label4[i]->setCaption(number(values[i]));
    Label4[8]->setCaption(number(s.CharHP[c]));
    Label4[9]->setCaption(number(s.CharMP[c]));
    Label4[10]->setCaption(number(s.CharExp[c]));
    Label4[11]->setCaption(number(s.CharNextExp[c] - s.CharExp[c]));
    for (int slot = 1; slot <= 4; ++slot) Label5[slot - 1]->setCaption(s.CharEquipName(c, slot));
    Label5[4]->setCaption(number(s.CharAttack[c]));
    Label5[5]->setCaption(number(s.CharDefence[c]));
    Label5[6]->setCaption(number(s.CharMagicDefence[c]));
}

void Status::Command2_Click(int index) {
    GameState& s = st();
    clearPortraits();
    if (index == 0) {
        StatusPage = 0;
        StatusPos = 1;
        s.CurChar = member(1);
        Ca_Set0();
    } else {
        StatusPage = 1;
        StatusPos = 5;
        s.CurChar = member(5);
        Ca_Set01();
    }
}

void Status::Command3_Click() {
    GameState& s = st();
    if (StatusPos == 1) {
        game_.platform().msgBox(QStringLiteral("交代できません"));
        return;
    }
    // Characters 0..3 change places with positions 5 and 6 only, everyone else with 7 and 8.
    if (member(StatusPos) <= 3) {
        Picture1[2]->setEnabled(false);
        Picture1[3]->setEnabled(false);
    } else {
        Picture1[0]->setEnabled(false);
        Picture1[1]->setEnabled(false);
    }
    SwapMode = 1;
    SwapFrom = StatusPos;
    clearPortraits();
    StatusPage = 1;
    StatusPos = 5;
    s.CurChar = member(5);
    Ca_Set01();
}

void Status::Picture1_Click(int index) {
    GameState& s = st();
    const int p = index + 1 + (StatusPage == 1 ? 4 : 0);
    if (p > s.PartyCount) return;
    if (SwapMode == 1) {
        if (s.PartyMember[p].isBlank() || s.PartyMember[p] == Value(0)) {
            game_.platform().msgBox(QStringLiteral("交代できません"));
            return;
        }
        std::swap(s.PartyMember[p], s.PartyMember[SwapFrom]);
        SwapMode = 0;
    }
    for (PictureBox* pic : Picture1) pic->setEnabled(true);
    StatusPos = p;
    s.CurChar = member(p);
    if (p <= 4)
        Ca_Set0();
    else
        Ca_Set01();
}

void Status::Command1_Click() {
    Unload();
}
