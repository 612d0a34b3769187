// The real window playing against a private sound server that stalls: the
// game goes on regardless, and its cues sound again once the server answers.
#include "sound_server.h"
#include "window_fixture.h"

#include <QElapsedTimer>

#include <csignal>
#include <cstdlib>

namespace spinzaro {
namespace {

using namespace testing;

class GameSoundTest : public ::testing::TestWithParam<ServerKind> {};

TEST_P(GameSoundTest, RoundsRunAtTheirOwnPaceWhileTheSoundServerIsStalled)
{
    if (const std::string missing = SoundServer::missing(GetParam()); !missing.empty())
        GTEST_SKIP() << SoundServer::name(GetParam()) << " tests need a private server: " << missing;
    SoundServer server(GetParam());
    ASSERT_TRUE(server.start());
    ::setenv("PULSE_SERVER", server.address().c_str(), 1);  // read by the window's cue player as it connects
    PlayedWindow game;
    // Milliseconds from the Spin press until the reels are evaluated.
    const auto losingRound = [&game] {
        QElapsedTimer clock;
        clock.start();
        game.spinOnto(Symbol::emblem);
        EXPECT_TRUE(QTest::qWaitFor([&] { return game.evaluated(); }, 5000));
        game.click("lbCoinSlot");
        return clock.elapsed();
    };
    losingRound();  // connected
    for (const std::string& process : server.processes())
        server.signal(process, SIGSTOP);
    // Three 50 ms timer periods; a player waiting on the server would hold
    // the round until the server answers, which it never does here.
    for (int round = 0; round < 3; ++round)
        EXPECT_LT(losingRound(), 1000) << "round " << round;
    for (const std::string& process : server.processes())
        server.signal(process, SIGCONT);

    const MonitorRecorder recorder(server.address());
    bool heard = false;
    for (int round = 0; round < 5 && !heard; ++round) {
        losingRound();
        heard = QTest::qWaitFor([&] { return hear(recorder.samples(), 2000, 32768).totalMs >= 300; }, 1000);
    }
    EXPECT_TRUE(heard) << "the spin cue sounds again";
}

INSTANTIATE_TEST_SUITE_P(Servers, GameSoundTest, ::testing::Values(ServerKind::pulseAudio, ServerKind::pipeWire),
                         [](const auto& kind) { return std::string(SoundServer::name(kind.param)); });

}  // namespace
}  // namespace spinzaro
