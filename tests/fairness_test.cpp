// Fairness of the draw on the real generator: the weights of the symbols,
// every pay row within reach, and draws that do not depend on the stake.
#include "fake_window.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>

namespace spinzaro::testing {
namespace {

using Line = std::array<int, reelCount>;

struct SeededGame {
    explicit SeededGame(std::uint32_t seed) : random(seed)
    {
        window.connect(machine);
        machine.Form_Load();
    }

    // One round; returns the line the reels came to rest on.
    Line play()
    {
        machine.cmdSpin_Click();
        window.runTimers();
        return {window.reelEntry(0), window.reelEntry(1), window.reelEntry(2)};
    }

    FakeWindow window;
    FixedSeedRandom random;
    SlotMachine machine{window, random};
};

// Pearson's statistic against symbols 1 to 7 at 1/9 each and the emblem at 2/9.
double chiSquare(const std::array<long, 9>& counts)
{
    long total = 0;
    for (int symbol = 1; symbol <= 8; ++symbol)
        total += counts[static_cast<std::size_t>(symbol)];
    double statistic = 0;
    for (int symbol = 1; symbol <= 8; ++symbol) {
        const double expected =
            static_cast<double>(total) * (symbol == static_cast<int>(Symbol::emblem) ? 2.0 : 1.0) / 9.0;
        const double difference = static_cast<double>(counts[static_cast<std::size_t>(symbol)]) - expected;
        statistic += difference * difference / expected;
    }
    return statistic;
}

// The 99% point of the chi-square distribution with 7 degrees of freedom.
constexpr double chiSquare99With7Degrees = 18.475;

TEST(Fairness, EveryDrawAndEveryRestingReelFollowTheIntendedWeights)
{
    SeededGame game(31337);
    std::array<long, 9> allDraws{};
    std::array<std::array<long, 9>, reelCount> resting{};
    for (int round = 0; round < 30'000; ++round) {
        game.window.log.clear();
        const Line line = game.play();
        for (const std::string& entry : game.window.log)
            if (entry.rfind("reel ", 0) == 0)
                ++allDraws[static_cast<std::size_t>(entry.back() - '0')];
        for (int reel = 0; reel < reelCount; ++reel)
            ++resting[static_cast<std::size_t>(reel)][static_cast<std::size_t>(line[static_cast<std::size_t>(reel)])];
        game.window.runTimers();  // the pause of a win
    }
    EXPECT_EQ(allDraws[0], 0);
    std::printf("chi-square over all draws: %.2f; resting reels: %.2f %.2f %.2f (99%% point %.3f)\n",
                chiSquare(allDraws), chiSquare(resting[0]), chiSquare(resting[1]), chiSquare(resting[2]),
                chiSquare99With7Degrees);
    EXPECT_LT(chiSquare(allDraws), chiSquare99With7Degrees);
    for (int reel = 0; reel < reelCount; ++reel)
        EXPECT_LT(chiSquare(resting[static_cast<std::size_t>(reel)]), chiSquare99With7Degrees) << "reel " << reel;
}

TEST(Fairness, TheSameSeedGivesTheSameSymbolsWhateverTheStake)
{
    SeededGame lowStakes(777);
    SeededGame highStakes(777);
    for (int click = 0; click < 4; ++click)
        highStakes.machine.lbCoinSlot_Click();
    for (int round = 0; round < 3'000; ++round) {
        ASSERT_EQ(lowStakes.play(), highStakes.play()) << "round " << round;
        lowStakes.window.runTimers();
        highStakes.window.runTimers();
        // Changing the stake between rounds draws nothing either.
        if (round % 7 == 0)
            highStakes.machine.lbCoinSlot_Click();
    }
}

}  // namespace
}  // namespace spinzaro::testing
