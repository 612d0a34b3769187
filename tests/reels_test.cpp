// The reel timers' chain: who draws when, and that it stops for good.
#include "game_fixture.h"

#include <gmock/gmock.h>

#include <algorithm>

namespace spinzaro::testing {
namespace {

using ::testing::ElementsAre;

using ReelsTest = GameTest;

// Per reel, how many pictures a round set.
std::array<int, reelCount> drawsPerReel(const std::vector<std::string>& log)
{
    std::array<int, reelCount> draws{};
    for (const std::string& line : log)
        if (line.rfind("reel ", 0) == 0)
            ++draws[static_cast<std::size_t>(line[5] - '0')];
    return draws;
}

TEST_F(ReelsTest, TheChainStartsLeftToRightAndStopsTogetherOnTheFirstTickOfTimer3)
{
    random.script({0.0F, 0.999F, 0.12F, 0.5F, 0.3F, 0.4F, 0.6F, 0.7F, 0.95F});
    machine.cmdSpin_Click();
    window.log.clear();
    window.runTimers();
    EXPECT_THAT(window.log, ElementsAre("tick Timer1", "reel 0 8", "timer Timer2 on",               // 50 ms
                                        "tick Timer1", "reel 0 8", "timer Timer2 on",               // 100 ms
                                        "tick Timer2", "reel 0 1", "reel 1 4", "timer Timer3 on",   //
                                        "tick Timer1", "reel 0 2", "timer Timer2 on",               // 150 ms
                                        "tick Timer2", "reel 0 3", "reel 1 5", "timer Timer3 on",   //
                                        "tick Timer3", "reel 1 6", "reel 2 8", "timer Timer1 off",  //
                                        "timer Timer2 off", "timer Timer3 off", "caption lbAhead -$1.00"));
    EXPECT_EQ(window.now(), 150);
    EXPECT_EQ(reels(), (std::array<int, 3>{3, 6, 8}));
    EXPECT_EQ(machine.state().reel1Pick, 3);
    EXPECT_EQ(machine.state().reel2Pick, 6);
    EXPECT_EQ(machine.state().reel3Pick, 8);
}

TEST_F(ReelsTest, WhateverTheOrderOfSimultaneousTicksTimer3HasTheLastWord)
{
    ClockSeededRandom generator(7);
    for (unsigned order = 0; order < 200; ++order) {
        window.shuffleSimultaneousTicks(order);
        std::vector<float> script;
        for (int i = 0; i < 9; ++i)
            script.push_back(generator.next());
        random.script(script);
        window.log.clear();
        machine.cmdSpin_Click();
        window.runTimers(200);
        const auto draws = drawsPerReel(window.log);
        EXPECT_EQ(draws[2], 1);
        EXPECT_GE(draws[1], 2);
        EXPECT_LE(draws[1], 3);
        EXPECT_GE(draws[0], 3);
        EXPECT_LE(draws[0], 5);
        EXPECT_EQ(std::count(window.log.begin(), window.log.end(), "tick Timer3"), 1);
        // After the evaluation nothing touches a reel.
        const auto balance = std::find_if(window.log.begin(), window.log.end(), [](const std::string& line) {
            return line.rfind("caption lbAhead", 0) == 0;
        });
        ASSERT_NE(balance, window.log.end());
        EXPECT_EQ(drawsPerReel({balance, window.log.end()}), (std::array<int, 3>{}));
        EXPECT_FALSE(window.enabled(Timer::Timer1) || window.enabled(Timer::Timer2) || window.enabled(Timer::Timer3));
        window.runTimers();  // the pause of a win, if any
    }
}

TEST_F(ReelsTest, ADrawOfZeroShowsTheEmblemAndTheTopOfTheRangeShowsTheOther)
{
    random.script({0.0F});
    machine.cmdSpin_Click();
    window.runTimers();
    EXPECT_EQ(reels(), (std::array<int, 3>{8, 8, 8}));
    random.script({0.99999994F});  // the largest float below 1
    machine.cmdSpin_Click();
    window.runTimers();
    EXPECT_EQ(reels(), (std::array<int, 3>{8, 8, 8}));
    random.script({1.0F / 9.0F});
    machine.cmdSpin_Click();
    window.runTimers();
    EXPECT_EQ(reels(), (std::array<int, 3>{1, 1, 1}));
}

TEST_F(ReelsTest, BeforeTheFirstSpinNoReelShowsAPictureAndNoTimerRuns)
{
    EXPECT_EQ(reels(), (std::array<int, 3>{0, 0, 0}));
    EXPECT_FALSE(window.deliverNextTick());
}

// The real generator: each ninth of [0, 1) as likely as the others, so the
// emblem, which takes two, comes up twice as often as any other symbol.
TEST(ClockSeededRandomTest, DrawsEveryNinthEquallyOftenAndTheClockGivesAFreshSequence)
{
    ClockSeededRandom fixed(2026);
    std::array<int, 9> ninths{};
    for (int i = 0; i < 90'000; ++i) {
        const float draw = fixed.next();
        ASSERT_TRUE(draw >= 0.0F && draw < 1.0F) << draw;
        ++ninths[static_cast<std::size_t>(9.0F * draw)];
    }
    for (const int count : ninths)
        EXPECT_NEAR(count, 10'000, 500);

    // Unseeded, every game would play the same reels.
    const auto firstDraws = [](ClockSeededRandom& random) {
        return std::array<float, 4>{random.next(), random.next(), random.next(), random.next()};
    };
    ClockSeededRandom unseeded;
    ClockSeededRandom seeded;
    seeded.seedFromClock();
    EXPECT_NE(firstDraws(seeded), firstDraws(unseeded));
}

}  // namespace
}  // namespace spinzaro::testing
