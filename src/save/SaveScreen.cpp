#include "save/SaveScreen.h"

#include <QFile>
#include <QFont>

#include "core/Game.h"
#include "core/GameError.h"
#include "core/Music.h"
#include "field/FieldScreen.h"
#include "party/MenuLook.h"
#include "platform/Label.h"
#include "platform/Layout.h"
#include "save/SaveSlots.h"
#include "story/TitleScreen.h"
#include "worldmap/MapScreen.h"

namespace {
const QString kNoSaveData = QStringLiteral("セーブデータがありません");
const QString kClearQuestion = QStringLiteral("本当にセーブデータを消していいですね？");
const QString kEndQuestion = QStringLiteral("ゲームを終了しますか？");
const char* const kButtonCaptions[4] = {"Save", "Load", "Clear", "End"};

QString savingMessage(int slot) {
    return QStringLiteral("No ") + QString::number(slot) + QStringLiteral("　にセーブします。");
}
// Said when a file could not be written: nothing on disk changed, the game goes on.
QString notSavedMessage(const QString& why) {
    return QStringLiteral("セーブできませんでした。\n") + why;
}
QString notLoadedMessage(int slot, const QString& why) {
    return QStringLiteral("No ") + QString::number(slot) +
           QStringLiteral("　のセーブデータを読み込めません。\n") + why;
}
}  // namespace

const QColor System_F::kSelectedColour{252, 255, 15};
const QColor System_F::kSlotColour{192, 255, 255};

System_F::System_F(Game& game) : Form(game.forms(), QStringLiteral("System")), game_(game) {
    for (int i = 0; i <= kSlotCount; ++i) {
        Label1[i] = new Label(this);
        QFont f = Label1[i]->font();
        f.setPixelSize(16);
        Label1[i]->setFont(f);
        Label1[i]->setAlignment(Qt::AlignVCenter | Qt::AlignLeft);
        connect(Label1[i], &Label::clicked, this, [this, i] { Label1_Click(i); });
    }
    menulook::styleHeading(*Label1[0]);
    for (int i = 0; i < 4; ++i) {
        Command1[i] = new QPushButton(QString::fromLatin1(kButtonCaptions[i]), this);
        connect(Command1[i], &QPushButton::clicked, this, [this, i] { Command1_Click(i); });
    }
}

void System_F::applyDesign() {
    Label1[0]->setCaption(QStringLiteral("セーブデータ"));
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        Label1[slot]->setCaption(QStringLiteral("　") + QString(QChar(u'０' + slot)) +
                                 QStringLiteral(".未登録"));
        Label1[slot]->setForeColor(QColor(0, 0, 0));
        Label1[slot]->setBackColor(kSlotColour);
    }
    Command1[0]->setEnabled(false);
}

void System_F::Form_Load() {
    GameState& st = game_.state();
    setClientSize(376, 256);  // 384 × 288 with the window's border and title
    menulook::paintWindow(*this);
    for (int i = 0; i <= kSlotCount; ++i) Ctl_Set(Label1[i], 352, 24, 16, 8 + 32 * i);
    for (int i = 0; i < 4; ++i) Ctl_Set(Command1[i], 72, 32, 32 + 80 * i, 208);
    Command1[0]->setEnabled(st.SaveAllowed == 1);

    readSlotLabels(st);
    for (int slot = 1; slot <= kSlotCount; ++slot) Label1[slot]->setCaption(st.SlotLabel[slot]);
    // The slot chosen at an earlier opening is still the chosen one, so it shows as chosen.
    showSelection();
    st.CurChar = static_cast<int>(st.PartyMember[1].toInt());
}

void System_F::Form_Unload() {
    GameState& st = game_.state();
    st.CurChar = static_cast<int>(st.PartyMember[1].toInt());
    // Saving is allowed for one opening only: a window closed without saving must not leave the
    // next opening from a menu able to save.
    st.SaveAllowed = 0;
}

