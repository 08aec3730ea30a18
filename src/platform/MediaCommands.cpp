#include "platform/MediaCommands.h"

#include <QFileInfo>
#include <QStringList>

namespace {
// Splits "open \"a b.wav\" alias bgm" into {"open", "a b.wav", "alias", "bgm"}.
QStringList tokenize(const QString& command) {
    QStringList out;
    QString cur;
    bool inQuotes = false, any = false;
    for (QChar c : command) {
        if (c == u'"') {
            inQuotes = !inQuotes;
            any = true;
        } else if (c.isSpace() && !inQuotes) {
            if (any) out << cur;
            cur.clear();
            any = false;
        } else {
            cur += c;
            any = true;
        }
    }
    if (any) out << cur;
    return out;
}

class SilentBackend final : public SilentMediaBackend {
  public:
    explicit SilentBackend(bool requireFiles) : requireFiles_(requireFiles) {}
    bool open(const QString& path) override {
        if (requireFiles_ && !QFileInfo::exists(path)) return false;
        return SilentMediaBackend::open(path);
    }

  private:
    bool requireFiles_;
};
}  // namespace

bool SilentMediaBackend::open(const QString&) {
    mode_ = QStringLiteral("stopped");
    return true;
}

std::unique_ptr<MediaBackend> SilentMediaFactory::create() {
    return std::make_unique<SilentBackend>(requireFiles_);
}

MediaCommandInterpreter::MediaCommandInterpreter(std::unique_ptr<MediaBackendFactory> factory)
    : factory_(std::move(factory)) {}

MediaCommandInterpreter::~MediaCommandInterpreter() = default;

QString MediaCommandInterpreter::send(const QString& command) {
    const QStringList t = tokenize(command);
    if (t.isEmpty()) return QString();
    const QString verb = t[0].toLower();

    if (verb == u"open") {
        int aliasAt = t.lastIndexOf(QStringLiteral("alias"));
        if (aliasAt < 2 || aliasAt + 1 >= t.size()) return QString();
        const QString alias = t[aliasAt + 1].toLower();
        if (devices_.count(alias)) return QString();  // already open: the command fails
        const QString file = t.mid(1, aliasAt - 1).join(u' ');
        auto device = factory_->create();
        if (!device->open(file)) return QString();
        devices_[alias] = std::move(device);
        return QString();
    }
    if (verb == u"close" && t.size() >= 2 && t[1].toLower() == u"all") {
        for (auto& [name, device] : devices_) device->close();
        devices_.clear();
        return QString();
    }
    if (t.size() < 2) return QString();
    auto it = devices_.find(t[1].toLower());
    if (it == devices_.end()) return QString();  // not open: ignored
    MediaBackend& device = *it->second;

    if (verb == u"play") {
        device.playFromStart();
    } else if (verb == u"stop") {
        device.stop();
    } else if (verb == u"status" && t.size() >= 3 && t[2].toLower() == u"mode") {
        return device.mode();
    } else if (verb == u"close") {
        device.close();
        devices_.erase(it);
    }
    return QString();
}
