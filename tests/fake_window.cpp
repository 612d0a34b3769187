// The recording stand-in for the game window.
#include "fake_window.h"

#include <algorithm>
#include <stdexcept>

namespace spinzaro::testing {

namespace {

std::string onOff(bool on)
{
    return on ? "on" : "off";
}

}  // namespace

FakeWindow::FakeWindow()
{
    // The start state of the window design.
    const std::array<const char*, amountLabelCount> amounts = {"$4.00",  "",       "$8.00",  "$16.00",
                                                               "$24.00", "$30.00", "$50.00", "$100.00"};
    for (int element = 0; element < amountLabelCount; ++element)
        captions_[lbAmount(element)] = amounts[static_cast<std::size_t>(element)];
    for (int label = 0; label <= static_cast<int>(Label::lbAmount_7); ++label)
        labelVisible_[static_cast<Label>(label)] = true;
    pictureVisible_ = {{Picture::imgMenu, true},
                       {Picture::imgCoins2, false},
                       {Picture::img50bill, false},
                       {Picture::img100Bill, false}};
    buttonEnabled_ = {{Button::cmdSpin, true}, {Button::cmdQuit, true}};
    for (Timer timer : {Timer::Timer1, Timer::Timer2, Timer::Timer3, Timer::tmrWait})
        timers_[timer] = {timerIntervalMs(timer)};
}

void FakeWindow::setCaption(Label label, std::string_view text)
{
    captions_[label] = std::string(text);
    record("caption " + std::string(controlName(label)) + " " + std::string(text));
}

void FakeWindow::setVisible(Label label, bool visible)
{
    labelVisible_[label] = visible;
    record((visible ? "show " : "hide ") + std::string(controlName(label)));
}

void FakeWindow::setVisible(Picture picture, bool visible)
{
    pictureVisible_[picture] = visible;
    record((visible ? "show " : "hide ") + std::string(controlName(picture)));
}

void FakeWindow::setEnabled(Button button, bool enabled)
{
    buttonEnabled_[button] = enabled;
    record("button " + std::string(controlName(button)) + " " + onOff(enabled));
}

void FakeWindow::setEnabled(Timer timer, bool enabled)
{
    TimerState& state = timers_.at(timer);
    if (enabled && !state.enabled)
        state.nextDueMs = nowMs_ + state.intervalMs;  // a running timer keeps its schedule
    state.enabled = enabled;
    record("timer " + std::string(controlName(timer)) + " " + onOff(enabled));
}

void FakeWindow::setReelPicture(int reel, int entry)
{
    if (entry < 1 || entry > 8)
        throw std::out_of_range("image-list entry " + std::to_string(entry));
    reels_.at(static_cast<std::size_t>(reel)) = &pictures_[static_cast<std::size_t>(entry - 1)];
    record("reel " + std::to_string(reel) + " " + std::to_string(entry));
}

bool FakeWindow::reelShows(int reel, int entry) const
{
    return reels_.at(static_cast<std::size_t>(reel)) == &pictures_.at(static_cast<std::size_t>(entry - 1));
}

void FakeWindow::openAbout()
{
    ++aboutOpened;
    record("about");
}

void FakeWindow::endProgram()
{
    ended = true;
    for (auto& [timer, state] : timers_)
        state.enabled = false;
    record("end");
}

void FakeWindow::playWave(const std::string& path)
{
    ++cueCount;
    const auto cue = cueAt(folder, path);
    if (recording && cue)
        cues.push_back(*cue);
    record("cue " + path);
}

std::string FakeWindow::caption(Label label) const
{
    const auto found = captions_.find(label);
    return found == captions_.end() ? std::string() : found->second;
}

bool FakeWindow::visible(Label label) const
{
    return labelVisible_.at(label);
}
bool FakeWindow::visible(Picture picture) const
{
    return pictureVisible_.at(picture);
}
bool FakeWindow::enabled(Button button) const
{
    return buttonEnabled_.at(button);
}
bool FakeWindow::enabled(Timer timer) const
{
    return timers_.at(timer).enabled;
}

int FakeWindow::reelEntry(int reel) const
{
    const int* shown = reels_.at(static_cast<std::size_t>(reel));
    if (shown == nullptr || shown == &foreignPicture_)
        return 0;
    return *shown;
}

void FakeWindow::showForeignPicture(int reel)
{
    reels_.at(static_cast<std::size_t>(reel)) = &foreignPicture_;
}

void FakeWindow::shuffleSimultaneousTicks(unsigned seed)
{
    shuffle_ = true;
    tieOrder_.seed(seed);
}

std::optional<long> FakeWindow::nextDue() const
{
    std::optional<long> earliest;
    for (const auto& [timer, state] : timers_)
        if (state.enabled && (!earliest || state.nextDueMs < *earliest))
            earliest = state.nextDueMs;
    return earliest;
}

bool FakeWindow::deliverNextTick()
{
    std::vector<Timer> due;
    long earliest = 0;
    for (const auto& [timer, state] : timers_) {
        if (!state.enabled)
            continue;
        if (due.empty() || state.nextDueMs < earliest) {
            due = {timer};
            earliest = state.nextDueMs;
        } else if (state.nextDueMs == earliest) {
            due.push_back(timer);
        }
    }
    if (due.empty())
        return false;
    if (shuffle_)
        std::shuffle(due.begin(), due.end(), tieOrder_);
    nowMs_ = earliest;
    // Each tick may stop the others; a stopped timer's pending tick is dropped.
    for (Timer timer : due) {
        TimerState& state = timers_.at(timer);
        if (!state.enabled || state.nextDueMs != earliest)
            continue;
        state.nextDueMs += state.intervalMs;
        dispatch(timer);
    }
    return true;
}

void FakeWindow::runTimers(long limitMs)
{
    const long limit = nowMs_ + limitMs;
    for (auto due = nextDue(); due && *due <= limit; due = nextDue())
        deliverNextTick();
}

void FakeWindow::record(std::string line)
{
    if (recording)
        log.push_back(std::move(line));
}

void FakeWindow::dispatch(Timer timer)
{
    record("tick " + std::string(controlName(timer)));
    switch (timer) {
    case Timer::Timer1: machine_->Timer1_Timer(); break;
    case Timer::Timer2: machine_->Timer2_Timer(); break;
    case Timer::Timer3: machine_->Timer3_Timer(); break;
    case Timer::tmrWait: machine_->tmrWait_Timer(); break;
    }
}

std::vector<std::string> FakeWindow::takeLog()
{
    std::vector<std::string> taken;
    taken.swap(log);
    return taken;
}

float ScriptedRandom::next()
{
    const float draw = draws_.at(std::min(position_, draws_.size() - 1));
    ++position_;
    return draw;
}

void ScriptedRandom::script(std::vector<float> draws)
{
    draws_ = std::move(draws);
    position_ = 0;
}

std::optional<Cue> cueAt(std::string_view folder, const std::string& path)
{
    for (const CueFile& entry : cueFiles)
        if (path == cuePath(folder, entry.file))
            return entry.cue;
    return std::nullopt;
}

float drawFor(Symbol symbol)
{
    // The middle of the draw interval floor(9r) = symbol, with 8 from 0 too.
    return (static_cast<float>(static_cast<int>(symbol) % 8) + 0.5F) / 9.0F;
}

}  // namespace spinzaro::testing
