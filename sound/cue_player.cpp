// The cue player: the window's side of the audio thread.
#include "cue_player.h"

#include "audio_thread.h"

namespace spinzaro {

CuePlayer::CuePlayer(std::string server, SoundIdentity identity)
    : thread_(std::make_unique<AudioThread>(std::move(server), std::move(identity)))
{
}

CuePlayer::~CuePlayer() = default;

void CuePlayer::play(std::string path)
{
    thread_->post(Request{std::move(path)});
}

void CuePlayer::stop()
{
    thread_->post(Request{});
}

}  // namespace spinzaro
