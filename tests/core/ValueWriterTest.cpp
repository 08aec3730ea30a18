#include <gtest/gtest.h>

#include <sys/resource.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>

#include "core/GameError.h"
#include "core/LineValueReader.h"
#include "core/ShiftJis.h"
#include "core/ValueReader.h"
#include "core/ValueWriter.h"

TEST(ValueWriter, SaveLinesRoundTripJapaneseTextInShiftJis) {
    const QList<Value> values = {
        Value(QStringLiteral("回復の泉ｺﾞｰﾙﾄﾞ　１．")),  // kanji, half-width kana, full-width space
        Value(12.5),
        Value(-3),
        Value(),
        Value(QStringLiteral("line one\r\nline two")),
        Value(QStringLiteral("\"C:\\game\\use\\bgm01.wav\"")),
        Value(QStringLiteral("say \"hi\"")),
        Value(QStringLiteral("007")),             // a text that looks like a number stays a text
        Value(QStringLiteral("ゆうしゃ      ")),  // trailing spaces survive
    };
    ValueWriter w;
    for (const Value& v : values) w.writeLine(v);
    const QByteArray bytes = w.bytes();
    EXPECT_TRUE(bytes.contains(toShiftJis(QStringLiteral("回復の泉"))));
    EXPECT_TRUE(bytes.contains("\r\n12.5\r\n-3\r\n\r\n"));

    LineValueReader r(bytes, QStringLiteral("use1"));
    for (const Value& v : values) {
        Value back = r.readValue();
        EXPECT_EQ(back.kind(), v.kind()) << v.text().toStdString();
        EXPECT_EQ(back.text(), v.text());
    }
    EXPECT_TRUE(r.atEnd());
}

TEST(ValueWriter, SaveLinesKeepBlanksAtBothEnds) {
    // A damaged or unusual name must not change when a game is saved and loaded again.
    ValueWriter w;
    w.writeLine(Value(QStringLiteral("  前に空白")));
    w.writeLine(Value(QStringLiteral("\t後に空白 ")));
    LineValueReader r(w.bytes(), QStringLiteral("use1"));
    EXPECT_EQ(r.readText(), QStringLiteral("  前に空白"));
    EXPECT_EQ(r.readText(), QStringLiteral("\t後に空白 "));
    EXPECT_THROW(r.readValue(), GameError);  // no more lines
    // A plain line written by another program loses the blanks around it.
    LineValueReader plain(QByteArray("  Map_f01.map  \r\n"), QStringLiteral("usex"));
    EXPECT_EQ(plain.readText(), QStringLiteral("Map_f01.map"));
}

TEST(ValueWriter, TableRecordsReadBackWithTheStreamReader) {
    ValueWriter w;
    w.writeRecord({Value(3), Value(QStringLiteral("鋼の剣")), Value(QStringLiteral("a,b")),
                   Value(QStringLiteral(" padded ")), Value(), Value(QStringLiteral("")),
                   Value(QStringLiteral("12"))});
    w.writeRecord({Value(QStringLiteral("次の行"))});
    ValueReader r(w.bytes(), QStringLiteral("B_DataFile"));
    EXPECT_EQ(r.readInt(), 3);
    EXPECT_EQ(r.readText(), QStringLiteral("鋼の剣"));
    EXPECT_EQ(r.readText(), QStringLiteral("a,b"));
    EXPECT_EQ(r.readText(), QStringLiteral(" padded "));
    EXPECT_TRUE(r.readValue().isEmpty());
    Value emptyText = r.readValue();
    EXPECT_TRUE(emptyText.isText());
    EXPECT_TRUE(r.readValue().isText());
    EXPECT_EQ(r.readText(), QStringLiteral("次の行"));
    EXPECT_TRUE(r.atEnd());

    ValueWriter bad;
    EXPECT_THROW(bad.writeRecord({Value(QStringLiteral("a\"b"))}), GameError);
}

TEST(ValueWriter, AFailedSaveLeavesThePreviousFileIntact) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("use1"));
    ValueWriter first;
    first.writeLine(Value(QStringLiteral("old game")));
    first.saveTo(path);

    // A file-size limit makes the disk "full" after 16 bytes, half-way through the new save.
    ValueWriter second;
    for (int i = 0; i < 20; ++i) second.writeLine(Value(QStringLiteral("new game data")));
    struct rlimit old {};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit tiny = old;
    tiny.rlim_cur = 16;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &tiny), 0);
    bool failed = false;
    try {
        second.saveTo(path);
    } catch (const GameError& e) {
        failed = true;
        EXPECT_TRUE(e.report().startsWith(QStringLiteral("use1:")));
    }
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_TRUE(failed);

    LineValueReader r = LineValueReader::open(path);
    EXPECT_EQ(r.readText(), QStringLiteral("old game"));
    EXPECT_TRUE(r.atEnd());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("use1")});
}
