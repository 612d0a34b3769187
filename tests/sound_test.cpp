// The wave reader on the shipped cues and on hostile paths, and the cue player
// and the real window against a private sound server that is stalled, killed
// and started late.
#include "cue_player.h"
#include "cues.h"
#include "identity.h"
#include "sound_server.h"
#include "wave_file.h"
#include "window_fixture.h"

#include <QElapsedTimer>

#include <algorithm>
#include <csignal>
#include <fstream>
#include <memory>
#include <optional>

namespace spinzaro {
namespace {

namespace fs = std::filesystem;
using namespace testkit;

// A hostile path read naively would hang the test until ctest gives up on it.
TEST(ReadWaveTest, ReadsTheShippedCuesAndNothingButASmallSoundFile)
{
    for (const CueFile& cue : cueFiles) {
        const std::string path = cuePath(fs::canonical("/proc/self/exe").parent_path().string(), cue.file);
        const auto wave = readWave(path);
        ASSERT_TRUE(wave.has_value()) << path;
        EXPECT_EQ(wave->sampleRate, 44100) << path;
        EXPECT_EQ(wave->channels, 1) << path;
        EXPECT_GT(wave->frames(), 44100u / 10) << path;
        EXPECT_LT(wave->frames(), 2u * 44100) << path;
    }

    const TempFolder folder;
    for (const std::string& path : makeHostileCuePaths(folder.path.string()))
        EXPECT_FALSE(readWave(path).has_value()) << path;
}

// Cues for the player: a quiet long one and a loud short one, told apart by
// their peaks in the recording.
constexpr std::int16_t quiet = 6000, loud = 16000;
constexpr int quietLow = 4000, quietHigh = 9000, loudLow = 12000;

// Runs against a private PulseAudio and a private PipeWire; whatever the
// player's libraries might print is caught.
class CuePlayerTest : public ::testing::TestWithParam<ServerKind> {
protected:
    void SetUp() override
    {
        ::testing::internal::CaptureStderr();
        if (const std::string missing = SoundServer::missing(GetParam()); !missing.empty())
            GTEST_SKIP() << SoundServer::name(GetParam()) << " tests need a private server: " << missing;
        writeTone(folder_.file("long.wav"), 1.0, quiet);
        writeTone(folder_.file("short.wav"), 0.5, loud);
        player_ = std::make_unique<CuePlayer>(server_.address(), identity_);
    }

    void TearDown() override { EXPECT_EQ(::testing::internal::GetCapturedStderr(), "") << "the sound layer printed"; }

    // Starts the server and hears its sink from then on: a recorder of its
    // own, as one waits up to two seconds for an idle sink's first samples.
    bool start()
    {
        recorder_.reset();
        const bool started = server_.start();
        recorder_.emplace(server_.address());
        return started;
    }

    Heard loudSince(std::size_t from) const { return hear(recorder_->samples(), loudLow, 32768, from); }

    // Plays the short cue, again each second it is not heard in full.
    bool shortCueHeardInFull(int seconds = 2)
    {
        for (int second = 0; second < seconds; ++second) {
            const std::size_t from = recorder_->samples().size();
            player_->play(folder_.file("short.wav"));
            if (waitFor([&] { return loudSince(from).longestRunMs >= 480; }, 1000))
                return true;
        }
        return false;
    }

    // The newest cue cuts off the one before, the same one restarts from its
    // beginning. The gaps are measured, not assumed: a busy machine may oversleep.
    void expectTheNewestCueCutsOffTheOneBefore()
    {
        const std::size_t from = recorder_->samples().size();
        const auto playFor = [&](const char* cue, int ms) {
            const auto asked = std::chrono::steady_clock::now();
            player_->play(folder_.file(cue));
            sleepMs(ms);
            return static_cast<int>((std::chrono::steady_clock::now() - asked) / std::chrono::milliseconds(1));
        };
        const int longFor = playFor("long.wav", 300);
        const int shortFor = playFor("short.wav", 200);
        player_->play(folder_.file("short.wav"));
        waitFor([&] { return loudSince(from).longestRunMs >= shortFor + 500 - 40; }, 3000);
        sleepMs(100);  // for anything that should not be there
        EXPECT_NEAR(hear(recorder_->samples(), quietLow, quietHigh, from).totalMs, longFor, 60)
            << "the long cue cut off";
        EXPECT_GE(loudSince(from).longestRunMs, shortFor + 500 - 40) << "part of it, then the whole of it again";
        EXPECT_LE(loudSince(from).totalMs, shortFor + 500 + 60);
    }

