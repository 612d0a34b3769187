// The coin slot that sets the stake, and the taking of a stake at each spin.
#include "machine_state.h"

namespace spinzaro {

void SlotMachine::lbCoinSlot_Click()
{
    // The stake of a turning round is already taken; changing it now would pay
    // the coming win at a stake that was never staked.
    if (reelsTurning_)
        return;

    const Money coin = Money::dollars(1);
    if (state_.bet >= Money::dollars(highestStakeDollars))
        state_.bet = Money::dollars(lowestStakeDollars) - coin;
    playCoinSlot();
    state_.bet += coin;
    showAmount(Label::lbSpinBet, state_.bet);
    for (int element = 0; element < amountLabelCount; ++element) {
        const auto multiplier = amountMultiplier(element);
        if (multiplier != 0)
            showAmount(lbAmount(element), state_.bet * multiplier);
    }
}

void SlotMachine::addBet()
{
    state_.totalBet += state_.bet;
    showAmount(Label::lbBet, state_.totalBet);
}

void SlotMachine::showAmount(Label label, Money amount)
{
    window_.setCaption(label, formatMoney(amount));
}

}  // namespace spinzaro
