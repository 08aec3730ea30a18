#pragma once

#include <QString>
#include <map>
#include <memory>
#include <typeindex>

#include "core/GameState.h"
#include "core/Music.h"
#include "platform/Form.h"
#include "platform/FormManager.h"
#include "platform/Platform.h"

// Everything a screen can reach: the shared state, the machine's services and the screens.
// Each screen class has one object for the whole run, created the first time it is asked for,
// so its own variables survive closing and reopening.
class Game {
  public:
    explicit Game(Platform& platform);
    ~Game();
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    GameState& state() { return *state_; }
    Platform& platform() { return platform_; }
    FormManager& forms() { return forms_; }
    MusicWatcher& musicWatcher() { return *music_; }

    // The one object of screen class T (constructed as T(Game&) on first use).
    template <class T>
    T& form() {
        auto key = std::type_index(typeid(T));
        auto it = screens_.find(key);
        if (it == screens_.end()) it = screens_.emplace(key, std::make_unique<T>(*this)).first;
        return static_cast<T&>(*it->second);
    }

    // A data directory chosen on the command line instead of "use" beside the program.
    QString dataDirOverride;

    // DataPath & name.
    QString dataFile(const QString& name) const { return state_->DataPath + name; }

  private:
    Platform& platform_;
    std::unique_ptr<GameState> state_;
    FormManager forms_;
    std::unique_ptr<MusicWatcher> music_;
    std::map<std::type_index, std::unique_ptr<Form>> screens_;
};
