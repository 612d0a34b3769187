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
using testing::SoundServer;

class GameSoundTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!SoundServer::installed())
            GTEST_SKIP() << "pulseaudio, pactl and pacat are needed for the sound server tests";
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

    SoundServer server_;
};

TEST_F(GameSoundTest, ASpinRoundRunsAtItsOwnPaceWhileTheSoundServerIsStalled)
{
    PlayedWindow game;
    losingRound(game);  // connected and heard
    server_.pause();
    for (int round = 0; round < 3; ++round) {
        // Three 50 ms timer periods; a player waiting on the server would take seconds.
        EXPECT_LT(losingRound(game), 300) << "round " << round;
        game.click("lbCoinSlot");
    }
    server_.resume();
}

TEST_F(GameSoundTest, ACueFileTurnedIntoAPipeHangsNothingAndItsSoundComesBack)
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
    QTest::qWait(800);
    recorder.finish();
    EXPECT_GE(testing::hear(recorder.samples(), 2000, 32768).totalMs, 300) << "the spin cue sounds again";
}

}  // namespace
}  // namespace spinzaro
