#pragma once

#include <QImage>
#include <array>

#include "platform/Form.h"

class Game;
struct GameState;
class Label;
class PictureBox;
class PictureButton;
class QPushButton;

// The status screen: one party member at a time with all its values. The portraits pick the
// member; the page buttons switch between the active members (positions 1..4) and the reserve
// (5..8); "メンバー交代" exchanges an active member with a reserve member. Opened with waiting by
// the field screen's menu and the battle's status command.
//
// An exchange: "メンバー交代" on an active member turns to the reserve page and leaves only the
// portraits it may change with (characters 0..3 with positions 5 and 6, everyone else with 7 and
// 8); the next click on a portrait holding someone other than the leader completes it. Only the
// party order changes: ailments stay with the positions. An exchange still waiting when the
// screen closes waits on into the next opening (without the restriction of portraits).
class Status : public Form {
  public:
    explicit Status(Game& game);

    // Controls, named as in the screen design.
    std::array<PictureBox*, 4> Picture1{};     // portraits of the page's four positions
    QImage Picture2;                           // portrait sheet "ca02.bmp"
    std::array<Label*, 3> Label1{};            // "名　前", "クラス", "Level"
    std::array<Label*, 3> Label6{};            // name, class, level
    std::array<Label*, 8> Label2{};            // "武器" … "状態異常"
    std::array<Label*, 8> Label5{};            // equipment names, attack … ailment
    std::array<Label*, 12> Label3{};           // "MaxHP" … "NEXT"
    std::array<Label*, 12> Label4{};           // their values
    QPushButton* Command3;                     // "メンバー交代"
    std::array<PictureButton*, 2> Command2{};  // page 1, page 2
    QPushButton* Command1;                     // "終了"

    // Event handlers.
    void Picture1_Click(int index);
    void Command1_Click();
    void Command2_Click(int index);
    void Command3_Click();

    int statusPosition() const { return StatusPos; }
    int statusPage() const { return StatusPage; }
    bool exchangeWaiting() const { return SwapMode == 1; }

  protected:
    void applyDesign() override;
    void Form_Load() override;
    void Form_Unload() override;

  private:
    GameState& st();
    int member(int pos);
    void clearPortraits();
    void Ca_Set0();
    void Ca_Set01();
    void Ca_set02();
    void set_st();

    Game& game_;

    int StatusPos = 1;   // party position shown, 1..8
    int StatusPage = 0;  // 0 positions 1..4, 1 positions 5..8
    int SwapMode = 0;    // 1 while an exchange waits for its second member
    int SwapFrom = 0;    // the position "メンバー交代" was pressed on
};
