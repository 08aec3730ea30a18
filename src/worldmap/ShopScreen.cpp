#include "worldmap/ShopScreen.h"

#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include "core/Game.h"
#include "core/Music.h"
#include "party/PartyView.h"
#include "platform/Label.h"
#include "platform/Layout.h"
#include "platform/PictureBox.h"
#include "platform/PictureButton.h"
#include "worldmap/ShopLook.h"

mise::mise(Game& game) : Form(game.forms(), QStringLiteral("mise")), game_(game) {
    shoplook::paintWindow(*this);

    Picture1 = new PictureBox(this);
    Label5 = new Label(this);
    shoplook::styleTitle(*Label5);
    Label1 = new Label(this);
    shoplook::styleMessage(*Label1);

    Frame1 = new QGroupBox(this);
    Option1[1] = new QRadioButton(QStringLiteral("買う"), Frame1);
    Option1[0] = new QRadioButton(QStringLiteral("売る"), Frame1);
    Option1[1]->setGeometry(12, 14, 76, 28);
    Option1[0]->setGeometry(12, 44, 76, 28);
    shoplook::styleFrame(*Frame1);

    Label3 = new Label(this, QStringLiteral("数量"));
    Label2 = new Label(this);
    Label6 = new Label(this);
    for (Label* l : {Label3, Label2, Label6}) shoplook::styleInfo(*l);
    Label2->setAlignment(Qt::AlignCenter);
    Command1[0] = new PictureButton(this);
    Command1[1] = new PictureButton(this);

    Command2[0] = new QPushButton(QStringLiteral("は　い"), this);
    Command2[1] = new QPushButton(QStringLiteral("いいえ"), this);
    Command2[2] = new QPushButton(QStringLiteral("外に出る"), this);

    Label4 = new Label(this);
    shoplook::styleMessage(*Label4);
    List2 = new QListWidget(this);
    shoplook::styleList(*List2);
    for (auto*& p : Picture2) p = new PictureBox(this);
    Picture3 = new PictureBox(this);
    Picture3->setBackColor(shoplook::kPanel);

    for (int i = 0; i < 2; ++i) {
        connect(Option1[i], &QRadioButton::clicked, this, [this, i] { Option1_Click(i); });
        connect(Command1[i], &QPushButton::clicked, this, [this, i] { Command1_Click(i); });
    }
    for (int i = 0; i < 3; ++i)
        connect(Command2[i], &QPushButton::clicked, this, [this, i] { Command2_Click(i); });
    for (int i = 0; i < 4; ++i)
        connect(Picture2[i], &PictureBox::clicked, this, [this, i] { Picture2_Click(i); });
    connect(List2, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { List2_Click(List2->row(item)); });
    connect(List2, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { List2_DblClick(List2->row(item)); });
}

void mise::applyDesign() {
    Label1->setCaption(QString());
    Label4->setCaption(QString());
    Label5->setCaption(QString());
    Label2->setCaption(QStringLiteral("1"));
    Frame1->show();
    setTradeModeShown(1);
    setQuantityControlsVisible(false);
    List2->clear();
    for (PictureBox* p : Picture2) p->hide();
}

void mise::Form_Load() {
    GameState& st = game_.state();
    setClientSize(800, 616);
    Ctl_Set(Picture1, 480, 320, 2, 2);
    Ctl_Set(Label5, 480, 80, 256, 32);
    Ctl_Set(Label1, 480, 80, 2, 324);
    Ctl_Set(Frame1, 96, 80, 16, 404);
    Ctl_Set(Label3, 64, 28, 144, 416);
    Ctl_Set(Command1[0], 28, 28, 188, 412);
    Ctl_Set(Command1[1], 28, 28, 252, 412);
    Ctl_Set(Label2, 32, 28, 218, 412);
    Ctl_Set(Label6, 160, 28, 304, 416);
    const int buttonLeft[3] = {136, 250, 360};
    for (int i = 0; i < 3; ++i) Ctl_Set(Command2[i], 96, 28, buttonLeft[i], 448);
    Ctl_Set(Label4, 272, 64, 496, 408);
    Ctl_Set(List2, 160, 384, 496, 16);
    for (int i = 0; i < 4; ++i) Ctl_Set(Picture2[i], 96, 96, 672, 16 + 96 * i);
    Ctl_Set(Picture3, 768, 120, 16, 488);
    Picture3->Cls();
    Command1[0]->setPictureFile(game_.dataFile(QStringLiteral("btn_plus.bmp")));
    Command1[1]->setPictureFile(game_.dataFile(QStringLiteral("btn_minus.bmp")));
    Command1[0]->setText(Command1[0]->hasPicture() ? QString() : QStringLiteral("+"));
    Command1[1]->setText(Command1[1]->hasPicture() ? QString() : QStringLiteral("-"));

    Bgm_Send(game_, bgm::kStop);  // a shop has no music of its own
    for (int k = 0; k <= 50; ++k) LineName[k] = QString();
    loadPortraitSheet(QStringLiteral("ca02.bmp"));
    Quantity = 1;
    TradeMode = 1;
    Label2->setCaption(QStringLiteral("1"));
    showMoney();
    for (int k = 0; k <= 5; ++k) TalkIndex[k] = 1;
    SelPos = 1;
    st.CurChar = static_cast<int>(st.PartyMember[1].toInt());
    ShownCount = shownCount(st);
}

