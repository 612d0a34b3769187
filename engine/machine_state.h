// The machine: its game variables and the handlers of the main window's events.
#pragma once

#include "money.h"
#include "pay_table.h"
#include "random_source.h"
#include "window_operations.h"

#include <cstdint>

namespace spinzaro {

// The stake per spin runs through whole dollars, one more for each coin, from
// the lowest to the highest and round again; the machine opens at the lowest.
inline constexpr int lowestStakeDollars = 1;
inline constexpr int highestStakeDollars = 5;

struct MachineState {
    Money bet;       // stake per spin, within the stake's range once loaded
    Money totalBet;  // sum of all stakes taken
    Money totalWin;  // sum of all wins paid
    Money ahead;     // totalWin - totalBet as of the last evaluation
    std::int16_t reel1Pick = 0;
    std::int16_t reel2Pick = 0;
    std::int16_t reel3Pick = 0;
};

// One handler per window event, named after the control and the event. All run
// on the window's single event thread, one at a time.
class SlotMachine {
public:
    SlotMachine(WindowOperations& window, RandomSource& random) : window_(window), random_(random) {}

    void Form_Load();
    void Form_Unload(bool& cancel);
    void lbCoinSlot_Click();
    void cmdSpin_Click();
    void cmdQuit_Click();
    void tmrWait_Timer();
    void Timer1_Timer();
    void Timer2_Timer();
    void Timer3_Timer();
    void frmAboutSlot_Click();

    const MachineState& state() const { return state_; }
    // True from a Spin press that starts a round until that round's evaluation
    // has run; stake and Spin presses are refused meanwhile.
    bool reelsTurning() const { return reelsTurning_; }

private:
    void addBet();
    void addWin(std::int16_t odds);
    void Spin();
    ReelLine shownLine() const;
    void drawInto(std::int16_t& pick, int reel);
    void showAmount(Label label, Money amount);

    void playSpin();
    void playCoinSlot();
    void playCoinsWin();
    void playCue(Cue cue);

    WindowOperations& window_;
    RandomSource& random_;
    MachineState state_;
    bool reelsTurning_ = false;
};

}  // namespace spinzaro
