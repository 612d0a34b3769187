// The coin slot's stake cycle and the pay rows it writes.
#include "game_fixture.h"

namespace spinzaro::testkit {
namespace {

using CoinSlotTest = GameTest;

TEST_F(CoinSlotTest, LoadingStakesOneDollarAndEachCoinAddsOneUpToFiveThenStartsAgainAtOne)
{
    EXPECT_EQ(random.seeded, 1);
    EXPECT_THAT(loadLog, ElementsAre("caption lbSpinBet $1.00", "show imgMenu"));
    EXPECT_EQ(window.reels(), "- - -");
    EXPECT_FALSE(window.deliverNextTick());

    for (const char* stake : {"$2.00", "$3.00", "$4.00", "$5.00"}) {
        machine.lbCoinSlot_Click();
        EXPECT_EQ(window.caption(Label::lbSpinBet), stake);
    }
    EXPECT_EQ(window.caption(Label::lbAmount_7), "$500.00");
    window.log.clear();
    machine.lbCoinSlot_Click();
    // The cue comes first; no stake of six is ever shown, and element 1 has no row.
    EXPECT_THAT(window.log,
                ElementsAre("cue /game/CoinSlot.wav", "caption lbSpinBet $1.00", "caption lbAmount_0 $4.00",
                            "caption lbAmount_2 $8.00", "caption lbAmount_3 $16.00", "caption lbAmount_4 $24.00",
                            "caption lbAmount_5 $30.00", "caption lbAmount_6 $50.00", "caption lbAmount_7 $100.00"));
    EXPECT_EQ(window.waves, std::vector<std::string>(5, "/game/CoinSlot.wav"));
    EXPECT_EQ(window.caption(Label::lbBet), "");

    // The window finds a row's element from its label, and none from another label.
    for (int element = 0; element < amountLabelCount; ++element)
        EXPECT_EQ(amountElement(lbAmount(element)), element);
    EXPECT_EQ(amountElement(Label::lbSpinBet), -1);
}

}  // namespace
}  // namespace spinzaro::testkit
