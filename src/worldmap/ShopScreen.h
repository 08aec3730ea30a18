#pragma once

#include <QImage>
#include <array>

#include "core/Bounded.h"
#include "core/Value.h"
#include "platform/Form.h"
#include "worldmap/FacilityRules.h"
#include "worldmap/ShopRules.h"

class Game;
class Label;
class PictureBox;
class PictureButton;
class QGroupBox;
class QListWidget;
class QPushButton;
class QRadioButton;

// The shop screen: one counter for the five facilities of a town — inn, item shop, weapon shop,
// tavern and church — chosen by ShopNo. Opened with waiting by the town screen (and the field's
// buildings). The item and weapon shops live in ShopScreen.cpp, the inn, tavern and church in
// ShopFacilities.cpp.
//
// A visit: the list is built (no price quoted) → a line is clicked (its description) → the line is
// double-clicked (its price is quoted) → "は　い" trades; a purchase leaves the quote standing so
// the same ware can be bought again, a sale rebuilds the list → "外に出る" leaves.
class mise : public Form {
  public:
    explicit mise(Game& game);

    // Controls, named as in the screen design.
    PictureBox* Picture1;  // interior picture of the facility
    Label* Label5;         // facility title
    Label* Label1;         // message line
    QGroupBox* Frame1;
    std::array<QRadioButton*, 2> Option1{};    // 1 "買う", 0 "売る"
    Label* Label3;                             // "数量"
    std::array<PictureButton*, 2> Command1{};  // quantity + 1 / − 1
    Label* Label2;                             // quantity
    Label* Label6;                             // money
    std::array<QPushButton*, 3> Command2{};    // "は　い", "いいえ", "外に出る"
    Label* Label4;                             // description of the selected ware
    QListWidget* List2;
    std::array<PictureBox*, 4> Picture2{};  // party portraits (tavern: patrons)
    PictureBox* Picture3;                   // panel under the counter
    QImage Picture4;                        // portrait sheet ("ca02.bmp", tavern "ca03.bmp")

    // Event handlers.
    void Option1_Click(int index);
    void List2_Click(int row);
    void List2_DblClick(int row);
    void Command1_Click(int index);
    void Command2_Click(int index);
    void Picture2_Click(int index);

    ShopKind shopType() const { return ShopType; }
    int selectedPosition() const { return SelPos; }
    QColor frameColour() const { return FrameColour; }

  protected:
    void applyDesign() override;
    void Form_Load() override;
    void Form_Activate() override;

  private:
    void mise_set();
    void Douguya();
    void Bukiya();
    void yadoya();
    void sakaba();
    void Kyoukai();
    void Kyoukai2();
    void Kyoukai3();
    int selectedMember() const;  // the character whose portrait is selected
    void Kaw_Set();
    void Ca_Set01();

    void drawPartyPortraits();
    void drawPatrons();
    void showWareUsers(int ref);
    void setQuantityControlsVisible(bool visible);
    void setTradeModeShown(int mode);
    void withdrawQuote();
    void showMessage(const QString& text);
    void showMoney();
    void showLines(const std::vector<WareLine>& lines);
    void fillFixedList(const FixedLine* lines, int count, int looked);
    void loadPortraitSheet(const QString& name);
    void showInteriorPicture();

    Game& game_;

    // The screen's own variables; they live as long as the screen.
    ShopKind ShopType = ShopKind::None;
    int TradeMode = 1;
    int Quantity = 1;
    Array1<int, 0, 100> LineRef{};
    Array1<int, 0, 100> LineEntry{};  // the inventory entry a sell line was built from
    Array1<QString, 0, 100> LineName;
    Array1<int, 0, 100> LinePrice{};
    int ListPick = -1;  // -1: no line clicked in this facility yet
    Value QuotedPrice;  // empty while no price has been quoted
    bool QuoteStands = false;
    QString Msg1, Msg2;
    int SelPos = 1;
    int ShownCount = 4;
    Array1<int, 0, 5> TalkIndex{};
    int SellCount = 0;
    int OtherCount = 0;
    QColor FrameColour{0, 255, 255};
};
