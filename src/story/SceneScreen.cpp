#include "story/SceneScreen.h"

#include <QFont>

#include "core/Game.h"
#include "party/MenuLook.h"
#include "platform/Label.h"
#include "platform/Layout.h"
#include "platform/PictureBox.h"
#include "story/SceneRules.h"
#include "story/StorySteps.h"

namespace {
const QString kInventoryFull = QStringLiteral("これ以上アイテムを持つことはできません");
}  // namespace

Ev_frm::Ev_frm(Game& game) : Form(game.forms(), QStringLiteral("Ev_frm")), game_(game) {
    menulook::paintWindow(*this);
    Picture1 = new PictureBox(this);
    Picture3 = new PictureBox(this);
    Picture3->setBackColor(menulook::kPanel);
    Label1 = new Label(this);
    Label1->setBackColor(menulook::kPanel);
    Label1->setForeColor(menulook::kText);
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label1->setMargin(10);
    Label1->setCursor(Qt::PointingHandCursor);
    QFont f = Label1->font();
    f.setPixelSize(20);
    Label1->setFont(f);
    connect(Label1, &Label::clicked, this, [this] { Label1_Click(); });
}

void Ev_frm::Form_Load() {
    GameState& st = game_.state();
    setClientSize(800, 608);
    Ctl_Set(Picture1, 768, 480, 16, 16);
    Ctl_Set(Picture3, 96, 96, 16, 496);
    Ctl_Set(Label1, 672, 96, 112, 496);
    Picture2 = loadPictureFile(game_.dataFile(QStringLiteral("ca02.bmp")));

    SceneNo = sceneNumberOf(st.EventCode);
    st.SceneThreshold[SceneNo] = sceneThreshold(st, SceneNo);
    PageNo = 1;

    // The party stops; the direction it faced tells the steps which cell lies ahead.
    st.SavedDirection = st.MoveDir;
    st.MoveDir = 0;

    if (st.StoryProgress <= st.SceneThreshold[SceneNo]) {
        ev_set_a();
        ShortForm = 0;
    } else {
        ev_set_b();
        ShortForm = 1;
    }
}

void Ev_frm::ev_set_a() {
    showScenePicture();
    Label1->setCaption(game_.state().SceneLine(SceneNo, 1).text());
    CG_Set();
}

void Ev_frm::ev_set_b() {
    showScenePicture();
    Label1->setCaption(game_.state().SceneParam(SceneNo, 1, 8).text());
    // The short text shows the face of the page whose number is the scene's.
    PageNo = SceneNo;
    CG_Set();
}

void Ev_frm::showScenePicture() {
    const Value& name = game_.state().ScenePicture[SceneNo];
    if (name.isBlank())
        Picture1->Cls();
    else
        Picture1->loadPicture(game_.dataFile(name.text()));
}

void Ev_frm::CG_Set() {
    Picture3->Cls();
    if (const auto cell = sceneFaceCell(scenePageFace(game_.state(), SceneNo, PageNo)))
        Picture3->bitBlt(0, 0, kFaceSize, kFaceSize, Picture2, cell->x() * kFaceSize,
                         cell->y() * kFaceSize, Rop::Copy);
    Picture3->Refresh();
}

void Ev_frm::Label1_Click() {
    if (!isLoaded()) return;
    if (ShortForm == 1) {
        Unload();
        return;
    }
    GameState& st = game_.state();
    PageNo += 1;
    // Line 30 always ends a scene; nothing lies beyond it.
    const Value text = PageNo <= st.SceneLine.hi2 ? st.SceneLine(SceneNo, PageNo) : Value();
    Label1->setCaption(text.text());
    if (!text.isBlank()) {
        CG_Set();
        return;
    }
    syori();
    Unload();
}

void Ev_frm::syori() {
    GameState& st = game_.state();
    if (st.StoryProgress > st.SceneThreshold[SceneNo]) return;
    if (SceneNo == kGuideScene) return;
    if (const auto gift = sceneGift(SceneNo)) {
        GiftItem = *gift;
        if (!Ev_syr1(st, GiftItem)) {
            // The scene stays untold, to be seen again once there is room for its gift.
            game_.platform().msgBox(kInventoryFull);
            return;
        }
    }
    st.StoryProgress += 1;
    Ev_Step(game_, st.StoryProgress);
}
