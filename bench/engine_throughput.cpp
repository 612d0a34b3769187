// Rounds per second through the engine alone, against a window that keeps
// only what the game asks back, with the tests' timers on a virtual clock.
#include "fake_window.h"
#include "machine_state.h"
#include "measure.h"

#include <array>
#include <chrono>
#include <cstdlib>

namespace {

using namespace spinzaro;

// The recording window's timers, without its records of the screen, which
// would cost more than the game itself.
class QuietWindow final : public testing::FakeWindow {
public:
    void setCaption(Label, std::string_view) override {}
    void setVisible(Label, bool) override {}
    void setVisible(Picture, bool) override {}
    void setEnabled(Button, bool) override {}
    using FakeWindow::setEnabled;
    void setReelPicture(int reel, int entry) override { reels_[static_cast<std::size_t>(reel)] = entry; }
    bool reelShows(int reel, int entry) const override { return reels_[static_cast<std::size_t>(reel)] == entry; }
    void playWave(const std::string&) override {}

private:
    std::array<int, reelCount> reels_{};
};

}  // namespace

int main(int argc, char* argv[])
{
    const long rounds = argc > 1 ? std::atol(argv[1]) : 2'000'000;
    QuietWindow window;
    // The game's generator, seeded alike every run so every run plays the same rounds.
    ClockSeededRandom random(20'260'101);
    SlotMachine machine(window, random);
    window.connect(machine);
    machine.Form_Load();

    long evaluations = 0;
    const auto start = std::chrono::steady_clock::now();
    for (long round = 0; round < rounds; ++round) {
        machine.cmdSpin_Click();
        window.runTimers();  // the reel chain, and the pause after a win
        window.log.clear();  // the timers' lines, which nothing here reads
        evaluations += machine.reelsTurning() ? 0 : 1;
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

    using spinzaro::bench::report;
    report("rounds", static_cast<double>(rounds));
    report("evaluations", static_cast<double>(evaluations));
    report("seconds", seconds);
    report("rounds_per_s", static_cast<double>(evaluations) / seconds);
    const auto& state = machine.state();
    report("return_to_player",
           static_cast<double>(state.totalWin.units()) / static_cast<double>(state.totalBet.units()));
    return evaluations == rounds ? 0 : 1;
}
