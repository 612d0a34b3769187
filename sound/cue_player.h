// Plays the game's sound cues on a thread of its own, so that no file and no
// sound server can ever hold up the window.
#pragma once

#include <memory>
#include <string>

namespace spinzaro {

class AudioThread;

// How the desktop's mixer shows the game's sound, and what the sound server
// remembers the player's volume and mute under.
struct SoundIdentity {
    std::string name;      // the program's name
    std::string id;        // the component ID that names its desktop entry
    std::string iconName;  // the installed icon's name in the icon theme
};

class CuePlayer {
public:
    // server: a PulseAudio address such as "unix:/run/pulse/native"; empty
    // for the desktop's own server (which PipeWire desktops serve as well).
    CuePlayer(std::string server, SoundIdentity identity);
    ~CuePlayer();
    CuePlayer(const CuePlayer&) = delete;
    CuePlayer& operator=(const CuePlayer&) = delete;

    // Hands the path over and returns at once. The newest cue cuts off the
    // one still sounding, the same one again starts from its beginning, and a
    // file that cannot be played, or a missing sound server, means silence.
    void play(std::string path);
    // Cuts off whatever sounds.
    void stop();

    // Whether a player went while its thread was held up, by a file on a hung
    // file system say. The thread then does nothing more that anyone could
    // notice, but the process must end without running its exit handlers,
    // which the thread could still meet in the libraries it was in.
    static bool threadsLeftRunning();

private:
    std::unique_ptr<AudioThread> thread_;
};

}  // namespace spinzaro
