// The narrow set of window operations through which the game reaches the
// screen, the timers and the speaker. The Qt window implements it; tests use a
// recording fake.
#pragma once

#include <string>
#include <string_view>

namespace spinzaro {

// Labels the game writes or shows. The pay rows are the elements of the
// lbAmount array, kept contiguous so an element index maps onto them.
enum class Label {
    lbWin,
    lbBet,
    lbAhead,
    lbSpinBet,
    lbAmount_0,
    lbAmount_1,
    lbAmount_2,
    lbAmount_3,
    lbAmount_4,
    lbAmount_5,
    lbAmount_6,
    lbAmount_7,
};

inline constexpr int amountLabelCount = 8;
inline constexpr int reelCount = 3;

constexpr Label lbAmount(int element)
{
    return static_cast<Label>(static_cast<int>(Label::lbAmount_0) + element);
}

// The lbAmount element a label is; -1 for any other label.
constexpr int amountElement(Label label)
{
    return label < Label::lbAmount_0 ? -1 : static_cast<int>(label) - static_cast<int>(Label::lbAmount_0);
}

enum class Picture { imgMenu, imgCoins2, img50bill, img100Bill };
enum class Button { cmdSpin, cmdQuit };
enum class Timer { Timer1, Timer2, Timer3, tmrWait };

// Timer1 to Timer3 step the reels; tmrWait is the pause after a win.
constexpr int timerIntervalMs(Timer timer)
{
    return timer == Timer::tmrWait ? 1000 : 50;
}

// Control names as the window design gives them; also the Qt objectNames.
std::string_view controlName(Label label);
std::string_view controlName(Picture picture);
std::string_view controlName(Button button);
std::string_view controlName(Timer timer);

class WindowOperations {
public:
    virtual ~WindowOperations() = default;

    virtual void setCaption(Label label, std::string_view text) = 0;
    virtual void setVisible(Label label, bool visible) = 0;
    virtual void setVisible(Picture picture, bool visible) = 0;
    virtual void setEnabled(Button button, bool enabled) = 0;

    // Enabling a running timer leaves its schedule alone; disabling one drops
    // every tick not yet delivered.
    virtual void setEnabled(Timer timer, bool enabled) = 0;

    // Reel windows show image-list entries (1 to 8) by the entry's own picture
    // object; reelShows answers by identity of that object, so the game never
    // keeps its own copy of what a reel displays.
    virtual void setReelPicture(int reel, int entry) = 0;
    virtual bool reelShows(int reel, int entry) const = 0;

    virtual void openAbout() = 0;
    virtual void endProgram() = 0;

    // The folder of the running executable, without a trailing separator
    // except for the root.
    virtual std::string applicationFolder() const = 0;

    // Starts a wave file and returns at once; the newest cue cuts off the one
    // before, and a file that cannot be played is skipped in silence.
    virtual void playWave(const std::string& path) = 0;
};

}  // namespace spinzaro
