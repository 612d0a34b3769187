// Whole rounds through the handlers: the press, the pause, quitting, About.
#include "game_fixture.h"

namespace spinzaro::testkit {
namespace {

using enum Symbol;
using SpinRoundTest = GameTest;

TEST_F(SpinRoundTest, APressTakesTheStakeALossLeavesBothButtonsFreeAndAWinPausesThemForOneSecond)
{
    scriptLanding(emblem, emblem, emblem);
    machine.cmdSpin_Click();
    EXPECT_THAT(window.takeLog(),
                ElementsAre("cue /game/Spin.wav", "caption lbBet $1.00", "show imgMenu", "show lbAmount_0",
                            "show lbAmount_1", "show lbAmount_2", "show lbAmount_3", "show lbAmount_4",
                            "show lbAmount_5", "show lbAmount_6", "show lbAmount_7", "hide img50bill",
                            "hide img100Bill", "hide imgCoins2", "timer Timer1 on"));
    window.runTimers();
    EXPECT_TRUE(window.enabled(Button::cmdSpin) && window.enabled(Button::cmdQuit));

    spinTo(bonus, wild, bonus);
    EXPECT_FALSE(window.enabled(Button::cmdSpin) || window.enabled(Button::cmdQuit));
    // A coin meanwhile rewrites every row but shows or hides nothing.
    window.log.clear();
    machine.lbCoinSlot_Click();
    for (const std::string& line : window.log)
        EXPECT_TRUE(line.starts_with("cue") || line.starts_with("caption")) << line;
    EXPECT_EQ(window.caption(Label::lbAmount_6), "$100.00");

    window.log.clear();
    ASSERT_TRUE(window.deliverNextTick());
    EXPECT_EQ(window.now(), 1300);  // the reels of the win stopped at 300 ms
    EXPECT_THAT(window.log, ElementsAre("tick tmrWait", "enable cmdSpin", "enable cmdQuit", "timer tmrWait off",
                                        "cue /game/CoinsWin.wav"));
    EXPECT_FALSE(window.deliverNextTick());

    // The prize stays up until the next press, which puts the pay table back.
    EXPECT_EQ(window.payArea(), "img50bill lbAmount_6");
    spinTo(emblem, bell, bell);
    EXPECT_EQ(window.payArea(), payTableShown);
    EXPECT_EQ(window.caption(Label::lbBet), "$4.00");
    EXPECT_EQ(window.caption(Label::lbAhead), "$46.00");
}

TEST_F(SpinRoundTest, WhileTheReelsTurnSpinAndTheCoinSlotDoNothingSoTheWinIsPaidOnceAtTheStakeTaken)
{
    scriptLanding(cherries, cherries, cherries);
    machine.cmdSpin_Click();
    for (int tick = 0; tick < 3; ++tick) {
        window.log.clear();
        machine.cmdSpin_Click();
        machine.lbCoinSlot_Click();
        machine.frmAboutSlot_Click();  // never refused
        EXPECT_THAT(window.log, ElementsAre("about")) << "before tick " << tick;
        window.deliverNextTick();
    }
    EXPECT_EQ(window.caption(Label::lbBet), "$1.00");
    EXPECT_EQ(window.caption(Label::lbAhead), "$99.00");
    EXPECT_THAT(window.waves, ElementsAre("/game/Spin.wav", "/game/Police2.wav"));
    // Once the evaluation has run, the slot takes coins again.
    machine.lbCoinSlot_Click();
    EXPECT_EQ(window.caption(Label::lbSpinBet), "$2.00");
}

TEST_F(SpinRoundTest, QuitAndClosingBothEndTheProgramAndClosingIsNotCancelled)
{
    machine.cmdQuit_Click();
    bool cancel = false;
    machine.Form_Unload(cancel);
    EXPECT_FALSE(cancel);
    EXPECT_THAT(window.log, ElementsAre("end", "end"));
}

// The other tests hear the cues beside "/game"; here the folder ends in a
// separator or is relative, and the file is still appended to it as it stands.
TEST_F(SpinRoundTest, CuesArePlayedFromTheFolderAsItStands)
{
    window.folder = "/";
    spinTo(bell, bell, bell);
    window.folder = "relative dir";
    window.runTimers();
    EXPECT_THAT(window.waves, ElementsAre("//Spin.wav", "//slotbell2.wav", "relative dir/CoinsWin.wav"));
}

}  // namespace
}  // namespace spinzaro::testkit
