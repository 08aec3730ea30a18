#include <gtest/gtest.h>

#include "core/Bounded.h"
#include "core/GameError.h"
#include "core/Text.h"
#include "core/Value.h"

TEST(Value, EmptyCountsAsZeroAndAsEmptyText) {
    Value empty;
    EXPECT_EQ(empty, Value(0));
    EXPECT_EQ(empty, Value(QStringLiteral("")));
    EXPECT_NE(empty, Value(1));
    EXPECT_LT(empty, Value(1));
    EXPECT_EQ(empty + Value(5), Value(5));
    EXPECT_EQ(empty.text(), QString());
    EXPECT_TRUE(Value(QStringLiteral("")).isBlank());
    EXPECT_FALSE(Value(0).isBlank());  // a party position holding character 0 is not empty
}

TEST(Value, NumbersAndTextsCompareAsTheDataModelDoes) {
    EXPECT_EQ(Value(QStringLiteral("203")), Value(203));  // a numeric text meets a number
    EXPECT_LT(Value(99), Value(QStringLiteral("abc")));   // numbers before other texts
    EXPECT_LT(Value(QStringLiteral("Map_f01.map")), Value(QStringLiteral("mori001.map")));
    EXPECT_GT(Value(103), Value(5));
    EXPECT_EQ(Value(2.0) * Value(1.25), Value(2.5));
}

TEST(Value, NumbersPrintPlainAndRoundHalvesToEven) {
    EXPECT_EQ(Value(12.5).text(), QStringLiteral("12.5"));
    EXPECT_EQ(Value(2000).text(), QStringLiteral("2000"));
    EXPECT_EQ(Value(-2).text(), QStringLiteral("-2"));
    EXPECT_EQ(Value(1000000).text(), QStringLiteral("1000000"));
    EXPECT_EQ(Value(2.5).toInt(), 2);
    EXPECT_EQ(Value(3.5).toInt(), 4);
    EXPECT_EQ(Value(QStringLiteral("12ab")).val(), 12);
    EXPECT_EQ(Value(QStringLiteral("x1")).val(), 0);
    EXPECT_THROW(Value(QStringLiteral("abc")).num(), GameError);
}

TEST(BoundedArrays, IndexOutsideTheBoundsRaisesInsteadOfTouchingMemory) {
    Array1<int, 1, 100> log;
    log[1] = 5;
    log[100] = 6;
    EXPECT_EQ(log[1], 5);
    EXPECT_THROW(log[0], GameError);
    EXPECT_THROW(log[101], GameError);
    Array2<Value, 0, 100, 0, 100> grid;
    grid(100, 100) = Value(7);
    EXPECT_EQ(grid(100, 100), Value(7));
    EXPECT_THROW(grid(-1, 0), GameError);
    EXPECT_THROW(grid(0, 101), GameError);
    try {
        grid(101, 3);
    } catch (const GameError& e) {
        EXPECT_EQ(e.report(), QStringLiteral("index 101: an index within 0..100"));
    }
}

TEST(FixedText, CutsAndPadsToTheFieldWidth) {
    EXPECT_EQ(fixedText(QStringLiteral("あいうえおかきくけこさしすせそたちつてとな"), 20),
              QStringLiteral("あいうえおかきくけこさしすせそたちつてと"));
    EXPECT_EQ(fixedText(QStringLiteral("剣"), 4), QStringLiteral("剣   "));
    EXPECT_EQ(trimSpaces(QStringLiteral("  勇者　 ")), QStringLiteral("勇者　"));
}
