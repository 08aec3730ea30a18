#include "story/StorySteps.h"

#include "core/Game.h"
#include "core/Music.h"
#include "field/FieldScreen.h"
#include "party/CharacterRules.h"
#include "story/SceneRules.h"
#include "story/TitleScreen.h"

namespace {
const QString kCompanionPrompt = QStringLiteral("1：サリア　　2：ファンロス");
const QString kPartOneCleared = QStringLiteral("1部をクリアしました。ゲームを終了します ");
constexpr int kCompanionPosition = 3;

// The companion joins for good, so only a number is taken: a cancelled box or an answer that is
// not a number asks again.
void chooseCompanion(Game& game) {
    GameState& st = game.state();
    std::optional<int> chosen;
    while (!chosen) {
        if (const auto answer = game.platform().inputBox(kCompanionPrompt, QStringLiteral("1")))
            chosen = companionFor(*answer);
    }
    st.PartyMember[kCompanionPosition] = Value(*chosen);
    st.CurChar = *chosen;
    Ca_Join(st);
}

// The star stone of the forest answers from now on: its cell becomes scene 7.
void wakeStarStone(GameState& st) {
    logCellChange(st, {Value(QStringLiteral("mori001.map")), Value(37), Value(20), Value(),
                       Value(507), Value(), Value()});
}

void endPartOne(Game& game) {
    game.platform().msgBox(kPartOneCleared);
    // The title is silent, as after a lost battle.
    Bgm_Send(game, bgm::kStop);
    Bgm_Send(game, bgm::kCloseAll);
    game.form<Taitol>().Show();
    game.form<Main_Fr>().Unload();
}
}  // namespace

void Ev_Step(Game& game, int p) {
    GameState& st = game.state();
    switch (p) {
        case 1:
            Cell_Clear(st);
            break;
        case 2:
            chooseCompanion(game);
            break;
        case 3:
        case 4:
        case 5:
            if (st.EventGiftCount == p - 3) Cell_Clear(st);
            break;
        case 6:
            wakeStarStone(st);
            break;
        case 7:
            endPartOne(game);
            break;
        default:
            break;
    }
}
