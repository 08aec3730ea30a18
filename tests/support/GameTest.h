#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <functional>
#include <map>
#include <memory>
#include <typeindex>
#include <vector>

#include "core/Game.h"
#include "platform/ScriptedPlatform.h"
#include "support/DataDir.h"

// Base fixture: a fresh game per test on the scripted platform, with a temporary data
// directory that the test fills with small hand-written files.
class GameTest : public ::testing::Test {
  protected:
    GameTest();
    ~GameTest() override;

    ScriptedPlatform pf;
    std::unique_ptr<Game> game;
    DataDir data;  // DataPath of the game points here

    GameState& st() { return game->state(); }

    // Drives the next showings of screen T: when T is shown (modal or not), fn plays the player's
    // part. Handlers for one screen class run in the order they were added; each runs once.
    // A modal screen must be unloaded by its handler.
    template <class T>
    void onShow(std::function<void(T&)> fn) {
        handlers_[std::type_index(typeid(T))].push_back([fn](Form& f) { fn(static_cast<T&>(f)); });
        installHook();
    }
    // Screens shown so far, by name, in order (also those without a handler).
    std::vector<QString> shown;

    // Writes a PNG of a screen to $HOSHIKAGE_SHOTS_DIR/name.png when that variable is set.
    void shot(QWidget& screen, const QString& name);

  private:
    void installHook();
    std::map<std::type_index, std::vector<std::function<void(Form&)>>> handlers_;
};