    // Between cues the stream stays, corked, and asks nothing of the sink
    // (which a recorder of its monitor would keep awake).
    void expectTheIdleSinkSuspendsWithTheStreamKept()
    {
        recorder_.reset();
        player_->play(folder_.file("short.wav"));
        EXPECT_TRUE(
            waitFor([&] { return server_.pactl("list short sinks").find("SUSPENDED") != std::string::npos; }, 10'000))
            << "the idle sink suspends";
        const std::string streams = server_.pactl("list short sink-inputs");
        EXPECT_EQ(std::count(streams.begin(), streams.end(), '\n'), 1) << "one stream, kept";
        recorder_.emplace(server_.address());
    }

    // Each of the server's processes stalled in turn: with the front that
    // speaks the protocol stopped nothing answers; with PipeWire's own
    // stopped, its front answers but nothing plays.
    void expectNothingWaitsOnAStalledServer()
    {
        for (const std::string& process : server_.processes()) {
            SCOPED_TRACE(process);
            ASSERT_TRUE(shortCueHeardInFull());
            server_.signal(process, SIGSTOP);
            // Each call only hands the path over; a generous bound, as the machine may be busy.
            const auto started = std::chrono::steady_clock::now();
            for (int call = 0; call < 15; ++call, sleepMs(100))
                player_->play(folder_.file(call % 2 == 0 ? "short.wav" : "long.wav"));
            player_->stop();
            // Ending a player does not wait either.
            player_ = std::make_unique<CuePlayer>(server_.address(), identity_);
            EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::milliseconds(1500 + 1000));
            server_.signal(process, SIGCONT);
            EXPECT_TRUE(shortCueHeardInFull()) << "within two seconds";
        }
    }

    // The real window: its rounds go on at their own pace while the server
    // is stalled, and its cues sound again once it answers.
    void expectTheWindowPlaysOnWhileTheServerIsStalled()
    {
        ::setenv("PULSE_SERVER", server_.address().c_str(), 1);  // read by the window's cue player as it connects
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});  // Qt's own notes
        PlayedWindow game;
        const auto losingRound = [&game] {  // milliseconds from the Spin press until the reels are evaluated
            QElapsedTimer clock;
            clock.start();
            game.spinOnto(Symbol::emblem);
            EXPECT_TRUE(QTest::qWaitFor([&] { return game.evaluated(); }, 5000));
            game.click("lbCoinSlot");
            return clock.elapsed();
        };
        losingRound();  // connected
        for (const std::string& process : server_.processes())
            server_.signal(process, SIGSTOP);
        // Three 50 ms timer periods; a player waiting on the server would hold
        // the round until the server answers, which it never does here.
        for (int round = 0; round < 3; ++round)
            EXPECT_LT(losingRound(), 1000) << "round " << round;
        for (const std::string& process : server_.processes())
            server_.signal(process, SIGCONT);
        const std::size_t resumed = recorder_->samples().size();
        // A round for each look, as the first cues may meet a server still waking.
        EXPECT_TRUE(QTest::qWaitFor(
            [&] {
                losingRound();
                return hear(recorder_->samples(), 2000, 32768, resumed).totalMs >= 300;
            },
            5000))
            << "the spin cue sounds again";
    }

