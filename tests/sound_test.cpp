// The wave reader on the shipped cues and on hostile paths, and the cue player
// against a private sound server that is stalled, killed and started late.
#include "cue_player.h"
#include "cues.h"
#include "sound_server.h"
#include "wave_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace spinzaro {
namespace {

namespace fs = std::filesystem;
using testing::hear;
using testing::MonitorRecorder;
using testing::ServerKind;
using testing::sleepMs;
using testing::SoundServer;
using testing::waitFor;
using testing::writeTone;

struct TempFolder {
    TempFolder()
    {
        char pattern[] = "/tmp/spinzaro-cues-XXXXXX";
        path = ::mkdtemp(pattern);
    }
    ~TempFolder() { fs::remove_all(path); }
    std::string file(const char* name) const { return (path / name).string(); }
    fs::path path;
};

TEST(ReadWaveTest, TheShippedCuesAreShortMonoSixteenBitSound)
{
    for (const CueFile& cue : cueFiles) {
        const std::string path = cuePath(fs::canonical("/proc/self/exe").parent_path().string(), cue.file);
        SCOPED_TRACE(path);
        const auto wave = readWave(path);
        ASSERT_TRUE(wave.has_value());
        EXPECT_EQ(wave->sampleRate, 44100);
        EXPECT_EQ(wave->channels, 1);
        const double seconds = static_cast<double>(wave->frames()) / 44100.0;
        EXPECT_GT(seconds, 0.1);
        EXPECT_LT(seconds, 2.0);
    }
}

// Each of these would block, exhaust memory or loop if read naively; the
// test itself would then hang until ctest gives up on it.
TEST(ReadWaveTest, NothingButASmallSoundFileIsRead)
{
    const TempFolder folder;
    writeTone(folder.file("tone.wav"), 0.05, 8000);
    ASSERT_TRUE(readWave(folder.file("tone.wav")).has_value());

    for (const auto& [what, path] : testing::makeHostileCuePaths(folder.path.string()))
        EXPECT_FALSE(readWave(path).has_value()) << what;
    std::ofstream(folder.file("empty.wav")).close();
    std::ofstream(folder.file("garbage.wav")) << "RIFF\xff\xff\xff\x7fWAVEfmt no wave at all";
    const auto good = fs::file_size(folder.path / "tone.wav");
    fs::copy_file(folder.path / "tone.wav", folder.path / "truncated.wav");
    fs::resize_file(folder.path / "truncated.wav", good / 100);

    for (const char* name : {"empty.wav", "garbage.wav", "truncated.wav"})
        EXPECT_FALSE(readWave(folder.file(name)).has_value()) << name;
}

// Cues for the player: a quiet long one and a loud short one, told apart by
// their peaks in the recording.
constexpr std::int16_t quiet = 6000;
constexpr std::int16_t loud = 16000;
constexpr int quietLow = 4000;
constexpr int quietHigh = 9000;
constexpr int loudLow = 12000;

// Each story runs against a private PulseAudio and a private PipeWire;
// everything the player library might print lands in a file the test reads.
class CuePlayerTest : public ::testing::TestWithParam<ServerKind> {
protected:
    void SetUp() override
    {
        if (const std::string missing = SoundServer::missing(GetParam()); !missing.empty())
            GTEST_SKIP() << SoundServer::name(GetParam()) << " tests need a private server: " << missing;
        writeTone(folder_.file("long.wav"), 1.0, quiet);
        writeTone(folder_.file("short.wav"), 0.5, loud);
        std::fflush(stderr);
        savedError_ = ::dup(STDERR_FILENO);
        const int log = ::open(folder_.file("stderr.log").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        ::dup2(log, STDERR_FILENO);
        ::close(log);
    }

    void TearDown() override
    {
        if (savedError_ < 0)
            return;
        std::fflush(stderr);
        ::dup2(savedError_, STDERR_FILENO);
        ::close(savedError_);
        std::ifstream log(folder_.file("stderr.log"));
        const std::string printed((std::istreambuf_iterator<char>(log)), std::istreambuf_iterator<char>());
        EXPECT_EQ(printed, "") << "the sound layer printed";
    }

    // Starts the server and hears its sink from then on: one recorder for
    // each start, as a new one may wait up to two seconds for an idle
    // PulseAudio sink to deliver its first samples.
    bool start()
    {
        recorder_.reset();
        if (!server_.start())
            return false;
        recorder_.emplace(server_.address());
        return true;
    }

    // What the recorder has heard since the given sample, in the loud band.
    testing::Heard loudSince(std::size_t from) const
    {
        const std::vector<std::int16_t> samples = recorder_->samples();
        return hear({samples.begin() + static_cast<std::ptrdiff_t>(std::min(from, samples.size())), samples.end()},
                    loudLow, 32768);
    }

    // Plays the short cue, again every second until the sink has played all
    // of it or the time is up.
    bool shortCueHeardInFull(CuePlayer& player, int withinMs = 1500)
    {
        const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(withinMs);
        do {
            const std::size_t from = recorder_->samples().size();
            player.play(folder_.file("short.wav"));
            if (waitFor([&] { return loudSince(from).longestRunMs >= 480; }, 1000))
                return true;
        } while (std::chrono::steady_clock::now() < until);
        return false;
    }

    TempFolder folder_;
    SoundServer server_{GetParam()};
    std::optional<MonitorRecorder> recorder_;
    int savedError_ = -1;
};

TEST_P(CuePlayerTest, ACueSoundsInFullTheNewestCutsOffTheOneBeforeTheSameOneRestartsAndTheSinkThenRests)
{
    ASSERT_TRUE(start());
    CuePlayer player(server_.address());
    EXPECT_TRUE(shortCueHeardInFull(player));

    const std::size_t from = recorder_->samples().size();
    // The gaps are measured, not assumed: a busy machine may oversleep.
    using Clock = std::chrono::steady_clock;
    const auto msSince = [](Clock::time_point then) {
        return static_cast<int>(std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - then).count());
    };
    const Clock::time_point longAsked = Clock::now();
    player.play(folder_.file("long.wav"));
    sleepMs(300);
    const int longFor = msSince(longAsked);
    const Clock::time_point shortAsked = Clock::now();
    player.play(folder_.file("short.wav"));
    sleepMs(200);
    const int shortFor = msSince(shortAsked);
    player.play(folder_.file("short.wav"));  // from its beginning again
    waitFor([&] { return loudSince(from).longestRunMs >= shortFor + 500 - 40; }, 3000);
    sleepMs(100);  // for anything that should not be there
    const std::vector<std::int16_t> samples = recorder_->samples();
    const auto long_ = hear({samples.begin() + static_cast<std::ptrdiff_t>(from), samples.end()}, quietLow, quietHigh);
    EXPECT_GE(long_.totalMs, longFor - 60);
    EXPECT_LE(long_.totalMs, longFor + 60) << "the long cue was cut off";
    EXPECT_GE(loudSince(from).longestRunMs, shortFor + 500 - 40) << "part of it, then the whole of it again";
    EXPECT_LE(loudSince(from).totalMs, shortFor + 500 + 60);

