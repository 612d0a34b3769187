// The cue players the sound benchmark compares, behind one small interface.
#include "cue_candidates.h"

#include "cue_player.h"
#include "qt_multimedia_player.h"
#include "wave_file.h"

#include <SDL2/SDL.h>

#include <QString>

#include <csignal>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace spinzaro::bench {
namespace {

class GameCuePlayer final : public CueCandidate {
public:
    explicit GameCuePlayer(const std::string& server) : player_(server) {}
    const char* name() const override { return "game: libpulse on its own thread"; }
    void play(const std::string& path) override { player_.play(path); }

private:
    CuePlayer player_;
};

class QtMultimediaPlayer final : public CueCandidate {
public:
    const char* name() const override { return "former: Qt Multimedia QAudioSink"; }
    void play(const std::string& path) override { player_.play(QString::fromStdString(path)); }

private:
    baseline::WavePlayer player_;
};

// SDL keeps its device open and fed from its own thread; a cue replaces
// whatever is queued.
class SdlQueuePlayer final : public CueCandidate {
public:
    SdlQueuePlayer()
    {
        SDL_setenv("SDL_AUDIODRIVER", "pulseaudio", 0);
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
            return;
        SDL_AudioSpec wanted{};
        wanted.freq = 44100;
        wanted.format = AUDIO_S16SYS;
        wanted.channels = 1;
        wanted.samples = 256;  // 5.8 ms: as quick to start as SDL allows without underruns
        device_ = SDL_OpenAudioDevice(nullptr, 0, &wanted, nullptr, 0);
        if (device_ != 0)
            SDL_PauseAudioDevice(device_, 0);
    }
    ~SdlQueuePlayer() override
    {
        if (device_ != 0)
            SDL_CloseAudioDevice(device_);
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
    bool ready() const { return device_ != 0; }
    const char* name() const override { return "SDL2 audio queue (pulseaudio driver)"; }
    void play(const std::string& path) override
    {
        SDL_ClearQueuedAudio(device_);
        if (const auto wave = readWave(path))
            SDL_QueueAudio(device_, wave->samples.data(), static_cast<Uint32>(wave->samples.size() * 2));
    }

private:
    SDL_AudioDeviceID device_ = 0;
};

// A new process per cue, as a shell script would play it; the one before is
// ended first, so that one cue sounds at a time here too.
class PaplayProcess final : public CueCandidate {
public:
    explicit PaplayProcess(std::string server) : server_("--server=" + std::move(server)) {}
    ~PaplayProcess() override { reap(); }
    const char* name() const override { return "paplay, a process per cue"; }
    void play(const std::string& path) override
    {
        reap();
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
        char* argv[] = {const_cast<char*>("paplay"), server_.data(), const_cast<char*>(path.c_str()), nullptr};
        posix_spawnp(&child_, "paplay", &actions, nullptr, argv, environ);
        posix_spawn_file_actions_destroy(&actions);
    }

private:
    void reap()
    {
        if (child_ <= 0)
            return;
        ::kill(child_, SIGTERM);
        ::waitpid(child_, nullptr, 0);
        child_ = -1;
    }

    std::string server_;
    pid_t child_ = -1;
};

}  // namespace

std::unique_ptr<CueCandidate> gameCuePlayer(const std::string& server)
{
    return std::make_unique<GameCuePlayer>(server);
}

std::unique_ptr<CueCandidate> qtMultimediaPlayer()
{
    return std::make_unique<QtMultimediaPlayer>();
}

std::unique_ptr<CueCandidate> sdlQueuePlayer()
{
    auto player = std::make_unique<SdlQueuePlayer>();
    return player->ready() ? std::move(player) : nullptr;
}

std::unique_ptr<CueCandidate> paplayProcess(const std::string& server)
{
    return std::make_unique<PaplayProcess>(server);
}

}  // namespace spinzaro::bench
