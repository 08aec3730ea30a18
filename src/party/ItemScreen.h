#pragma once

#include <QImage>
#include <array>
#include <vector>

#include "platform/Form.h"

class Game;
struct GameState;
class Label;
class PictureBox;
class QGroupBox;
class QListWidget;
class QPushButton;
class QRadioButton;

// The item screen: the party's inventory in two views, weapons and armour (武器) or items (道具).
// The player equips a piece on a party member, uses an item on one, or throws an entry away.
// Opened with waiting by the field and town screens and by the battle's item command; CurChar is
// the member who acts when it opens. The opener reads ActionResult (2 = an item took effect) and
// the result text left in MessageLines(3).
//
// A visit: the list shows the items → a row is clicked (its description) → a portrait is clicked
// (the member, framed in the colour of its ailment) → "使用" uses the item and closes the screen
// whatever came of it; in the weapons view "装備" puts the piece on and the screen stays open,
// unless the member may not wear it. "廃棄" asks first. Every change rebuilds the list from the
// sorted inventory, and a command with no row clicked in the list as it stands does nothing.
class Item : public Form {
  public:
    explicit Item(Game& game);

    // Controls, named as in the screen design.
    QListWidget* List1;
    QGroupBox* Frame1;
    std::array<QRadioButton*, 2> Option1{};  // 0 "武器", 1 "道具"
    std::array<Label*, 2> Label1{};          // "所持金", money
    std::array<Label*, 2> Label2{};          // "ｱｲﾃﾑ数", count
    std::array<QPushButton*, 4> Command1{};  // "装備", "使用", "廃棄", "終了"
    Label* Label3;                           // description of the clicked entry
    std::array<PictureBox*, 4> Picture1{};   // portraits of positions 1..4
    QImage Picture2;                         // portrait sheet "ca02.bmp"

    // Event handlers.
    void Option1_Click(int index);
    void List1_Click(int row);
    void Picture1_Click(int index);
    void Command1_Click(int index);

    // The inventory entry each list row shows.
    const std::vector<int>& listMap() const { return ListMap; }
    int targetPosition() const { return TargetPos; }

  protected:
    void applyDesign() override;
    void Form_Load() override;
    void Form_Unload() override;

  private:
    GameState& st();
    void set_item();
    void Ca_Set2();
    void soubi_set();
    void item_siyou();
    void haiki();
    void showCount();
    bool rowChosen() const;

    Game& game_;

    int ItemView = 1;  // 1 items, 0 weapons
    std::vector<int> ListMap;
    int SelRow = -1;  // -1: no row of the list as it stands has been clicked
    int SelEntry = -1;
    int TargetPos = 0;  // party position of the portrait clicked last; 0 none yet
    int ShownCount = 4;
    int MemberLimit = 0;
};
