// The cue players side by side in one run, on one private sound server with a
// silent sink and one file: latency from the call to the first sound at the
// sink, samples lost, CPU per reel round, and what the call costs the event thread.
#include "cue_candidates.h"
#include "form1.h"
#include "losing_draws.h"
#include "measure.h"
#include "sound_server.h"
#include "wave_file.h"

#include <QApplication>
#include <QEventLoop>
#include <QPushButton>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <map>

#include <sys/resource.h>

namespace spinzaro::bench {
namespace {

namespace fs = std::filesystem;
using testing::MonitorRecorder;
using testing::SoundServer;

constexpr int silence = 64;  // below this the sink is taken as silent

void runEvents(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

double processCpuMs()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto ms = [](const timeval& time) {
        return static_cast<double>(time.tv_sec) * 1e3 + static_cast<double>(time.tv_usec) / 1e3;
    };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

// Where the sound of one call landed in the recording.
struct Landing {
    double latencyMs = -1;  // -1: never heard
    long lostSamples = 0;
};

class Recording {
public:
    explicit Recording(const MonitorRecorder& recorder) : samples_(recorder.samples()), chunks_(recorder.chunks()) {}

    // The first sound after the call, and how much of the cue's span it kept.
    Landing landing(MonitorRecorder::Clock::time_point call, std::size_t cueSpan) const
    {
        std::size_t at = indexAt(call - std::chrono::milliseconds(2));
        while (at < samples_.size() && std::abs(samples_[at]) < silence)
            ++at;
        if (at >= samples_.size())
            return {};
        const double latency = std::chrono::duration<double, std::milli>(timeOf(at) - call).count();
        std::size_t last = at;
        const std::size_t end = std::min(samples_.size(), at + cueSpan + MonitorRecorder::rate / 4);
        for (std::size_t i = at; i < end; ++i)
            if (std::abs(samples_[i]) >= silence)
                last = i;
        return {latency, std::max(0L, static_cast<long>(cueSpan) - static_cast<long>(last - at + 1))};
    }

private:
    MonitorRecorder::Clock::time_point timeOf(std::size_t index) const
    {
        const auto chunk = std::upper_bound(chunks_.begin(), chunks_.end(), index,
                                            [](std::size_t i, const MonitorRecorder::Chunk& c) { return i < c.end; });
        const auto back =
            std::chrono::duration<double>(static_cast<double>(chunk->end - 1 - index) / MonitorRecorder::rate);
        return chunk->arrived - std::chrono::duration_cast<MonitorRecorder::Clock::duration>(back);
    }

    std::size_t indexAt(MonitorRecorder::Clock::time_point time) const
    {
        for (const auto& chunk : chunks_)
            if (chunk.arrived >= time)
                return chunk.end;  // a little late at worst: calls fall in silence
        return samples_.size();
    }

    std::vector<std::int16_t> samples_;
    std::vector<MonitorRecorder::Chunk> chunks_;
};

std::size_t cueSpan(const std::string& path)
{
    const auto wave = spinzaro::readWave(path);
    std::size_t first = 0;
    std::size_t last = 0;
    for (std::size_t i = 0; i < wave->samples.size(); ++i)
        if (std::abs(wave->samples[i]) >= silence) {
            first = first == 0 ? i : first;
            last = i;
        }
    return last - first + 1;
}

// The game window's controls with its cues sent to a candidate, or nowhere.
class BenchControls : public WindowControls {
public:
    explicit BenchControls(CueCandidate* candidate) : candidate_(candidate) {}
    void playWave(const std::string& path) override
    {
        if (candidate_ != nullptr)
            candidate_->play(path);
    }

private:
    CueCandidate* candidate_;
};

double cpuPerRoundMs(CueCandidate* candidate, int rounds)
{
    Form1 window(std::make_unique<LosingDraws>(), std::make_unique<BenchControls>(candidate));
    auto* spin = window.findChild<QPushButton*>(QStringLiteral("cmdSpin"));
    runEvents(300);
    const double before = processCpuMs();
    for (int round = 0; round < rounds; ++round) {
        spin->click();
        while (window.machine().reelsTurning())
            runEvents(5);
        runEvents(100);  // the player's thread settles what the cue set going
    }
    return (processCpuMs() - before) / rounds;
}

// Median and maximum of the calls for each path, and the path of the slowest.
std::string callCost(CueCandidate& candidate, const std::vector<std::pair<std::string, std::string>>& paths, int calls)
{
    std::vector<double> all;
    std::string worst;
    double worstUs = -1;
    for (const auto& [label, path] : paths)
        for (int call = 0; call < calls; ++call) {
            const std::int64_t start = monotonicNs();
            candidate.play(path);
            const double us = static_cast<double>(monotonicNs() - start) / 1e3;
            all.push_back(us);
            if (us > worstUs) {
                worstUs = us;
                worst = label;
            }
            runEvents(20);
        }
    char text[160];
    std::snprintf(text, sizeof text, "%.0f | %.0f (%s)", median(all), percentile(all, 100), worst.c_str());
    return text;
}

using Makers = std::vector<std::function<std::unique_ptr<CueCandidate>()>>;

// Latency: the candidates take turns, a second apart, so drifting load falls
// on all alike; one recorder hears them all.
void latencyTable(const Makers& makers, const std::string& server, const std::string& cue, int cues)
{
    std::vector<std::unique_ptr<CueCandidate>> candidates;
    for (const auto& make : makers)
        if (auto candidate = make())
            candidates.push_back(std::move(candidate));
    std::map<CueCandidate*, std::vector<MonitorRecorder::Clock::time_point>> calls;
    MonitorRecorder recorder(server);
    runEvents(500);
    for (int round = 0; round < cues; ++round)
        for (auto& candidate : candidates) {
            runEvents(1000);
            calls[candidate.get()].push_back(MonitorRecorder::Clock::now());
            candidate->play(cue);
        }
    runEvents(1000);
    recorder.finish();
    const Recording recording(recorder);
    std::printf("| player | latency median (ms) | latency max (ms) | cues heard | samples lost (max) |\n");
    std::printf("| --- | ---: | ---: | ---: | ---: |\n");
    for (auto& candidate : candidates) {
        std::vector<double> latencies;
        long lost = 0;
        for (const auto call : calls[candidate.get()]) {
            const Landing landing = recording.landing(call, cueSpan(cue));
            if (landing.latencyMs >= 0)
                latencies.push_back(landing.latencyMs);
            lost = std::max(lost, landing.lostSamples);
        }
        std::printf("| %s | %.1f | %.1f | %zu of %d | %ld |\n", candidate->name(), median(latencies),
                    percentile(latencies, 100), latencies.size(), cues, lost);
    }
}

// CPU per round and the cost of a call, each candidate alone.
void costTable(const Makers& makers, SoundServer& server, const std::string& cue, int rounds)
{
    std::printf(
        "\n| player | client CPU per reel round (ms) | cue call median (µs) | cue call max (µs), worst path |\n");
    std::printf("| --- | ---: | ---: | ---: |\n");
    std::printf("| no sound at all | %.2f | — | — |\n", cpuPerRoundMs(nullptr, rounds));
    const fs::path folder = fs::temp_directory_path() / ("spinzaro-bench-" + std::to_string(::getpid()));
    fs::create_directories(folder);
    auto paths = testing::makeHostileCuePaths(folder.string());
    paths.insert(paths.begin(), {"Spin.wav", cue});
    for (const auto& make : makers) {
        const auto candidate = make();
        if (!candidate)
            continue;
        const double cpu = cpuPerRoundMs(candidate.get(), rounds);
        std::printf("| %s | %.2f | %s |\n", candidate->name(), cpu, callCost(*candidate, paths, 20).c_str());
    }
    const auto game = makers.front()();
    runEvents(300);
    server.pause();
    std::printf("| game, sound server stopped (SIGSTOP) | — | %s |\n",
                callCost(*game, {{"Spin.wav", cue}}, 50).c_str());
    server.resume();
    fs::remove_all(folder);
}

}  // namespace
}  // namespace spinzaro::bench

int main(int argc, char* argv[])
{
    using namespace spinzaro::bench;
    const int cues = argc > 1 ? std::atoi(argv[1]) : 30;
    const int rounds = argc > 2 ? std::atoi(argv[2]) : 40;
    SoundServer server;
    if (!SoundServer::installed() || !server.start()) {
        std::fprintf(stderr, "cue_bench: could not start a PulseAudio server\n");
        return 1;
    }
    ::setenv("PULSE_SERVER", server.address().c_str(), 1);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const std::string cue = (fs::path(QCoreApplication::applicationDirPath().toStdString()) / "Spin.wav").string();
    // Made afresh for each part, so that no other player's thread runs meanwhile.
    const Makers makers = {
        [&server] { return gameCuePlayer(server.address()); },
        [] { return qtMultimediaPlayer(); },
        [&server] { return paplayProcess(server.address()); },
        [] { return sdlQueuePlayer(); },
    };
    latencyTable(makers, server.address(), cue, cues);
    costTable(makers, server, cue, rounds);
    return 0;
}
