// A recording stand-in for the game window: it keeps what a player would see,
// writes every operation as a readable line, and runs the four timers on a
// virtual clock with the window's timer rules.
#pragma once

#include "machine_state.h"

#include <array>
#include <functional>
#include <map>
#include <optional>
#include <ostream>
#include <random>
#include <string>
#include <vector>

namespace spinzaro::testing {

class FakeWindow : public WindowOperations {
public:
    FakeWindow();

    // WindowOperations
    void setCaption(Label label, std::string_view text) override;
    void setVisible(Label label, bool visible) override;
    void setVisible(Picture picture, bool visible) override;
    void setEnabled(Button button, bool enabled) override;
    void setEnabled(Timer timer, bool enabled) override;
    void setReelPicture(int reel, int entry) override;
    bool reelShows(int reel, int entry) const override;
    void openAbout() override;
    void endProgram() override;
    std::string applicationFolder() const override { return folder; }
    void playWave(const std::string& path) override;

    // What the player sees.
    std::string caption(Label label) const;
    bool visible(Label label) const;
    bool visible(Picture picture) const;
    bool enabled(Button button) const;
    bool enabled(Timer timer) const;
    // The entry whose picture object the reel shows, 0 for none.
    int reelEntry(int reel) const;
    // Gives a reel a picture that is no image-list entry.
    void showForeignPicture(int reel);

    // Timers on a virtual clock, in milliseconds. Ticks that fall due together
    // are delivered in timer order, or shuffled when a seed is given.
    void connect(SlotMachine& machine) { machine_ = &machine; }
    void shuffleSimultaneousTicks(unsigned seed);
    // Delivers the next due tick; false when no timer runs.
    bool deliverNextTick();
    // When the next tick falls due, if any timer runs.
    std::optional<long> nextDue() const;
    // Delivers ticks until no timer runs or the next would fall past the limit.
    void runTimers(long limitMs = 10'000);
    long now() const { return nowMs_; }

    // Lines such as "caption lbBet $1.00", "timer Timer1 on", "cue /game/Spin.wav".
    // Long runs switch recording off to stay fast.
    std::vector<std::string> log;
    bool recording = true;
    std::vector<std::string> takeLog();
    std::vector<Cue> cues;  // in order played
    long cueCount = 0;
    std::string folder = "/game";
    int aboutOpened = 0;
    bool ended = false;

private:
    struct TimerState {
        long intervalMs;
        bool enabled = false;
        long nextDueMs = 0;
    };

    void dispatch(Timer timer);
    void record(std::string line);

    // Stand-ins for the image list's picture objects: a reel points at one.
    std::array<int, 8> pictures_{1, 2, 3, 4, 5, 6, 7, 8};
    int foreignPicture_ = 0;
    std::array<const int*, reelCount> reels_{};

    std::map<Label, std::string> captions_;
    std::map<Label, bool> labelVisible_;
    std::map<Picture, bool> pictureVisible_;
    std::map<Button, bool> buttonEnabled_;
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
    void script(std::vector<float> draws);
    int seeded = 0;

private:
    std::vector<float> draws_;
    std::size_t position_ = 0;
};

// The cue whose wave lies at the path in the folder, if any.
std::optional<Cue> cueAt(std::string_view folder, const std::string& path);

// The draw that floor(9r) turns into the given symbol.
float drawFor(Symbol symbol);

}  // namespace spinzaro::testing

namespace spinzaro {

// Failing checks name symbols and cues as the game does.
inline void PrintTo(Symbol symbol, std::ostream* out)
{
    *out << symbolName(symbol);
}
inline void PrintTo(Cue cue, std::ostream* out)
{
    *out << cueFile(cue).substr(1);
}

}  // namespace spinzaro