    const SoundIdentity identity_{identity::title, identity::desktopFileName, identity::iconName};
    TempFolder folder_;
    SoundServer server_{GetParam()};
    std::optional<MonitorRecorder> recorder_;
    std::unique_ptr<CuePlayer> player_;
};

// One story per server, from a late start to a restart, then the real window.
TEST_P(CuePlayerTest, EachCueSoundsAsAskedAndNothingWaitsWhateverTheServerOrTheFilesDo)
{
    player_->play(folder_.file("short.wav"));  // no server yet
    ASSERT_TRUE(start());
    EXPECT_TRUE(shortCueHeardInFull()) << "after a late start";
    expectTheNewestCueCutsOffTheOneBefore();

    // What lies at a cue's path may change between two cues: nothing there
    // holds the player up, and the next real cue sounds.
    fs::copy_file(folder_.file("short.wav"), folder_.file("pipe.wav"));
    player_->play(folder_.file("pipe.wav"));
    fs::remove(folder_.file("pipe.wav"));  // a pipe with no writer takes its place
    for (const std::string& path : makeHostileCuePaths(folder_.path.string()))
        player_->play(path);
    EXPECT_TRUE(shortCueHeardInFull()) << "after hostile paths";

    expectTheIdleSinkSuspendsWithTheStreamKept();
    expectNothingWaitsOnAStalledServer();

    player_->play(folder_.file("long.wav"));
    sleepMs(100);
    server_.kill();  // in the middle of a cue
    player_->play(folder_.file("short.wav"));
    ASSERT_TRUE(start());
    EXPECT_TRUE(shortCueHeardInFull()) << "after a restart";

    expectTheWindowPlaysOnWhileTheServerIsStalled();
}

// The line of a desktop entry that starts with the key, without it.
std::string desktopEntry(const std::string& id, const std::string& key)
{
    std::ifstream entry(std::string(SPINZARO_SOURCE_DIR) + "/packaging/" + id + ".desktop");
    for (std::string line; std::getline(entry, line);)
        if (line.starts_with(key + "="))
            return line.substr(key.size() + 1);
    return "(none)";
}

// The desktop's mixer shows the real window's sound under its menu entry's
// name and icon and the cue that sounds; the volume and mute the player sets
// there are the game's own, kept for its next start and for no other
// program, even one that declares itself a game.
TEST_P(CuePlayerTest, TheMixerKnowsTheGameAndKeepsItsVolumeAndMuteForItAlone)
{
    player_.reset();
    ASSERT_TRUE(start());
    ::setenv("PULSE_SERVER", server_.address().c_str(), 1);  // read by the window's cue player as it connects
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});  // Qt's own notes
    const std::string id = identity::desktopFileName;
    const auto gameStream = [&] { return server_.sinkInput("application.id", id); };
    auto window = std::make_unique<PlayedWindow>();
    window->click("lbCoinSlot");
    ASSERT_TRUE(waitFor([&] { return !gameStream().empty(); }, 5000));
    const std::string stream = gameStream();
    EXPECT_NE(stream.find("application.name = \"" + desktopEntry(id, "Name") + "\""), std::string::npos) << stream;
    EXPECT_NE(stream.find("application.icon_name = \"" + desktopEntry(id, "Icon") + "\""), std::string::npos) << stream;
    const std::string cue = fs::path(window->cues.back()).stem().string();
    EXPECT_NE(stream.find("media.name = \"" + cue + "\""), std::string::npos) << stream;

    server_.pactl("set-sink-input-volume " + std::to_string(std::stoi(stream)) + " 30%");
    server_.pactl("set-sink-input-mute " + std::to_string(std::stoi(stream)) + " 1");
    const auto heldAsSet = [&] {
        const std::string now = gameStream();
        return now.find(" 30% ") != std::string::npos && now.find("Mute: yes") != std::string::npos;
    };
    ASSERT_TRUE(waitFor(heldAsSet, 5000)) << gameStream();
    window.reset();  // the game ends, and starts again
    ASSERT_TRUE(waitFor([&] { return gameStream().empty(); }, 5000));
    window = std::make_unique<PlayedWindow>();
    window->click("lbCoinSlot");
    EXPECT_TRUE(waitFor([&] { return !gameStream().empty(); }, 5000) && waitFor(heldAsSet, 5000))
        << "restored: " << gameStream();

    writeTone(folder_.file("other.wav"), 20.0, quiet);
    server_.paplay("--property=media.role=game --property=application.id=example.other " + folder_.file("other.wav"));
    const auto otherStream = [&] { return server_.sinkInput("application.id", "example.other"); };
    ASSERT_TRUE(waitFor([&] { return !otherStream().empty(); }, 5000));
    sleepMs(500);  // for a volume that would be restored after the stream appeared
    EXPECT_NE(otherStream().find(" 100% "), std::string::npos) << otherStream();
    EXPECT_NE(otherStream().find("Mute: no"), std::string::npos) << otherStream();
}

INSTANTIATE_TEST_SUITE_P(Servers, CuePlayerTest, ::testing::Values(ServerKind::pulseAudio, ServerKind::pipeWire),
                         [](const auto& kind) { return std::string(SoundServer::name(kind.param)); });

}  // namespace
}  // namespace spinzaro
