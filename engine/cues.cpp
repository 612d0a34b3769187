// The cue operations, each playing its wave from beside the executable; a pay
// row plays its own cue through playCue.
#include "machine_state.h"

namespace spinzaro {

// Built afresh on every call and never tested for existence: the player skips
// a missing file in silence.
void SlotMachine::playCue(Cue cue)
{
    window_.playWave(cuePath(window_.applicationFolder(), cueFile(cue)));
}

void SlotMachine::playSpin()
{
    playCue(Cue::spin);
}
void SlotMachine::playCoinSlot()
{
    playCue(Cue::coinSlot);
}
void SlotMachine::playCoinsWin()
{
    playCue(Cue::coinsWin);
}

}  // namespace spinzaro
