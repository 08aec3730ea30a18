#include "platform/QtMedia.h"

#include <QAudioOutput>
#include <QFileInfo>
#include <QMediaPlayer>
#include <QUrl>

namespace {
class QtMediaBackend final : public MediaBackend {
  public:
    QtMediaBackend() { player_.setAudioOutput(&output_); }

    bool open(const QString& path) override {
        if (!QFileInfo::exists(path)) return false;
        player_.setSource(QUrl::fromLocalFile(path));
        return true;
    }
    void playFromStart() override {
        player_.setPosition(0);
        player_.play();
    }
    void stop() override { player_.stop(); }
    QString mode() const override {
        switch (player_.playbackState()) {
            case QMediaPlayer::PlayingState:
                // A track that reached its end reports stopped, so the music watcher restarts it.
                return player_.mediaStatus() == QMediaPlayer::EndOfMedia
                           ? QStringLiteral("stopped")
                           : QStringLiteral("playing");
            case QMediaPlayer::PausedState:
                return QStringLiteral("paused");
            case QMediaPlayer::StoppedState:
                return QStringLiteral("stopped");
        }
        return QString();
    }
    void close() override { player_.setSource(QUrl()); }

  private:
    QMediaPlayer player_;
    QAudioOutput output_;
};
}  // namespace

std::unique_ptr<MediaBackend> QtMediaFactory::create() {
    return std::make_unique<QtMediaBackend>();
}
