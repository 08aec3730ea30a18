#pragma once

#include "core/Bounded.h"
#include "core/Value.h"
#include "platform/Form.h"

class Game;
class Label;
class PictureBox;

// The opening of a new game: the first page of "s_f" over its picture, three lines at a time.
// Each click on the text shows the next three lines; once a group starts on an empty line (or
// past line 20) the game goes on to the town screen (or, outside the town mode, the field screen)
// and the opening closes.
class OPEN_G : public Form {
  public:
    explicit OPEN_G(Game& game);

    // Controls, named as in the screen design.
    PictureBox* Picture1;  // the page picture
    Label* Label1;         // three lines of text; clicking it goes on

    void Label1_Click();

    int openingLine() const { return OpeningLine; }

  protected:
    void Form_Load() override;

  private:
    // Reads "s_f": the page pictures into this screen, the texts into the shared state. A missing
    // or empty file leaves an opening without text.
    void Load_Op();
    // Lines first … first + 2 of the page shown, each followed by a line break (character 13).
    QString threeLines(int first) const;
    // Line n of the page shown; lines past the table are empty.
    Value line(int n) const;

    Game& game_;

    // The screen's own variables.
    Array1<Value, 0, 20> OpeningPicture;
    int OpeningPage = 1;
    int OpeningLine = 0;
};