void mise::Form_Activate() {
    for (int k = 0; k <= 50; ++k) LineName[k] = QString();
    Frame1->show();
    setQuantityControlsVisible(false);
    withdrawQuote();
    // Every facility starts without a chosen line, so "は　い" cannot act on a line of an
    // earlier visit.
    ListPick = -1;
    mise_set();
}

void mise::mise_set() {
    const GameState& st = game_.state();
    loadPortraitSheet(QStringLiteral("ca02.bmp"));
    ShopType = shopKindOf(st.ShopNo);
    switch (ShopType) {
        case ShopKind::Inn:
            yadoya();
            break;
        case ShopKind::ItemShop:
            Douguya();
            break;
        case ShopKind::WeaponShop:
            Bukiya();
            break;
        case ShopKind::Tavern:
            loadPortraitSheet(QStringLiteral("ca03.bmp"));
            sakaba();
            break;
        case ShopKind::Church:
            Kyoukai();
            break;
        case ShopKind::None:
            List2->clear();
            break;
    }
    showInteriorPicture();
    if (ShopType != ShopKind::Tavern) drawPartyPortraits();
}

void mise::Douguya() {
    setQuantityControlsVisible(true);
    Label5->setCaption(QStringLiteral("道　具　屋"));
    showMessage(shoptext::kWelcome);
    Option1_Click(1);
}

void mise::Bukiya() {
    Label5->setCaption(QStringLiteral("武　器　屋"));
    showMessage(shoptext::kWelcome);
    Option1_Click(1);
}

void mise::Option1_Click(int index) {
    GameState& st = game_.state();
    List2->clear();
    withdrawQuote();
    setTradeModeShown(index);
    if (index == 1) {
        TradeMode = 1;
        const std::vector<WareLine> stock = stockList(st, ShopType, st.ShopNo);
        for (std::size_t k = 0; k < stock.size(); ++k)
            LineRef[static_cast<int>(k) + 1] = stock[k].ref;
        LineRef[static_cast<int>(stock.size()) + 1] = 0;
        showLines(stock);
        if (ShopType == ShopKind::ItemShop) setQuantityControlsVisible(true);
        return;
    }
    TradeMode = 0;
    const SellList sell = sellList(st, ShopType);
    for (std::size_t k = 0; k < sell.lines.size(); ++k) {
        LineRef[static_cast<int>(k) + 1] = sell.lines[k].ref;
        LineEntry[static_cast<int>(k) + 1] = sell.lines[k].entry;
    }
    SellCount = static_cast<int>(sell.lines.size());
    OtherCount = sell.otherCount;
    showLines(sell.lines);
    if (SellCount == 0) game_.platform().msgBox(shoptext::kNothingToSell);
    if (ShopType == ShopKind::ItemShop) setQuantityControlsVisible(false);
}

void mise::List2_Click(int row) {
    const GameState& st = game_.state();
    if (row < 0) return;
    ListPick = row;
    withdrawQuote();
    if (ShopType == ShopKind::Church) {
        Kyoukai2();
        return;
    }
    const int r = LineRef[ListPick + 1];
    if (ShopType == ShopKind::ItemShop) Label4->setCaption(st.ItemTable[r].ItemText);
    if (ShopType == ShopKind::WeaponShop) {
        Label4->setCaption(st.EquipTable[r].EquipText);
        showWareUsers(r);
    }
    Msg1.clear();
    Msg2.clear();
}

void mise::showWareUsers(int ref) {
    const GameState& st = game_.state();
    for (int i = 1; i <= ShownCount; ++i) Picture2[i - 1]->setVisible(memberMayUse(st, i, ref));
}

