// How the game ends: at once on Quit or closing, whatever the cue's thread
// waits on, and with nothing written where it does not belong.
#include "program_run.h"

#include <QFile>
#include <QTemporaryDir>

#include <gmock/gmock.h>

namespace spinzaro {
namespace {

using namespace ::testing;

// The game started as the executable starts it, then played by the script.
GameRun scripted(const QString& script, const QStringList& environment = {})
{
    return {.program = GameRun::programPath(QStringLiteral("scripted_game")),
            .environment = QStringList{"QT_QPA_PLATFORM=offscreen", "SPINZARO_SCRIPT=" + script} + environment};
}

// Looking at the wave takes a minute; the program must not wait for that.
TEST(ProgramEndTest, QuitAndClosingEndTheProgramAtOnceWhileACueWaitsOnAHungFileSystem)
{
    for (const char* script : {"quit", "close"}) {
        const GameRun::Result run = scripted(script, {"SPINZARO_WAVE_DELAY=60"}).run();  // 10 s at most
        EXPECT_EQ(run.exitCode, 0) << script;
        EXPECT_EQ(run.output, "held up\n") << script << ": the cue's wave was not waited on";
        // The offscreen platform's own note on the window's fixed size, and nothing else.
        EXPECT_THAT(run.error, AnyOf(IsEmpty(), Eq("This plugin does not support propagateSizeHints()"))) << script;
    }
}

// Ended by a plugin while the window is being opened, the game still says
// why in one line.
TEST(ProgramEndTest, AnExitWhileTheWindowIsBeingOpenedIsExplained)
{
    const GameRun::Result run = scripted("exit").run();
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.error, "Spinzaro: cannot open a window: the platform plugin ended the program.");
}

// A descriptor the caller closed is not taken by a file, socket or event
// counter of the game's, which would then get what is meant for it.
TEST(ProgramEndTest, ClosedStandardDescriptorsStayClosedToTheGamesOwnFiles)
{
    for (int closed = 0; closed <= 2; ++closed) {
        const QTemporaryDir folder;
        GameRun game = scripted("descriptors", {"SPINZARO_REPORT=" + folder.filePath(QStringLiteral("report"))});
        game.closedDescriptor = closed;
        EXPECT_EQ(game.run().exitCode, 0) << closed;
        QFile report(folder.filePath(QStringLiteral("report")));
        ASSERT_TRUE(report.open(QIODevice::ReadOnly)) << closed;
        const QList<QByteArray> targets = report.readAll().split('\n');
        ASSERT_GE(targets.size(), 3) << closed;
        EXPECT_EQ(targets.at(closed).toStdString(), "/dev/null") << "descriptor " << closed;
    }
}

}  // namespace
}  // namespace spinzaro
