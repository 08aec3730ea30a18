// The world generator: the same sources give the same bytes, the build's data directory is
// exactly what the sources make, and mistakes in the sources are told with file and line.

#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>

#include "support/DataDir.h"
#include "world/ContentLoader.h"
#include "world/Generator.h"
#include "world/Source.h"

namespace {

const QString kContent = QStringLiteral(HOSHIKAGE_CONTENT_DIR);

const FileSet& generated() {
    static const FileSet files = generateWorld(loadWorld(kContent));
    return files;
}

// A copy of content/ that a test may change.
class ContentCopy {
  public:
    ContentCopy() {
        QDirIterator it(kContent, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString from = it.next();
            const QString to = dir_.path() + from.mid(kContent.size());
            QDir().mkpath(QFileInfo(to).path());
            QFile::copy(from, to);
        }
    }
    QString path() const { return dir_.path(); }
    void replace(const QString& file, const QString& from, const QString& to) {
        QFile f(dir_.path() + u'/' + file);
        f.open(QIODevice::ReadOnly);
        QString text = QString::fromUtf8(f.readAll());
        f.close();
        ASSERT_TRUE(text.contains(from)) << from.toStdString();
        text.replace(from, to);
        f.open(QIODevice::WriteOnly | QIODevice::Truncate);
        f.write(text.toUtf8());
    }

  private:
    QTemporaryDir dir_;
};

std::string errorOf(const QString& contentDir) {
    try {
        loadWorld(contentDir);
    } catch (const ContentError& e) {
        return e.what();
    }
    return "no error";
}

TEST(Generator, TheSameSourcesGiveTheSameBytes) {
    const FileSet again = generateWorld(loadWorld(kContent));
    ASSERT_EQ(again.keys(), generated().keys());
    for (auto it = again.constBegin(); it != again.constEnd(); ++it)
        EXPECT_TRUE(it.value() == generated().value(it.key())) << it.key().toStdString();
}

TEST(Generator, TheBuildsDataDirectoryIsWhatTheSourcesMake) {
    for (auto it = generated().constBegin(); it != generated().constEnd(); ++it) {
        QFile f(sampleWorldDir() + u'/' + it.key());
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << it.key().toStdString();
        EXPECT_TRUE(f.readAll() == it.value()) << it.key().toStdString() << " is stale";
    }
}

TEST(Generator, WritingLeavesUnchangedFilesAndSaveSlotsAlone) {
    QTemporaryDir dir;
    FileSet files;
    files.insert(QStringLiteral("a"), QByteArray("one"));
    writeFileSet(files, dir.path());
    QFile slot(dir.path() + QStringLiteral("/use1"));
    ASSERT_TRUE(slot.open(QIODevice::WriteOnly));
    slot.write("saved game");
    slot.close();
    const QDateTime before = QFileInfo(dir.path() + QStringLiteral("/a")).lastModified();
    files.insert(QStringLiteral("b"), QByteArray("two"));
    writeFileSet(files, dir.path());
    EXPECT_EQ(QFileInfo(dir.path() + QStringLiteral("/a")).lastModified(), before);
    QFile b(dir.path() + QStringLiteral("/b"));
    ASSERT_TRUE(b.open(QIODevice::ReadOnly));
    EXPECT_EQ(b.readAll(), QByteArray("two"));
    EXPECT_TRUE(QFile::exists(dir.path() + QStringLiteral("/use1")));
}

TEST(Generator, TextsSurviveTheShiftJisRoundTrip) {
    // Every table is Shift_JIS: a character it cannot hold must be refused, not turned into '?'.
    ContentCopy copy;
    copy.replace(QStringLiteral("story/talks.txt"), QStringLiteral("星が消えてから"),
                 QStringLiteral("星が消えてから𠮷"));
    EXPECT_THROW(generateWorld(loadWorld(copy.path())), ContentError);
}

TEST(Generator, MistakesInTheSourcesAreToldWithFileAndLine) {
    {
        ContentCopy copy;
        copy.replace(QStringLiteral("maps/hokora01.txt"),
                     QStringLiteral("\n%%%%%%%%%%%%X%%%%%%%%%%%%\n"),
                     QStringLiteral("\n%%%%%%%%%%%%X%%%%%%%%%%%\n"));
        EXPECT_NE(errorOf(copy.path()).find("hokora01.txt:"), std::string::npos)
            << errorOf(copy.path());
    }
    {
        ContentCopy copy;
        copy.replace(QStringLiteral("maps/mori001.txt"),
                     QStringLiteral("K = path + thorns : block 1"),
                     QStringLiteral("K = path + thorns : block 31"));
        EXPECT_NE(errorOf(copy.path()).find("mori001.txt"), std::string::npos)
            << errorOf(copy.path());
    }
    {
        ContentCopy copy;
        copy.replace(QStringLiteral("tables/facilities.txt"),
                     QStringLiteral("| in_inn1.jpeg    | 8"),
                     QStringLiteral("| in_nowhere.jpeg | 8"));
        EXPECT_NE(errorOf(copy.path()).find("in_nowhere.jpeg"), std::string::npos)
            << errorOf(copy.path());
    }
    {
        // The short text of a scene is shown with the face of the page numbered like the scene.
        ContentCopy copy;
        copy.replace(QStringLiteral("story/scenes.txt"),
                     QStringLiteral("short 1 | アルト「祭壇はもう空っぽだ。」"),
                     QStringLiteral("short 2 | アルト「祭壇はもう空っぽだ。」"));
        EXPECT_NE(errorOf(copy.path()).find("face of page 3"), std::string::npos)
            << errorOf(copy.path());
    }
}

TEST(Generator, ClassMasksFollowTheDigitsOfTheEquipmentRule) {
    EXPECT_EQ(classMask({}), 0);
    EXPECT_EQ(classMask({1, 4, 7}), 7);
    EXPECT_EQ(classMask({5}), 20);
    EXPECT_EQ(classMask({1, 2, 3, 5, 7}), 135);
    EXPECT_EQ(classMask({3, 6}), 300);
    EXPECT_EQ(classMask({4, 6, 7, 8}), 246);
}

}  // namespace
