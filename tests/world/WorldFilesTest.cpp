// Writing a world never leaves a half-written file: the generator run with each of its writes,
// syncs and renames failing in turn, and killed at random moments, leaves every file either as it
// was or whole and new, and says so when it failed.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

namespace {

const QString kWorldgen = QStringLiteral(HOSHIKAGE_WORLDGEN);
const QString kExample = QStringLiteral(HOSHIKAGE_EXAMPLE_WORLD_DIR);
const QByteArray kOld = "the file as it was";

struct RunResult {
    int exitCode = -1;
    QString errors;
};

QProcessEnvironment quietEnvironment() {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    // With a runtime folder of its own Qt writes no warning, so every write counted is a file's.
    static const QTemporaryDir runtime;
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    return env;
}

// The Tiled export of the example world into `out`, under strace with `inject` when given. Only
// the calls on the files being written count (-P), so writes the program makes elsewhere, such as
// the address sanitizer's own probes through a pipe, neither shift the count nor take a failure.
RunResult exportInto(const QString& out, const QString& inject = QString(),
                     const QStringList& files = {}) {
    QProcess p;
    p.setProcessEnvironment(quietEnvironment());
    QStringList args{QStringLiteral("--tiled"), kExample, out};
    if (inject.isEmpty()) {
        p.start(kWorldgen, args);
    } else {
        QStringList strace{"-f", "-qq", "-o", "/dev/null"};
        for (const QString& f : files) strace << "-P" << out + u'/' + f + ".worldgen-part";
        strace << "-e"
               << "trace=" + inject.section(':', 0, 0) << "-e"
               << "inject=" + inject;
        p.start(QStringLiteral("strace"), strace << kWorldgen << args);
    }
    p.waitForFinished(60000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            QString::fromLocal8Bit(p.readAllStandardError())};
}

// A folder holding an old version of every file the export writes.
void fillWithOldFiles(const QString& dir, const QStringList& names) {
    for (const QString& n : names) {
        QDir().mkpath(QFileInfo(dir + u'/' + n).path());
        QFile f(dir + u'/' + n);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(kOld);
    }
}

QStringList filesUnder(const QString& dir) {
    QStringList out;
    for (const QString& n : QDir(dir).entryList(QDir::Files)) out << n;
    for (const QString& n : QDir(dir + "/tilesets").entryList(QDir::Files)) out << "tilesets/" + n;
    return out;
}

class WorldFiles : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(exportInto(reference.path()).exitCode, 0);
        names = filesUnder(reference.path());
        ASSERT_GE(names.size(), 10);
    }
    // Every file is old or whole and new; nothing is left half-done.
    void expectOldOrNew(const QString& dir, bool leftoversAllowed) {
        for (const QString& n : names) {
            QFile f(dir + u'/' + n), r(reference.path() + u'/' + n);
            ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << n.toStdString();
            ASSERT_TRUE(r.open(QIODevice::ReadOnly));
            const QByteArray bytes = f.readAll();
            EXPECT_TRUE(bytes == kOld || bytes == r.readAll())
                << n.toStdString() << " is half-written";
        }
        if (!leftoversAllowed) {
            EXPECT_EQ(filesUnder(dir).size(), names.size()) << "files left behind";
        }
    }
    QTemporaryDir reference;
    QStringList names;
};

TEST_F(WorldFiles, EveryFailingWriteSyncAndRenameIsToldAndLeavesWholeFiles) {
    if (QStandardPaths::findExecutable(QStringLiteral("strace")).isEmpty())
        GTEST_SKIP() << "strace is not installed (./scripts/setup.sh installs it)";
    for (const char* call : {"write", "fsync", "rename"}) {
        int failures = 0;
        for (int n = 1; n <= names.size() + 2; ++n) {
            SCOPED_TRACE(std::string(call) + " number " + std::to_string(n));
            QTemporaryDir dir;
            fillWithOldFiles(dir.path(), names);
            const RunResult run = exportInto(
                dir.path(), QStringLiteral("%1:error=ENOSPC:when=%2").arg(call).arg(n), names);
            if (run.exitCode != 0) {
                ++failures;
                EXPECT_EQ(run.exitCode, 1);
                EXPECT_TRUE(run.errors.contains(QStringLiteral("cannot be")))
                    << run.errors.toStdString();
            }
            expectOldOrNew(dir.path(), false);
            // A failure before any rename changes nothing at all.
            if (run.exitCode != 0 && std::string(call) != "rename")
                for (const QString& name : names) {
                    QFile f(dir.path() + u'/' + name);
                    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
                    EXPECT_EQ(f.readAll(), kOld) << name.toStdString();
                }
        }
        EXPECT_GE(failures, names.size()) << "every " << call << " of a file was made to fail";
    }
}

TEST_F(WorldFiles, AKilledRunLeavesWholeFilesAndTheNextRunFinishes) {
    for (int round = 0; round < 6; ++round) {
        QTemporaryDir dir;
        fillWithOldFiles(dir.path(), names);
        QProcess p;
        p.setProcessEnvironment(quietEnvironment());
        p.start(kWorldgen, {QStringLiteral("--tiled"), kExample, dir.path()});
        ASSERT_TRUE(p.waitForStarted());
        QThread::msleep(QRandomGenerator::global()->bounded(100, 900));
        p.kill();
        p.waitForFinished();
        expectOldOrNew(dir.path(), true);
        ASSERT_EQ(exportInto(dir.path()).exitCode, 0);
        expectOldOrNew(dir.path(), false);
    }
}

}  // namespace
