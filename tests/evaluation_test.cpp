// The pay lines, the wild symbol, the emblem, and how a win is announced.
#include "game_fixture.h"

#include <algorithm>
#include <map>

namespace spinzaro::testkit {
namespace {

using enum Symbol;

struct PayCase {
    std::array<Symbol, reelCount> line;
    int multiplier;  // 0 for no win
    const char* payArea = payTableShown;
    const char* wave = "/game/slotbell2.wav";
};

// One line per row, wilds standing in at every position; which lines pay at
// all is the enumeration's question below.
const PayCase cases[] = {
    {{wild, wild, wild}, 4, "imgCoins2 lbAmount_0"},
    {{singleBar, singleBar, singleBar}, 8, "imgCoins2 lbAmount_2"},
    {{doubleBar, wild, doubleBar}, 16, "imgCoins2 lbAmount_3"},
    {{wild, tripleBar, tripleBar}, 24, "imgCoins2 lbAmount_4"},
    {{bell, bell, wild}, 30, "imgCoins2 lbAmount_5"},
    {{bonus, wild, wild}, 50, "img50bill lbAmount_6"},
    {{wild, wild, cherries}, 100, "img100Bill lbAmount_7", "/game/Police2.wav"},
    {{cherries, cherries, bell}, 0, payTableShown, "/game/Spin.wav"},  // the press's cue is the last
};

using EvaluationTest = GameTest;

TEST_F(EvaluationTest, EachRowPaysWithItsCueItsPrizePictureAndItsOneAmountLabelAndPausesTheButtons)
{
    for (const PayCase& c : cases) {
        const Money before = machine.state().totalWin;
        spinTo(c.line[0], c.line[1], c.line[2]);
        SCOPED_TRACE(window.reels());
        EXPECT_EQ(machine.state().totalWin - before, Money::dollars(c.multiplier));
        EXPECT_EQ(window.payArea(), c.payArea);
        EXPECT_EQ(window.enabled(Button::cmdSpin), c.multiplier == 0);
        EXPECT_EQ(window.waves.back(), c.wave);
        window.runTimers();  // the pause of a win
    }
    // Winnings show the sum of every win, the balance that less the eight stakes.
    EXPECT_EQ(window.caption(Label::lbWin), "$232.00");
    EXPECT_EQ(window.caption(Label::lbAhead), "$224.00");
}

TEST_F(EvaluationTest, AWinIsAnnouncedInOrderCueFirstAndPaidAtTheCurrentStake)
{
    for (int coin = 0; coin < 4; ++coin)  // five dollars
        machine.lbCoinSlot_Click();
    spinTo(cherries, cherries, cherries);
    const auto tick3 = std::find(window.log.begin(), window.log.end(), "tick Timer3");
    ASSERT_NE(tick3, window.log.end());
    EXPECT_THAT(std::vector<std::string>(tick3 + 3, window.log.end()),
                ElementsAre("timer Timer1 off", "timer Timer2 off", "timer Timer3 off", "cue /game/Police2.wav",
                            "show img100Bill", "caption lbWin $500.00", "disable cmdSpin", "disable cmdQuit",
                            "timer tmrWait on", "hide imgMenu", "hide lbAmount_0", "hide lbAmount_1", "hide lbAmount_2",
                            "hide lbAmount_3", "hide lbAmount_4", "hide lbAmount_5", "hide lbAmount_6",
                            "hide lbAmount_7", "show lbAmount_7", "caption lbAmount_7 $500.00",
                            "caption lbAhead $495.00"));
}

TEST_F(EvaluationTest, APictureThatIsNoImageListEntryMatchesNothing)
{
    // The reels are judged by the pictures they show, not by the draws: with
    // three wilds drawn, a foreign picture put into the left window before the
    // last tick spoils the line.
    scriptLanding(wild, wild, wild);
    machine.cmdSpin_Click();
    window.runTimers(100);
    window.setEnabled(Timer::Timer1, false);
    window.setEnabled(Timer::Timer2, false);
    window.showForeignPicture(0);
    window.deliverNextTick();
    EXPECT_EQ(window.reels(), "- wild wild");
    EXPECT_EQ(window.caption(Label::lbAhead), "-$1.00");
}

// Each reel draws floor(9r) with 0 as the emblem: nine equally likely outcomes,
// symbols 1 to 7 one each and the emblem two. A row for symbol k wins when all
// three reels are k or wild but not all wild: 2^3 - 1 = 7 of the 729 triples;
// the wild row wins on 1. So 1600 dollars come back for 729 staked.
TEST_F(EvaluationTest, TheSevenHundredAndTwentyNineEquallyLikelyDrawsReachEveryRowAndReturnWhatTheTablePromises)
{
    std::map<long, int> winningTriplesByMultiplier;
    for (int triple = 0; triple < 729; ++triple) {
        const auto draw = [](int outcome) { return (static_cast<float>(outcome) + 0.5F) / 9.0F; };
        const int left = triple / 81, middle = triple / 9 % 9, right = triple % 9;
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
    EXPECT_EQ(winningTriplesByMultiplier,
              (std::map<long, int>{{4, 1}, {8, 7}, {16, 7}, {24, 7}, {30, 7}, {50, 7}, {100, 7}}));
    // The seven lines beside the pay-table picture are the whole table: no
    // row of it is dead, paid by no line at all.
    EXPECT_EQ(payTable.size(), winningTriplesByMultiplier.size());
}

}  // namespace
}  // namespace spinzaro::testkit
