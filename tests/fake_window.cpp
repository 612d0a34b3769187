// The recording stand-in for the game window.
#include "fake_window.h"

#include <algorithm>
#include <stdexcept>

namespace spinzaro::testkit {

FakeWindow::FakeWindow()
{
    // The start state of the window design: only the prizes are hidden.
    for (int label = 0; label <= static_cast<int>(Label::lbAmount_7); ++label)
        on_[controlName(static_cast<Label>(label))] = true;
    for (Picture picture : {Picture::imgMenu, Picture::imgCoins2, Picture::img50bill, Picture::img100Bill})
        on_[controlName(picture)] = picture == Picture::imgMenu;
    on_[controlName(Button::cmdSpin)] = on_[controlName(Button::cmdQuit)] = true;
    for (Timer timer : {Timer::Timer1, Timer::Timer2, Timer::Timer3, Timer::tmrWait})
        timers_[timer].intervalMs = timerIntervalMs(timer);
}

void FakeWindow::setCaption(Label label, std::string_view text)
{
    captions_[label] = std::string(text);
    log.push_back("caption " + std::string(controlName(label)) + " " + std::string(text));
}

void FakeWindow::show(std::string_view control, bool visible)
{
    on_.at(control) = visible;
    log.push_back((visible ? "show " : "hide ") + std::string(control));
}

void FakeWindow::setEnabled(Button button, bool enabled)
{
    on_.at(controlName(button)) = enabled;
    log.push_back("button " + std::string(controlName(button)) + (enabled ? " on" : " off"));
}

void FakeWindow::setEnabled(Timer timer, bool enabled)
{
    TimerState& state = timers_.at(timer);
    if (enabled && !state.enabled)
        state.nextDueMs = nowMs_ + state.intervalMs;  // a running timer keeps its schedule
    state.enabled = enabled;
    log.push_back("timer " + std::string(controlName(timer)) + (enabled ? " on" : " off"));
}

void FakeWindow::setReelPicture(int reel, int entry)
{
    if (entry < 1 || entry > symbolCount)
        throw std::out_of_range("image-list entry " + std::to_string(entry));
    reels_.at(static_cast<std::size_t>(reel)) = &pictures_[static_cast<std::size_t>(entry - 1)];
    log.push_back("reel " + std::to_string(reel) + " " + std::string(symbolName(static_cast<Symbol>(entry))));
}

bool FakeWindow::reelShows(int reel, int entry) const
{
    return reels_.at(static_cast<std::size_t>(reel)) == &pictures_.at(static_cast<std::size_t>(entry - 1));
}

void FakeWindow::endProgram()
{
    ended = true;
    for (auto& [timer, state] : timers_)
        state.enabled = false;
    log.emplace_back("end");
}

void FakeWindow::playWave(const std::string& path)
{
    if (const auto cue = cueAt(folder, path))
        cues.push_back(*cue);
    log.push_back("cue " + path);
}

std::string FakeWindow::reels() const
{
    std::string shown;
    for (const int* picture : reels_) {
        shown += shown.empty() ? "" : " ";
        const bool entry = picture != nullptr && picture != &foreignPicture_;
        shown += entry ? symbolName(static_cast<Symbol>(*picture)) : "-";
    }
    return shown;
}

std::string FakeWindow::payArea() const
{
    std::string shown;
    for (Picture picture : {Picture::imgMenu, Picture::imgCoins2, Picture::img50bill, Picture::img100Bill})
        if (visible(picture))
            shown += std::string(shown.empty() ? "" : " ") + std::string(controlName(picture));
    for (int element = 0; element < amountLabelCount; ++element)
        if (visible(lbAmount(element)))
            shown += std::string(shown.empty() ? "" : " ") + std::string(controlName(lbAmount(element)));
    return shown;
}

void FakeWindow::shuffleSimultaneousTicks(unsigned seed)
{
    shuffle_ = true;
    tieOrder_.seed(seed);
}

bool FakeWindow::deliverNextTick(long deadlineMs)
{
    std::vector<Timer> due;
    long earliest = deadlineMs;
    for (const auto& [timer, state] : timers_) {
        if (!state.enabled || state.nextDueMs > earliest)
            continue;
        if (state.nextDueMs < earliest)
            due.clear();
        due.push_back(timer);
        earliest = state.nextDueMs;
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

void FakeWindow::dispatch(Timer timer)
{
    log.push_back("tick " + std::string(controlName(timer)));
    switch (timer) {
    case Timer::Timer1: machine_->Timer1_Timer(); break;
    case Timer::Timer2: machine_->Timer2_Timer(); break;
    case Timer::Timer3: machine_->Timer3_Timer(); break;
    case Timer::tmrWait: machine_->tmrWait_Timer(); break;
    }
}

float ScriptedRandom::next()
{
    const float draw = draws_.at(std::min(position_, draws_.size() - 1));
    ++position_;
    return draw;
}

float drawFor(Symbol symbol)
{
    // The middle of the draw interval floor(9r) = symbol, with 8 from 0 too.
    return (static_cast<float>(static_cast<int>(symbol) % 8) + 0.5F) / 9.0F;
}

std::optional<Cue> cueAt(std::string_view folder, const std::string& path)
{
    for (const CueFile& entry : cueFiles)
        if (path == cuePath(folder, entry.file))
            return entry.cue;
    return std::nullopt;
}

}  // namespace spinzaro::testkit
