// A recording stand-in for the game window: it keeps what a player would see,
// writes every operation as a readable line, and runs the four timers on a
// virtual clock with the window's timer rules.
#pragma once

#include "machine_state.h"

#include <algorithm>
#include <array>
#include <climits>
#include <map>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace spinzaro::testkit {

class FakeWindow : public WindowOperations {
public:
    void setCaption(Label label, std::string_view text) override;
    void setVisible(Label label, bool visible) override { turn(controlName(label), visible, "show", "hide"); }
    void setVisible(Picture picture, bool visible) override { turn(controlName(picture), visible, "show", "hide"); }
    void setEnabled(Button button, bool enabled) override { turn(controlName(button), enabled, "enable", "disable"); }
    void setEnabled(Timer timer, bool enabled) override;
    void setReelPicture(int reel, int entry) override;
    bool reelShows(int reel, int entry) const override;
    void openAbout() override { log.emplace_back("about"); }
    void endProgram() override;
    std::string applicationFolder() const override { return folder; }
    void playWave(const std::string& path) override;

    // What the player sees.
    std::string caption(Label label) const { return captions_.contains(label) ? captions_.at(label) : ""; }
    bool enabled(Button button) const { return !off_.contains(controlName(button)); }
    bool enabled(Timer timer) const { return timers_.at(static_cast<std::size_t>(timer)).enabled; }
    // What the pay area shows, pictures then lbAmount elements: "img50bill lbAmount_6".
    std::string payArea() const;
    // The symbols on the reels from left to right, "-" where none shows.
    std::string reels() const;
    // Gives a reel a picture that is no image-list entry.
    void showForeignPicture(int reel) { reels_.at(static_cast<std::size_t>(reel)) = &foreignPicture_; }

    // Timers on a virtual clock, in milliseconds. Ticks that fall due together
    // are delivered in timer order, or shuffled by tieOrder once it is set.
    void connect(SlotMachine& machine) { machine_ = &machine; }
    std::optional<std::mt19937> tieOrder;
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

    // Lines such as "caption lbBet $1.00", "disable cmdSpin", "timer Timer1 on", "reel 0 bell".
    std::vector<std::string> log;
    std::vector<std::string> takeLog() { return std::exchange(log, {}); }
    std::vector<std::string> waves;  // the paths played, in order
    std::string folder = "/game";

private:
    struct TimerState {
        bool enabled = false;
        long nextDueMs = 0;
    };

    // Shows or enables a control, or hides or disables it, and says which.
    void turn(std::string_view control, bool on, const char* onWord, const char* offWord);

    // Stand-ins for the image list's picture objects: a reel points at one.
    std::array<int, symbolCount> pictures_{1, 2, 3, 4, 5, 6, 7, 8};
    int foreignPicture_ = 0;
    std::array<const int*, reelCount> reels_{};

    std::map<Label, std::string> captions_;
    // Hidden or disabled, by control name; the window design hides the prizes.
    std::set<std::string_view> off_{controlName(Picture::imgCoins2), controlName(Picture::img50bill),
                                    controlName(Picture::img100Bill)};
    std::array<TimerState, 4> timers_{};  // by Timer
    long nowMs_ = 0;
    SlotMachine* machine_ = nullptr;
};

// A random source that replays given draws, then repeats the last one.
class ScriptedRandom : public RandomSource {
public:
    explicit ScriptedRandom(std::vector<float> draws = {0.5F}) : draws_(std::move(draws)) {}
    void seedFromClock() override { ++seeded; }
    float next() override { return draws_.at(std::min(position_++, draws_.size() - 1)); }
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

}  // namespace spinzaro::testkit
