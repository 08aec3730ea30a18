#include "platform/ScriptedPlatform.h"

namespace {
// A silent device that is listed while it exists, so a test can end its track.
class ListedBackend final : public SilentMediaBackend {
  public:
    explicit ListedBackend(std::vector<SilentMediaBackend*>& list) : list_(list) {
        list_.push_back(this);
    }
    ~ListedBackend() override { std::erase(list_, this); }

  private:
    std::vector<SilentMediaBackend*>& list_;
};

class RecordingFactory final : public MediaBackendFactory {
  public:
    explicit RecordingFactory(std::vector<SilentMediaBackend*>& made) : made_(made) {}
    std::unique_ptr<MediaBackend> create() override {
        return std::make_unique<ListedBackend>(made_);
    }

  private:
    std::vector<SilentMediaBackend*>& made_;
};
}  // namespace

ScriptedPlatform::ScriptedPlatform()
    : media_(std::make_unique<MediaCommandInterpreter>(
          std::make_unique<RecordingFactory>(backends_))) {}

void ScriptedPlatform::finishTrack() {
    for (SilentMediaBackend* b : backends_)
        if (b->mode() == QStringLiteral("playing")) b->finishTrack();
}

void ScriptedPlatform::msgBox(const QString& text) {
    messages << text;
    if (onMessage) onMessage(text);
}

bool ScriptedPlatform::askYesNo(const QString& text) {
    questions << text;
    if (yesNoAnswers.empty()) return false;
    bool answer = yesNoAnswers.front();
    yesNoAnswers.pop_front();
    return answer;
}

std::optional<QString> ScriptedPlatform::inputBox(const QString& prompt,
                                                  const QString& defaultAnswer) {
    prompts << prompt;
    defaults << defaultAnswer;
    if (inputAnswers.empty()) return std::nullopt;
    const bool cancelled = !inputAnswers.front().has_value();
    QString text = cancelled ? QString() : *inputAnswers.front();
    inputAnswers.pop_front();
    if (cancelled) return std::nullopt;
    return text;
}

double ScriptedPlatform::rnd() {
    if (!randomDraws.empty()) {
        double r = randomDraws.front();
        randomDraws.pop_front();
        return r;
    }
    return static_cast<double>(rng_() >> 8) / 16777216.0;
}

QString ScriptedPlatform::mciSendString(const QString& command) {
    mciCommands << command;
    return media_->send(command);
}