    // Between cues the stream stays, corked, and asks nothing of the sink
    // (which a recorder of its monitor would keep awake).
    recorder_.reset();
    player.play(folder_.file("short.wav"));
    EXPECT_TRUE(waitFor([&] { return server_.sinkSuspended(); }, 10'000)) << "the idle sink suspends";
    EXPECT_EQ(server_.playbackStreams(), 1);
}

TEST_P(CuePlayerTest, SoundComesBackWhenTheServerStartsLateAndAfterItIsKilled)
{
    CuePlayer player(server_.address());  // no server yet
    player.play(folder_.file("short.wav"));
    ASSERT_TRUE(start());
    EXPECT_TRUE(shortCueHeardInFull(player)) << "after a late start";

    player.play(folder_.file("long.wav"));
    sleepMs(100);
    server_.kill();  // in the middle of a cue
    player.play(folder_.file("short.wav"));
    ASSERT_TRUE(start());
    EXPECT_TRUE(shortCueHeardInFull(player)) << "after a restart";
}

// Each of the server's processes in turn: with the front that speaks the
// protocol stopped nothing answers; with PipeWire's own stopped, its front
// answers but nothing plays.
TEST_P(CuePlayerTest, AStalledServerHoldsUpNoCallAndIsHeardAgainOnceItAnswers)
{
    ASSERT_TRUE(start());
    for (const std::string& process : server_.processes()) {
        SCOPED_TRACE(process);
        auto player = std::make_unique<CuePlayer>(server_.address());
        ASSERT_TRUE(shortCueHeardInFull(*player));
        server_.pause(process);
        // Each call only hands the path over; a generous bound, as the machine may be busy.
        const auto started = std::chrono::steady_clock::now();
        for (int cue = 0; cue < 15; ++cue) {
            player->play(folder_.file(cue % 2 == 0 ? "short.wav" : "long.wav"));
            sleepMs(100);
        }
        player->stop();
        player = std::make_unique<CuePlayer>(server_.address());  // ending a player does not wait either
        EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::milliseconds(1500 + 1000));
        server_.resume(process);
        EXPECT_TRUE(shortCueHeardInFull(*player, 2000)) << "within two seconds";
    }
}

// What lies at a cue's path may change between two cues: nothing there
// holds the player up, and the next real cue sounds.
TEST_P(CuePlayerTest, APipeAFolderOrAHugeFileAtACuePathHangsNothing)
{
    ASSERT_TRUE(start());
    CuePlayer player(server_.address());
    const std::string cue = folder_.file("cue.wav");
    fs::copy_file(folder_.file("short.wav"), cue);
    player.play(cue);
    fs::remove(cue);
    ASSERT_EQ(::mkfifo(cue.c_str(), 0600), 0);
    player.play(cue);  // no writer will ever come
    for (const auto& [what, path] : testing::makeHostileCuePaths(folder_.path.string()))
        player.play(path);
    EXPECT_TRUE(shortCueHeardInFull(player));
}

INSTANTIATE_TEST_SUITE_P(Servers, CuePlayerTest, ::testing::Values(ServerKind::pulseAudio, ServerKind::pipeWire),
                         [](const auto& kind) { return std::string(SoundServer::name(kind.param)); });

}  // namespace
}  // namespace spinzaro
