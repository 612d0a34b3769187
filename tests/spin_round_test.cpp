// Whole rounds through the handlers: the press, the pause, quitting, About.
#include "game_fixture.h"

#include <gmock/gmock.h>

namespace spinzaro::testing {
namespace {

using ::testing::ElementsAre;

using SpinRoundTest = GameTest;

TEST_F(SpinRoundTest, APressPlaysTheCueTakesTheStakeRestoresThePayTableAndStartsTheReels)
{
    machine.cmdSpin_Click();
    EXPECT_THAT(window.log, ElementsAre("cue /game/Spin.wav", "caption lbBet $1.00", "show imgMenu", "show lbAmount_0",
                                        "show lbAmount_1", "show lbAmount_2", "show lbAmount_3", "show lbAmount_4",
                                        "show lbAmount_5", "show lbAmount_6", "show lbAmount_7", "hide img50bill",
                                        "hide img100Bill", "hide imgCoins2", "timer Timer1 on"));
    EXPECT_TRUE(machine.reelsTurning());
}

TEST_F(SpinRoundTest, AWinPausesBothButtonsForOneSecondThenGivesThemBackWithTheCoinsCueLast)
{
    spinTo(Symbol::bonus, Symbol::wild, Symbol::bonus);
    EXPECT_EQ(window.now(), 150);
    EXPECT_FALSE(window.enabled(Button::cmdSpin));
    EXPECT_FALSE(window.enabled(Button::cmdQuit));
    EXPECT_TRUE(window.visible(Picture::img50bill));
    window.log.clear();

    ASSERT_TRUE(window.deliverNextTick());
    EXPECT_EQ(window.now(), 1150);
    EXPECT_THAT(window.log, ElementsAre("tick tmrWait", "button cmdSpin on", "button cmdQuit on", "timer tmrWait off",
                                        "cue /game/CoinsWin.wav"));
    EXPECT_FALSE(window.deliverNextTick());
    EXPECT_THAT(window.cues, ElementsAre(Cue::spin, Cue::bell, Cue::coinsWin));

    // The prize stays up until the next press, which puts the pay table back.
    EXPECT_TRUE(window.visible(Picture::img50bill));
    spinTo(Symbol::emblem, Symbol::bell, Symbol::bell);
    EXPECT_FALSE(window.visible(Picture::img50bill));
    EXPECT_TRUE(window.visible(Picture::imgMenu));
    for (int element = 0; element < amountLabelCount; ++element)
        EXPECT_TRUE(window.visible(lbAmount(element)));
    EXPECT_EQ(window.caption(Label::lbAhead), "$48.00");
}

TEST_F(SpinRoundTest, ALossDisablesNothingAndTheNextPressMayFollowAtOnce)
{
    spinTo(Symbol::emblem, Symbol::emblem, Symbol::emblem);
    EXPECT_TRUE(window.enabled(Button::cmdSpin));
    EXPECT_TRUE(window.enabled(Button::cmdQuit));
    EXPECT_FALSE(window.deliverNextTick());
    EXPECT_THAT(window.cues, ElementsAre(Cue::spin));
    spinTo(Symbol::emblem, Symbol::emblem, Symbol::emblem);
    EXPECT_EQ(window.caption(Label::lbBet), "$2.00");
    EXPECT_EQ(window.caption(Label::lbAhead), "-$2.00");
}

TEST_F(SpinRoundTest, APressWhileTheReelsTurnDoesNothingAndTheRoundEndsWithOneEvaluation)
{
    scriptLanding(Symbol::bell, Symbol::bell, Symbol::bell);
    machine.cmdSpin_Click();
    for (int tick = 0; tick < 3; ++tick) {
        window.log.clear();
        machine.cmdSpin_Click();
        EXPECT_TRUE(window.log.empty()) << "press before tick " << tick;
        window.deliverNextTick();
    }
    EXPECT_FALSE(machine.reelsTurning());
    EXPECT_EQ(window.caption(Label::lbBet), "$1.00");
    EXPECT_EQ(window.caption(Label::lbWin), "$30.00");
    EXPECT_EQ(window.caption(Label::lbAhead), "$29.00");
    EXPECT_THAT(window.cues, ElementsAre(Cue::spin, Cue::bell));
}

TEST_F(SpinRoundTest, QuitAndClosingEndTheProgramAtAnyTimeWithoutCancelling)
{
    machine.cmdSpin_Click();
    window.deliverNextTick();
    machine.cmdQuit_Click();
    EXPECT_TRUE(window.ended);
    EXPECT_EQ(window.caption(Label::lbAhead), "");
    EXPECT_FALSE(window.deliverNextTick());

    FakeWindow pausedWindow;
    SlotMachine pausedMachine(pausedWindow, random);
    pausedWindow.connect(pausedMachine);
    pausedMachine.Form_Load();
    scriptLanding(Symbol::wild, Symbol::wild, Symbol::wild);
    pausedMachine.cmdSpin_Click();
    pausedWindow.runTimers(150);
    ASSERT_FALSE(pausedWindow.enabled(Button::cmdQuit));
    bool cancel = false;
    pausedMachine.Form_Unload(cancel);
    EXPECT_FALSE(cancel);
    EXPECT_TRUE(pausedWindow.ended);
}

TEST_F(SpinRoundTest, EachCueOperationPlaysItsOwnWaveFromTheFolderAsItStands)
{
    const auto cuePaths = [this] {
        std::vector<std::string> paths;
        for (const std::string& line : window.takeLog())
            if (line.rfind("cue ", 0) == 0)
                paths.push_back(line.substr(4));
        return paths;
    };
    machine.lbCoinSlot_Click();
    spinTo(Symbol::bell, Symbol::bell, Symbol::bell);
    endPause();
    EXPECT_THAT(cuePaths(),
                ElementsAre("/game/CoinSlot.wav", "/game/Spin.wav", "/game/slotbell2.wav", "/game/CoinsWin.wav"));
    // Nothing is added to the folder, not even where it ends in a separator.
    window.folder = "/";
    spinTo(Symbol::cherries, Symbol::wild, Symbol::cherries);
    EXPECT_THAT(cuePaths(), ElementsAre("//Spin.wav", "//Police2.wav"));
    window.folder = "relative dir";
    endPause();
    EXPECT_THAT(cuePaths(), ElementsAre("relative dir/CoinsWin.wav"));
}

}  // namespace
}  // namespace spinzaro::testing
