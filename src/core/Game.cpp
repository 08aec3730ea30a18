#include "core/Game.h"

Game::Game(Platform& platform)
    : platform_(platform),
      state_(std::make_unique<GameState>()),
      music_(std::make_unique<MusicWatcher>(*this)) {}

Game::~Game() {
    // Screens go first, quietly: no handler runs while the game is being torn down.
    forms_.setShowHook(nullptr);
    screens_.clear();
}
