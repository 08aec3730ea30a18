#include "core/Music.h"

#include "core/Game.h"

void Bgm_Send(Game& game, const char* command) {
    game.platform().mciSendString(QString::fromLatin1(command));
}

void Bgm_Open(Game& game) {
    GameState& st = game.state();
    const QString prepared = QStringLiteral("\"") + st.DataPath.left(4);
    if (st.BgmFile.left(5) != prepared)
        st.BgmFile = QStringLiteral("\"") + st.DataPath + st.BgmFile + QStringLiteral("\"");
    st.MciCommand = QStringLiteral("open ") + st.BgmFile + QStringLiteral(" alias bgm");
    game.platform().mciSendString(st.MciCommand);
}

void Bgm_Loop(Game& game) {
    game.musicWatcher().start();
}

MusicWatcher::MusicWatcher(Game& game) : game_(game) {
    timer_.setInterval(kPollMilliseconds);
    connect(&timer_, &QTimer::timeout, this, &MusicWatcher::poll);
}

void MusicWatcher::start() {
    poll();
    if (!timer_.isActive()) timer_.start();
}

void MusicWatcher::poll() {
    if (!game_.forms().modalStack().empty()) return;
    const QString reply = game_.platform().mciSendString(QString::fromLatin1(bgm::kStatus));
    const QString state = reply.left(7);
    if (state != u"playing" && state != u"seeking") Bgm_Send(game_, bgm::kPlay);
}
