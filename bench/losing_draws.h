// A random source that makes every reel stop on the emblem, so no round pays.
#pragma once

#include "random_source.h"

namespace spinzaro::bench {

// floor(9 * 0.01) is 0, which the reels turn into the emblem; the emblem never
// pays, so no round starts the pause that follows a win.
class LosingDraws final : public RandomSource {
public:
    void seedFromClock() override {}
    float next() override { return 0.01F; }
};

}  // namespace spinzaro::bench
