// The source of reel draws: uniform numbers in [0, 1), injectable for tests.
#pragma once

#include <cstdint>
#include <random>

namespace spinzaro {

class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual void seedFromClock() = 0;
    // A uniform number r with 0 <= r < 1.
    virtual float next() = 0;
};

// Mersenne twister; the float is built from its top 24 bits so it is exactly
// representable and can never round up to 1.
class ClockSeededRandom final : public RandomSource {
public:
    explicit ClockSeededRandom(std::uint32_t seed = 0) : generator_(seed) {}
    void seedFromClock() override;
    float next() override;

private:
    std::mt19937 generator_;
};

}  // namespace spinzaro