void System_F::Label1_Click(int index) {
    SelectedSlot = index;
    showSelection();
}

void System_F::showSelection() {
    for (int slot = 1; slot <= kSlotCount; ++slot)
        Label1[slot]->setBackColor(slot == SelectedSlot ? kSelectedColour : kSlotColour);
}

void System_F::keepCaptionsAsLabels() {
    GameState& st = game_.state();
    for (int slot = 1; slot <= kSlotCount; ++slot) st.SlotLabel[slot] = Label1[slot]->caption();
}

void System_F::Command1_Click(int index) {
    if (index == 3) {
        endGame();
        return;
    }
    if (SelectedSlot < 1 || SelectedSlot > kSlotCount) return;
    if (index == 0) saveGame();
    if (index == 1) loadGame();
    if (index == 2) clearSlot();
}

void System_F::saveGame() {
    GameState& st = game_.state();
    if (!Command1[0]->isEnabled()) return;
    const int slot = SelectedSlot;
    const QString before = Label1[slot]->caption();
    Label1[slot]->setCaption(savedSlotLabel(st));
    keepCaptionsAsLabels();
    game_.platform().msgBox(savingMessage(slot));
    if (!d_save()) {
        // Nothing was replaced on disk, so the slot shows what it holds.
        Label1[slot]->setCaption(before);
        keepCaptionsAsLabels();
        return;
    }
    st.SaveAllowed = 0;
    Unload();
}

bool System_F::d_save() {
    try {
        writeSavedGame(game_.state(), SelectedSlot);
        return true;
    } catch (const GameError& e) {
        game_.platform().msgBox(notSavedMessage(e.report()));
        return false;
    }
}

void System_F::loadGame() {
    if (isFreeSlotLabel(Label1[SelectedSlot]->caption())) {
        game_.platform().msgBox(kNoSaveData);
        return;
    }
    if (!d_load()) return;

    GameState& st = game_.state();
    // Every screen of the game that was running closes (the title, this one, the field, the
    // town and a church the screen was opened from); the loaded game opens on its own screen.
    game_.forms().unloadAll();
    st.LoadFlag = 1;
    if (st.InTown == 1)
        game_.form<M_Map>().Show();
    else
        game_.form<Main_Fr>().Show();
}

bool System_F::d_load() {
    GameState& st = game_.state();
    StagedGame loaded = stageSavedGame(st, SelectedSlot);
    if (!loaded.game) {
        game_.platform().msgBox(notLoadedMessage(SelectedSlot, loaded.problem));
        return false;
    }
    Bgm_Send(game_, bgm::kStop);
    Bgm_Send(game_, bgm::kCloseAll);
    st = std::move(*loaded.game);
    return true;
}

void System_F::clearSlot() {
    const int slot = SelectedSlot;
    if (isFreeSlotLabel(Label1[slot]->caption())) {
        game_.platform().msgBox(kNoSaveData);
        return;
    }
    if (!game_.platform().askYesNo(kClearQuestion)) return;
    const QString before = Label1[slot]->caption();
    Label1[slot]->setCaption(freeSlotLabel(slot));
    keepCaptionsAsLabels();
    // The labels first: if they cannot be written, the slot keeps its game and its label.
    try {
        writeSlotLabels(game_.state());
    } catch (const GameError& e) {
        Label1[slot]->setCaption(before);
        keepCaptionsAsLabels();
        game_.platform().msgBox(notSavedMessage(e.report()));
        return;
    }
    QFile::remove(game_.dataFile(slotFileName(slot)));
}

void System_F::endGame() {
    GameState& st = game_.state();
    const bool yes = game_.platform().askYesNo(kEndQuestion);
    Bgm_Send(game_, bgm::kStop);
    Bgm_Send(game_, bgm::kCloseAll);
    st.SaveAllowed = 0;
    Unload();
    if (!yes) return;
    game_.forms().unloadAll();
    game_.form<Taitol>().Show();
}
