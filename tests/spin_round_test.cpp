// Whole rounds through the handlers: the press, the pause, quitting, About.
#include "game_fixture.h"

namespace spinzaro::testkit {
namespace {

using enum Symbol;
using SpinRoundTest = GameTest;

TEST_F(SpinRoundTest, APressPlaysTheCueTakesTheStakeRestoresThePayTableAndALossLeavesBothButtonsFree)
{
    scriptLanding(emblem, emblem, emblem);
    machine.cmdSpin_Click();
    EXPECT_THAT(window.takeLog(),
                ElementsAre("cue /game/Spin.wav", "caption lbBet $1.00", "show imgMenu", "show lbAmount_0",
                            "show lbAmount_1", "show lbAmount_2", "show lbAmount_3", "show lbAmount_4",
                            "show lbAmount_5", "show lbAmount_6", "show lbAmount_7", "hide img50bill",
                            "hide img100Bill", "hide imgCoins2", "timer Timer1 on"));
    EXPECT_TRUE(machine.reelsTurning());
    window.runTimers();
    EXPECT_FALSE(machine.reelsTurning());
    EXPECT_TRUE(window.enabled(Button::cmdSpin) && window.enabled(Button::cmdQuit));
    EXPECT_THAT(window.cues, ElementsAre(Cue::spin));
    spinTo(emblem, emblem, emblem);
    EXPECT_EQ(window.caption(Label::lbBet), "$2.00");
    EXPECT_EQ(window.caption(Label::lbAhead), "-$2.00");
}

TEST_F(SpinRoundTest, AWinPausesBothButtonsForOneSecondThenGivesThemBackWithTheCoinsCueLast)
{
    spinTo(bonus, wild, bonus);
    EXPECT_EQ(window.now(), 150);
    EXPECT_FALSE(window.enabled(Button::cmdSpin));
    EXPECT_FALSE(window.enabled(Button::cmdQuit));
    window.log.clear();
    ASSERT_TRUE(window.deliverNextTick());
    EXPECT_EQ(window.now(), 1150);
    EXPECT_THAT(window.log, ElementsAre("tick tmrWait", "button cmdSpin on", "button cmdQuit on", "timer tmrWait off",
                                        "cue /game/CoinsWin.wav"));
    EXPECT_FALSE(window.deliverNextTick());
    EXPECT_THAT(window.cues, ElementsAre(Cue::spin, Cue::bell, Cue::coinsWin));

    // The prize stays up until the next press, which puts the pay table back.
    EXPECT_EQ(window.payArea(), "img50bill lbAmount_6");
    spinTo(emblem, bell, bell);
    EXPECT_EQ(window.payArea(), payTableShown);
    EXPECT_EQ(window.caption(Label::lbAhead), "$48.00");
}

TEST_F(SpinRoundTest, WhileTheReelsTurnSpinAndTheCoinSlotDoNothingSoTheWinIsPaidOnceAtTheStakeTaken)
{
    scriptLanding(cherries, cherries, cherries);
    machine.cmdSpin_Click();
    for (int tick = 0; tick < 3; ++tick) {
        window.log.clear();
        machine.cmdSpin_Click();
        clickCoinSlot(1);
        EXPECT_TRUE(window.log.empty()) << "before tick " << tick;
        window.deliverNextTick();
    }
    EXPECT_FALSE(machine.reelsTurning());
    EXPECT_EQ(window.caption(Label::lbBet), "$1.00");
    EXPECT_EQ(window.caption(Label::lbAhead), "$99.00");
    EXPECT_THAT(window.cues, ElementsAre(Cue::spin, Cue::police));
    // Once the evaluation has run, the slot takes coins again.
    machine.lbCoinSlot_Click();
    EXPECT_EQ(window.caption(Label::lbSpinBet), "$2.00");
}

TEST_F(SpinRoundTest, AboutOpensEvenWhileTheReelsTurnAndQuitAndClosingBothEndTheProgram)
{
    machine.cmdSpin_Click();
    window.deliverNextTick();
    window.log.clear();
    machine.frmAboutSlot_Click();
    EXPECT_THAT(window.takeLog(), ElementsAre("about"));
    EXPECT_TRUE(machine.reelsTurning());
    machine.cmdQuit_Click();
    EXPECT_TRUE(window.ended);

    window.ended = false;
    bool cancel = false;
    machine.Form_Unload(cancel);
    EXPECT_FALSE(cancel);
    EXPECT_TRUE(window.ended);
}

// The other tests hear the cues beside "/game"; here the folder ends in a
// separator or is relative, and the file is still appended to it as it stands.
TEST_F(SpinRoundTest, CuesArePlayedFromTheFolderAsItStands)
{
    window.folder = "/";
    spinTo(bell, bell, bell);
    window.folder = "relative dir";
    endPause();
    std::vector<std::string> paths;
    for (const std::string& line : window.log)
        if (line.starts_with("cue "))
            paths.push_back(line.substr(4));
    EXPECT_THAT(paths, ElementsAre("//Spin.wav", "//slotbell2.wav", "relative dir/CoinsWin.wav"));
}

}  // namespace
}  // namespace spinzaro::testkit
