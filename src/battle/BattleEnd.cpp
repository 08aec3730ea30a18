// How a battle ends: the victory test with its experience and level-ups, and the defeat test
// that leads to the game-over screen.
#include "battle/BattleOutcome.h"
#include "battle/BattleScreen.h"
#include "battle/GameOverScreen.h"
#include "battle/LevelUp.h"
#include "core/Game.h"
#include "party/CharacterRules.h"
#include "party/PartyView.h"

void sentou::Syori_a() {
    GameState& s = st();
    FoeHPTotal = 0;
    for (int i = 1; i <= s.EnemyCount; ++i) FoeHPTotal += FoeHP[i];
    ShownCount = shownCount(s);
    if (FoeHPTotal > 0) return;

    ExpTotal = 0;
    for (int i = 1; i <= s.EnemyCount; ++i) ExpTotal += FoeExp[i];
    shareExperience(s, ExpTotal, ShownCount, [this] { Lv_Up(game_); });
    s.CurChar = member(1);

    s.MessageLines[3] = QStringLiteral("敵をすべて倒した");
    setMessage(s.MessageLines[3]);
    game_.platform().pause(kVictoryPauseMs);

    // A beaten boss leaves the cell in front of the party for good.
    if (bossBattle()) Cell_Clear(s);
    Unload();
}

void sentou::Chk01() {
    // A battle that has ended (or a restart that closed every screen) has nobody left to test.
    if (!isLoaded()) return;
    GameState& s = st();
    // Only the front positions that hold someone count: an empty one is nobody, not the character
    // the empty value would name (who may stand in reserve, alive, while the front has fallen).
    int total = 0;
    for (int k = 1; k <= MemberLimit; ++k) {
        if (s.PartyMember[k].isBlank()) continue;
        const int hp = s.CharHP[member(k)];
        if (hp > 0) total += hp;
    }
    if (total > 0) return;

    setMessage(s.MessageLines[3] + kLineBreak + s.MessageLines[6]);
    game_.platform().msgBox(QStringLiteral("パーティは敵の攻撃により全滅した。"));
    game_.form<G_End>().Show(true);
    // A restart has closed every screen and started the game afresh: nothing more to do here.
    if (!isLoaded()) return;
    // The game-over window was closed without a choice: there is no way back into this battle
    // and no screen left to go on with, so the game ends as with "Game終了".
    game_.forms().unloadAll();
    game_.platform().endProgram(0);
}
