// Judging the stopped reels against the pay table, paying and announcing a win.
#include "machine_state.h"

namespace spinzaro {

ReelLine SlotMachine::shownLine() const
{
    // Asked afresh of the window: the evaluation judges what the reels show,
    // not what the timers meant to put there.
    ReelLine line;
    for (int reel = 0; reel < reelCount; ++reel) {
        for (int entry = 1; entry <= symbolCount; ++entry) {
            if (window_.reelShows(reel, entry)) {
                line[static_cast<std::size_t>(reel)] = static_cast<Symbol>(entry);
                break;
            }
        }
    }
    return line;
}

void SlotMachine::Spin()
{
    const ReelLine line = shownLine();
    for (const PayRow& row : payTable) {
        if (!rowMatches(row, line))
            continue;
        playCue(row.cue);
        window_.setVisible(row.prizePicture, true);
        addWin(row.multiplier);
        window_.setEnabled(Button::cmdSpin, false);
        window_.setEnabled(Button::cmdQuit, false);
        window_.setEnabled(Timer::tmrWait, true);
        window_.setVisible(Picture::imgMenu, false);
        for (int element = 0; element < amountLabelCount; ++element)
            window_.setVisible(lbAmount(element), false);
        window_.setVisible(lbAmount(row.amountLabel), true);
        showAmount(lbAmount(row.amountLabel), state_.bet * row.multiplier);
    }
    state_.ahead = state_.totalWin - state_.totalBet;
    showAmount(Label::lbAhead, state_.ahead);
}

void SlotMachine::addWin(std::int16_t odds)
{
    state_.totalWin += state_.bet * odds;
    showAmount(Label::lbWin, state_.totalWin);
}

}  // namespace spinzaro
