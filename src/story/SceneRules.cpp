#include "story/SceneRules.h"

#include <cmath>

#include "core/GameError.h"
#include "core/GameState.h"
#include "party/CharacterRules.h"
#include "worldmap/ShopRules.h"

namespace {
constexpr int kNoThreshold = 99;
constexpr int kLastLine = 30;
constexpr int kSaria = 4;
constexpr int kFanros = 5;
}  // namespace

int sceneNumberOf(int eventCode) {
    const int n = QString::number(eventCode).right(2).toInt();
    if (n < kFirstScene || n > kLastScene)
        throw GameError(QStringLiteral("Sene_F"), QStringLiteral("event code %1").arg(eventCode),
                        QStringLiteral("a scene 1 … 40"));
    return n;
}

int sceneThreshold(const GameState& st, int n) {
    const Value& t = st.SceneParam(n, 1, 9);
    return t.isBlank() ? kNoThreshold : static_cast<int>(t.toInt());
}

std::optional<QPoint> sceneFaceCell(const Value& face) {
    // A code written in quotes comes as a text; the quotes are no part of the number.
    double f = 0;
    if (face.isNumber())
        f = face.num();
    else if (face.isText() && Value::isNumericText(face.text().trimmed()))
        f = Value(face.text().trimmed()).num();
    else
        return std::nullopt;
    if (f < 0 || f != std::floor(f)) return std::nullopt;
    const long long code = static_cast<long long>(f);
    if (code % 10 == 0) return std::nullopt;
    return QPoint(static_cast<int>(code % 10 - 1), static_cast<int>(code / 10));
}

Value scenePageFace(const GameState& st, int n, int page) {
    if (page < 0 || page > kLastLine) return {};
    return st.SceneParam(n, page, 4);
}

std::optional<int> sceneGift(int scene) {
    switch (scene) {
        case 3:
            return 37;
        case 5:
            return 30;
        case 6:
            return 25;
        default:
            return std::nullopt;
    }
}

bool Ev_syr1(GameState& st, int gift) {
    if (!inventoryHasRoomFor(st, 1)) return false;
    const EquipRecord& e = st.EquipTable[gift];
    const int entry = addInventoryEntry(st, Value(gift), Value(e.EquipSlot), Value(e.EquipPower));
    st.InvName[entry] = Value(e.EquipName);
    st.EventGiftCount += 1;
    Cell_Open(st);
    return true;
}

std::optional<int> companionFor(const QString& answer) {
    QString a;
    for (QChar c : answer) {
        // Typed with a Japanese input method, digits come full-width.
        if (c >= u'０' && c <= u'９') c = QChar(u'0' + (c.unicode() - u'０'));
        a += c;
    }
    a = a.trimmed();
    if (!Value::isNumericText(a)) return std::nullopt;
    return Value(a).num() == 1 ? kSaria : kFanros;
}
