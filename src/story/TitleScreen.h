#pragma once

#include <QPushButton>
#include <array>

#include "platform/Form.h"

class Game;
class Label;
class PictureBox;

// The title screen: New Game, Load Game, End, and the guide for first-time players (scene 8).
// Every time it opens it clears the map grids and reads every table afresh, so the tables hold
// the files' contents whenever it is on view.
class Taitol : public Form {
  public:
    explicit Taitol(Game& game);

    // Controls, named as in the screen design.
    PictureBox* Image1;              // the title
    PictureBox* Picture1;            // the picture of the screen design
    PictureBox* Picture2;            // its side picture
    QPushButton* Command1;           // "初めてゲームをされる方へ"
    std::array<Label*, 4> Label2{};  // "New Game", "Load Game", "End", and one with no action

    // Shows the guide for first-time players over the title.
    void Command1_Click();
    // 0 starts a new game through the opening, 1 loads a saved one, 2 ends the program.
    void Label2_Click(int index);

  protected:
    void applyDesign() override;
    void Form_Load() override;

  private:
    Game& game_;
};
