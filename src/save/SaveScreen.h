#pragma once

#include <QPushButton>
#include <array>

#include "platform/Form.h"

class Game;
class Label;

// The save screen: five slots to save the game into (only when a save point or the church allowed
// it), to load a game from, or to clear; and the way back to the title. Opened with waiting from
// the town and field screens and the church, without waiting from the title.
class System_F : public Form {
  public:
    explicit System_F(Game& game);

    std::array<Label*, 6> Label1{};          // 0 the heading, 1..5 the slots
    std::array<QPushButton*, 4> Command1{};  // "Save", "Load", "Clear", "End"

    // A slot label selects its slot; the heading selects none.
    void Label1_Click(int index);
    // 0 Save, 1 Load, 2 Clear (each needs a selected slot), 3 End.
    void Command1_Click(int index);

    // The selected slot, 0 for none. Kept from one opening of the screen to the next.
    int selectedSlot() const { return SelectedSlot; }

    // Writes the selected slot and the labels; false (with the player told) when it could not.
    bool d_save();
    // Loads the selected slot into the running game; false (with the player told, and the game
    // exactly as it was) when the slot cannot be read.
    bool d_load();

    static const QColor kSelectedColour;
    static const QColor kSlotColour;

  protected:
    void applyDesign() override;
    void Form_Load() override;
    void Form_Unload() override;

  private:
    void saveGame();
    void loadGame();
    void clearSlot();
    void endGame();
    void showSelection();
    void keepCaptionsAsLabels();

    Game& game_;
    int SelectedSlot = 0;
};
