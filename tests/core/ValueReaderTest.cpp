#include <gtest/gtest.h>

#include "core/GameError.h"
#include "core/ShiftJis.h"
#include "core/ValueReader.h"

namespace {
ValueReader reader(const QString& text, const QString& name = QStringLiteral("Test_F")) {
    return ValueReader(toShiftJis(text), name);
}

QString failureOf(const std::function<void()>& fn) {
    try {
        fn();
    } catch (const GameError& e) {
        return e.report();
    }
    return QString();
}
}  // namespace

TEST(ValueReader, RecordSplitOverLinesReadsLikeOneLine) {
    const QString oneLine = QStringLiteral("1,\"勇者\",20,7\r\n");
    const QString split = QStringLiteral("1\r\n\"勇者\"\r\n20\r\n7\r\n");
    const QString mixed = QStringLiteral("1,\"勇者\"\r\n20,7");
    for (const QString& text : {oneLine, split, mixed}) {
        auto r = reader(text);
        EXPECT_EQ(r.readInt(), 1);
        EXPECT_EQ(r.readText(), QStringLiteral("勇者"));
        EXPECT_EQ(r.readInt(), 20);
        EXPECT_EQ(r.readInt(), 7);
        EXPECT_TRUE(r.atEnd());
    }
    // A comma followed by a line break leaves an empty field between them.
    auto r = reader(QStringLiteral("1,\r\n2"));
    EXPECT_EQ(r.readInt(), 1);
    EXPECT_TRUE(r.readValue().isEmpty());
    EXPECT_EQ(r.readInt(), 2);
}

TEST(ValueReader, QuotesKeepCommasAndDropWhatFollowsTheClosingQuote) {
    auto r = reader(QStringLiteral("\"剣,盾\"xyz,  next  ,\"a\r\nb\",last"));
    EXPECT_EQ(r.readText(), QStringLiteral("剣,盾"));
    EXPECT_EQ(r.readText(), QStringLiteral("next"));  // leading blanks skipped, trailing dropped
    EXPECT_EQ(r.readText(), QStringLiteral("a\r\nb"));
    EXPECT_EQ(r.readText(), QStringLiteral("last"));
    EXPECT_TRUE(r.atEnd());
}

TEST(ValueReader, IntegersRoundHalvesToEvenAndStayWithinSixteenBits) {
    auto r = reader(QStringLiteral("2.5,3.5,-2.5,2.6,,32767,-32768"));
    EXPECT_EQ(r.readInt(), 2);
    EXPECT_EQ(r.readInt(), 4);
    EXPECT_EQ(r.readInt(), -2);
    EXPECT_EQ(r.readInt(), 3);
    EXPECT_EQ(r.readInt(), 0);  // empty field
    EXPECT_EQ(r.readInt(), 32767);
    EXPECT_EQ(r.readInt(), -32768);

    auto big = reader(QStringLiteral("1,40000"), QStringLiteral("B_DataFile"));
    big.readInt();
    QString report = failureOf([&] { big.readInt(); });
    EXPECT_TRUE(report.startsWith(QStringLiteral("B_DataFile: line 1, field 2:")))
        << report.toStdString();
    EXPECT_TRUE(report.contains(QStringLiteral("40000")));

    auto letters = reader(QStringLiteral("12a"), QStringLiteral("Ca_DataFile"));
    report = failureOf([&] { letters.readInt(); });
    EXPECT_TRUE(report.startsWith(QStringLiteral("Ca_DataFile: line 1, field 1:")))
        << report.toStdString();
}

TEST(ValueReader, ValueFieldsKeepNumbersTextsAndEmptiness) {
    auto r = reader(QStringLiteral("12.5,mori001,,\"007\",\"\""));
    Value n = r.readValue();
    EXPECT_TRUE(n.isNumber());
    EXPECT_EQ(n.num(), 12.5);
    EXPECT_EQ(r.readValue(), Value(QStringLiteral("mori001")));
    EXPECT_TRUE(r.readValue().isEmpty());
    Value quoted = r.readValue();
    EXPECT_TRUE(quoted.isText());  // a quoted number stays a text
    EXPECT_EQ(quoted.text(), QStringLiteral("007"));
    EXPECT_TRUE(r.readValue().isText());
}

TEST(ValueReader, EndOfFileIsOnlyTestedBetweenRecords) {
    auto r = reader(QStringLiteral("1,2\r\n\r\n  \r\n"));
    EXPECT_FALSE(r.atEnd());
    r.readInt();
    r.readInt();
    EXPECT_TRUE(r.atEnd());  // trailing blank lines end the file
    QString report;

    auto shortRecord = reader(QStringLiteral("1,2"), QStringLiteral("En_DataFile2"));
    shortRecord.readInt();
    shortRecord.readInt();
    report = failureOf([&] { shortRecord.readInt(); });
    EXPECT_TRUE(report.startsWith(QStringLiteral("En_DataFile2:"))) << report.toStdString();
    EXPECT_TRUE(report.contains(QStringLiteral("ends in the middle of a record")));

    auto trailingComma = reader(QStringLiteral("1,"));
    trailingComma.readInt();
    EXPECT_TRUE(trailingComma.readValue().isEmpty());  // the field after a final comma is empty
}

TEST(ValueReader, UnclosedQuoteAndMissingFileAreReported) {
    auto r = reader(QStringLiteral("\"never closed"), QStringLiteral("Sene_F"));
    EXPECT_TRUE(failureOf([&] { r.readText(); }).contains(QStringLiteral("closing double quote")));
    QString report =
        failureOf([] { ValueReader::open(QStringLiteral("/nonexistent/dir/Kaiwa_F")); });
    EXPECT_TRUE(report.startsWith(QStringLiteral("Kaiwa_F:"))) << report.toStdString();
}
