// The ways of playing a cue that the sound benchmark sets side by side: the
// game's own player, the floor it is held to, paplay and PipeWire's own library.
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
// Through PipeWire's own protocol, to the server in PIPEWIRE_RUNTIME_DIR;
// null where the benchmark was built without libpipewire.
std::unique_ptr<CueCandidate> pipeWireStream();

}  // namespace spinzaro::bench
