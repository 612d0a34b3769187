// The reel animation: three timers that start one another and stop together.
// No counter exists; how long each reel flickers follows from the chain alone.
#include "machine_state.h"

#include <cmath>

namespace spinzaro {

void SlotMachine::drawInto(std::int16_t& pick, int reel)
{
    // floor(9r) gives 0 to 8 and 0 becomes the emblem, so the emblem comes up
    // twice as often as each other symbol.
    pick = static_cast<std::int16_t>(std::floor(9.0F * random_.next()));
    if (pick == 0)
        pick = static_cast<std::int16_t>(Symbol::emblem);
    window_.setReelPicture(reel, pick);
}

void SlotMachine::Timer1_Timer()
{
    drawInto(state_.reel1Pick, 0);
    window_.setEnabled(Timer::Timer2, true);
}

void SlotMachine::Timer2_Timer()
{
    drawInto(state_.reel1Pick, 0);
    drawInto(state_.reel2Pick, 1);
    window_.setEnabled(Timer::Timer3, true);
}

void SlotMachine::Timer3_Timer()
{
    drawInto(state_.reel2Pick, 1);
    drawInto(state_.reel3Pick, 2);
    window_.setEnabled(Timer::Timer1, false);
    window_.setEnabled(Timer::Timer2, false);
    window_.setEnabled(Timer::Timer3, false);
    Spin();
    reelsTurning_ = false;
}

}  // namespace spinzaro
