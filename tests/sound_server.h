// A private sound server with a silent sink, to be stopped, killed and
// started again at will, and a recorder that hears what its sink plays.
#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include <sndfile.h>

#include <unistd.h>

namespace spinzaro::testkit {

// PulseAudio, or PipeWire with pipewire-pulse and WirePlumber as most desktops run.
enum class ServerKind { pulseAudio, pipeWire };

// A folder of its own, gone with it.
struct TempFolder {
    TempFolder() : path(::mkdtemp(std::string("/tmp/spinzaro-XXXXXX").data())) {}
    ~TempFolder() { std::filesystem::remove_all(path, ignored); }
    std::string file(const std::string& name) const { return (path / name).string(); }
    std::filesystem::path path;
    std::error_code ignored;  // a server's runtime folder may hold its sockets still
};

class SoundServer {
public:
    explicit SoundServer(ServerKind kind = ServerKind::pulseAudio) : kind_(kind) {}  // start() runs it
    ~SoundServer() { kill(); }

    static const char* name(ServerKind kind) { return kind == ServerKind::pulseAudio ? "PulseAudio" : "PipeWire"; }

    // With a mono null sink as the default, which suspends after a second
    // idle; false if it does not answer.
    bool start();
    void kill();
    // The processes a client's sound passes through, to stop and resume each.
    std::vector<std::string> processes() const
    {
        return kind_ == ServerKind::pulseAudio ? std::vector<std::string>{"pulseaudio"}
                                               : std::vector<std::string>{"pipewire-pulse", "pipewire"};
    }
    void signal(const std::string& process, int number) const;

    const std::string& address() const { return address_; }
    std::string pactl(const std::string& arguments) const;  // its output
    // What the server lists of the playback stream whose property has this
    // value, from its index on; empty if there is none.
    std::string sinkInput(const std::string& property, const std::string& value) const;
    // Another program playing on the server, until the server is stopped.
    void paplay(const std::string& arguments);

private:
    void run(const std::string& process, const std::string& arguments = "");

    ServerKind kind_;
    TempFolder folder_;
    std::string address_ = "unix:" + folder_.file("pulse/native");  // where both put it in their runtime folder
    std::vector<std::pair<std::string, pid_t>> pids_;               // in the order they started
};

// What the server's sink plays, as 16-bit samples at 44.1 kHz, each read
// stamped with the time it arrived.
class MonitorRecorder {
public:
    using Clock = std::chrono::steady_clock;
    static constexpr int rate = 44100;

    struct Chunk {
        Clock::time_point arrived;
        std::size_t end;  // index one past the chunk's last sample
    };

    explicit MonitorRecorder(const std::string& server);
    ~MonitorRecorder() { finish(); }

    void finish();  // ends the recording; the samples and chunks stay
    std::vector<std::int16_t> samples() const
    {
        const std::lock_guard lock(mutex_);
        return samples_;
    }
    std::vector<Chunk> chunks() const
    {
        const std::lock_guard lock(mutex_);
        return chunks_;
    }

private:
    pid_t pid_ = -1;
    std::thread reader_;
    mutable std::mutex mutex_;
    std::vector<std::int16_t> samples_;
    std::vector<Chunk> chunks_;
};

// Milliseconds of sound from the given sample on, in 10 ms windows peaking in [low, high).
struct Heard {
    int totalMs = 0;
    int longestRunMs = 0;
};
Heard hear(const std::vector<std::int16_t>& samples, int low, int high, std::size_t from = 0);

// A mono 44.1 kHz file of a steady tone, by default a wave of 16-bit samples.
void writeTone(const std::string& path, double seconds, std::int16_t amplitude,
               int format = SF_FORMAT_WAV | SF_FORMAT_PCM_16);

inline void sleepMs(int milliseconds)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}
// Polls until the condition holds or the time is up; tells which.
bool waitFor(const std::function<bool()>& condition, int milliseconds);

// Made in the folder: what a cue's path may name that would block, exhaust
// memory or loop if read naively, and files that hold no sound.
std::vector<std::string> makeHostileCuePaths(const std::string& folder);

}  // namespace spinzaro::testkit
