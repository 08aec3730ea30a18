#include "field/FieldMoves.h"

#include <cmath>

#include "core/GameState.h"
#include "core/Pointing.h"
#include "core/Text.h"
#include "field/FieldCanvas.h"

namespace {
// The view cell whose quadrants the mouse directions are: right of the party sprite.
constexpr int kMouseCellX = 9;
constexpr int kMouseCellY = 6;

// The facing that goes with each direction 1..4.
int facingFor(int dir) {
    switch (dir) {
        case 1:
            return 0;
        case 2:
            return 3;
        case 3:
            return 1;
        case 4:
            return 2;
        default:
            return 0;
    }
}

// Val() of a part of the cell's text, as a whole number.
int wholeOf(const QString& text) {
    return static_cast<int>(std::trunc(Value(text).val()));
}
}  // namespace

std::optional<Heading> headingForKey(int key) {
    const auto dir = directionForKey(key);
    if (!dir) return std::nullopt;
    return Heading{*dir, facingFor(*dir)};
}

int mouseDirection(int x, int y, int previousMouseDir) {
    const int cx = static_cast<int>(std::floor(static_cast<double>(x) / kCellSize));
    const int cy = static_cast<int>(std::floor(static_cast<double>(y) / kCellSize));
    return quadrantAround(cx - kMouseCellX, cy - kMouseCellY, previousMouseDir);
}

Heading headingForMouse(int mouseDir) {
    // Mouse directions count 0 up, 1 left, 2 right, 3 down: one below the movement codes.
    const int dir = mouseDir + 1;
    return {dir, facingFor(dir)};
}

QPoint stepOffset(int dir) {
    switch (dir) {
        case 1:
            return {0, -1};
        case 2:
            return {-1, 0};
        case 3:
            return {1, 0};
        case 4:
            return {0, 1};
        default:
            return {0, 0};
    }
}

void stepParty(GameState& st, int dir) {
    const QPoint step = stepOffset(dir);
    st.MapX += step.x();
    st.MapY += step.y();
}

int oppositeDirection(int dir) {
    return dir >= 1 && dir <= 4 ? 5 - dir : 0;
}

EventCell decodeEventCell(const Value& cell) {
    const QString text = cell.text();
    EventCell e;
    e.type = wholeOf(text.left(1));
    e.code = wholeOf(rightChars(text, 2));
    if (e.type == 6) e.code = wholeOf(rightChars(text, 3));
    if (e.code >= 600) e.code = wholeOf(rightChars(text, 2));
    return e;
}

EventCell eventCellAt(const GameState& st, int column, int row) {
    if (column < 0 || row < 0 || column > st.MapSize || row > st.MapSize ||
        !st.EventGrid.inRange(column, row))
        return {kBlockedCell, 0};
    return decodeEventCell(st.EventGrid(column, row));
}

EventCell partyCell(const GameState& st) {
    return eventCellAt(st, st.MapX - 1, st.MapY);
}

bool isStandingCell(EventCell cell) {
    return cell.type == kFixedEventCell && cell.code == kStandingCell;
}

void bounceBack(GameState& st, EventCell cell) {
    if (isStandingCell(cell)) return;
    stepParty(st, oppositeDirection(st.MoveDir));
}
