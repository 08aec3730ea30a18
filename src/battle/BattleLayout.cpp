#include "battle/BattleLayout.h"

#include <array>

namespace {
// Per group size: the enemies' places and their hit codes, in the order of the enemies.
struct FoeLine {
    std::vector<int> places;
    std::vector<int> codes;
    // First column of each enemy's click area after the first (clicks further left pick enemy 1).
    std::vector<int> bounds;
};

const FoeLine* lineFor(int count) {
    static const std::array<FoeLine, kMostFoes> lines{{
        {{10}, {3}, {}},
        {{7, 13}, {7, 8}, {13}},
        {{5, 10, 15}, {2, 3, 4}, {9, 15}},
        {{2, 7, 13, 18}, {6, 7, 8, 9}, {6, 12, 18}},
        {{1, 5, 10, 15, 20}, {1, 2, 3, 4, 5}, {5, 10, 15, 20}},
        // Six pictures of four places fill 24 of the 25 places; the free one is the middle column.
        {{0, 4, 8, 13, 17, 21}, {10, 11, 12, 13, 14, 15}, {4, 8, 13, 17, 21}},
    }};
    if (count < 1 || count > kMostFoes) return nullptr;
    return &lines[count - 1];
}

// Marker slot per hit code 1..15.
constexpr std::array<int, 16> kMarkerSlot{0, 2, 6, 11, 16, 21, 3, 8, 14, 19, 1, 5, 9, 14, 18, 22};
}  // namespace

std::optional<std::vector<int>> foeSlots(int count) {
    const FoeLine* line = lineFor(count);
    if (!line) return std::nullopt;
    return line->places;
}

std::optional<TargetPick> targetAtColumn(int count, int column) {
    const FoeLine* line = lineFor(count);
    if (!line) return std::nullopt;
    int enemy = 1;
    for (int bound : line->bounds)
        if (column >= bound) ++enemy;
    return TargetPick{line->codes[enemy - 1], enemy};
}

std::optional<int> markerSlotFor(int hitCode) {
    if (hitCode < 1 || hitCode >= static_cast<int>(kMarkerSlot.size())) return std::nullopt;
    return kMarkerSlot[hitCode];
}

int enemyStruckBy(int count, int hitCode) {
    if (count == 1) return 1;
    if (count == 2) return hitCode == 7 ? 1 : 2;
    const FoeLine* line = lineFor(count);
    if (!line) return 0;
    for (std::size_t i = 0; i < line->codes.size(); ++i)
        if (line->codes[i] == hitCode) return static_cast<int>(i) + 1;
    return 0;
}
