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

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace spinzaro {
namespace {

namespace fs = std::filesystem;
using testing::hear;
using testing::MonitorRecorder;
using testing::sleepMs;
using testing::SoundServer;
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

// Everything the player library might print lands in a file the test reads.
class CuePlayerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!SoundServer::installed())
            GTEST_SKIP() << "pulseaudio, pactl and pacat are needed for the sound server tests";
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

    // Plays the short cue and tells whether the sink played all of it.
    bool shortCueHeardInFull(CuePlayer& player)
    {
        MonitorRecorder recorder(server_.address());
        player.play(folder_.file("short.wav"));
        sleepMs(1000);
        recorder.finish();
        return hear(recorder.samples(), loudLow, 32768).longestRunMs >= 480;
    }

    TempFolder folder_;
    SoundServer server_;
    int savedError_ = -1;
};

TEST_F(CuePlayerTest, ACueSoundsInFullTheNewestCutsOffTheOneBeforeAndTheSameOneRestarts)
{
    ASSERT_TRUE(server_.start());
    CuePlayer player(server_.address());
    EXPECT_TRUE(shortCueHeardInFull(player));
    EXPECT_EQ(server_.playbackStreams(), 0) << "a played cue frees its stream";

    MonitorRecorder recorder(server_.address());
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
    // Cut off on the server: one stream left. (What the sink had already
    // drawn ahead of time may still reach the recording.)
    sleepMs(100);
    EXPECT_EQ(server_.playbackStreams(), 1);
    sleepMs(std::max(0, 200 - msSince(shortAsked)));
    const int shortFor = msSince(shortAsked);
    player.play(folder_.file("short.wav"));  // from its beginning again
    sleepMs(1000);
    recorder.finish();
    const auto long_ = hear(recorder.samples(), quietLow, quietHigh);
    const auto short_ = hear(recorder.samples(), loudLow, 32768);
    EXPECT_GE(long_.totalMs, longFor - 60);
    EXPECT_GE(short_.longestRunMs, shortFor + 500 - 40) << "part of it, then the whole of it again";
    EXPECT_LE(short_.totalMs, shortFor + 500 + 60);
}

TEST_F(CuePlayerTest, SoundComesBackWhenTheServerStartsLateAndAfterItIsKilled)
{
    CuePlayer player(server_.address());  // no server yet
    player.play(folder_.file("short.wav"));
    ASSERT_TRUE(server_.start());
    sleepMs(2000);
    EXPECT_TRUE(shortCueHeardInFull(player)) << "after a late start";

    player.play(folder_.file("long.wav"));
    sleepMs(100);
    server_.kill();  // in the middle of a cue
    player.play(folder_.file("short.wav"));
    ASSERT_TRUE(server_.start());
    sleepMs(2000);
    EXPECT_TRUE(shortCueHeardInFull(player)) << "after a restart";
}

TEST_F(CuePlayerTest, AStalledServerHoldsUpNoCallAndIsHeardAgainOnceItAnswers)
{
    ASSERT_TRUE(server_.start());
    auto player = std::make_unique<CuePlayer>(server_.address());
    ASSERT_TRUE(shortCueHeardInFull(*player));
    server_.pause();
    // Each call only hands the path over; a generous bound, as the machine may be busy.
    const auto started = std::chrono::steady_clock::now();
    for (int cue = 0; cue < 20; ++cue) {
        player->play(folder_.file(cue % 2 == 0 ? "short.wav" : "long.wav"));
        sleepMs(100);
    }
    player->stop();
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::milliseconds(2000 + 1000));
    player = std::make_unique<CuePlayer>(server_.address());  // ending a player does not wait either
    server_.resume();
    sleepMs(2000);
    EXPECT_TRUE(shortCueHeardInFull(*player));
}

TEST_F(CuePlayerTest, APipeSwappedInForACueHangsNothing)
{
    ASSERT_TRUE(server_.start());
    CuePlayer player(server_.address());
    const std::string cue = folder_.file("cue.wav");
    fs::copy_file(folder_.file("short.wav"), cue);
    player.play(cue);
    fs::remove(cue);
    ASSERT_EQ(::mkfifo(cue.c_str(), 0600), 0);
    player.play(cue);  // no writer will ever come
    sleepMs(100);
    fs::remove(cue);
    fs::rename(folder_.file("short.wav"), cue);
    MonitorRecorder recorder(server_.address());
    player.play(cue);
    sleepMs(1000);
    recorder.finish();
    EXPECT_GE(hear(recorder.samples(), loudLow, 32768).longestRunMs, 480);
}

}  // namespace
}  // namespace spinzaro
