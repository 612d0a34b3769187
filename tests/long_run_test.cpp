// Long runs: randomized play that checks the machine's invariants after every
// event, and the long-run return of the pay table.
#include "game_fixture.h"

#include <cmath>
#include <map>

namespace spinzaro::testing {
namespace {

TEST(LongRun, InterleavedClicksAndTicksKeepEveryInvariant)
{
    FakeWindow window;
    FixedSeedRandom random(12345);
    SlotMachine machine(window, random);
    window.connect(machine);
    window.shuffleSimultaneousTicks(99);
    machine.Form_Load();

    std::mt19937 player(2026);
    std::uniform_int_distribution<int> action(0, 9);
    MachineState before = machine.state();
    long stakes = 0;
    long evaluations = 0;
    long wins = 0;
    for (int event = 0; event < 50'000; ++event) {
        window.log.clear();
        const int choice = action(player);
        if (choice == 0)
            machine.lbCoinSlot_Click();
        else if (choice <= 2 && window.enabled(Button::cmdSpin))  // a disabled button takes no click
            machine.cmdSpin_Click();
        else if (choice == 3)
            machine.frmAboutSlot_Click();
        else
            window.deliverNextTick();

        const MachineState& now = machine.state();
        ASSERT_GE(now.bet, Money::dollars(1)) << "event " << event;
        ASSERT_LE(now.bet, Money::dollars(5)) << "event " << event;
        ASSERT_GE(now.totalBet, before.totalBet);
        ASSERT_GE(now.totalWin, before.totalWin);
        if (now.totalBet != before.totalBet) {
            ++stakes;
            ASSERT_EQ(now.totalBet - before.totalBet, now.bet);
        }
        const bool evaluated =
            std::count(window.log.begin(), window.log.end(), "caption lbAhead " + formatMoney(now.ahead)) == 1;
        if (evaluated) {
            ++evaluations;
            ASSERT_EQ(now.ahead, now.totalWin - now.totalBet);
        }
        wins += now.totalWin != before.totalWin ? 1 : 0;
        // Every stake buys exactly one evaluation, and only a turning round owes one.
        ASSERT_EQ(stakes - evaluations, machine.reelsTurning() ? 1 : 0) << "event " << event;

        ASSERT_EQ(window.caption(Label::lbSpinBet), formatMoney(now.bet));
        ASSERT_EQ(window.caption(Label::lbBet), stakes > 0 ? formatMoney(now.totalBet) : "");
        ASSERT_EQ(window.caption(Label::lbWin), wins > 0 ? formatMoney(now.totalWin) : "");
        ASSERT_EQ(window.caption(Label::lbAhead), evaluations > 0 ? formatMoney(now.ahead) : "");
        for (int element = 0; element < amountLabelCount; ++element) {
            const auto multiplier = amountMultiplier(element);
            ASSERT_EQ(window.caption(lbAmount(element)), multiplier == 0 ? "" : formatMoney(now.bet * multiplier));
        }
        before = now;
    }
    // The run must have exercised real play, not idled.
    EXPECT_GT(evaluations, 4'000);
    EXPECT_GT(wins, 200);
}

// Each reel draws floor(9r) with 0 as the emblem: nine equally likely outcomes,
// symbols 1 to 7 one each and the emblem two. A row for symbol k wins when all
// three reels are k or wild but not all wild: 2^3 - 1 = 7 of the 729 triples;
// the wild row wins on 1. The expected payout per stake is therefore
// (7 * (8 + 16 + 30 + 50 + 100 + 24) + 4) / 729 = 1600 / 729, about 2.19479.
constexpr double expectedReturn = 1600.0 / 729.0;

class ReturnTest : public GameTest {};

TEST_F(ReturnTest, EnumeratingEveryEquallyLikelyDrawGivesTheReturnDerivedFromThePayTableAndReachesEveryRow)
{
    Money paid;
    std::map<long, int> winningTriplesByMultiplier;
    for (int left = 0; left < 9; ++left)
        for (int middle = 0; middle < 9; ++middle)
            for (int right = 0; right < 9; ++right) {
                const auto draw = [](int outcome) { return (static_cast<float>(outcome) + 0.5F) / 9.0F; };
                random.script({draw(left), draw(left), draw(left), draw(middle), draw(left), draw(left), draw(middle),
                               draw(middle), draw(right)});
                const Money before = machine.state().totalWin;
                machine.cmdSpin_Click();
                window.runTimers();
                const Money won = machine.state().totalWin - before;
                if (won != Money())
                    ++winningTriplesByMultiplier[won.units() / Money::unitsPerDollar];
            }
    EXPECT_EQ(machine.state().totalBet, Money::dollars(729));
    EXPECT_EQ(machine.state().totalWin, Money::dollars(1600));
    // Every row is reached from real draws, each fruit or bar row on 7 triples.
    EXPECT_EQ(winningTriplesByMultiplier,
              (std::map<long, int>{{4, 1}, {8, 7}, {16, 7}, {24, 7}, {30, 7}, {50, 7}, {100, 7}}));
}

TEST(ReturnSimulation, AMillionSeededRoundsLandWithinFiveStandardErrorsOfTheExactReturn)
{
    FakeWindow window;
    window.recording = false;
    FixedSeedRandom random(20261206);
    SlotMachine machine(window, random);
    window.connect(machine);
    machine.Form_Load();

    constexpr long rounds = 1'000'000;
    for (long round = 0; round < rounds; ++round) {
        machine.cmdSpin_Click();
        window.runTimers();
    }
    ASSERT_EQ(machine.state().totalBet, Money::dollars(rounds));
    const double measured =
        static_cast<double>(machine.state().totalWin.units()) / static_cast<double>(machine.state().totalBet.units());
    // Per round E[X^2] = (7 * (8^2 + 16^2 + 30^2 + 50^2 + 100^2 + 24^2) + 4^2) / 729,
    // so the standard deviation of one round's payout is about 11.51 stakes.
    const double variance =
        (7.0 * (64 + 256 + 900 + 2500 + 10000 + 576) + 16) / 729.0 - expectedReturn * expectedReturn;
    const double standardError = std::sqrt(variance / rounds);
    RecordProperty("measuredReturn", std::to_string(measured));
    std::printf("return per stake over %ld rounds: %.5f (exact %.5f, standard error %.5f)\n", rounds, measured,
                expectedReturn, standardError);
    EXPECT_NEAR(measured, expectedReturn, 5 * standardError);
}

}  // namespace
}  // namespace spinzaro::testing
