// Magic and items in battle, the enemies' special attacks and what equipment does in a fight.
#include <cmath>

#include "battle/BattleMagic.h"
#include "battle/BattleScreen.h"
#include "battle/BattleView.h"
#include "core/Game.h"
#include "core/Text.h"
#include "party/ItemScreen.h"
#include "party/MagicRules.h"
#include "party/MagicScreen.h"
#include "platform/Label.h"
#include "platform/PictureBox.h"

namespace {
constexpr int kEffectCell = 64;
constexpr QPoint kEffectOnPortrait{16, 16};
}  // namespace

void sentou::mahou() {
    GameState& s = st();
    game_.form<Magic>().Show(true);
    if (!isLoaded() || s.ActionResult == 0) return;  // nothing cast: the turn is not used

    const MagicRecord& m = s.MagicTable[s.CastMagicNo];
    const int kind = m.MagicKind;
    // A spell on one enemy needs one standing, as a blow does: with no enemy clicked in this
    // battle, or a target this group does not have, nothing is cast and the turn stays.
    if (kind == spellkind::kOneEnemy && !targetStands(TargetOf[ActorPos])) {
        s.ActionResult = 0;
        game_.platform().msgBox(kNoTarget);
        return;
    }
    if (kind == spellkind::kOneEnemy || kind == spellkind::kAllEnemies) {
        Mhou_ko();
        return;
    }
    if (kind == spellkind::kOneAllySupport)
        applySupport(s, member(s.SpellTargetPos), m.MagicEffect, m.MagicPower);
    if (kind == spellkind::kAllAlliesSupport)
        for (int q = 1; q <= MemberLimit; ++q)
            if (!s.PartyMember[q].isBlank())
                applySupport(s, member(q), m.MagicEffect, m.MagicPower);
    // Healing and cures were paid on the magic screen; support spells are paid here.
    if (kind == spellkind::kOneAllySupport || kind == spellkind::kAllAlliesSupport) {
        s.CharMP[member(ActorPos)] -= m.MagicCost;
        // The end of the turn puts the caster's defence back as it was when the command was
        // given (that undoes a Defend); a defence spell the caster cast on itself stays.
        SavedDefence = s.CharDefence[member(ActorPos)];
    }

    MCg_Set();
    s.ActionResult = 2;
    setMessage(QString());
    game_.platform().pause(kHitPauseMs);
}

void sentou::Mhou_ko() {
    GameState& s = st();
    const int a = member(ActorPos);
    const MagicRecord& m = s.MagicTable[s.CastMagicNo];
    s.MessageLines[1] = trimSpaces(s.CharacterTable[a].CharName) + QStringLiteral("の攻撃");
    auto told = [&](int i, int damage) {
        return trimSpaces(FoeName[i]) + QStringLiteral("に ") + QString::number(damage) +
               QStringLiteral(" の打撃を与えた");
    };
    auto fell = [&](int i) {
        return kLineBreak + trimSpaces(FoeName[i]) + QStringLiteral(" を倒した");
    };

    if (m.MagicKind == spellkind::kOneEnemy) {
        const int t = TargetOf[ActorPos];
        const int damage = spellDamage(m.MagicPower, FoeMagicDefence[t]);
        s.MessageLines[2] = told(t, damage);
        s.MessageLines[3] = s.MessageLines[1] + kLineBreak + s.MessageLines[2];
        FoeHP[t] -= damage;
        if (FoeHP[t] <= 0) {
            FoeHP[t] = 0;
            s.MessageLines[3] += fell(t);
        }
    } else {
        // Every enemy is struck, defeated ones too; the message keeps the last one only.
        for (int i = 1; i <= s.EnemyCount; ++i) {
            const int damage = spellDamage(m.MagicPower, FoeMagicDefence[i]);
            s.MessageLines[2] = told(i, damage);
            s.MessageLines[3] = s.MessageLines[1] + s.MessageLines[2] + kLineBreak;
            FoeHP[i] = std::max(FoeHP[i] - damage, 0);
            if (FoeHP[i] <= 0) s.MessageLines[3] += fell(i);
        }
    }
    s.CharMP[a] -= attackSpellCost(a, m.MagicCost);

    // An icon without a cell of the effect sheet shows no picture.
    if (const auto cell = effectCell(m.MagicIcon)) {
        EffectPending = 1;
        EffectRow = cell->row;
        EffectCol = cell->col;
    }
    Eg1_Set();
    Syori_a();
}

void sentou::MCg_Set() {
    GameState& s = st();
    const MagicRecord& m = s.MagicTable[s.CastMagicNo];
    const auto cell = effectCell(m.MagicIcon);
    if (!cell) return;
    EffectRow = cell->row;
    EffectCol = cell->col;
    auto drawOn = [&](int pos) {
        if (pos < 1 || pos > static_cast<int>(Picture5.size())) return;
        PictureBox& box = *Picture5[pos - 1];
        drawMaskedCell(box.surface(), Picture9[0], Picture9[1], kEffectCell, EffectCol, EffectRow,
                       QRect(kEffectOnPortrait, QSize(kEffectCell, kEffectCell)));
        box.Refresh();
    };
    switch (m.MagicKind) {
        case spellkind::kOneAlly:
        case spellkind::kOneAllySupport:
            drawOn(s.SpellTargetPos);
            break;
        case spellkind::kAllAllies:
        case spellkind::kAllAlliesSupport:
            for (int pos = 1; pos <= MemberLimit; ++pos) drawOn(pos);
            break;
        default:
            break;
    }
}

void sentou::item1() {
    GameState& s = st();
    game_.form<Item>().Show(true);
    if (!isLoaded()) return;
    for (int pos = 1; pos <= MemberLimit; ++pos) {
        const int c = member(pos);
        Label3.at(pos - 1)->setCaption(QStringLiteral("HP: ") + QString::number(s.CharHP[c]));
        Label3.at(pos + 3)->setCaption(QStringLiteral("MP: ") + QString::number(s.CharMP[c]));
    }
}

void sentou::KG_Set() {
    GameState& s = st();
    GuardCode = 0;
    AttackBonus = DefenceBonus = MagicDefenceBonus = 0;
    // An empty position wears nothing (it is not the character its empty value would name).
    if (s.PartyMember[ActorPos].isBlank()) return;
    const int c = member(ActorPos);
    // The pieces the member wears decide; a sharp blade's bonus is added at every call, so its
    // wearer's attack keeps growing until the battle's end puts the values back.
    const EquipmentEffects e = equipmentEffects(s, c);
    GuardCode = e.guardCode();
    AttackBonus = e.attackBonus;
    s.CharAttack[c] += AttackBonus;
    s.CharDefence[c] += DefenceBonus;
    s.CharMagicDefence[c] += MagicDefenceBonus;
}

void sentou::Tokusyu(int foe, int pos) {
    GameState& s = st();
    const int v = member(pos);
    // Each victim is guarded by what it wears itself.
    const EquipmentEffects guard = equipmentEffects(s, v);
    if (guard.guardsAll) return;
    const EnemyRecord& e = s.EnemyTable[FoeCode[foe] + 1];
    s.SpecialKind = e.EnemySpecial;
    const int power = specialPower(e.EnemyAttack, s.CharMagicDefence[v], game_.platform().rnd());
    s.MessageLines[6] = QString();
    if (const auto hold = specialHold(s.SpecialKind, s.CharAilment[pos], power, guard)) {
        s.CharAilment[pos] = hold->ailment;
        s.MessageLines[6] = hold->message;
    }
}
