#pragma once

#include <QColor>
#include <QImage>
#include <array>

#include "core/Bounded.h"
#include "core/Value.h"
#include "platform/Form.h"

class Game;
struct GameState;
class Label;
class PictureBox;
class PictureButton;
class QListWidget;
class QPushButton;

// The magic screen: the spells a party member knows, its MP, and one cast. Outside battle it
// heals and cures the party; in battle it is where the acting member picks its spell (and, for
// spells on one ally, the ally), and the battle carries out attack and support spells once it
// has closed. Opened with waiting by the field and town screens and the battle's magic command;
// the first caster is CurChar as the opener leaves it. Outside battle the arrow buttons step
// through the whole party, reserve included; in battle the acting member is the caster and the
// arrows are gone, so the spells listed, the MP checked and the MP paid are that member's.
//
// Results for the opener: ActionResult 1 when a spell was cast (0 otherwise), CastMagicNo (0
// when nothing was cast) and SpellTargetPos, besides the HP, MP and ailments a healing changed.
// A refusal that keeps the screen open ("MPがたりません", "誰に使用しますか",
// "回復の必要はありません") casts nothing, so closing afterwards with "終了" uses no turn.
class Magic : public Form {
  public:
    explicit Magic(Game& game);

    // Controls, named as in the screen design.
    PictureBox* Picture1;                      // the caster's portrait
    std::array<PictureButton*, 2> Command2{};  // previous / next caster
    QListWidget* List1;                        // the spells known
    Label* Label2;                             // "MP: " and the caster's MP
    std::array<QPushButton*, 2> Command1{};    // "使用", "終了"
    Label* Label1;                             // description of the clicked spell
    std::array<PictureBox*, 4> Picture2{};     // target portraits of positions 1..4
    QImage Picture3;                           // portrait sheet "ca02.bmp"

    // Event handlers.
    void List1_Click(int row);
    void Picture2_Click(int index);
    void Command2_Click(int index);
    void Command1_Click(int index);

    int casterPosition() const { return CasterPos; }
    QColor frameColour() const { return FrameColour; }

  protected:
    void applyDesign() override;
    void Form_Load() override;
    void Form_Unload() override;

  private:
    GameState& st();
    int member(int pos);
    void Mahou_Set();
    void Ca1_Set();
    void Ca1_set2();
    void showMP();
    void cast();

    Game& game_;

    // The screen's own variables; they live as long as the screen.
    Array1<int, 0, 10> SpellSlot{};  // MagicTable index of each list line; 0 ends the list
    int SelRow = -1;                 // -1: no line of the list as it stands has been clicked
    int CasterPos = 1;
    int TargetChosen = 0;  // 1 once a target portrait was clicked in this opening
    Value TargetChar;      // character of the portrait clicked last (empty names the leader)
    QColor FrameColour{0, 255, 255};
    int ShownCount = 4;
};
