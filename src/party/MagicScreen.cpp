#include "party/MagicScreen.h"

#include <QListWidget>
#include <QPushButton>

#include "core/Game.h"
#include "party/MagicRules.h"
#include "party/MenuLook.h"
#include "party/PartyView.h"
#include "platform/Label.h"
#include "platform/Layout.h"
#include "platform/PictureBox.h"
#include "platform/PictureButton.h"

Magic::Magic(Game& game) : Form(game.forms(), QStringLiteral("魔法")), game_(game) {
    menulook::paintWindow(*this);
    Picture1 = new PictureBox(this);
    Picture1->setBackColor(menulook::kPanel);
    for (int i = 0; i < 2; ++i) {
        Command2[i] = new PictureButton(this);
        connect(Command2[i], &QPushButton::clicked, this, [this, i] { Command2_Click(i); });
    }
    List1 = new QListWidget(this);
    menulook::styleList(*List1);
    Label2 = new Label(this);
    menulook::styleValue(*Label2);
    Command1[0] = new QPushButton(QStringLiteral("使用"), this);
    Command1[1] = new QPushButton(QStringLiteral("終了"), this);
    for (int i = 0; i < 2; ++i)
        connect(Command1[i], &QPushButton::clicked, this, [this, i] { Command1_Click(i); });
    Label1 = new Label(this);
    menulook::styleText(*Label1);
    for (int i = 0; i < 4; ++i) {
        Picture2[i] = new PictureBox(this);
        Picture2[i]->setBackColor(menulook::kPanel);
        connect(Picture2[i], &PictureBox::clicked, this, [this, i] { Picture2_Click(i); });
    }
    connect(List1, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { List1_Click(List1->row(item)); });
}

GameState& Magic::st() {
    return game_.state();
}

int Magic::member(int pos) {
    return static_cast<int>(st().PartyMember[pos].toInt());
}

void Magic::applyDesign() {
    Command2[0]->show();
    Command2[1]->show();
    for (PictureBox* p : Picture2) p->hide();
    Label1->setCaption(QString());
    List1->clear();
}

void Magic::Form_Load() {
    GameState& s = st();
    setClientSize(416, 320);
    Ctl_Set(Picture1, 96, 96, 16, 16);
    Ctl_Set(Command2[0], 28, 28, 32, 124);
    Ctl_Set(Command2[1], 28, 28, 64, 124);
    Ctl_Set(List1, 160, 144, 128, 16);
    Ctl_Set(Label2, 72, 16, 316, 32);
    Ctl_Set(Command1[0], 64, 28, 320, 84);
    Ctl_Set(Command1[1], 64, 28, 320, 116);
    Ctl_Set(Label1, 384, 32, 16, 168);
    for (int i = 0; i < 4; ++i) Ctl_Set(Picture2[i], 96, 96, 16 + 96 * i, 208);
    Command2[0]->setPictureFile(game_.dataFile(QStringLiteral("btn_prev.bmp")));
    Command2[1]->setPictureFile(game_.dataFile(QStringLiteral("btn_next.bmp")));
    Command2[0]->setText(Command2[0]->hasPicture() ? QString() : QStringLiteral("<"));
    Command2[1]->setText(Command2[1]->hasPicture() ? QString() : QStringLiteral(">"));
    if (s.PartyCount <= 1) Command2[1]->hide();
    // In battle the spell is the turn of the member whose portrait is framed: that member casts
    // and pays, so the caster cannot be changed there.
    if (s.InBattle != 0) {
        Command2[0]->hide();
        Command2[1]->hide();
    }
    Picture3 = loadPictureFile(game_.dataFile(QStringLiteral("ca02.bmp")));

    // The arrows step from where the first caster stands (the acting member in battle).
    for (int pos = 1; pos <= s.PartyCount; ++pos) {
        if (!s.PartyMember[pos].isBlank() && member(pos) == s.CurChar) {
            CasterPos = pos;
            break;
        }
    }
    ShownCount = shownCount(s);
    Ca1_set2();
    s.ActionResult = 0;
    TargetChosen = 0;
    showMP();
    Mahou_Set();
}

void Magic::Form_Unload() {
    GameState& s = st();
    s.CurChar = member(1);
    if (s.ActionResult == 0) s.CastMagicNo = 0;
}

void Magic::showMP() {
    Label2->setCaption(QStringLiteral("MP: ") + QString::number(st().CharMP[st().CurChar]));
}

void Magic::Ca1_set2() {
    drawPortrait(*Picture1, Picture3, st().CharacterTable[st().CurChar].FaceNo);
}

void Magic::Mahou_Set() {
    GameState& s = st();
    List1->clear();
    SpellSlot.fill(0);
    const std::vector<int> known =
        spellsKnown(s.CharacterTable[s.CurChar].CharNo, s.CharLevel[s.CurChar]);
    for (std::size_t k = 0; k < known.size() && SpellSlot.inRange(static_cast<long long>(k)); ++k)
        SpellSlot[static_cast<long long>(k)] = known[k];
    for (int k = SpellSlot.lo; k <= SpellSlot.hi && SpellSlot[k] != 0; ++k)
        List1->addItem(s.MagicTable[SpellSlot[k]].MagicName);
    // A new list has no clicked line: "使用" must not cast a line the player has not chosen.
    SelRow = -1;
}

