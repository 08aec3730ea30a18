#include "story/TitleScreen.h"

#include <QFont>

#include "core/DataLoad.h"
#include "core/Game.h"
#include "field/MapLoad.h"
#include "platform/Label.h"
#include "platform/Layout.h"
#include "platform/PictureBox.h"
#include "save/SaveScreen.h"
#include "story/FreshGame.h"
#include "story/OpeningScreen.h"
#include "story/SceneRules.h"
#include "story/SceneScreen.h"

namespace {
const QColor kNight{12, 16, 40};
const QColor kEntry{255, 228, 150};

constexpr int kEntryLeft = 576;
constexpr int kEntryTop[4] = {128, 176, 224, 272};
const char* const kEntryCaptions[4] = {"New Game", "Load Game", "End", ""};
}  // namespace

Taitol::Taitol(Game& game) : Form(game.forms(), QStringLiteral("星影の旅路")), game_(game) {
    setWindowColours(*this, kNight, kEntry);
    Picture1 = new PictureBox(this);
    Picture2 = new PictureBox(this);
    Image1 = new PictureBox(this);
    for (PictureBox* box : {Picture1, Picture2, Image1}) box->setBackColor(kNight);
    Command1 = new QPushButton(QStringLiteral("初めてゲームをされる方へ"), this);
    Command1->setFocusPolicy(Qt::NoFocus);
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    for (int i = 0; i < 4; ++i) {
        Label2[i] = new Label(this);
        Label2[i]->setTransparent(true);
        Label2[i]->setForeColor(kEntry);
        Label2[i]->setWordWrap(false);
        QFont f = Label2[i]->font();
        f.setPixelSize(28);
        f.setBold(true);
        Label2[i]->setFont(f);
        Label2[i]->setCursor(Qt::PointingHandCursor);
        connect(Label2[i], &Label::clicked, this, [this, i] { Label2_Click(i); });
    }
}

void Taitol::applyDesign() {
    for (int i = 0; i < 4; ++i) Label2[i]->setCaption(QString::fromLatin1(kEntryCaptions[i]));
}

void Taitol::Form_Load() {
    GameState& st = game_.state();
    setClientSize(800, 608);
    Ctl_Set(Image1, 448, 64, 64, 48);
    Ctl_Set(Picture1, 512, 448, 32, 128);
    Ctl_Set(Picture2, 208, 288, 560, 288);
    Ctl_Set(Command1, 192, 24, 576, 80);
    // Each entry takes clicks on its own caption only.
    for (int i = 0; i < 4; ++i) {
        Label2[i]->adjustSize();
        Label2[i]->move(kEntryLeft, kEntryTop[i]);
    }
    Image1->showDesignPicture(game_.dataFile(QStringLiteral("title_logo.bmp")));
    Picture1->showDesignPicture(game_.dataFile(QStringLiteral("title_art.bmp")));
    Picture2->showDesignPicture(game_.dataFile(QStringLiteral("title_side.bmp")));

    Map_Clear(st);
    Data_LoadAll(st);
}

void Taitol::Command1_Click() {
    game_.state().EventCode = kGuideScene;
    game_.form<Ev_frm>().Show();
}

void Taitol::Label2_Click(int index) {
    GameState& st = game_.state();
    switch (index) {
        case 0:
            clearEarlierGame(st);
            Map_Clear(st);
            Data_LoadAll(st);
            Unload();
            st.NewGameFlag = 1;
            st.LoadFlag = 0;
            st.MapFileName = QStringLiteral("Map_f01.map");
            st.MapSize = 60;
            game_.form<OPEN_G>().Show();
            break;
        case 1:
            st.LoadFlag = 1;
            Map_Clear(st);
            // Nothing can be saved from the title, whatever a save point of an earlier game left.
            st.SaveAllowed = 0;
            // Loading a slot closes the title.
            game_.form<System_F>().Show();
            break;
        case 2:
            game_.platform().endProgram(0);
            break;
        default:
            break;
    }
}
