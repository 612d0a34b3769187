// The cue player and the real window against a private sound server that is
// started late, stalled and killed, and what the desktop's mixer makes of
// the game's sound.
#include "cue_player.h"
#include "cues.h"
#include "identity.h"
#include "sound_server.h"
#include "window_fixture.h"

#include <QElapsedTimer>

#include <csignal>
#include <fstream>
#include <memory>
#include <optional>

namespace spinzaro {
namespace {

namespace fs = std::filesystem;
using namespace testkit;

// Cues for the player: a quiet long one and a loud short one, told apart by
// their peaks in the recording.
constexpr std::int16_t quiet = 6000, loud = 16000;
constexpr int quietLow = 4000, quietHigh = 9000, loudLow = 12000;

// The line of a desktop entry that starts with the key, without it.
std::string desktopEntry(const std::string& id, const std::string& key)
{
    std::ifstream entry(std::string(SPINZARO_SOURCE_DIR) + "/packaging/" + id + ".desktop");
    for (std::string line; std::getline(entry, line);)
        if (line.starts_with(key + "="))
            return line.substr(key.size() + 1);
    return "(none)";
}

// Runs against a private PulseAudio and a private PipeWire; whatever the
// player's libraries might print is caught.
class CuePlayerTest : public ::testing::TestWithParam<ServerKind> {
protected:
    void SetUp() override
    {
        ::testing::internal::CaptureStderr();
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

    Heard heardSince(std::size_t from, int low = loudLow, int high = 32768) const
    {
        return hear(recorder_->samples(), low, high, from);
    }

    // Plays the short cue, again each second it is not heard in full.
    bool shortCueHeardInFull()
    {
        for (int second = 0; second < 2; ++second) {
            const std::size_t from = recorder_->samples().size();
            player_->play(folder_.file("short.wav"));
            if (waitFor([&] { return heardSince(from).longestRunMs >= 480; }, 1000))
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
        waitFor([&] { return heardSince(from).longestRunMs >= shortFor + 500 - 40; }, 3000);
        sleepMs(100);  // for anything that should not be there
        EXPECT_NEAR(heardSince(from, quietLow, quietHigh).totalMs, longFor, 60) << "the long cue cut off";
        EXPECT_GE(heardSince(from).longestRunMs, shortFor + 500 - 40) << "part of it, then the whole of it again";
        EXPECT_LE(heardSince(from).totalMs, shortFor + 500 + 60);
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
    // stopped, its front answers but nothing plays. The window's rounds go on
    // at their own pace, three 50 ms timer periods, where a player waiting on
    // the server would hold each one for as long; the game ends at once; and
    // the next game's cues sound as soon as the server answers.
    void expectTheWindowPlaysOnWhileTheServerIsStalled(std::unique_ptr<PlayedWindow>& game)
    {
        const auto losingRound = [&game] {  // milliseconds from the Spin press until the reels are evaluated
            QElapsedTimer clock;
            clock.start();
            game->spinOnto(Symbol::emblem);
            EXPECT_TRUE(game->waitForEvaluation());
            game->click("lbCoinSlot");
            return clock.elapsed();
        };
        const auto heardAgain = [&] {  // a round for each look, as the first cues may meet a server still waking
            const std::size_t from = recorder_->samples().size();
            return QTest::qWaitFor(
                [&] {
                    losingRound();
                    return heardSince(from, 2000).totalMs >= 300;
                },
                5000);
        };
        for (const std::string& process : server_.processes()) {
            SCOPED_TRACE(process);
            ASSERT_TRUE(heardAgain());
            server_.signal(process, SIGSTOP);
            for (int round = 0; round < 3; ++round)
                EXPECT_LT(losingRound(), 1000) << "round " << round;
            QElapsedTimer ending;
            ending.start();
            game.reset();
            EXPECT_LT(ending.elapsed(), 1000) << "the game ends at once";
            game = std::make_unique<PlayedWindow>();
            server_.signal(process, SIGCONT);
            EXPECT_TRUE(heardAgain()) << "the cues sound again";
        }
    }

    std::string gameStream() const { return server_.sinkInput("application.id", identity::desktopFileName); }

    // The game's stream once it plays the coin slot's cue, a click each
    // second, as the first cues may meet a server still waking.
    std::string coinSlotStream(PlayedWindow& game) const
    {
        const std::string cue = "media.name = \"" + fs::path(cueFile(Cue::coinSlot)).stem().string() + "\"";
        for (int second = 0; second < 5; ++second) {
            game.click("lbCoinSlot");
            if (waitFor([&] { return gameStream().find(cue) != std::string::npos; }, 1000))
                return gameStream();
        }
        return {};
    }

    // The mixer shows the window's sound under its menu entry's name and icon
    // and the cue that sounds; the volume and mute the player sets there are
    // the game's own, kept for its next start and for no other program, even
    // one that declares itself a game.
    void expectTheMixerKeepsTheGamesVolumeForItAlone(std::unique_ptr<PlayedWindow>& window)
    {
        const std::string id = identity::desktopFileName;
        const std::string stream = coinSlotStream(*window);
        ASSERT_FALSE(stream.empty()) << gameStream();
        EXPECT_NE(stream.find("application.name = \"" + desktopEntry(id, "Name") + "\""), std::string::npos) << stream;
        EXPECT_NE(stream.find("application.icon_name = \"" + desktopEntry(id, "Icon") + "\""), std::string::npos);

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
        EXPECT_FALSE(coinSlotStream(*window).empty());
        EXPECT_TRUE(waitFor(heldAsSet, 5000)) << "restored: " << gameStream();

        writeTone(folder_.file("other.wav"), 20.0, quiet);
        server_.paplay("--property=media.role=game --property=application.id=example.other " +
                       folder_.file("other.wav"));
        const auto otherStream = [&] { return server_.sinkInput("application.id", "example.other"); };
        ASSERT_TRUE(waitFor([&] { return !otherStream().empty(); }, 5000));
        sleepMs(500);  // for a volume that would be restored after the stream appeared
        EXPECT_NE(otherStream().find(" 100% "), std::string::npos) << otherStream();
        EXPECT_NE(otherStream().find("Mute: no"), std::string::npos) << otherStream();
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
    ASSERT_TRUE(start()) << SoundServer::name(GetParam()) << " does not answer: are its packages installed?";
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

    const std::size_t from = recorder_->samples().size();
    player_->play(folder_.file("long.wav"));
    ASSERT_TRUE(waitFor([&] { return heardSince(from, quietLow, quietHigh).longestRunMs >= 100; }, 2000));
    server_.kill();  // in the middle of a cue
    player_->play(folder_.file("short.wav"));
    ASSERT_TRUE(start());
    EXPECT_TRUE(shortCueHeardInFull()) << "after a restart";

    player_.reset();  // the window's player alone bears the game's identity from here
    ::setenv("PULSE_SERVER", server_.address().c_str(), 1);  // read by the window's cue player as it connects
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});  // Qt's own notes
    auto window = std::make_unique<PlayedWindow>();
    expectTheWindowPlaysOnWhileTheServerIsStalled(window);
    expectTheMixerKeepsTheGamesVolumeForItAlone(window);
}

INSTANTIATE_TEST_SUITE_P(Servers, CuePlayerTest, ::testing::Values(ServerKind::pulseAudio, ServerKind::pipeWire),
                         [](const auto& kind) { return std::string(SoundServer::name(kind.param)); });

}  // namespace
}  // namespace spinzaro
