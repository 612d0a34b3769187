// The real window playing against a private sound server that stalls, and
// against a cue file that turns into a pipe: the game goes on regardless.
#include "sound_server.h"
#include "window_fixture.h"

#include <QElapsedTimer>
#include <QPushButton>
#include <QTemporaryDir>

#include <filesystem>

#include <cstdlib>
#include <sys/stat.h>

namespace spinzaro {
namespace {

namespace fs = std::filesystem;
using testing::MonitorRecorder;
using testing::ServerKind;
using testing::SoundServer;

class GameSoundTest : public ::testing::TestWithParam<ServerKind> {
protected:
    void SetUp() override
    {
        if (const std::string missing = SoundServer::missing(GetParam()); !missing.empty())
            GTEST_SKIP() << SoundServer::name(GetParam()) << " tests need a private server: " << missing;
        ASSERT_TRUE(server_.start());
        // Read by the window's cue player when it connects, on its own thread.
        ::setenv("PULSE_SERVER", server_.address().c_str(), 1);
    }

    // Milliseconds from the Spin press until the reels are evaluated.
    static qint64 losingRound(PlayedWindow& game)
    {
        QElapsedTimer clock;
        clock.start();
        game.spinOnto(Symbol::emblem);
        EXPECT_TRUE(QTest::qWaitFor([&] { return game.evaluated(); }, 5000));
        return clock.elapsed();
    }

    SoundServer server_{GetParam()};
};

TEST_P(GameSoundTest, ASpinRoundRunsAtItsOwnPaceWhileTheSoundServerIsStalled)
{
    PlayedWindow game;
    losingRound(game);  // connected and heard
    for (const std::string& process : server_.processes())
        server_.pause(process);
    for (int round = 0; round < 3; ++round) {
        // Three 50 ms timer periods; a player waiting on the server would
        // hold the round until the server answers, which it never does here.
        EXPECT_LT(losingRound(game), 1000) << "round " << round;
        game.click("lbCoinSlot");
    }
    for (const std::string& process : server_.processes())
        server_.resume(process);
}

TEST_P(GameSoundTest, ACueFileTurnedIntoAPipeHangsNothingAndItsSoundComesBack)
{
    const QTemporaryDir temporary;  // gone with the test, however it ends
    const fs::path folder = temporary.path().toStdString();
    const fs::path spin = folder / "Spin.wav";
    fs::copy_file(fs::path(QCoreApplication::applicationDirPath().toStdString()) / "Spin.wav", spin,
                  fs::copy_options::overwrite_existing);
    PlayedWindow game(folder.string());
    losingRound(game);

    fs::rename(spin, folder / "kept.wav");
    ASSERT_EQ(::mkfifo(spin.c_str(), 0600), 0);  // no writer will ever come
    for (int round = 0; round < 2; ++round)
        EXPECT_LT(losingRound(game), 1000) << "round " << round;

    fs::remove(spin);
    fs::rename(folder / "kept.wav", spin);
    MonitorRecorder recorder(server_.address());
    losingRound(game);
    EXPECT_TRUE(QTest::qWaitFor([&] { return testing::hear(recorder.samples(), 2000, 32768).totalMs >= 300; }, 3000))
        << "the spin cue sounds again";
}

INSTANTIATE_TEST_SUITE_P(Servers, GameSoundTest, ::testing::Values(ServerKind::pulseAudio, ServerKind::pipeWire),
                         [](const auto& kind) { return std::string(SoundServer::name(kind.param)); });

}  // namespace
}  // namespace spinzaro
