#pragma once

#include <QImage>

#include "platform/Form.h"

class Game;
class Label;
class PictureBox;

// The scene screen: a story scene's picture, the face of the speaker and the page text, turned by
// clicking the text. The scene is the one EventCode names. While the story progress is at most
// the scene's threshold the scene is told in full and its end moves the story on (syori);
// afterwards only its short text is shown and nothing changes. Shown without waiting; it closes
// itself after its last page and plays no music of its own.
class Ev_frm : public Form {
  public:
    explicit Ev_frm(Game& game);

    // Controls, named as in the screen design.
    PictureBox* Picture1;  // the scene picture
    PictureBox* Picture3;  // the face of the current page
    Label* Label1;         // the page text; clicking it turns the page
    QImage Picture2;       // the face sheet "ca02.bmp"

    // Turns the page; after the last page the scene ends and the screen closes.
    void Label1_Click();

    int sceneNo() const { return SceneNo; }
    int pageNo() const { return PageNo; }
    bool showsShortText() const { return ShortForm == 1; }

  protected:
    void Form_Load() override;

  private:
    void ev_set_a();
    void ev_set_b();
    void showScenePicture();
    void CG_Set();
    void syori();

    Game& game_;

    // The screen's own variables.
    int SceneNo = 0;
    int PageNo = 0;
    int ShortForm = 0;
    int GiftItem = 0;
};
