// The draw and the reel timers' chain: who draws when, and that it stops for good.
#include "game_fixture.h"

#include <algorithm>

namespace spinzaro::testkit {
namespace {

using ReelsTest = GameTest;

// The draws include both ends of the range, 0 and the largest float below 1,
// which both give the emblem, and 1/9, the first draw to give the single bar.
TEST_F(ReelsTest, TheChainStartsLeftToRightAndStopsTogetherOnTheFirstTickOfTimer3)
{
    random.script({0.0F, 0.99999994F, 1.0F / 9.0F, 0.5F, 0.3F, 0.4F, 0.6F, 0.7F, 0.95F});
    machine.cmdSpin_Click();
    window.log.clear();
    window.runTimers();
    EXPECT_THAT(window.log, ElementsAre("tick Timer1", "reel 0 emblem", "timer Timer2 on",                     // 50 ms
                                        "tick Timer1", "reel 0 emblem", "timer Timer2 on",                     // 100 ms
                                        "tick Timer2", "reel 0 singleBar", "reel 1 bell", "timer Timer3 on",   //
                                        "tick Timer1", "reel 0 wild", "timer Timer2 on",                       // 150 ms
                                        "tick Timer2", "reel 0 doubleBar", "reel 1 bonus", "timer Timer3 on",  //
                                        "tick Timer3", "reel 1 cherries", "reel 2 emblem", "timer Timer1 off",  //
                                        "timer Timer2 off", "timer Timer3 off", "caption lbAhead -$1.00"));
    EXPECT_EQ(window.now(), 150);
    EXPECT_EQ(window.reels(), "doubleBar cherries emblem");
}

TEST_F(ReelsTest, WhateverTheOrderOfSimultaneousTicksTimer3HasTheLastWord)
{
    for (unsigned order = 0; order < 200; ++order) {
        window.tieOrder.emplace(order);
        window.log.clear();
        machine.cmdSpin_Click();
        window.runTimers(200);
        EXPECT_EQ(std::count(window.log.begin(), window.log.end(), "tick Timer3"), 1);
        // After the evaluation nothing touches a reel.
        const auto balance = std::find_if(window.log.begin(), window.log.end(),
                                          [](const std::string& line) { return line.starts_with("caption lbAhead"); });
        ASSERT_NE(balance, window.log.end());
        EXPECT_TRUE(
            std::none_of(balance, window.log.end(), [](const std::string& line) { return line.starts_with("reel"); }));
        window.runTimers();  // the pause of a win, if any
    }
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
    ClockSeededRandom unseeded;
    ClockSeededRandom seeded;
    seeded.seedFromClock();
    EXPECT_FALSE(seeded.next() == unseeded.next() && seeded.next() == unseeded.next());
}

}  // namespace
}  // namespace spinzaro::testkit
