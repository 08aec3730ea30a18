// A round of battle: the six commands, target choice, the turn of each front position, the
// party's blow and the enemy phase.
#include <cmath>

#include "battle/BattleLayout.h"
#include "battle/BattleMaths.h"
#include "battle/BattleScreen.h"
#include "core/Game.h"
#include "core/Text.h"
#include "party/StatusScreen.h"
#include "platform/Label.h"

namespace {
constexpr int kPoisonDamage = 5;

constexpr int kParalysed = 3;
constexpr int kAsleep = 4;
constexpr int kPoisoned = 2;
constexpr int kPetrified = 5;
}  // namespace

bool sentou::targetStands(int t) {
    return t >= 1 && t <= st().EnemyCount && FoeHP[t] > 0;
}

void sentou::Picture1_MouseDown(int x, int /*y*/) {
    HitCode = 0;
    if (auto pick = targetAtColumn(st().EnemyCount, static_cast<int>(std::floor(x / 32.0)))) {
        HitCode = pick->hitCode;
        SelectedTarget = pick->target;
    }
    // A defeated enemy can be picked all the same; the turn refuses it.
    sx1();
}

void sentou::Command1_Click(int index) {
    GameState& s = st();
    s.ActionResult = 0;
    Action = 0;
    SavedDefence = s.CharDefence[member(ActorPos)];
    switch (index) {
        case 0:
            Action = 1;
            Sent_Set1();
            break;
        case 1:
            Action = 2;
            Sent_Set1();
            break;
        case 2:
            Action = 3;
            Sent_Set1();
            break;
        case 3:
            fleeCommand();
            break;
        case 4:
            s.CharDefence[member(ActorPos)] *= 2;
            s.ActionResult = 2;
            Sent_Set1();
            break;
        case 5:
            // Looking at the party uses no turn; the portraits are drawn afresh afterwards (an
            // exchange of members may have changed them).
            game_.form<Status>().Show(true);
            if (!isLoaded()) return;
            Ca_Set();
            break;
        default:
            break;
    }
    Chk01();
}

void sentou::fleeCommand() {
    GameState& s = st();
    // The whole party runs, whoever's turn it is; no one gets away from a boss.
    if (fleeRoll(game_.platform().rnd(), bossBattle()) <= kFleeLimit) {
        s.MessageLines[3] = QStringLiteral("逃げ延びた  ");
        Unload();
        return;
    }
    s.MessageLines[3] = QStringLiteral("逃げられない  ");
    tatakai();
    if (!isLoaded()) return;
    setMessage(s.MessageLines[3]);
}

void sentou::Sent_Set1() {
    GameState& s = st();
    TargetOf[ActorPos] = SelectedTarget;

    // Nobody acts from an empty position (the second of a party of one), whatever character the
    // empty value would name.
    const int ailment = s.CharAilment[ActorPos];
    if (ailment == kParalysed || ailment == kPetrified || s.CharHP[member(ActorPos)] <= 0 ||
        s.PartyMember[ActorPos].isBlank()) {
        // The member cannot act: the command is dropped and the turn passes on. A Defend pressed
        // for it does not hold (it would otherwise double again at every such turn).
        s.CharDefence[member(ActorPos)] = SavedDefence;
        if (ActorPos >= ShownCount) {
            tatakai();
            if (!isLoaded()) return;
        }
        ActorPos = ActorPos >= ShownCount ? 1 : ActorPos + 1;
        Ca_Set();
        return;
    }

    // The target must still stand for a blow, and for an attack spell: the kind tested is that of
    // the spell chosen last, whatever the command.
    const int t = TargetOf[ActorPos];
    if ((s.MagicTable[s.CastMagicNo].MagicKind == 1 || Action == 1) && !targetStands(t)) {
        s.CharDefence[member(ActorPos)] = SavedDefence;
        game_.platform().msgBox(kNoTarget);
        return;
    }

    switch (Action) {
        case 1:
            kougekix();
            break;
        case 2:
            s.CurChar = member(ActorPos);
            item1();
            if (s.ActionResult == 0) return;
            break;
        case 3:
            s.CurChar = member(ActorPos);
            mahou();
            if (s.ActionResult == 0) return;
            break;
        default:
            break;  // Defend: nothing more to do
    }
    if (!isLoaded()) return;
    if (FoeHPTotal <= 0) {  // the victory has been told already
        Unload();
        return;
    }

    if (ActorPos >= ShownCount) {
        tatakai();
        if (!isLoaded()) return;
    }
    // Defend lasts through the enemies' attacks only for the last front position.
    s.CharDefence[member(ActorPos)] = SavedDefence;
    ActorPos = ActorPos >= ShownCount ? 1 : ActorPos + 1;

    if (s.CharAilment[ActorPos] == kPoisoned) s.CharHP[member(ActorPos)] -= kPoisonDamage;

    setMessage(s.MessageLines[3] + kLineBreak + s.MessageLines[6]);
    Ca_Set();
    Eg_Set();
}

