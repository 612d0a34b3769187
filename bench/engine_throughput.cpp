// Rounds per second through the engine alone, against a window that keeps only what the game asks back.
#include "machine_state.h"
#include "measure.h"

#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace {

using namespace spinzaro;

// Keeps the reels and runs the four timers on a virtual clock with the
// window's rules; everything else is dropped.
class QuietWindow final : public WindowOperations {
public:
    void setCaption(Label label, std::string_view) override
    {
        if (label == Label::lbAhead)
            ++evaluations;
    }
    void setVisible(Label, bool) override {}
    void setVisible(Picture, bool) override {}
    void setEnabled(Button, bool) override {}
    void setEnabled(Timer timer, bool enabled) override
    {
        TimerState& state = timers_[static_cast<std::size_t>(timer)];
        if (enabled && !state.enabled)
            state.nextDueMs = nowMs_ + state.intervalMs;  // a running timer keeps its schedule
        state.enabled = enabled;
    }
    void setReelPicture(int reel, int entry) override { reels_[static_cast<std::size_t>(reel)] = entry; }
    bool reelShows(int reel, int entry) const override { return reels_[static_cast<std::size_t>(reel)] == entry; }
    void openAbout() override {}
    void endProgram() override {}
    std::string applicationFolder() const override { return "game"; }
    void playWave(const std::string&) override { ++cues; }

    // Delivers ticks, earliest first and ties in timer order, until no timer runs.
    void runTimers(SlotMachine& machine)
    {
        for (;;) {
            TimerState* due = nullptr;
            std::size_t dueIndex = 0;
            for (std::size_t index = 0; index < timers_.size(); ++index) {
                TimerState& state = timers_[index];
                if (state.enabled && (due == nullptr || state.nextDueMs < due->nextDueMs)) {
                    due = &state;
                    dueIndex = index;
                }
            }
            if (due == nullptr)
                return;
            nowMs_ = due->nextDueMs;
            due->nextDueMs += due->intervalMs;
            switch (static_cast<Timer>(dueIndex)) {
            case Timer::Timer1: machine.Timer1_Timer(); break;
            case Timer::Timer2: machine.Timer2_Timer(); break;
            case Timer::Timer3: machine.Timer3_Timer(); break;
            case Timer::tmrWait: machine.tmrWait_Timer(); break;
            }
        }
    }

    long evaluations = 0;
    long cues = 0;

private:
    struct TimerState {
        long intervalMs;
        bool enabled = false;
        long nextDueMs = 0;
    };
    // In the order of the Timer enumeration.
    std::array<TimerState, 4> timers_{{{timerIntervalMs(Timer::Timer1)},
                                       {timerIntervalMs(Timer::Timer2)},
                                       {timerIntervalMs(Timer::Timer3)},
                                       {timerIntervalMs(Timer::tmrWait)}}};
    std::array<int, reelCount> reels_{};
    long nowMs_ = 0;
};

// The game's generator with a fixed seed, so every run plays the same rounds.
class FixedSeed final : public RandomSource {
public:
    void seedFromClock() override { generator_.seed(20'260'101); }
    float next() override { return generator_.next(); }

private:
    ClockSeededRandom generator_;
};

}  // namespace

int main(int argc, char* argv[])
{
    const long rounds = argc > 1 ? std::atol(argv[1]) : 2'000'000;
    QuietWindow window;
    FixedSeed random;
    SlotMachine machine(window, random);
    machine.Form_Load();

    const auto start = std::chrono::steady_clock::now();
    for (long round = 0; round < rounds; ++round) {
        machine.cmdSpin_Click();
        window.runTimers(machine);  // the reel chain, and the pause after a win
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

    using spinzaro::bench::report;
    report("rounds", static_cast<double>(rounds));
    report("evaluations", static_cast<double>(window.evaluations));
    report("seconds", seconds);
    report("rounds_per_s", static_cast<double>(window.evaluations) / seconds);
    const auto& state = machine.state();
    report("return_to_player",
           static_cast<double>(state.totalWin.units()) / static_cast<double>(state.totalBet.units()));
    return window.evaluations == rounds ? 0 : 1;
}
