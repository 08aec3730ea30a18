#pragma once

#include <QString>

// Refusals the party menus share.
namespace menutext {
// The item was chosen, but nobody to give it to (or to cast on).
inline const QString kWho = QStringLiteral("誰に使用しますか");
// HP or MP already full, or the member lacks the ailment that would be cured.
inline const QString kNoNeed = QStringLiteral("回復の必要はありません");
// The member who would use or receive the item is down.
inline const QString kCannotAct = QStringLiteral("戦闘不能です。アイテムは使用できません。");
}  // namespace menutext
