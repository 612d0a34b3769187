// What a screen reader finds in the window, read through the real AT-SPI bus:
// the tallies with their amounts, the pay lines with their prizes, the reels
// by their symbols, a win announced with its amount, and a coin slot it can press.
#include "atspi_reader.h"
#include "window_fixture.h"

#include <algorithm>

namespace spinzaro {
namespace {

using testing::AccessibleNode;

class AccessibilityTest : public Form1Test {
protected:
    // The names of the showing objects, once the window is on the bus.
    std::vector<std::string> heard()
    {
        std::vector<std::string> names;
        EXPECT_TRUE(QTest::qWaitFor(
            [&] {
                names.clear();
                for (const AccessibleNode& node : reader_.tree("Spinzaro"))
                    if (node.showing && !node.name.empty())
                        names.push_back(node.role == "alert" ? "alert: " + node.name : node.name);
                return !names.empty();
            },
            10'000));
        return names;
    }

    bool hears(const std::string& name) { return std::ranges::count(heard(), name) > 0; }

    bool hearsAlert()
    {
        const auto names = heard();
        return std::ranges::any_of(names, [](const std::string& name) { return name.starts_with("alert: "); });
    }

    testing::AtspiReader reader_;
};

TEST_F(AccessibilityTest, AListenerHearsTheTalliesThePayLinesTheReelsAndAWin)
{
    EXPECT_TRUE(hears("Bet $1.00"));
    EXPECT_TRUE(hears("bell bell bell pays $30.00"));
    EXPECT_TRUE(hears("wild wild wild pays $4.00"));
    EXPECT_TRUE(hears("Reel 1: empty"));

    // Pressed by the tool, as a listener without a mouse would.
    ASSERT_TRUE(reader_.act("Spinzaro", "Coin Slot", "Press"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return hears("Bet $2.00"); }));
    EXPECT_TRUE(hears("cherries cherries cherries pays $200.00"));

    spinOnto(Symbol::emblem);
    ASSERT_TRUE(QTest::qWaitFor([&] { return evaluated(); }));
    EXPECT_TRUE(QTest::qWaitFor([&] { return hears("Reel 3: emblem"); }));
    EXPECT_TRUE(hears("Bets $2.00"));
    EXPECT_TRUE(hears("Balance -$2.00"));
    EXPECT_FALSE(hearsAlert()) << "a loss is no win";

    spinOnto(Symbol::singleBar);
    ASSERT_TRUE(QTest::qWaitFor([&] { return evaluated(); }));
    EXPECT_TRUE(QTest::qWaitFor([&] { return hears("alert: You win $16.00 on single bar single bar single bar"); }));
    EXPECT_TRUE(hears("Reel 2: single bar"));
    EXPECT_TRUE(hears("Winnings $16.00"));
    EXPECT_TRUE(hears("coins"));
}

}  // namespace
}  // namespace spinzaro
