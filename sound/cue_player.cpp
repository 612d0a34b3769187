// The cue player: the window's side of the audio thread.
#include "cue_player.h"

#include "audio_thread.h"

#include <mutex>
#include <vector>

namespace spinzaro {

CuePlayer::CuePlayer(std::string server, SoundIdentity identity)
    : thread_(std::make_unique<AudioThread>(std::move(server), std::move(identity)))
{
}

namespace {

// Threads that could not be stopped keep their state here, never freed,
// until the process ends under them.
std::mutex leftMutex;
std::vector<std::unique_ptr<AudioThread>>* const leftRunning = new std::vector<std::unique_ptr<AudioThread>>;

}  // namespace

CuePlayer::~CuePlayer()
{
    if (thread_->stop())
        return;
    const std::lock_guard lock(leftMutex);
    leftRunning->push_back(std::move(thread_));
}

bool CuePlayer::threadsLeftRunning()
{
    const std::lock_guard lock(leftMutex);
    return !leftRunning->empty();
}

void CuePlayer::play(std::string path)
{
    thread_->post(Request{std::move(path)});
}

void CuePlayer::stop()
{
    thread_->post(Request{});
}

}  // namespace spinzaro
