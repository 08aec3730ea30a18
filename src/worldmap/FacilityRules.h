#pragma once

#include <QString>

#include "core/Value.h"

struct GameState;

// The services of the inn, the tavern and the church: what they charge and what they do to the
// party. The shop screen shows them.

namespace facilitytext {
// The inn's greeting with the price of one night for one person.
QString innWelcome(const Value& pricePerPerson);
inline const QString kChurchWelcome =
    QStringLiteral("　よくいらっしゃいました。\r　何をいたしますか？");
inline const QString kNotDown = QStringLiteral(" 戦闘不能ではありません!!");
inline const QString kReviveRequest = QStringLiteral(" 1000ゴールドの寄付をお願いします。");
inline const QString kNoAilment = QStringLiteral(" 状態異常ではありません!!");
inline const QString kCureRequest = QStringLiteral(" 100ゴールドの寄付をお願いします。");
inline const QString kChurchNoMoney = QStringLiteral(" お金がたりません!!");
}  // namespace facilitytext

// Inn: a night costs the price per person for every position of the party (PartyCount), able to
// fight or not.
double innCharge(const GameState& st, const Value& pricePerPerson);
// A night's rest: every member of positions 1 … PartyCount who still has hit points gets full
// HP and MP back. Members at 0 HP stay down; ailments stay as they are.
void innRest(GameState& st);

// The fixed lists of the tavern (drinks) and the church (services), lines counted from 1.
struct FixedLine {
    QString name;
    int price = 0;
};
inline const FixedLine kTavernDrinks[] = {{QStringLiteral("ウィスキー"), 100},
                                          {QStringLiteral("ビール    "), 50},
                                          {QStringLiteral("ウォッカ  "), 200},
                                          {QStringLiteral("ミルク    "), 20}};
inline const FixedLine kChurchServices[] = {{QStringLiteral("セーブする"), 0},
                                            {QStringLiteral("戦闘不能を回復"), 1000},
                                            {QStringLiteral("状態異常を回復"), 100}};

// Tavern: the line after `index` of speaker `speaker`, back to line 1 after line 10 or when the
// next line is empty.
int nextTalkIndex(const GameState& st, int speaker, int index);

// Church services by list line (0 save, 1 revive, 2 cure), for the member at party position
// `position` whose character is `character`.
inline constexpr int kReviveDonation = 1000;
inline constexpr int kCureDonation = 100;
// What the priest says when a service line is chosen (nothing for the save line).
QString churchRequest(const GameState& st, int line, int position, int character);
// Carries out the service for the donation. It is not refused when the member did not need it
// (the donation is taken all the same). Returns false when the money is short (nothing changes);
// true otherwise, also for lines without a service.
bool churchService(GameState& st, int line, int position, int character);
