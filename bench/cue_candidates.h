// The ways of playing a cue that the sound benchmark sets side by side: the
// game's own player, the floor it is held to, and paplay.
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

// Each plays through the PulseAudio-protocol server at this address.
std::unique_ptr<CueCandidate> gameCuePlayer(const std::string& server);
std::unique_ptr<CueCandidate> keptOpenStream(const std::string& server);
std::unique_ptr<CueCandidate> paplayProcess(const std::string& server);

}  // namespace spinzaro::bench
