#pragma once

#include <QString>
#include <map>
#include <memory>

// One music device behind the command interpreter: opens one file, plays it from the start,
// stops it and reports whether it is playing.
class MediaBackend {
  public:
    virtual ~MediaBackend() = default;
    virtual bool open(const QString& path) = 0;
    virtual void playFromStart() = 0;
    virtual void stop() = 0;
    // "playing", "stopped", "paused", "seeking" or "" when nothing is open.
    virtual QString mode() const = 0;
    virtual void close() = 0;
};

// Creates a backend for each opened alias.
class MediaBackendFactory {
  public:
    virtual ~MediaBackendFactory() = default;
    virtual std::unique_ptr<MediaBackend> create() = 0;
};

// Interprets media command strings the way the music code sends them:
//   "open <file> alias <name>"   file may be enclosed in double quotes; fails when the alias is
//                                already open or the file cannot be opened
//   "play <name> from 0"         start from the beginning
//   "status <name> mode"         reply "playing", "stopped", … ("" when the alias is not open)
//   "stop <name>"                stop (trailing spaces are allowed)
//   "close <name>" / "close all" close one or every device
// Commands for an alias that is not open are ignored and reply "".
class MediaCommandInterpreter {
  public:
    explicit MediaCommandInterpreter(std::unique_ptr<MediaBackendFactory> factory);
    ~MediaCommandInterpreter();

    QString send(const QString& command);
    bool isOpen(const QString& alias) const { return devices_.count(alias.toLower()) != 0; }

  private:
    std::unique_ptr<MediaBackendFactory> factory_;
    std::map<QString, std::unique_ptr<MediaBackend>> devices_;
};

// A silent backend that keeps the play state; used by tests and by --no-audio. A track
// "finishes" when finishTrack() is called.
class SilentMediaBackend : public MediaBackend {
  public:
    bool open(const QString& path) override;
    void playFromStart() override { mode_ = QStringLiteral("playing"); }
    void stop() override { mode_ = QStringLiteral("stopped"); }
    QString mode() const override { return mode_; }
    void close() override { mode_.clear(); }
    void finishTrack() { mode_ = QStringLiteral("stopped"); }

  private:
    QString mode_;
};

class SilentMediaFactory : public MediaBackendFactory {
  public:
    // When requireFiles is true, opening a file that does not exist fails as a real device would.
    explicit SilentMediaFactory(bool requireFiles = false) : requireFiles_(requireFiles) {}
    std::unique_ptr<MediaBackend> create() override;

  private:
    bool requireFiles_;
};
