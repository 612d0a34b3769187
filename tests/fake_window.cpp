// The recording stand-in for the game window.
#include "fake_window.h"

#include <algorithm>

namespace spinzaro::testkit {

void FakeWindow::setCaption(Label label, std::string_view text)
{
    captions_[label] = std::string(text);
    log.push_back("caption " + std::string(controlName(label)) + " " + std::string(text));
}

void FakeWindow::turn(std::string_view control, bool on, const char* onWord, const char* offWord)
{
    if (on)
        off_.erase(control);
    else
        off_.insert(control);
    log.push_back((on ? onWord : offWord) + (" " + std::string(control)));
}

void FakeWindow::setEnabled(Timer timer, bool enabled)
{
    TimerState& state = timers_.at(static_cast<std::size_t>(timer));
    if (enabled && !state.enabled)
        state.nextDueMs = nowMs_ + timerIntervalMs(timer);  // a running timer keeps its schedule
    state.enabled = enabled;
    log.push_back("timer " + std::string(controlName(timer)) + (enabled ? " on" : " off"));
}

void FakeWindow::setReelPicture(int reel, int entry)
{
    reels_.at(static_cast<std::size_t>(reel)) = &pictures_.at(static_cast<std::size_t>(entry - 1));
    log.push_back("reel " + std::to_string(reel) + " " + std::string(symbolName(static_cast<Symbol>(entry))));
}

bool FakeWindow::reelShows(int reel, int entry) const
{
    return reels_.at(static_cast<std::size_t>(reel)) == &pictures_.at(static_cast<std::size_t>(entry - 1));
}

void FakeWindow::endProgram()
{
    timers_ = {};
    log.emplace_back("end");
}

void FakeWindow::playWave(const std::string& path)
{
    waves.push_back(path);
    log.push_back("cue " + path);
}

std::string FakeWindow::reels() const
{
    std::string shown;
    for (const int* picture : reels_) {
        const bool entry = picture != nullptr && picture != &foreignPicture_;
        shown += (shown.empty() ? "" : " ") + std::string(entry ? symbolName(static_cast<Symbol>(*picture)) : "-");
    }
    return shown;
}

std::string FakeWindow::payArea() const
{
    std::string shown;
    const auto add = [&](std::string_view control) {
        if (!off_.contains(control))
            shown += (shown.empty() ? "" : " ") + std::string(control);
    };
    for (Picture picture : {Picture::imgMenu, Picture::imgCoins2, Picture::img50bill, Picture::img100Bill})
        add(controlName(picture));
    for (int element = 0; element < amountLabelCount; ++element)
        add(controlName(lbAmount(element)));
    return shown;
}

bool FakeWindow::deliverNextTick(long deadlineMs)
{
    std::vector<Timer> due;
    long earliest = deadlineMs;
    for (const Timer timer : {Timer::Timer1, Timer::Timer2, Timer::Timer3, Timer::tmrWait}) {
        const TimerState& state = timers_.at(static_cast<std::size_t>(timer));
        if (!state.enabled || state.nextDueMs > earliest)
            continue;
        if (state.nextDueMs < earliest)
            due.clear();
        due.push_back(timer);
        earliest = state.nextDueMs;
    }
    if (due.empty())
        return false;
    if (tieOrder)
        std::shuffle(due.begin(), due.end(), *tieOrder);
    nowMs_ = earliest;
    // Each tick may stop the others; a stopped timer's pending tick is dropped.
    static constexpr std::array handlers = {&SlotMachine::Timer1_Timer, &SlotMachine::Timer2_Timer,
                                            &SlotMachine::Timer3_Timer, &SlotMachine::tmrWait_Timer};
    for (const Timer timer : due) {
        TimerState& state = timers_.at(static_cast<std::size_t>(timer));
        if (!state.enabled || state.nextDueMs != earliest)
            continue;
        state.nextDueMs += timerIntervalMs(timer);
        log.push_back("tick " + std::string(controlName(timer)));
        (machine_->*handlers.at(static_cast<std::size_t>(timer)))();
    }
    return true;
}

float drawFor(Symbol symbol)
{
    // The middle of the draw interval floor(9r) = symbol, with 8 from 0 too.
    return (static_cast<float>(static_cast<int>(symbol) % 8) + 0.5F) / 9.0F;
}

}  // namespace spinzaro::testkit
