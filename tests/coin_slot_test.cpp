// The coin slot's stake cycle, the pay rows it writes, and the stake lock.
#include "game_fixture.h"

#include <gmock/gmock.h>

namespace spinzaro::testing {
namespace {

using ::testing::ElementsAre;

std::array<std::string, amountLabelCount> amountCaptions(const FakeWindow& window)
{
    std::array<std::string, amountLabelCount> captions;
    for (int element = 0; element < amountLabelCount; ++element)
        captions[static_cast<std::size_t>(element)] = window.caption(lbAmount(element));
    return captions;
}

using CoinSlotTest = GameTest;

TEST_F(CoinSlotTest, LoadingSetsAOneDollarStakeAndLeavesTheTotalsBlank)
{
    EXPECT_EQ(random.seeded, 1);
    EXPECT_EQ(window.caption(Label::lbSpinBet), "$1.00");
    EXPECT_EQ(window.caption(Label::lbBet), "");
    EXPECT_EQ(window.caption(Label::lbWin), "");
    EXPECT_EQ(window.caption(Label::lbAhead), "");
    EXPECT_TRUE(window.visible(Picture::imgMenu));
    EXPECT_EQ(machine.state().totalBet, Money());
    EXPECT_EQ(machine.state().reel1Pick, 0);
}

TEST_F(CoinSlotTest, EachClickRaisesTheStakeByOneDollarAndWrapsFromFiveToOne)
{
    const std::array<const char*, 11> expected = {"$2.00", "$3.00", "$4.00", "$5.00", "$1.00", "$2.00",
                                                  "$3.00", "$4.00", "$5.00", "$1.00", "$2.00"};
    for (const char* stake : expected) {
        machine.lbCoinSlot_Click();
        EXPECT_EQ(window.caption(Label::lbSpinBet), stake);
    }
    EXPECT_EQ(window.cueCount, 11);
    EXPECT_EQ(window.cues.back(), Cue::coinSlot);
}

TEST_F(CoinSlotTest, PayRowsShowThePrizeOfEveryRowAtEveryStakeAndElementOneStaysBlank)
{
    using Row = std::array<std::string, amountLabelCount>;
    // By lbAmount element, after each click from the start stake of one dollar.
    const std::array<Row, 5> expected = {{
        {"$8.00", "", "$16.00", "$32.00", "$48.00", "$60.00", "$100.00", "$200.00"},
        {"$12.00", "", "$24.00", "$48.00", "$72.00", "$90.00", "$150.00", "$300.00"},
        {"$16.00", "", "$32.00", "$64.00", "$96.00", "$120.00", "$200.00", "$400.00"},
        {"$20.00", "", "$40.00", "$80.00", "$120.00", "$150.00", "$250.00", "$500.00"},
        {"$4.00", "", "$8.00", "$16.00", "$24.00", "$30.00", "$50.00", "$100.00"},
    }};
    for (const Row& rows : expected) {
        clickCoinSlot(1);
        EXPECT_EQ(amountCaptions(window), rows) << window.caption(Label::lbSpinBet);
    }
}

TEST_F(CoinSlotTest, TheCueComesFirstAndNoStakeOfZeroOrSixIsEverShown)
{
    clickCoinSlot(4);
    window.log.clear();
    machine.lbCoinSlot_Click();  // 5 wraps to 1
    EXPECT_THAT(window.log,
                ElementsAre("cue /game/CoinSlot.wav", "caption lbSpinBet $1.00", "caption lbAmount_0 $4.00",
                            "caption lbAmount_2 $8.00", "caption lbAmount_3 $16.00", "caption lbAmount_4 $24.00",
                            "caption lbAmount_5 $30.00", "caption lbAmount_6 $50.00", "caption lbAmount_7 $100.00"));
}

TEST_F(CoinSlotTest, ClicksWhileTheReelsTurnAreIgnoredSoTheWinIsPaidAtTheStakeTaken)
{
    scriptLanding(Symbol::cherries, Symbol::cherries, Symbol::cherries);
    machine.cmdSpin_Click();
    window.deliverNextTick();  // Timer1 at 50 ms
    window.log.clear();
    clickCoinSlot(3);
    EXPECT_TRUE(window.log.empty());
    EXPECT_EQ(machine.state().bet, Money::dollars(1));

    window.runTimers();
    EXPECT_EQ(window.caption(Label::lbWin), "$100.00");
    EXPECT_EQ(window.caption(Label::lbAmount_7), "$100.00");
    EXPECT_EQ(window.caption(Label::lbAhead), "$99.00");
    // Once the evaluation has run, the slot takes coins again.
    machine.lbCoinSlot_Click();
    EXPECT_EQ(window.caption(Label::lbSpinBet), "$2.00");
}

TEST_F(CoinSlotTest, AClickDuringThePauseRewritesEveryRowButChangesNoVisibility)
{
    spinTo(Symbol::bell, Symbol::bell, Symbol::bell);
    ASSERT_TRUE(window.enabled(Timer::tmrWait));
    window.log.clear();
    machine.lbCoinSlot_Click();
    for (const std::string& line : window.log)
        EXPECT_EQ(line.rfind("show", 0) + line.rfind("hide", 0), 2 * std::string::npos) << line;
    EXPECT_EQ(window.caption(Label::lbAmount_5), "$60.00");
    EXPECT_TRUE(window.visible(Label::lbAmount_5));
    EXPECT_FALSE(window.visible(Label::lbAmount_4));
}

}  // namespace
}  // namespace spinzaro::testing
