// The pay lines, the wild symbol, the emblem, and how a win is announced.
#include "game_fixture.h"

#include <gmock/gmock.h>

#include <algorithm>
#include <map>

namespace spinzaro::testing {
namespace {

using ::testing::ElementsAre;
using Sym = Symbol;

struct Line {
    Symbol left, middle, right;
};

struct Win {
    int multiplier;     // 0 for no win
    int amountElement;  // lbAmount element left visible
    Cue cue;
    Picture prize;
};

struct PayCase {
    Line line;
    Win win;
};

const Win noWin{0, -1, Cue::bell, Picture::imgMenu};

const PayCase cases[] = {
    {{Sym::wild, Sym::wild, Sym::wild}, {4, 0, Cue::bell, Picture::imgCoins2}},
    {{Sym::singleBar, Sym::singleBar, Sym::singleBar}, {8, 2, Cue::bell, Picture::imgCoins2}},
    {{Sym::singleBar, Sym::wild, Sym::wild}, {8, 2, Cue::bell, Picture::imgCoins2}},
    {{Sym::wild, Sym::singleBar, Sym::wild}, {8, 2, Cue::bell, Picture::imgCoins2}},
    {{Sym::wild, Sym::wild, Sym::singleBar}, {8, 2, Cue::bell, Picture::imgCoins2}},
    {{Sym::doubleBar, Sym::wild, Sym::doubleBar}, {16, 3, Cue::bell, Picture::imgCoins2}},
    {{Sym::tripleBar, Sym::tripleBar, Sym::tripleBar}, {24, 4, Cue::bell, Picture::imgCoins2}},
    {{Sym::wild, Sym::tripleBar, Sym::tripleBar}, {24, 4, Cue::bell, Picture::imgCoins2}},
    {{Sym::bell, Sym::bell, Sym::bell}, {30, 5, Cue::bell, Picture::imgCoins2}},
    {{Sym::bonus, Sym::bonus, Sym::wild}, {50, 6, Cue::bell, Picture::img50bill}},
    {{Sym::cherries, Sym::wild, Sym::cherries}, {100, 7, Cue::police, Picture::img100Bill}},
    {{Sym::wild, Sym::wild, Sym::cherries}, {100, 7, Cue::police, Picture::img100Bill}},
    {{Sym::cherries, Sym::wild, Sym::wild}, {100, 7, Cue::police, Picture::img100Bill}},
    {{Sym::singleBar, Sym::singleBar, Sym::doubleBar}, noWin},
    {{Sym::singleBar, Sym::doubleBar, Sym::wild}, noWin},
    {{Sym::emblem, Sym::emblem, Sym::emblem}, noWin},
    {{Sym::wild, Sym::wild, Sym::emblem}, noWin},
    {{Sym::emblem, Sym::cherries, Sym::cherries}, noWin},
    {{Sym::cherries, Sym::cherries, Sym::bell}, noWin},
};

using EvaluationTest = GameTest;

TEST_F(EvaluationTest, EachLinePaysItsRowWithItsCuePrizePictureAndSingleAmountLabel)
{
    for (const PayCase& c : cases) {
        SCOPED_TRACE(::testing::Message()
                     << symbolName(c.line.left) << "-" << symbolName(c.line.middle) << "-" << symbolName(c.line.right));
        const Money winsBefore = machine.state().totalWin;
        window.cues.clear();
        spinTo(c.line.left, c.line.middle, c.line.right);

        EXPECT_EQ(machine.state().totalWin - winsBefore, Money::dollars(c.win.multiplier));
        EXPECT_EQ(machine.state().ahead, machine.state().totalWin - machine.state().totalBet);
        EXPECT_EQ(window.caption(Label::lbAhead), formatMoney(machine.state().ahead));
        if (c.win.multiplier == 0) {
            EXPECT_THAT(window.cues, ElementsAre(Cue::spin));
            EXPECT_TRUE(window.enabled(Button::cmdSpin));
            EXPECT_TRUE(window.visible(Picture::imgMenu));
            for (int element = 0; element < amountLabelCount; ++element)
                EXPECT_TRUE(window.visible(lbAmount(element)));
            continue;
        }
        EXPECT_THAT(window.cues, ElementsAre(Cue::spin, c.win.cue));
        EXPECT_EQ(window.caption(Label::lbWin), formatMoney(machine.state().totalWin));
        for (Picture prize : {Picture::imgCoins2, Picture::img50bill, Picture::img100Bill})
            EXPECT_EQ(window.visible(prize), prize == c.win.prize) << controlName(prize);
        EXPECT_FALSE(window.visible(Picture::imgMenu));
        for (int element = 0; element < amountLabelCount; ++element)
            EXPECT_EQ(window.visible(lbAmount(element)), element == c.win.amountElement) << element;
        EXPECT_EQ(window.caption(lbAmount(c.win.amountElement)), formatMoney(Money::dollars(c.win.multiplier)));
        EXPECT_FALSE(window.enabled(Button::cmdSpin));
        EXPECT_FALSE(window.enabled(Button::cmdQuit));
        EXPECT_TRUE(window.enabled(Timer::tmrWait));
        endPause();
    }
}

TEST_F(EvaluationTest, AWinIsAnnouncedInOrderCueFirstAndPaidAtTheCurrentStake)
{
    clickCoinSlot(4);  // five dollars
    scriptLanding(Sym::cherries, Sym::cherries, Sym::cherries);
    machine.cmdSpin_Click();
    window.deliverNextTick();
    window.deliverNextTick();
    window.log.clear();
    window.deliverNextTick();  // 150 ms: Timer1, Timer2 and Timer3 fall due together
    const auto tick3 = std::find(window.log.begin(), window.log.end(), "tick Timer3");
    ASSERT_NE(tick3, window.log.end());
    EXPECT_THAT(std::vector<std::string>(tick3 + 3, window.log.end()),
                ElementsAre("timer Timer1 off", "timer Timer2 off", "timer Timer3 off", "cue /game/Police2.wav",
                            "show img100Bill", "caption lbWin $500.00", "button cmdSpin off", "button cmdQuit off",
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
    scriptLanding(Sym::wild, Sym::wild, Sym::wild);
    machine.cmdSpin_Click();
    while (!window.enabled(Timer::Timer3))
        window.deliverNextTick();
    window.setEnabled(Timer::Timer1, false);
    window.setEnabled(Timer::Timer2, false);
    window.showForeignPicture(0);
    window.deliverNextTick();
    EXPECT_EQ(machine.state().totalWin, Money());
    EXPECT_EQ(window.caption(Label::lbAhead), "-$1.00");
}

TEST_F(EvaluationTest, WinsAddUpAndTheBalanceFollowsEveryRound)
{
    spinTo(Sym::emblem, Sym::bell, Sym::bell);
    EXPECT_EQ(window.caption(Label::lbAhead), "-$1.00");
    EXPECT_EQ(window.caption(Label::lbWin), "");
    spinTo(Sym::singleBar, Sym::wild, Sym::singleBar);
    endPause();
    EXPECT_EQ(window.caption(Label::lbAhead), "$6.00");
    spinTo(Sym::emblem, Sym::emblem, Sym::emblem);
    clickCoinSlot(1);
    spinTo(Sym::wild, Sym::wild, Sym::wild);
    endPause();
    EXPECT_EQ(window.caption(Label::lbWin), "$16.00");
    EXPECT_EQ(window.caption(Label::lbBet), "$5.00");
    EXPECT_EQ(window.caption(Label::lbAhead), "$11.00");
    // Eleven more one-dollar stakes bring stakes and wins level: no digit
    // shows before the point.
    clickCoinSlot(4);
    for (int i = 0; i < 11; ++i)
        spinTo(Sym::emblem, Sym::emblem, Sym::emblem);
    EXPECT_EQ(window.caption(Label::lbAhead), "$.00");
    spinTo(Sym::emblem, Sym::emblem, Sym::emblem);
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
}

}  // namespace
}  // namespace spinzaro::testing
