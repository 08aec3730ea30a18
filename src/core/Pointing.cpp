#include "core/Pointing.h"

#include <Qt>

std::optional<int> directionForKey(int key) {
    switch (key) {
        case Qt::Key_Up:
            return 1;
        case Qt::Key_Left:
            return 2;
        case Qt::Key_Right:
            return 3;
        case Qt::Key_Down:
            return 4;
        default:
            return std::nullopt;
    }
}

int quadrantAround(int dx, int dy, int previousQuadrant) {
    const int d = dx * dx + 1 - dy * dy;
    if (dx > 0 && d > 0) return 2;
    if (dx < 0 && d > 0) return 1;
    if (dy > 0 && d < 0) return 3;
    if (dy < 0 && d < 0) return 0;
    return previousQuadrant;
}
