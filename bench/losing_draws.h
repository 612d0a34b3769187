// A random source that makes every reel stop on the emblem, so no round pays.
#pragma once

#include "fake_window.h"

namespace spinzaro::bench {

// The emblem never pays, so no round starts the pause that follows a win.
class LosingDraws final : public testing::ScriptedRandom {
public:
    LosingDraws() : ScriptedRandom({testing::drawFor(Symbol::emblem)}) {}
};

}  // namespace spinzaro::bench
