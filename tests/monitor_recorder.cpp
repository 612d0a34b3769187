// A recorder of a sound server's sink, and the test sounds and hostile cue
// paths that the sound tests and benchmarks play.
#include "sound_server.h"

#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <numbers>

#include <csignal>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace spinzaro::testing {

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
