#pragma once

#include <QObject>
#include <QTimer>

class Game;

// Background music: one looping track per place, driven by media command strings for the
// alias "bgm".

// Turns a bare BgmFile into a quoted full path (once: a prepared name keeps its form) and sends
// the open command.
void Bgm_Open(Game& game);

// Starts the watcher that keeps the music looping: it asks the device for its state and restarts
// the track from the beginning whenever it is neither playing nor seeking. The first check runs
// at once. Any number of calls behave like one watcher.
void Bgm_Loop(Game& game);

// The exact command strings.
namespace bgm {
inline const char* const kPlay = "play bgm from 0";
inline const char* const kStatus = "status bgm mode";
inline const char* const kStop = "stop bgm ";
inline const char* const kCloseAll = "close all";
}  // namespace bgm

// Sends one of the command strings above.
void Bgm_Send(Game& game, const char* command);

// The watcher itself: polls on a timer instead of spinning, and stays quiet while a screen shown
// with waiting is open (the player hears the same: a battle or shop keeps the music silent
// until the field or town screen is back).
class MusicWatcher : public QObject {
  public:
    static constexpr int kPollMilliseconds = 200;

    explicit MusicWatcher(Game& game);
    void start();
    bool isRunning() const { return timer_.isActive(); }
    // One pass: status, and a restart when the track is not running.
    void poll();

  private:
    Game& game_;
    QTimer timer_;
};
