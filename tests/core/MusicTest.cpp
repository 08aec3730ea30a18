// The music commands: how a track is opened, and the watcher that keeps it looping.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>

#include "core/Music.h"
#include "platform/Form.h"
#include "support/GameTest.h"

namespace {
// Any screen shown with waiting, as a battle or a shop is.
class WaitingScreen : public Form {
  public:
    explicit WaitingScreen(Game& game) : Form(game.forms(), QStringLiteral("waiting")) {}
};

class Music : public GameTest {
  protected:
    Music() { st().BgmFile = "bgm01.wav"; }
    QString quotedTrack() const { return "\"" + data.path() + "/bgm01.wav\""; }
};

const QStringList kStatusThenPlay{"status bgm mode", "play bgm from 0"};
}  // namespace

TEST_F(Music, OpenQuotesTheBareFileWithTheDataDirectory) {
    Bgm_Open(*game);
    EXPECT_EQ(st().BgmFile, quotedTrack());
    EXPECT_EQ(pf.mciCommands, QStringList{"open " + quotedTrack() + " alias bgm"});
    EXPECT_EQ(st().MciCommand, "open " + quotedTrack() + " alias bgm");
}

TEST_F(Music, SecondOpenDoesNotQuoteTwice) {
    Bgm_Open(*game);
    Bgm_Open(*game);
    EXPECT_EQ(st().BgmFile, quotedTrack());
    ASSERT_EQ(pf.mciCommands.size(), 2);
    EXPECT_EQ(pf.mciCommands[1], pf.mciCommands[0]);
}

TEST_F(Music, WatcherStartsTheTrackAtOnceAndLeavesItPlaying) {
    Bgm_Open(*game);
    pf.mciCommands.clear();
    Bgm_Loop(*game);
    EXPECT_EQ(pf.mciCommands, kStatusThenPlay);
    pf.mciCommands.clear();
    game->musicWatcher().poll();
    EXPECT_EQ(pf.mciCommands, QStringList{"status bgm mode"});
}

TEST_F(Music, WatcherRestartsAfterAStopOrTheEndOfTheTrack) {
    Bgm_Open(*game);
    Bgm_Loop(*game);
    Bgm_Send(*game, bgm::kStop);
    EXPECT_EQ(pf.mciCommands.last(), "stop bgm ");
    pf.mciCommands.clear();
    game->musicWatcher().poll();
    EXPECT_EQ(pf.mciCommands, kStatusThenPlay);

    pf.finishTrack();
    pf.mciCommands.clear();
    game->musicWatcher().poll();
    EXPECT_EQ(pf.mciCommands, kStatusThenPlay);
}

TEST_F(Music, EmptyStatusReplyRestartsHarmlessly) {
    Bgm_Send(*game, bgm::kCloseAll);
    pf.mciCommands.clear();
    game->musicWatcher().poll();  // nothing is open: the reply is empty
    EXPECT_EQ(pf.mciCommands, kStatusThenPlay);
    EXPECT_FALSE(pf.media().isOpen("bgm"));
}

TEST_F(Music, WatcherIsQuietWhileAScreenIsShownWithWaiting) {
    Bgm_Open(*game);
    Bgm_Loop(*game);
    bool checked = false;
    onShow<WaitingScreen>([&](WaitingScreen& s) {
        Bgm_Send(*game, bgm::kStop);  // a battle silences the music
        pf.mciCommands.clear();
        game->musicWatcher().poll();
        EXPECT_TRUE(pf.mciCommands.isEmpty());
        checked = true;
        s.Unload();
    });
    game->form<WaitingScreen>().Show(true);
    ASSERT_TRUE(checked);
    game->musicWatcher().poll();  // back on the field: the track starts again
    EXPECT_EQ(pf.mciCommands, kStatusThenPlay);
}

TEST_F(Music, SeveralActivationsBehaveLikeOneWatcher) {
    Bgm_Open(*game);
    Bgm_Loop(*game);
    Bgm_Loop(*game);
    Bgm_Loop(*game);
    EXPECT_TRUE(game->musicWatcher().isRunning());
    // Let the timer run until it asks once: a second watcher would ask again in the same turn.
    pf.mciCommands.clear();
    QElapsedTimer clock;
    clock.start();
    while (pf.mciCommands.isEmpty() && clock.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    EXPECT_EQ(pf.mciCommands, QStringList{"status bgm mode"});
}
