// The cue players side by side in one run, on a private PulseAudio and a
// private PipeWire, each with a null sink, playing one file in turns: latency
// from the call to the first sound at the sink, cues heard and samples lost.
#include "cue_candidates.h"
#include "cue_player.h"
#include "measure.h"
#include "sound_server.h"
#include "wave_file.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <map>

namespace spinzaro::bench {
namespace {

namespace fs = std::filesystem;
using testkit::MonitorRecorder;
using testkit::ServerKind;
using testkit::SoundServer;

constexpr int silence = 64;  // below this the sink is taken as silent

struct Result {
    std::vector<double> latenciesMs;  // of the cues heard
    long lostSamples = 0;             // the most any one cue lost
};

// Where the sound of each call landed in the recording.
class Recording {
public:
    explicit Recording(const MonitorRecorder& recorder) : samples_(recorder.samples()), chunks_(recorder.chunks()) {}

    // The first sound after the call, and how much of the cue's span it kept.
    void land(MonitorRecorder::Clock::time_point call, std::size_t cueSpan, Result& result) const
    {
        std::size_t at = indexAt(call - std::chrono::milliseconds(2));
        while (at < samples_.size() && std::abs(samples_[at]) < silence)
            ++at;
        if (at >= samples_.size())
            return;
        result.latenciesMs.push_back(std::chrono::duration<double, std::milli>(timeOf(at) - call).count());
        std::size_t last = at;
        const std::size_t end = std::min(samples_.size(), at + cueSpan + MonitorRecorder::rate / 4);
        for (std::size_t i = at; i < end; ++i)
            if (std::abs(samples_[i]) >= silence)
                last = i;
        result.lostSamples =
            std::max(result.lostSamples, static_cast<long>(cueSpan) - static_cast<long>(last - at + 1));
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
    const auto wave = readWave(path);
    std::size_t first = 0;
    std::size_t last = 0;
    for (std::size_t i = 0; i < wave->samples.size(); ++i)
        if (std::abs(wave->samples[i]) >= silence) {
            first = first == 0 ? i : first;
            last = i;
        }
    return last - first + 1;
}

// The candidates take turns, a second apart, so drifting load falls on all
// alike; one recorder hears them all.
std::map<std::string, Result> measureOn(SoundServer& server, const std::string& cue, int cues)
{
    CuePlayer game(server.address(), SoundIdentity{"cue_bench", "cue_bench", "spinzaro"});
    KeptOpenStream floor(server.address());
    PaplayProcess paplay(server.address());
    struct Candidate {
        const char* name;
        std::function<void(const std::string&)> play;
        std::vector<MonitorRecorder::Clock::time_point> calls;
    };
    std::vector<Candidate> candidates = {
        {"game: libpulse on its own thread", [&](const std::string& path) { game.play(path); }, {}},
        {"floor: one libpulse stream kept open, corked between cues",
         [&](const std::string& path) { floor.play(path); },
         {}},
        {"paplay, a process per cue", [&](const std::string& path) { paplay.play(path); }, {}},
    };
    MonitorRecorder recorder(server.address());
    testkit::sleepMs(500);
    for (int round = 0; round < cues; ++round)
        for (Candidate& candidate : candidates) {
            testkit::sleepMs(1000);
            candidate.calls.push_back(MonitorRecorder::Clock::now());
            candidate.play(cue);
        }
    testkit::sleepMs(1000);
    recorder.finish();
    const Recording recording(recorder);
    std::map<std::string, Result> results;
    for (const Candidate& candidate : candidates)
        for (const auto call : candidate.calls)
            recording.land(call, cueSpan(cue), results[candidate.name]);
    return results;
}

}  // namespace
}  // namespace spinzaro::bench

int main(int argc, char* argv[])
{
    using namespace spinzaro::bench;
    const int cues = argc > 1 ? std::atoi(argv[1]) : 30;
    const std::string cue = (fs::canonical("/proc/self/exe").parent_path() / "Spin.wav").string();
    std::map<std::string, std::map<ServerKind, Result>> table;
    for (const ServerKind kind : {ServerKind::pulseAudio, ServerKind::pipeWire}) {
        SoundServer server(kind);
        if (!server.start()) {
            std::fprintf(stderr, "cue_bench: could not start %s\n", SoundServer::name(kind));
            return 1;
        }
        for (auto& [name, result] : measureOn(server, cue, cues))
            table[name][kind] = result;
    }
    std::printf(
        "| player | PulseAudio median (ms) | max (ms) | heard | lost | PipeWire median (ms) | max (ms) | heard | "
        "lost |\n| --- | ---: | ---: | ---: | ---: | ---: | ---: | ---: | ---: |\n");
    for (const auto& [name, servers] : table) {
        std::printf("| %s", name.c_str());
        for (const ServerKind kind : {ServerKind::pulseAudio, ServerKind::pipeWire}) {
            const Result& result = servers.at(kind);
            std::printf(" | %.1f | %.1f | %zu of %d | %ld", percentile(result.latenciesMs, 50),
                        percentile(result.latenciesMs, 100), result.latenciesMs.size(), cues, result.lostSamples);
        }
        std::printf(" |\n");
    }
    return 0;
}
