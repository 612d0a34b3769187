// The round from the Spin press to the end of the pause, loading and quitting.
#include "machine_state.h"

namespace spinzaro {

void SlotMachine::Form_Load()
{
    random_.seedFromClock();
    state_.bet = Money::dollars(lowestStakeDollars);
    showAmount(Label::lbSpinBet, state_.bet);
    window_.setVisible(Picture::imgMenu, true);
}

void SlotMachine::cmdSpin_Click()
{
    // One stake buys one result: a press while the reels turn is ignored
    // rather than taking a second stake for the same evaluation.
    if (reelsTurning_)
        return;
    reelsTurning_ = true;

    playSpin();
    addBet();
    window_.setVisible(Picture::imgMenu, true);
    for (int element = 0; element < amountLabelCount; ++element)
        window_.setVisible(lbAmount(element), true);
    window_.setVisible(Picture::img50bill, false);
    window_.setVisible(Picture::img100Bill, false);
    window_.setVisible(Picture::imgCoins2, false);
    window_.setEnabled(Timer::Timer1, true);
}

void SlotMachine::tmrWait_Timer()
{
    window_.setEnabled(Button::cmdSpin, true);
    window_.setEnabled(Button::cmdQuit, true);
    window_.setEnabled(Timer::tmrWait, false);
    playCoinsWin();
}

void SlotMachine::cmdQuit_Click()
{
    window_.endProgram();
}

void SlotMachine::Form_Unload(bool& /*cancel*/)
{
    window_.endProgram();
}

void SlotMachine::frmAboutSlot_Click()
{
    window_.openAbout();
}

}  // namespace spinzaro
