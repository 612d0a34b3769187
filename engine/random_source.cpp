// The clock-seeded generator behind the reels.
#include "random_source.h"

#include <chrono>

namespace spinzaro {

void ClockSeededRandom::seedFromClock()
{
    const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count() ^
                       std::chrono::system_clock::now().time_since_epoch().count();
    std::seed_seq sequence{static_cast<std::uint32_t>(ticks), static_cast<std::uint32_t>(ticks >> 32)};
    generator_.seed(sequence);
}

float ClockSeededRandom::next()
{
    constexpr float scale = 1.0F / 16'777'216.0F;  // 2^-24
    return static_cast<float>(generator_() >> 8) * scale;
}

}  // namespace spinzaro
