// A recording stand-in for the game window: it keeps what a player would see,
// writes every operation as a readable line, and runs the four timers on a
// virtual clock with the window's timer rules.
#pragma once

#include "machine_state.h"

#include <array>
#include <climits>
#include <map>
#include <optional>
#include <ostream>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace spinzaro::testkit {

class FakeWindow : public WindowOperations {
public:
    FakeWindow();

    void setCaption(Label label, std::string_view text) override;
    void setVisible(Label label, bool visible) override { show(controlName(label), visible); }
    void setVisible(Picture picture, bool visible) override { show(controlName(picture), visible); }
    void setEnabled(Button button, bool enabled) override;
    void setEnabled(Timer timer, bool enabled) override;
    void setReelPicture(int reel, int entry) override;
    bool reelShows(int reel, int entry) const override;
    void openAbout() override { log.emplace_back("about"); }
    void endProgram() override;
    std::string applicationFolder() const override { return folder; }
    void playWave(const std::string& path) override;

    // What the player sees.
    std::string caption(Label label) const { return captions_.contains(label) ? captions_.at(label) : ""; }
    bool visible(Label label) const { return on_.at(controlName(label)); }
    bool visible(Picture picture) const { return on_.at(controlName(picture)); }
    bool enabled(Button button) const { return on_.at(controlName(button)); }
    bool enabled(Timer timer) const { return timers_.at(timer).enabled; }
    // What the pay area shows, pictures then lbAmount elements: "img50bill lbAmount_6".
    std::string payArea() const;
    // The symbols on the reels from left to right, "-" where none shows.
    std::string reels() const;
    // Gives a reel a picture that is no image-list entry.
    void showForeignPicture(int reel) { reels_.at(static_cast<std::size_t>(reel)) = &foreignPicture_; }

    // Timers on a virtual clock, in milliseconds. Ticks that fall due together
    // are delivered in timer order, or shuffled once a seed is given.
    void connect(SlotMachine& machine) { machine_ = &machine; }
    void shuffleSimultaneousTicks(unsigned seed);
    // Delivers the next due tick unless it falls after the deadline; false
    // when none was delivered.
    bool deliverNextTick(long deadlineMs = LONG_MAX);
    // Delivers ticks until no timer runs or the next would fall past the limit.
    void runTimers(long limitMs = 10'000)
    {
        const long deadline = nowMs_ + limitMs;
        while (deliverNextTick(deadline))
            continue;
    }
    long now() const { return nowMs_; }

    // Lines such as "caption lbBet $1.00", "timer Timer1 on", "reel 0 bell".
    std::vector<std::string> log;
    std::vector<std::string> takeLog() { return std::exchange(log, {}); }
    std::vector<Cue> cues;  // in order played
    std::string folder = "/game";
    bool ended = false;

private:
    struct TimerState {
        long intervalMs = 0;
        bool enabled = false;
        long nextDueMs = 0;
    };

    void show(std::string_view control, bool visible);
    void dispatch(Timer timer);

    // Stand-ins for the image list's picture objects: a reel points at one.
    std::array<int, symbolCount> pictures_{1, 2, 3, 4, 5, 6, 7, 8};
    int foreignPicture_ = 0;
    std::array<const int*, reelCount> reels_{};

    std::map<Label, std::string> captions_;
    std::map<std::string_view, bool> on_;  // shown or enabled, by control name
    std::map<Timer, TimerState> timers_;
    long nowMs_ = 0;
    bool shuffle_ = false;
    std::mt19937 tieOrder_;
    SlotMachine* machine_ = nullptr;
};

// A random source that replays given draws, then repeats the last one.
class ScriptedRandom : public RandomSource {
public:
    explicit ScriptedRandom(std::vector<float> draws = {0.5F}) : draws_(std::move(draws)) {}
    void seedFromClock() override { ++seeded; }
    float next() override;
    void script(std::vector<float> draws)
    {
        draws_ = std::move(draws);
        position_ = 0;
    }
    int seeded = 0;

private:
    std::vector<float> draws_;
    std::size_t position_ = 0;
};

// The draw that floor(9r) turns into the given symbol.
float drawFor(Symbol symbol);

// The cue whose wave lies at the path in the folder, if any.
std::optional<Cue> cueAt(std::string_view folder, const std::string& path);

}  // namespace spinzaro::testkit

namespace spinzaro {

// Failing checks name symbols and cues as the game does.
inline void PrintTo(Symbol symbol, std::ostream* out)
{
    *out << symbolName(symbol);
}
inline void PrintTo(Cue cue, std::ostream* out)
{
    *out << cueFile(cue);
}

}  // namespace spinzaro
