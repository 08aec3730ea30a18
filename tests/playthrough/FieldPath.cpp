#include "FieldPath.h"

#include <QHash>
#include <deque>

#include "core/GameState.h"

EventCell eventAt(const GameState& st, QPoint cell) {
    return eventCellAt(st, cell.x(), cell.y());
}

bool standable(const GameState& st, QPoint cell) {
    const EventCell e = eventAt(st, cell);
    return e.type == kFreeCell || isStandingCell(e);
}

CellGoal eventIs(int type, int code) {
    return [type, code](const GameState& st, QPoint c) {
        const EventCell e = eventAt(st, c);
        return e.type == type && e.code == code;
    };
}

CellGoal sceneCell(int scene) {
    return eventIs(kStoryCell, scene);
}

CellGoal blockCell(int block) {
    return eventIs(kStoryCell, kLastSceneCode + block);
}

CellGoal bossCell(int boss) {
    return eventIs(kStoryCell, kLastBlockCode + boss);
}

CellGoal fixedEventCell(int code) {
    return eventIs(kFixedEventCell, code);
}

CellGoal entranceCell(int place) {
    return eventIs(kEntranceCell, place);
}

CellGoal chestCell() {
    return [](const GameState& st, QPoint c) { return eventAt(st, c).type == kTreasureCell; };
}

CellGoal cellAt(QPoint cell) {
    return [cell](const GameState&, QPoint c) { return c == cell; };
}

QPoint stepFrom(QPoint cell, int dir) {
    return cell + stepOffset(dir);
}

int keyFor(int dir) {
    switch (dir) {
        case 1:
            return Qt::Key_Up;
        case 2:
            return Qt::Key_Left;
        case 3:
            return Qt::Key_Right;
        default:
            return Qt::Key_Down;
    }
}

QString describe(QPoint cell) {
    return QStringLiteral("(%1, %2)").arg(cell.x()).arg(cell.y());
}

std::optional<std::vector<int>> findWay(const GameState& st, QPoint from, const CellGoal& goal) {
    if (goal(st, from)) return std::vector<int>{};
    // Breadth first over the standable cells; each cell remembers the step that reached it.
    QHash<QPoint, std::pair<QPoint, int>> cameFrom;
    std::deque<QPoint> open{from};
    cameFrom.insert(from, {from, 0});
    auto wayTo = [&](QPoint end) {
        std::vector<int> way;
        for (QPoint c = end; c != from; c = cameFrom[c].first)
            way.insert(way.begin(), cameFrom[c].second);
        return way;
    };
    while (!open.empty()) {
        const QPoint here = open.front();
        open.pop_front();
        for (int dir = 1; dir <= 4; ++dir) {
            const QPoint next = stepFrom(here, dir);
            if (cameFrom.contains(next)) continue;
            if (goal(st, next)) {
                cameFrom.insert(next, {here, dir});
                return wayTo(next);
            }
            if (!standable(st, next)) continue;
            cameFrom.insert(next, {here, dir});
            open.push_back(next);
        }
    }
    return std::nullopt;
}