void mise::List2_DblClick(int row) {
    const GameState& st = game_.state();
    if (row < 0) return;
    ListPick = row;
    const int r = LineRef[ListPick + 1];
    const bool buying = TradeMode == 1;
    switch (ShopType) {
        case ShopKind::ItemShop:
        case ShopKind::WeaponShop:
            QuotedPrice = Value(wareQuote(st, ShopType, r, buying, Quantity));
            break;
        case ShopKind::Tavern:
            QuotedPrice = Value(LinePrice[ListPick + 1]);
            break;
        default:
            break;  // the church names no price
    }
    Msg2 = shoptext::quoteQuestion(QuotedPrice);
    showMessage(Msg1 + u'\r' + Msg2);
    QuoteStands = true;
}

void mise::Command1_Click(int index) {
    if (index == 0) Quantity = std::min(Quantity + 1, 99);
    if (index == 1) Quantity = std::max(Quantity - 1, 1);
    Label2->setCaption(QString::number(Quantity));
    withdrawQuote();
}

void mise::Command2_Click(int index) {
    GameState& st = game_.state();
    if (index == 1) {
        showMessage(ShopType == ShopKind::Inn ? shoptext::kComeAgain : shoptext::kWhatElse);
        return;
    }
    if (index == 2) {
        Quantity = 1;
        Unload();
        return;
    }
    if (ShopType == ShopKind::Church) {
        Kyoukai3();
        return;
    }
    if (!QuoteStands) return;
    const double price = QuotedPrice.num();
    QString message;
    if (TradeMode == 0) {
        sellEntry(st, LineEntry[ListPick + 1], price);
        message = shoptext::kSoldThanks;
        Option1_Click(0);
    } else {
        Purchase result = Purchase::NoMoney;
        switch (ShopType) {
            case ShopKind::ItemShop:
            case ShopKind::WeaponShop:
                result = buyWares(st, ShopType, LineRef[ListPick + 1], Quantity, price);
                break;
            case ShopKind::Inn:
                result = payFor(st, price) ? Purchase::Done : Purchase::NoMoney;
                if (result == Purchase::Done) innRest(st);
                break;
            default:  // a drink only costs money
                result = payFor(st, price) ? Purchase::Done : Purchase::NoMoney;
                break;
        }
        message = result == Purchase::Done     ? shoptext::kBoughtThanks
                  : result == Purchase::NoRoom ? shoptext::kInventoryFull
                                               : shoptext::kNoMoney;
    }
    showMessage(message);
    Label2->setCaption(QString::number(Quantity));
    showMoney();
}

void mise::Picture2_Click(int index) {
    GameState& st = game_.state();
    SelPos = index + 1;
    if (ShopType == ShopKind::Tavern) {
        Kaw_Set();
        return;
    }
    st.CurChar = static_cast<int>(st.PartyMember[SelPos].toInt());
    Ca_Set01();
}

void mise::Ca_Set01() {
    GameState& st = game_.state();
    drawPartyPortraits();
    FrameColour = showAilment(st, SelPos, st.CurChar).colour;
    drawSelectionFrame(*Picture2[SelPos - 1], FrameColour);
}

void mise::drawPartyPortraits() {
    const GameState& st = game_.state();
    for (int i = 1; i <= ShownCount; ++i) {
        const long long c = st.PartyMember[i].toInt();
        Picture2[i - 1]->show();
        drawPortrait(*Picture2[i - 1], Picture4, st.CharacterTable[c].FaceNo);
    }
}

void mise::setQuantityControlsVisible(bool visible) {
    Label2->setVisible(visible);
    Label3->setVisible(visible);
    Command1[0]->setVisible(visible);
    Command1[1]->setVisible(visible);
}

void mise::setTradeModeShown(int mode) {
    Option1[mode == 1 ? 1 : 0]->setChecked(true);
}

void mise::withdrawQuote() {
    QuoteStands = false;
    QuotedPrice = Value();
}

void mise::showMessage(const QString& text) {
    Label1->setCaption(text);
}

void mise::showMoney() {
    Label6->setCaption(QStringLiteral("所持金：　") + Value(game_.state().Gold).text());
}

void mise::showLines(const std::vector<WareLine>& lines) {
    for (const WareLine& line : lines) List2->addItem(line.name);
}

void mise::loadPortraitSheet(const QString& name) {
    Picture4 = loadPictureFile(game_.dataFile(name));
}

void mise::showInteriorPicture() {
    const QString name = game_.state().BuildingPicture[game_.state().ShopNo].text();
    if (name.isEmpty()) {
        Picture1->Cls();  // a number without a facility has no picture
        return;
    }
    Picture1->loadPicture(game_.dataFile(name));
}
