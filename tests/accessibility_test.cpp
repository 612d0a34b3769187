// What a screen reader finds in the window: the tallies with their amounts,
// the pay lines with their prizes, the reels by their symbols, a win announced
// with its amount, and a coin slot it can press.
#include "window_fixture.h"

#include <gmock/gmock.h>

namespace spinzaro {
namespace {

using ::testing::AllOf;
using ::testing::Contains;
using ::testing::Not;
using ::testing::StartsWith;

TEST_F(Form1Test, AListenerHearsTheTalliesThePayLinesTheReelsAndAWin)
{
    EXPECT_THAT(heard(), AllOf(Contains("Bet $1.00"), Contains("bell bell bell pays $30.00"),
                               Contains("wild wild wild pays $4.00"), Contains("Reel 1: empty")));

    // Pressed by its action, as a listener without a mouse would.
    QAccessibleActionInterface* slot = QAccessible::queryAccessibleInterface(control("lbCoinSlot"))->actionInterface();
    ASSERT_NE(slot, nullptr);
    slot->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(QTest::qWaitFor([&] { return caption("lbSpinBet") == "$2.00"; }));
    EXPECT_THAT(heard(), AllOf(Contains("Bet $2.00"), Contains("cherries cherries cherries pays $200.00")));

    spinOnto(Symbol::emblem);
    ASSERT_TRUE(waitForEvaluation());
    EXPECT_THAT(heard(), AllOf(Contains("Reel 3: emblem"), Contains("Bets $2.00"), Contains("Balance -$2.00"),
                               Not(Contains(StartsWith("alert: ")))));  // a loss is no win

    spinOnto(Symbol::singleBar);
    ASSERT_TRUE(waitForEvaluation());
    const std::string alert = "alert: You win $16.00 on single bar single bar single bar";
    EXPECT_TRUE(QTest::qWaitFor([&] { return std::ranges::count(heard(), alert) == 1; }));
    EXPECT_THAT(heard(), AllOf(Contains("Reel 2: single bar"), Contains("Winnings $16.00"), Contains("coins")));
}

}  // namespace
}  // namespace spinzaro
