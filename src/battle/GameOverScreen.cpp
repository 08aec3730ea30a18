#include "battle/GameOverScreen.h"

#include "core/Game.h"
#include "core/Music.h"
#include "core/Startup.h"
#include "platform/Layout.h"
#include "platform/PictureBox.h"

G_End::G_End(Game& game) : Form(game.forms(), QStringLiteral("Game Over")), game_(game) {
    Picture1 = new PictureBox(this);
    Image1 = new PictureBox(this);  // made after the picture, so it lies over it
    Command1[0] = new QPushButton(QStringLiteral("Game終了"), this);
    Command1[1] = new QPushButton(QStringLiteral("再挑戦"), this);
    for (int i = 0; i < 2; ++i)
        connect(Command1[i], &QPushButton::clicked, this, [this, i] { Command1_Click(i); });
}

void G_End::Form_Load() {
    setClientSize(448, 448);
    Ctl_Set(Picture1, 384, 320, 32, 32);
    Ctl_Set(Image1, 256, 40, 64, 80);
    Ctl_Set(Command1[0], 160, 32, 48, 368);
    Ctl_Set(Command1[1], 160, 32, 240, 368);
    Picture1->showDesignPicture(game_.dataFile(QStringLiteral("gameover.bmp")));
    Image1->showDesignPicture(game_.dataFile(QStringLiteral("gameover_title.bmp")));
    Bgm_Send(game_, bgm::kStop);
}

void G_End::Command1_Click(int index) {
    if (index == 0) game_.platform().endProgram(0);
    if (index != 1) return;

    game_.forms().unloadAll();
    // The battle's hand-over values go back to rest, so the new game does not start inside the
    // battle that was lost.
    GameState& st = game_.state();
    st.BossNo = 0;
    st.InBattle = 0;
    st.ActionResult = 0;
    st.MoveDir = 0;
    Main(game_);
}
