// A private sound server with a silent sink, to be stopped, killed and
// started again at will, and a recorder that hears what its sink plays.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <mutex>
#include <ostream>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include <sys/types.h>

namespace spinzaro::testing {

// Which server answers the PulseAudio protocol: PulseAudio itself, or
// PipeWire with its pipewire-pulse front and WirePlumber, as most desktops run.
enum class ServerKind { pulseAudio, pipeWire };

class SoundServer {
public:
    // A folder and an address only; start() runs the server.
    explicit SoundServer(ServerKind kind = ServerKind::pulseAudio);
    ~SoundServer();
    SoundServer(const SoundServer&) = delete;
    SoundServer& operator=(const SoundServer&) = delete;

    // Empty when the server and its tools are on the PATH, else what is missing.
    static std::string missing(ServerKind kind);
    static const char* name(ServerKind kind);

    // Starts the server with a null sink that suspends after a second idle,
    // and waits until it answers; false if it did not.
    bool start();
    void kill();
    // The server's processes that a client's sound passes through:
    // pulseaudio, or pipewire-pulse and pipewire.
    std::vector<std::string> processes() const;
    void pause(const std::string& process);   // SIGSTOP: it holds every answer
    void resume(const std::string& process);  // SIGCONT

    const std::string& address() const { return address_; }
    int playbackStreams() const;  // as the server's own tool lists them
    bool sinkSuspended() const;

private:
    bool answers() const;
    std::string pactl(const std::vector<std::string>& arguments) const;
    pid_t run(const std::string& process, const std::vector<std::string>& arguments);

    ServerKind kind_;
    std::string folder_;
    std::string address_;
    std::vector<std::pair<std::string, pid_t>> pids_;  // in the order they started
};

// What the server's sink plays, as mono 16-bit samples at 44.1 kHz (each
// frame's louder channel), each read stamped with the time it arrived.
class MonitorRecorder {
public:
    using Clock = std::chrono::steady_clock;
    static constexpr int rate = 44100;

    struct Chunk {
        Clock::time_point arrived;
        std::size_t end;  // index one past the chunk's last sample
    };

    explicit MonitorRecorder(const std::string& server);
    ~MonitorRecorder();
    MonitorRecorder(const MonitorRecorder&) = delete;
    MonitorRecorder& operator=(const MonitorRecorder&) = delete;

    // Ends the recording; the samples and chunks stay to be read.
    void finish();
    std::vector<std::int16_t> samples() const;
    std::vector<Chunk> chunks() const;

private:
    void readAll(int descriptor);

    pid_t pid_ = -1;
    int input_ = -1;
    std::thread reader_;
    mutable std::mutex mutex_;
    std::vector<std::int16_t> samples_;
    std::vector<Chunk> chunks_;
};

// Milliseconds of sound in 10 ms windows whose peak lies in [low, high).
struct Heard {
    int totalMs = 0;
    int longestRunMs = 0;
};
Heard hear(const std::vector<std::int16_t>& samples, int low, int high);

// A mono 16-bit 44.1 kHz wave file of a steady tone.
void writeTone(const std::string& path, double seconds, std::int16_t amplitude);

// Names the server in a test's parameter, as GoogleTest prints it.
inline void PrintTo(ServerKind kind, std::ostream* out)
{
    *out << SoundServer::name(kind);
}

// Runs a command with its output thrown away (or piped to *output), and
// returns its process id. Its input is a pipe held open by *input, if given:
// pacat stops recording at the end of its input.
pid_t spawn(const std::vector<std::string>& arguments, int* output = nullptr, int* input = nullptr);

void sleepMs(int milliseconds);
// Polls until the condition holds or the time is up; tells which.
bool waitFor(const std::function<bool()>& condition, int milliseconds);

// Things a cue's path may name that would block, exhaust memory or loop if
// read naively, made in the folder: a pipe with no writer, a folder, a
// symlink loop, a device and a sparse 4 GiB file; with a missing name. Each
// as {what it is, path}.
std::vector<std::pair<std::string, std::string>> makeHostileCuePaths(const std::string& folder);

}  // namespace spinzaro::testing
