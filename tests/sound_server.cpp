// A private sound server, a recorder of its sink, and the test sounds and
// hostile cue paths that the sound tests and benchmarks play.
#include "sound_server.h"

#include <sndfile.h>

#include <array>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <numbers>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace spinzaro::testkit {
namespace {

namespace fs = std::filesystem;

// Runs a shell command in the background, its output to this pipe if given,
// and returns its id: the command's own, as the shell execs it.
pid_t spawn(const std::string& command, int output = -1)
{
    const std::string line = "exec " + command + " </dev/null 2>/dev/null" + (output < 0 ? " >/dev/null" : "");
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::dup2(output, STDOUT_FILENO);
        ::execl("/bin/sh", "sh", "-c", line.c_str(), nullptr);
        ::_exit(127);
    }
    return pid;
}

// Runs a shell command to its end and returns what it printed.
std::string outputOf(const std::string& command)
{
    std::string text;
    FILE* pipe = ::popen((command + " 2>/dev/null").c_str(), "r");
    for (int c; (c = std::fgetc(pipe)) != EOF;)
        text += static_cast<char>(c);
    ::pclose(pipe);
    return text;
}

}  // namespace

bool waitFor(const std::function<bool()>& condition, int milliseconds)
{
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    for (; !condition(); sleepMs(20))
        if (std::chrono::steady_clock::now() > until)
            return false;
    return true;
}

// Its own runtime folder, home, settings, remembered state and session bus,
// so that it neither meets nor blocks another server, nor changes what the
// user's own server remembers.
void SoundServer::run(const std::string& process, const std::string& arguments)
{
    const std::string at = folder_.path.string();
    pids_.emplace_back(process,
                       spawn("env XDG_RUNTIME_DIR=" + at + " PIPEWIRE_RUNTIME_DIR=" + at + " HOME=" + at +
                             " XDG_CONFIG_HOME=" + at + "/config XDG_STATE_HOME=" + at +
                             "/state DBUS_SESSION_BUS_ADDRESS=unix:path=" + at + "/bus " + process + " " + arguments));
}

