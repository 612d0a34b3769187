// The ways of playing a cue that the sound benchmark sets side by side: the
// game's own player, the former Qt Multimedia one, SDL2 audio and paplay.
#pragma once

#include <memory>
#include <string>

namespace spinzaro::bench {

class CueCandidate {
public:
    virtual ~CueCandidate() = default;
    virtual const char* name() const = 0;
    // Called on the event thread, as the window calls its cue operation.
    virtual void play(const std::string& path) = 0;
};

// Each plays through the PulseAudio server at this address.
std::unique_ptr<CueCandidate> gameCuePlayer(const std::string& server);
std::unique_ptr<CueCandidate> qtMultimediaPlayer();  // reads PULSE_SERVER
std::unique_ptr<CueCandidate> sdlQueuePlayer();      // reads PULSE_SERVER; null when SDL finds no device
std::unique_ptr<CueCandidate> paplayProcess(const std::string& server);

}  // namespace spinzaro::bench
