#pragma once

#include "platform/Form.h"

class Game;

// The screen the game opens with until the title screen is built: the game's name on the night
// sky. It has no controls to act on.
class StartScreen : public Form {
  public:
    explicit StartScreen(Game& game);

  protected:
    void Form_Load() override;
};