bool SoundServer::start()
{
    kill();
    const std::string folder = folder_.path.string();
    // WirePlumber's remembered default sink would outvote a new null sink's.
    std::error_code ignored;
    for (const char* stale : {"/pulse", "/bus", "/pipewire-0", "/pipewire-0.lock", "/state"})
        fs::remove_all(folder + stale, ignored);
    fs::create_directory(folder + "/pulse");
    if (kind_ == ServerKind::pulseAudio) {
        // The volumes and mutes the mixer sets, restored per stream as a desktop's server does.
        run("pulseaudio",
            "-n --daemonize=no --use-pid-file=no --exit-idle-time=-1 --load=module-stream-restore "
            "--load='module-suspend-on-idle timeout=1' --load='module-native-protocol-unix auth-anonymous=1'");
    } else {
        // The Bluetooth monitor asks logind for the active seat, and WirePlumber
        // quits where there is none (a container, a chroot); no test needs it.
        fs::create_directories(folder + "/config/wireplumber/bluetooth.lua.d");
        std::ofstream(folder + "/config/wireplumber/bluetooth.lua.d/80-no-bluetooth.lua")
            << "bluez_monitor.enabled = false\n";
        // Each finds the one before through the bus or the runtime folder,
        // and gives up if it is not there yet.
        run("dbus-daemon", "--session --nofork --address=unix:path=" + folder + "/bus");
        waitFor([&] { return fs::exists(folder + "/bus"); }, 20'000);
        run("pipewire");
        waitFor([&] { return fs::exists(folder + "/pipewire-0"); }, 20'000);
        run("wireplumber");
        run("pipewire-pulse");
    }
    if (!waitFor([this] { return !pactl("info").empty(); }, 20'000))
        return false;
    // Mono, as every cue is. WirePlumber suspends an idle sink after this;
    // its default is 5 s.
    pactl("load-module module-null-sink sink_name=silent channels=1 "
          "sink_properties=session.suspend-timeout-seconds=1");
    pactl("set-default-sink silent");
    return waitFor([this] { return pactl("get-default-sink") == "silent\n"; }, 20'000);
}

void SoundServer::kill()
{
    // The last started first: a client dies before the server it talks to.
    for (; !pids_.empty(); pids_.pop_back()) {
        ::kill(pids_.back().second, SIGKILL);
        ::waitpid(pids_.back().second, nullptr, 0);
    }
}

void SoundServer::signal(const std::string& process, int number) const
{
    for (const auto& [name, pid] : pids_)
        if (name == process)
            ::kill(pid, number);
}

std::string SoundServer::pactl(const std::string& arguments) const
{
    return outputOf("timeout 5 pactl --server=" + address_ + " " + arguments);
}

std::string SoundServer::sinkInput(const std::string& property, const std::string& value) const
{
    const std::string list = pactl("list sink-inputs");
    const std::string wanted = "\t" + property + " = \"" + value + "\"\n";
    for (std::size_t at = 0; (at = list.find("Sink Input #", at)) != std::string::npos;) {
        at += std::strlen("Sink Input #");
        const std::string input = list.substr(at, list.find("Sink Input #", at) - at);
        if (input.find(wanted) != std::string::npos)
            return input;
    }
    return {};
}

void SoundServer::paplay(const std::string& arguments)
{
    run("paplay", "--server=" + address_ + " " + arguments);
}

MonitorRecorder::MonitorRecorder(const std::string& server)
{
    int output[2];
    if (::pipe2(output, O_CLOEXEC) != 0)
        return;
    pid_ = spawn("pacat --record --server=" + server + " --device=@DEFAULT_MONITOR@ --channels=1 --rate=" +
                     std::to_string(rate) + " --format=s16ne --latency-msec=2",
                 output[1]);
    ::close(output[1]);
    reader_ = std::thread([this, from = output[0]] {
        std::array<char, 4096> buffer{};
        std::size_t kept = 0;  // bytes of a sample split between two reads
        for (ssize_t got; (got = ::read(from, buffer.data() + kept, buffer.size() - kept)) > 0;) {
            const std::size_t bytes = (kept + static_cast<std::size_t>(got)) / 2 * 2;
            const std::lock_guard lock(mutex_);
            const std::size_t at = samples_.size();
            samples_.resize(at + bytes / 2);
            std::memcpy(samples_.data() + at, buffer.data(), bytes);
            chunks_.push_back({Clock::now(), samples_.size()});
            kept = kept + static_cast<std::size_t>(got) - bytes;
            std::memmove(buffer.data(), buffer.data() + bytes, kept);
        }
        ::close(from);
    });
    // An idle null sink may render in blocks of up to two seconds until the
    // recorder's own low latency takes hold: recording starts once it has.
    waitFor([this] { return chunks().size() >= 2; }, 5000);
}

void MonitorRecorder::finish()
{
    if (pid_ > 0) {
        ::kill(pid_, SIGTERM);
        ::waitpid(pid_, nullptr, 0);
        pid_ = -1;
    }
    if (reader_.joinable())
        reader_.join();
}

Heard hear(const std::vector<std::int16_t>& samples, int low, int high, std::size_t from)
{
    constexpr std::size_t window = MonitorRecorder::rate / 100;
    Heard heard;
    int run = 0;
    for (std::size_t at = from; at + window <= samples.size(); at += window) {
        int peak = 0;
        for (std::size_t i = at; i < at + window; ++i)
            peak = std::max(peak, std::abs(static_cast<int>(samples[i])));
        run = peak >= low && peak < high ? run + 10 : 0;
        heard.totalMs += run > 0 ? 10 : 0;
        heard.longestRunMs = std::max(heard.longestRunMs, run);
    }
    return heard;
}

void writeTone(const std::string& path, double seconds, std::int16_t amplitude, int format)
{
    SF_INFO info{0, MonitorRecorder::rate, 1, format, 0, 0};
    std::vector<std::int16_t> samples(static_cast<std::size_t>(seconds * MonitorRecorder::rate));
    for (std::size_t i = 0; i < samples.size(); ++i)
        samples[i] = static_cast<std::int16_t>(
            amplitude * std::sin(2 * std::numbers::pi * 440.0 * static_cast<double>(i) / MonitorRecorder::rate));
    SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
    sf_write_short(file, samples.data(), static_cast<sf_count_t>(samples.size()));
    sf_close(file);
}

std::vector<std::string> makeHostileCuePaths(const std::string& folder)
{
    const fs::path at(folder);
    ::mkfifo((at / "pipe.wav").c_str(), 0600);
    fs::create_directory(at / "folder.wav");
    fs::create_symlink("loop_b.wav", at / "loop_a.wav");
    fs::create_symlink("loop_a.wav", at / "loop_b.wav");
    fs::create_symlink("/dev/zero", at / "device.wav");
    std::ofstream(at / "huge.wav").close();
    fs::resize_file(at / "huge.wav", std::uintmax_t{4} << 30);  // sparse: costs no disk
    std::ofstream(at / "empty.wav").close();
    std::ofstream(at / "garbage.wav") << "RIFF\xff\xff\xff\x7fWAVEfmt no wave at all";
    writeTone((at / "truncated.wav").string(), 0.05, 8000);
    fs::resize_file(at / "truncated.wav", fs::file_size(at / "truncated.wav") / 100);  // its header only
    std::vector<std::string> paths;
    for (const char* name : {"missing.wav", "pipe.wav", "folder.wav", "loop_a.wav", "device.wav", "huge.wav",
                             "empty.wav", "garbage.wav", "truncated.wav"})
        paths.push_back((at / name).string());
    return paths;
}

}  // namespace spinzaro::testkit
