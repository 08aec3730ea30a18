#pragma once

#include <gtest/gtest.h>

#include "core/GameError.h"

// The GameError that fn raises; a test failure (and an empty error) when it raises none.
template <class Fn>
GameError errorFrom(Fn&& fn) {
    try {
        fn();
    } catch (const GameError& e) {
        return e;
    }
    ADD_FAILURE() << "expected a GameError";
    return GameError(QString(), QString(), QString());
}
