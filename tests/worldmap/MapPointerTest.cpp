// Reading hot spots, naming them and turning presses and keys into scrolling.

#include <gtest/gtest.h>

#include <vector>

#include "worldmap/MapPointer.h"

namespace {
// A press in the middle of view cell (cx, cy).
int pressAt(int cx, int cy, int previous) {
    return pressQuadrant(cx * 32 + 16, cy * 32 + 16, previous);
}
const QColor kWhite(255, 255, 255);
const QColor kMagenta(255, 0, 255);
}  // namespace

TEST(MapPointer, AnEventCellIsReadAsKindAndTwoDigitNumber) {
    auto read = [](const Value& v) {
        const HotSpot s = readHotSpot(v);
        return std::pair{s.kind, s.number};
    };
    EXPECT_EQ(read(Value(203)), std::pair(2, 3));
    EXPECT_EQ(read(Value("411")), std::pair(4, 11));
    EXPECT_EQ(read(Value(2103)), std::pair(2, 3));  // only the last two digits count
    EXPECT_EQ(read(Value(0)), std::pair(0, 0));
    EXPECT_EQ(read(Value()), std::pair(0, 0));
    EXPECT_EQ(read(Value(5)), std::pair(5, 5));  // one character is both kind and number
    EXPECT_EQ(read(Value("3x")), std::pair(3, 3));
    EXPECT_EQ(read(Value("ab")), std::pair(0, 0));
}

TEST(MapPointer, PressesAroundTheReferenceCellPickTheirQuadrant) {
    EXPECT_EQ(pressAt(20, 8, 0), 2);   // right
    EXPECT_EQ(pressAt(2, 8, 0), 1);    // left
    EXPECT_EQ(pressAt(13, 15, 0), 3);  // down
    EXPECT_EQ(pressAt(13, 0, 3), 0);   // up
    // Equally far sideways and up or down: horizontal wins.
    EXPECT_EQ(pressAt(15, 10, 0), 2);
    EXPECT_EQ(pressAt(11, 6, 0), 1);
    EXPECT_EQ(pressAt(16, 5, 0), 2);
    // One step further up or down than sideways: vertical.
    EXPECT_EQ(pressAt(15, 11, 0), 3);
    EXPECT_EQ(pressAt(11, 5, 3), 0);
}

TEST(MapPointer, TheReferenceCellAndItsNeighboursAboveAndBelowKeepThePreviousQuadrant) {
    for (int cy : {7, 8, 9}) {
        EXPECT_EQ(pressAt(13, cy, 0), 0);
        EXPECT_EQ(pressAt(13, cy, 2), 2);
        EXPECT_EQ(pressAt(13, cy, 3), 3);
    }
    EXPECT_EQ(scrollForQuadrant(0), kScrollUp);  // a first press there scrolls up
    EXPECT_EQ(scrollForQuadrant(3), kScrollDown);
    // Pixels on a cell's edge belong to the cell they start.
    EXPECT_EQ(pressQuadrant(13 * 32 + 31, 8 * 32, 1), 1);
    EXPECT_EQ(pressQuadrant(14 * 32, 8 * 32, 1), 2);
}

TEST(MapPointer, PlaceNamesTurnWhiteAsTheStoryGoesOn) {
    for (int n : {1, 2, 8, 24}) EXPECT_EQ(placeNameColour(n, 0), kWhite) << n;
    const std::pair<std::vector<int>, int> gated[] = {
        {{3, 11}, 10}, {{4, 14}, 20}, {{5, 17}, 30}, {{6, 7, 20}, 40}};
    for (const auto& [numbers, needed] : gated)
        for (int n : numbers) {
            EXPECT_EQ(placeNameColour(n, needed - 1), kMagenta) << n;
            EXPECT_EQ(placeNameColour(n, needed), kWhite) << n;
        }
    for (int n : {0, 9, 10, 12, 99}) EXPECT_FALSE(placeNameColour(n, 50).has_value()) << n;
}

TEST(MapPointer, FacilityNamesByNumberRange) {
    const std::pair<int, const char*> named[] = {
        {1, "宿屋"},    {3, "宿屋"},  {11, "道具屋"}, {14, "道具屋"}, {21, "武器屋"},
        {24, "武器屋"}, {31, "酒場"}, {39, "酒場"},   {41, "教会"},   {42, "教会"}};
    for (auto [n, name] : named) EXPECT_EQ(facilityName(n), QString::fromUtf8(name)) << n;
    for (int n : {0, 4, 10, 15, 25, 30, 40, 43}) EXPECT_FALSE(facilityName(n).has_value()) << n;
}

TEST(MapPointer, ArrowKeysScrollAndOtherKeysDoNot) {
    EXPECT_EQ(scrollForKey(Qt::Key_Left), kScrollLeft);
    EXPECT_EQ(scrollForKey(Qt::Key_Up), kScrollUp);
    EXPECT_EQ(scrollForKey(Qt::Key_Right), kScrollRight);
    EXPECT_EQ(scrollForKey(Qt::Key_Down), kScrollDown);
    EXPECT_FALSE(scrollForKey(Qt::Key_Space).has_value());
}

TEST(MapPointer, ScrollingStaysOffTheOutermostRing) {
    int x = 2, y = 2;
    scrollStep(kScrollLeft, 40, x, y);
    scrollStep(kScrollUp, 40, x, y);
    EXPECT_EQ(std::pair(x, y), std::pair(1, 1));
    scrollStep(kScrollLeft, 40, x, y);
    scrollStep(kScrollUp, 40, x, y);
    EXPECT_EQ(std::pair(x, y), std::pair(1, 1));
    for (int k = 0; k < 50; ++k) {
        scrollStep(kScrollRight, 40, x, y);
        scrollStep(kScrollDown, 40, x, y);
    }
    // The view's last column is 15 + 24 = 39 and its last row 21 + 18 = 39: one short of 40.
    EXPECT_EQ(std::pair(x, y), std::pair(15, 21));
    x = 0;
    y = 0;
    scrollStep(kScrollLeft, 40, x, y);  // placed at 0 (a town's entry), the view stays there
    scrollStep(kScrollNone, 40, x, y);
    EXPECT_EQ(std::pair(x, y), std::pair(0, 0));
}