void Magic::Ca1_Set() {
    GameState& s = st();
    for (int pos = 1; pos <= ShownCount; ++pos) {
        if (s.PartyMember[pos].isBlank()) break;
        Picture2[pos - 1]->show();
        drawPortrait(*Picture2[pos - 1], Picture3, s.CharacterTable[member(pos)].FaceNo);
    }
}

void Magic::List1_Click(int row) {
    GameState& s = st();
    if (row < 0 || row >= List1->count()) return;
    SelRow = row;
    const MagicRecord& m = s.MagicTable[SpellSlot[row]];
    s.CastMagicNo = m.MagicNo;
    Label1->setCaption(m.MagicText);
    if (m.MagicKind == spellkind::kOneAlly || m.MagicKind == spellkind::kOneAllySupport) Ca1_Set();
}

void Magic::Picture2_Click(int index) {
    GameState& s = st();
    Ca1_Set();
    s.SpellTargetPos = index + 1;
    const AilmentShown shown = showAilment(s, s.SpellTargetPos, member(s.SpellTargetPos));
    FrameColour = shown.colour;
    drawSelectionFrame(*Picture2[index], FrameColour);
    TargetChosen = 1;
    TargetChar = s.PartyMember[s.SpellTargetPos];
}

void Magic::Command2_Click(int index) {
    GameState& s = st();
    if (s.InBattle != 0) return;
    const int last = std::max(s.PartyCount, 1);
    if (index == 0) {
        Command2[1]->show();
        CasterPos = std::min(CasterPos - 1, last);
        if (CasterPos <= 1) {
            CasterPos = 1;
            Command2[0]->hide();
        }
        while (CasterPos > 1 && s.PartyMember[CasterPos].isBlank()) --CasterPos;
    } else {
        Command2[0]->show();
        CasterPos = std::max(CasterPos + 1, 1);
        if (CasterPos >= last) {
            CasterPos = last;
            Command2[1]->hide();
        }
        while (CasterPos < last && s.PartyMember[CasterPos].isBlank()) ++CasterPos;
    }
    for (PictureBox* p : Picture2) p->hide();
    Label1->setCaption(QString());
    s.CurChar = member(CasterPos);
    Ca1_set2();
    Mahou_Set();
    showMP();
}

void Magic::Command1_Click(int index) {
    if (index == 0)
        cast();
    else
        Unload();
}

void Magic::cast() {
    GameState& s = st();
    Platform& pf = game_.platform();
    if (List1->count() == 0) {
        pf.msgBox(QStringLiteral("魔法はおぼえていません"));
        return;
    }
    if (SelRow < 0) return;
    const int spell = SpellSlot[SelRow];
    const MagicRecord& m = s.MagicTable[spell];
    const int caster = s.CurChar;
    if (s.CharMP[caster] < m.MagicCost) {
        pf.msgBox(QStringLiteral("MPがたりません"));
        s.ActionResult = 0;
        return;
    }

    switch (m.MagicKind) {
        case spellkind::kOneEnemy:
        case spellkind::kOneAllySupport:
        case spellkind::kAllEnemies:
        case spellkind::kAllAlliesSupport:
            // The battle carries these out; on the field they do nothing.
            if (s.InBattle == 0) {
                pf.msgBox(QStringLiteral("フィールドでの使用はできません"));
                s.ActionResult = 0;
                Unload();
                return;
            }
            // A support spell on one ally needs the ally: the battle raises that member.
            if (m.MagicKind == spellkind::kOneAllySupport && TargetChosen == 0) {
                pf.msgBox(menutext::kWho);
                return;
            }
            s.ActionResult = 1;
            Unload();
            return;
        case spellkind::kOneAlly: {
            // With no portrait chosen yet, the target is the one of an earlier opening (the
            // leader at first): a fallen one closes the screen without a word.
            const int target = static_cast<int>(TargetChar.toInt());
            if (s.CharHP[target] <= 0) {
                s.ActionResult = 0;
                Unload();
                return;
            }
            if (TargetChosen == 0) {
                pf.msgBox(menutext::kWho);
                return;
            }
            const QString refusal = healOne(s, spell, target, s.SpellTargetPos);
            if (!refusal.isEmpty()) {
                pf.msgBox(refusal);
                return;
            }
            s.CharMP[caster] -= oneAllyCost(caster, m.MagicCost);
            s.ActionResult = 1;
            Unload();
            return;
        }
        case spellkind::kAllAllies:
            healAll(s, spell, caster);
            s.ActionResult = 1;
            Unload();
            return;
        default:
            s.ActionResult = 1;
            Unload();
            return;
    }
}