void sentou::kougekix() {
    GameState& s = st();
    const int a = member(ActorPos);
    const int t = TargetOf[ActorPos];
    s.MessageLines[1] = trimSpaces(s.CharacterTable[a].CharName) + QStringLiteral("の攻撃");
    KG_Set();

    game_.platform().randomize();
    const int damage = physicalDamage(s.CharAttack[a], FoeDefence[t], game_.platform().rnd());
    s.MessageLines[2] = trimSpaces(FoeName[t]) + QStringLiteral("に ") + QString::number(damage) +
                        QStringLiteral(" の打撃を与えた");
    s.MessageLines[3] = s.MessageLines[1] + kLineBreak + s.MessageLines[2];
    FoeHP[t] -= damage;
    if (FoeHP[t] <= 0) {
        FoeHP[t] = 0;
        s.MessageLines[3] += kLineBreak + trimSpaces(FoeName[t]) + QStringLiteral(" を倒した");
    }
    Eg1_Set();
    Syori_a();
}

int sentou::foeAttack(int i) {
    if (bossBattle()) return BossAttack;
    return st().EnemyTable[FoeCode[i] + 1].EnemyAttack;
}

void sentou::tatakai() {
    GameState& s = st();
    Platform& pf = game_.platform();
    for (int pos = 1; pos <= ShownCount; ++pos) {
        ActorPos = pos;
        KG_Set();
    }
    s.MessageLines[6] = QString();

    // Enemies strike the front positions that hold someone. An empty position is nobody, not the
    // character that the empty value would name.
    int range = 0;
    while (range < MemberLimit && !s.PartyMember[range + 1].isBlank()) ++range;
    auto standing = [&](int p) { return s.CharHP[member(p)] >= 1; };
    auto draw = [&] { return pf.rnd(); };

    for (int i = 1; i <= s.EnemyCount; ++i) {
        const std::optional<int> victim = findVictim(range, standing, draw);
        if (!victim) return;  // nobody found: the rest of the enemies hold back this round
        const int p = *victim;
        const int special = static_cast<int>(std::floor(pf.rnd() * 9));
        if (FoeHP[i] <= 0) continue;

        const int v = member(p);
        s.MessageLines[6] = QString();
        if (!bossBattle() && special < 2 && s.EnemyTable[FoeCode[i] + 1].EnemySpecial > 1)
            Tokusyu(i, p);
        s.MessageLines[1] = trimSpaces(FoeName[i]) + QStringLiteral("の攻撃");
        const int roll = enemyRoll(foeAttack(i), pf.rnd());
        const int damage = enemyDamage(FoePower[i], s.CharDefence[v], roll);
        s.MessageLines[2] = trimSpaces(s.CharacterTable[v].CharName) + QStringLiteral("は ") +
                            QString::number(damage) + QStringLiteral(" の攻撃を受けた");
        s.MessageLines[3] += kLineBreak + s.MessageLines[1] + kLineBreak + s.MessageLines[2];
        s.CharHP[v] = std::max(s.CharHP[v] - damage, 0);
        if (s.CharAilment[p] == kAsleep) s.CharAilment[p] = 0;  // a blow wakes the sleeper
    }

    for (int pos = 1; pos <= ShownCount; ++pos)
        Label3[pos - 1]->setCaption(QStringLiteral("HP: ") +
                                    QString::number(s.CharHP[member(pos)]));

    int helpless = 0;
    for (int pos = 1; pos <= ShownCount; ++pos)
        if (s.CharAilment[pos] == kParalysed || s.CharAilment[pos] == kPetrified) ++helpless;
    // Only hit points decide a defeat: the battle goes on after this message.
    if (helpless >= ShownCount) pf.msgBox(QStringLiteral("パーティは特殊攻撃により全滅した。"));
    Chk01();
}
