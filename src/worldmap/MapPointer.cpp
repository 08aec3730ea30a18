#include "worldmap/MapPointer.h"

#include <cmath>

#include "core/GameState.h"
#include "core/Pointing.h"
#include "worldmap/WorldView.h"

namespace {
int wholeValue(const QString& text) {
    return static_cast<int>(std::trunc(Value(text).val()));
}
}  // namespace

HotSpot readHotSpot(const Value& cell) {
    if (cell.isBlank()) return {};
    const QString text = cell.text();
    return {wholeValue(text.left(1)), wholeValue(text.right(2))};
}

std::optional<QPoint> findHotSpot(const GameState& st, int kind, int number) {
    for (int y = 0; y <= st.MapSize; ++y)
        for (int x = 0; x <= st.MapSize; ++x) {
            if (!st.EventGrid.inRange(x, y)) continue;
            const HotSpot s = readHotSpot(st.EventGrid(x, y));
            if (s.kind == kind && s.number == number) return QPoint(x, y);
        }
    return std::nullopt;
}

std::optional<QColor> placeNameColour(int number, int storyProgress) {
    const QColor white(255, 255, 255);
    const QColor hidden(255, 0, 255);
    auto byProgress = [&](int needed) { return storyProgress >= needed ? white : hidden; };
    switch (number) {
        case 1:
        case 2:
        case 8:
        case 24:
            return white;
        case 3:
        case 11:
            return byProgress(10);
        case 4:
        case 14:
            return byProgress(20);
        case 5:
        case 17:
            return byProgress(30);
        case 6:
        case 7:
        case 20:
            return byProgress(40);
        default:
            return std::nullopt;
    }
}

std::optional<QString> facilityName(int number) {
    if (number >= 1 && number <= 3) return QStringLiteral("宿屋");
    if (number >= 11 && number <= 14) return QStringLiteral("道具屋");
    if (number >= 21 && number <= 24) return QStringLiteral("武器屋");
    if (number >= 31 && number <= 39) return QStringLiteral("酒場");
    if (number >= 41 && number <= 42) return QStringLiteral("教会");
    return std::nullopt;
}

int viewCellOf(int pixel) {
    return pixel >= 0 ? pixel / kWorldCell : -((-pixel + kWorldCell - 1) / kWorldCell);
}

int pressQuadrant(int x, int y, int previousQuadrant) {
    return quadrantAround(viewCellOf(x) - 13, viewCellOf(y) - 8, previousQuadrant);
}

std::optional<int> scrollForKey(int key) {
    return directionForKey(key);
}

void scrollStep(int direction, int mapSize, int& scrollX, int& scrollY) {
    switch (direction) {
        case kScrollUp:
            if (scrollY > 1) scrollY -= 1;
            break;
        case kScrollLeft:
            if (scrollX > 1) scrollX -= 1;
            break;
        case kScrollRight:
            if (scrollX < mapSize - 25) scrollX += 1;
            break;
        case kScrollDown:
            if (scrollY < mapSize - 19) scrollY += 1;
            break;
        default:
            break;
    }
}
