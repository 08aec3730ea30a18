#pragma once

#include <QPushButton>
#include <array>

#include "platform/Form.h"

class Game;
class PictureBox;

// The game-over screen, shown with waiting when the party has fallen: end the program, or start
// again from the title.
class G_End : public Form {
  public:
    explicit G_End(Game& game);

    PictureBox* Picture1;                  // the game-over picture
    PictureBox* Image1;                    // its title
    std::array<QPushButton*, 2> Command1;  // "Game終了", "再挑戦"

    // 0 ends the program at once; 1 closes every screen (this one, the battle, the field and any
    // other still open) and runs the start-up again.
    void Command1_Click(int index);

  protected:
    void Form_Load() override;

  private:
    Game& game_;
};
