#include "party/ItemScreen.h"

#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include "core/Game.h"
#include "party/CharacterRules.h"
#include "party/ItemRules.h"
#include "party/MenuLook.h"
#include "party/PartyView.h"
#include "platform/Label.h"
#include "platform/Layout.h"
#include "platform/PictureBox.h"

Item::Item(Game& game) : Form(game.forms(), QStringLiteral("アイテム")), game_(game) {
    menulook::paintWindow(*this);
    List1 = new QListWidget(this);
    menulook::styleList(*List1);
    Frame1 = new QGroupBox(this);
    menulook::styleFrame(*Frame1);
    Option1[0] = new QRadioButton(QStringLiteral("武器"), Frame1);
    Option1[1] = new QRadioButton(QStringLiteral("道具"), Frame1);
    Option1[0]->setGeometry(16, 8, 76, 26);
    Option1[1]->setGeometry(104, 8, 76, 26);
    for (QRadioButton* o : Option1) o->setPalette(Frame1->palette());

    Label1[0] = new Label(this, QStringLiteral("所持金"));
    Label1[1] = new Label(this);
    Label2[0] = new Label(this, QStringLiteral("ｱｲﾃﾑ数"));
    Label2[1] = new Label(this);
    menulook::styleHeading(*Label1[0]);
    menulook::styleHeading(*Label2[0]);
    menulook::styleValue(*Label1[1]);
    menulook::styleValue(*Label2[1]);

    const char* const captions[4] = {"装備", "使用", "廃棄", "終了"};
    for (int i = 0; i < 4; ++i) {
        Command1[i] = new QPushButton(QString::fromUtf8(captions[i]), this);
        connect(Command1[i], &QPushButton::clicked, this, [this, i] { Command1_Click(i); });
    }
    Label3 = new Label(this);
    menulook::styleText(*Label3);
    for (int i = 0; i < 4; ++i) {
        Picture1[i] = new PictureBox(this);
        Picture1[i]->setBackColor(menulook::kPanel);
        connect(Picture1[i], &PictureBox::clicked, this, [this, i] { Picture1_Click(i); });
    }
    for (int i = 0; i < 2; ++i)
        connect(Option1[i], &QRadioButton::clicked, this, [this, i] { Option1_Click(i); });
    connect(List1, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { List1_Click(List1->row(item)); });
}

GameState& Item::st() {
    return game_.state();
}

void Item::applyDesign() {
    Option1[1]->setChecked(true);
    Command1[0]->setEnabled(true);
    Command1[1]->setEnabled(true);
    Label3->setCaption(QString());
    List1->clear();
    for (PictureBox* p : Picture1) p->hide();
}

void Item::Form_Load() {
    GameState& s = st();
    setClientSize(416, 368);
    Ctl_Set(List1, 160, 164, 16, 16);
    Ctl_Set(Frame1, 192, 40, 192, 16);
    Ctl_Set(Label1[0], 96, 28, 200, 68);
    Ctl_Set(Label1[1], 96, 28, 248, 68);
    Ctl_Set(Label2[0], 96, 28, 200, 84);
    Ctl_Set(Label2[1], 96, 28, 248, 84);
    Ctl_Set(Command1[0], 88, 28, 192, 108);
    Ctl_Set(Command1[1], 88, 28, 288, 108);
    Ctl_Set(Command1[2], 88, 28, 192, 144);
    Ctl_Set(Command1[3], 88, 28, 288, 144);
    Ctl_Set(Label3, 384, 64, 16, 186);
    for (int i = 0; i < 4; ++i) Ctl_Set(Picture1[i], 96, 96, 16 + 96 * i, 256);

    Picture2 = loadPictureFile(game_.dataFile(QStringLiteral("ca02.bmp")));
    Command1[0]->setEnabled(false);
    s.ActionResult = 0;
    MemberLimit = memberLimit(s);
    ShownCount = shownCount(s);
    Ca_Set2();
    TargetPos = 0;
    ItemView = 1;
    Label1[1]->setCaption(Value::formatNumber(s.Gold));
    showCount();
    s.MessageLines[3] = QString();
    set_item();
}

void Item::Form_Unload() {
    st().CurChar = static_cast<int>(st().PartyMember[1].toInt());
}

void Item::showCount() {
    Label2[1]->setCaption(QString::number(st().ItemCount));
}

void Item::set_item() {
    const InventoryView view = ItemView == 1 ? InventoryView::Items : InventoryView::Weapons;
    List1->clear();
    ListMap = listedEntries(st(), view);
    for (int entry : ListMap) List1->addItem(entryName(st(), entry));
    // A rebuilt list has no clicked row: a command now would act on an entry the player no
    // longer sees, and the description of the old row goes with it.
    SelRow = -1;
    SelEntry = -1;
    Label3->setCaption(QString());
}

void Item::Ca_Set2() {
    GameState& s = st();
    for (int p = 1; p <= ShownCount; ++p) {
        if (s.PartyMember[p].isBlank()) break;
        Picture1[p - 1]->show();
        const int c = static_cast<int>(s.PartyMember[p].toInt());
        drawPortrait(*Picture1[p - 1], Picture2, s.CharacterTable[c].FaceNo);
    }
}

void Item::Option1_Click(int index) {
    ItemView = index == 0 ? 0 : 1;
    Option1[ItemView]->setChecked(true);
    Command1[0]->setEnabled(ItemView == 0);
    Command1[1]->setEnabled(ItemView == 1);
    set_item();
}

void Item::List1_Click(int row) {
    if (row < 0 || row >= static_cast<int>(ListMap.size())) return;
    SelRow = row;
    SelEntry = ListMap[static_cast<std::size_t>(row)];
    Label3->setCaption(entryText(st(), SelEntry));
}

void Item::Picture1_Click(int index) {
    GameState& s = st();
    const int p = index + 1;
    if (p > MemberLimit) return;
    TargetPos = p;
    s.CurChar = static_cast<int>(s.PartyMember[p].toInt());
    Ca_Set2();  // wipes the frame of an earlier choice
    const AilmentShown shown = showAilment(s, p, s.CurChar);
    drawSelectionFrame(*Picture1[index], shown.colour);
}

bool Item::rowChosen() const {
    return SelRow >= 0 && SelEntry >= 0;
}

void Item::Command1_Click(int index) {
    switch (index) {
        case 0:
            if (!rowChosen()) return;
            soubi_set();
            if (isLoaded()) Inv_Sort(st());
            break;
        case 1:
            if (!rowChosen()) return;
            item_siyou();
            if (TargetPos != 0) {
                Inv_Sort(st());
                set_item();
                Unload();
            }
            break;
        case 2:
            if (!rowChosen()) return;
            haiki();
            break;
        case 3:
            Unload();
            break;
        default:
            break;
    }
}

void Item::soubi_set() {
    GameState& s = st();
    const int equip = static_cast<int>(s.InvItem[SelEntry].toInt());
    if (Equip_Chk(s, equip) == 0) {
        game_.platform().msgBox(equipRefusal(s, s.CurChar, equip));
        Unload();
        return;
    }
    if (wearEntry(s, SelEntry) == WearOutcome::NoSlot) return;
    showCount();
    Inv_Sort(s);
    set_item();
}

void Item::item_siyou() {
    const QString refusal = useItem(st(), SelEntry, TargetPos);
    if (!refusal.isEmpty()) game_.platform().msgBox(refusal);
    showCount();
}

void Item::haiki() {
    if (!game_.platform().askYesNo(QStringLiteral("本当に捨てていいですね？"))) return;
    throwAway(st(), SelEntry);
    showCount();
    Inv_Sort(st());
    set_item();
}
