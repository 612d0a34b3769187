// A private sound server and a recorder of its sink, for sound tests and benchmarks.
#include "sound_server.h"

#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <numbers>

#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace spinzaro::testing {
namespace {

// Runs a command with its output thrown away (or piped to *output), and
// returns its process id. Its input is a pipe held open by *input, if given:
// pacat stops recording at the end of its input.
pid_t spawn(const std::vector<std::string>& arguments, int* output = nullptr, int* input = nullptr)
{
    int pipeEnds[2] = {-1, -1};
    int inputEnds[2] = {-1, -1};
    if (output != nullptr && ::pipe2(pipeEnds, O_CLOEXEC) != 0)
        return -1;
    if (input != nullptr && ::pipe2(inputEnds, O_CLOEXEC) != 0)
        return -1;
    const pid_t pid = ::fork();
    if (pid == 0) {
        const int quiet = ::open("/dev/null", O_RDWR);
        ::dup2(input != nullptr ? inputEnds[0] : quiet, STDIN_FILENO);
        ::dup2(output != nullptr ? pipeEnds[1] : quiet, STDOUT_FILENO);
        ::dup2(quiet, STDERR_FILENO);
        std::vector<char*> argv;
        for (const std::string& argument : arguments)
            argv.push_back(const_cast<char*>(argument.c_str()));
        argv.push_back(nullptr);
        ::execvp(argv[0], argv.data());
        ::_exit(127);
    }
    if (output != nullptr) {
        ::close(pipeEnds[1]);
        *output = pipeEnds[0];
    }
    if (input != nullptr) {
        ::close(inputEnds[0]);
        *input = inputEnds[1];
    }
    return pid;
}

int runToEnd(const std::vector<std::string>& arguments)
{
    const pid_t pid = spawn(arguments);
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace

void sleepMs(int milliseconds)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

bool waitFor(const std::function<bool()>& condition, int milliseconds)
{
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    while (!condition()) {
        if (std::chrono::steady_clock::now() > until)
            return false;
        sleepMs(20);
    }
    return true;
}

SoundServer::SoundServer(ServerKind kind) : kind_(kind)
{
    char pattern[] = "/tmp/spinzaro-sound-XXXXXX";
    folder_ = ::mkdtemp(pattern);
    address_ = "unix:" + folder_ + "/pulse/native";
}

SoundServer::~SoundServer()
{
    kill();
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
}

const char* SoundServer::name(ServerKind kind)
{
    return kind == ServerKind::pulseAudio ? "PulseAudio" : "PipeWire";
}

std::string SoundServer::missing(ServerKind kind)
{
    const std::vector<std::string> tools =
        kind == ServerKind::pulseAudio
            ? std::vector<std::string>{"pulseaudio", "pactl", "pacat"}
            : std::vector<std::string>{"pipewire", "pipewire-pulse", "wireplumber", "dbus-daemon", "pactl", "pacat"};
    std::string absent;
    for (const std::string& tool : tools)
        if (runToEnd({"sh", "-c", "command -v " + tool}) != 0)
            absent += (absent.empty() ? "" : ", ") + tool;
    return absent.empty() ? "" : absent + " not installed";
}

pid_t SoundServer::run(const std::string& process, const std::vector<std::string>& arguments)
{
    // Its own runtime folder, home and session bus, so it neither meets nor
    // blocks another server.
    std::vector<std::string> command = {"env", "XDG_RUNTIME_DIR=" + folder_, "PIPEWIRE_RUNTIME_DIR=" + folder_,
                                        "HOME=" + folder_, "DBUS_SESSION_BUS_ADDRESS=unix:path=" + folder_ + "/bus"};
    command.insert(command.end(), arguments.begin(), arguments.end());
    const pid_t pid = spawn(command);
    pids_.emplace_back(process, pid);
    return pid;
}

bool SoundServer::start()
{
    kill();
    std::error_code ignored;
    std::filesystem::remove_all(folder_ + "/pulse", ignored);
    std::filesystem::create_directory(folder_ + "/pulse");
    if (kind_ == ServerKind::pulseAudio) {
        run("pulseaudio", {"pulseaudio", "-n", "--daemonize=no", "--use-pid-file=no", "--exit-idle-time=-1",
                           "--load=module-null-sink", "--load=module-suspend-on-idle timeout=1",
                           "--load=module-native-protocol-unix auth-anonymous=1 socket=" + folder_ + "/pulse/native"});
    } else {
        // WirePlumber's remembered default sink, too, would outvote the new
        // null sink's on a restart.
        for (const char* stale : {"/bus", "/pipewire-0", "/pipewire-0.lock", "/.local"})
            std::filesystem::remove_all(folder_ + stale, ignored);
        // Each finds the one before through the runtime folder and the bus,
        // and gives up if it is not there yet.
        const auto listening = [this](const char* socket) {
            return waitFor([&] { return std::filesystem::exists(folder_ + socket); }, 20'000);
        };
        run("dbus-daemon", {"dbus-daemon", "--session", "--nofork", "--address=unix:path=" + folder_ + "/bus"});
        listening("/bus");
        run("pipewire", {"pipewire"});
        listening("/pipewire-0");
        run("wireplumber", {"wireplumber"});
        run("pipewire-pulse", {"pipewire-pulse"});
    }
    if (!waitFor([this] { return answers(); }, 20'000))
        return false;
    if (kind_ == ServerKind::pipeWire) {
        // WirePlumber suspends an idle sink after this; its default is 5 s.
        pactl({"load-module", "module-null-sink", "sink_name=silent",
               "sink_properties=session.suspend-timeout-seconds=1"});
        pactl({"set-default-sink", "silent"});
        return waitFor([this] { return pactl({"get-default-sink"}) == "silent\n"; }, 20'000);
    }
    return true;
}

void SoundServer::kill()
{
    // The last started first: a client dies before the server it talks to.
    for (auto process = pids_.rbegin(); process != pids_.rend(); ++process) {
        ::kill(process->second, SIGKILL);
        ::waitpid(process->second, nullptr, 0);
    }
    pids_.clear();
}

std::vector<std::string> SoundServer::processes() const
{
    if (kind_ == ServerKind::pulseAudio)
        return {"pulseaudio"};
    return {"pipewire-pulse", "pipewire"};
}

void SoundServer::pause(const std::string& process)
{
    for (const auto& [name, pid] : pids_)
        if (name == process)
            ::kill(pid, SIGSTOP);
}

void SoundServer::resume(const std::string& process)
{
    for (const auto& [name, pid] : pids_)
        if (name == process)
            ::kill(pid, SIGCONT);
}

std::string SoundServer::pactl(const std::vector<std::string>& arguments) const
{
    std::vector<std::string> command = {"timeout", "5", "pactl", "--server=" + address_};
    command.insert(command.end(), arguments.begin(), arguments.end());
    int output = -1;
    const pid_t pid = spawn(command, &output);
    std::string text;
    char buffer[4096];
    for (ssize_t got; (got = ::read(output, buffer, sizeof buffer)) > 0;)
        text.append(buffer, static_cast<std::size_t>(got));
    ::close(output);
    ::waitpid(pid, nullptr, 0);
    return text;
}

bool SoundServer::answers() const
{
    return runToEnd({"timeout", "5", "pactl", "--server=" + address_, "info"}) == 0;
}

int SoundServer::playbackStreams() const
{
    const std::string listed = pactl({"list", "short", "sink-inputs"});
    return static_cast<int>(std::count(listed.begin(), listed.end(), '\n'));
}

bool SoundServer::sinkSuspended() const
{
    return pactl({"list", "short", "sinks"}).find("SUSPENDED") != std::string::npos;
}

MonitorRecorder::MonitorRecorder(const std::string& server)
{
    int output = -1;
    pid_ = spawn({"pacat", "--record", "--server=" + server, "--device=@DEFAULT_MONITOR@", "--channels=2",
                  "--rate=" + std::to_string(rate), "--format=s16ne", "--latency-msec=2"},
                 &output, &input_);
    reader_ = std::thread([this, output] { readAll(output); });
    // An idle null sink may render in blocks of up to two seconds until the
    // recorder's own low latency takes hold: recording starts once it has.
    waitFor([this] { return chunks().size() >= 2; }, 5000);
}

MonitorRecorder::~MonitorRecorder()
{
    finish();
}

void MonitorRecorder::finish()
{
    if (pid_ > 0) {
        ::kill(pid_, SIGTERM);
        ::waitpid(pid_, nullptr, 0);
        ::close(input_);
        pid_ = -1;
    }
    if (reader_.joinable())
        reader_.join();
}

// Stereo in, the louder channel of each frame out: a mono recording of a
// stereo sink mixes both channels, which PipeWire does 3 dB louder.
void MonitorRecorder::readAll(int descriptor)
{
    std::vector<char> pending;
    char buffer[4096];
    for (ssize_t got; (got = ::read(descriptor, buffer, sizeof buffer)) > 0;) {
        const Clock::time_point arrived = Clock::now();
        pending.insert(pending.end(), buffer, buffer + got);
        const std::size_t frames = pending.size() / 4;
        std::vector<std::int16_t> stereo(frames * 2);
        std::copy_n(pending.data(), frames * 4, reinterpret_cast<char*>(stereo.data()));
        pending.erase(pending.begin(), pending.begin() + static_cast<std::ptrdiff_t>(frames * 4));
        const std::lock_guard lock(mutex_);
        for (std::size_t frame = 0; frame < frames; ++frame) {
            const std::int16_t left = stereo[2 * frame];
            const std::int16_t right = stereo[2 * frame + 1];
            samples_.push_back(std::abs(left) >= std::abs(right) ? left : right);
        }
        chunks_.push_back({arrived, samples_.size()});
    }
    ::close(descriptor);
}

std::vector<std::int16_t> MonitorRecorder::samples() const
{
    const std::lock_guard lock(mutex_);
    return samples_;
}

std::vector<MonitorRecorder::Chunk> MonitorRecorder::chunks() const
{
    const std::lock_guard lock(mutex_);
    return chunks_;
}

Heard hear(const std::vector<std::int16_t>& samples, int low, int high)
{
    constexpr std::size_t window = MonitorRecorder::rate / 100;
    Heard heard;
    int run = 0;
    for (std::size_t at = 0; at + window <= samples.size(); at += window) {
        int peak = 0;
        for (std::size_t i = at; i < at + window; ++i)
            peak = std::max(peak, std::abs(static_cast<int>(samples[i])));
        if (peak >= low && peak < high) {
            heard.totalMs += 10;
            run += 10;
            heard.longestRunMs = std::max(heard.longestRunMs, run);
        } else {
            run = 0;
        }
    }
    return heard;
}

std::vector<std::pair<std::string, std::string>> makeHostileCuePaths(const std::string& folder)
{
    const std::filesystem::path at(folder);
    ::mkfifo((at / "pipe.wav").c_str(), 0600);
    std::filesystem::create_directory(at / "folder.wav");
    std::filesystem::create_symlink("loop_b.wav", at / "loop_a.wav");
    std::filesystem::create_symlink("loop_a.wav", at / "loop_b.wav");
    std::filesystem::create_symlink("/dev/zero", at / "device.wav");
    std::ofstream(at / "huge.wav").close();
    std::filesystem::resize_file(at / "huge.wav", std::uintmax_t{4} << 30);  // sparse: costs no disk
    return {{"missing", (at / "missing.wav").string()},  {"pipe", (at / "pipe.wav").string()},
            {"folder", (at / "folder.wav").string()},    {"symlink loop", (at / "loop_a.wav").string()},
            {"/dev/zero", (at / "device.wav").string()}, {"4 GiB file", (at / "huge.wav").string()}};
}

void writeTone(const std::string& path, double seconds, std::int16_t amplitude)
{
    SF_INFO info{};
    info.samplerate = MonitorRecorder::rate;
    info.channels = 1;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    std::vector<std::int16_t> samples(static_cast<std::size_t>(seconds * MonitorRecorder::rate));
    for (std::size_t i = 0; i < samples.size(); ++i)
        samples[i] = static_cast<std::int16_t>(
            amplitude * std::sin(2 * std::numbers::pi * 440.0 * static_cast<double>(i) / MonitorRecorder::rate));
    SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
    sf_write_short(file, samples.data(), static_cast<sf_count_t>(samples.size()));
    sf_close(file);
}

}  // namespace spinzaro::testing
