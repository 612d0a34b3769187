// The game executable itself, started where no window can be opened.
#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace spinzaro {
namespace {

struct Outcome {
    int exitCode;
    bool crashed;
    QStringList errorLines;
    QByteArray output;
};

// The game with exactly this environment and these arguments, beside a
// temporary runtime folder.
Outcome startGame(const QStringList& assignments, const QStringList& arguments = {})
{
    const QTemporaryDir runtime;
    QProcessEnvironment environment;
    environment.insert("PATH", qEnvironmentVariable("PATH"));
    environment.insert("XDG_RUNTIME_DIR", runtime.path());
    environment.insert("PULSE_SERVER", "unix:/nonexistent");
    for (const QString& assignment : assignments)
        environment.insert(assignment.section('=', 0, 0), assignment.section('=', 1));
    QProcess game;
    game.setProcessEnvironment(environment);
    game.start(QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("spinzaro")), arguments);
    EXPECT_TRUE(game.waitForFinished(10'000));
    const QString errors = QString::fromLocal8Bit(game.readAllStandardError()).trimmed();
    return {game.exitCode(), game.exitStatus() == QProcess::CrashExit,
            errors.isEmpty() ? QStringList() : errors.split('\n'), game.readAllStandardOutput()};
}

TEST(ProgramTest, WhereNoWindowCanBeOpenedItSaysWhyInOneLineAndExitsWithAFailure)
{
    const struct {
        QStringList environment;
        const char* cause;
    } cases[] = {
        {{}, "neither DISPLAY nor WAYLAND_DISPLAY is set"},
        {{"DISPLAY=:93"}, ":93"},  // no X server listens there
        {{"QT_QPA_PLATFORM=wayland", "WAYLAND_DISPLAY=wayland-93"}, "wl_display"},
        {{"QT_QPA_PLATFORM=xbc"}, "\"xbc\""},
    };
    for (const auto& [environment, cause] : cases) {
        SCOPED_TRACE(environment.join(' ').toStdString());
        const Outcome outcome = startGame(environment);
        EXPECT_FALSE(outcome.crashed);
        EXPECT_EQ(outcome.exitCode, 1);
        ASSERT_EQ(outcome.errorLines.size(), 1) << outcome.errorLines.join('\n').toStdString();
        EXPECT_TRUE(outcome.errorLines.front().startsWith("Spinzaro: cannot open a window: "));
        EXPECT_TRUE(outcome.errorLines.front().contains(cause)) << outcome.errorLines.front().toStdString();
        EXPECT_TRUE(outcome.output.isEmpty());
    }
}

TEST(ProgramTest, ItsOwnOptionsAreAnsweredWithoutADisplayAndAnUnknownOneIsRefusedInOneLine)
{
    // No DISPLAY and no WAYLAND_DISPLAY: a window would fail with status 1.
    const Outcome version = startGame({}, {"--version"});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_TRUE(version.errorLines.isEmpty()) << version.errorLines.join('\n').toStdString();
    EXPECT_TRUE(version.output.startsWith("Spinzaro " + QCoreApplication::applicationVersion().toUtf8() + '\n'))
        << version.output.toStdString();

    const Outcome help = startGame({}, {"-h"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.errorLines.isEmpty());
    for (const char* option : {"-h, --help", "-v, --version"})
        EXPECT_TRUE(help.output.contains(option)) << option << " in\n" << help.output.toStdString();
    EXPECT_FALSE(help.output.contains("platform")) << "Qt's own options are Qt's to explain";

    const struct {
        QStringList arguments;
        const char* line;
    } refused[] = {
        {{"--x"}, "spinzaro: unknown option '--x'; try 'spinzaro --help'."},
        {{"-platform", "offscreen", "--coins=5"}, "spinzaro: unknown option '--coins'; try 'spinzaro --help'."},
        {{"fruit"}, "spinzaro: unexpected argument 'fruit'; try 'spinzaro --help'."},
    };
    for (const auto& [arguments, line] : refused) {
        SCOPED_TRACE(arguments.join(' ').toStdString());
        const Outcome outcome = startGame({"QT_QPA_PLATFORM=offscreen"}, arguments);
        EXPECT_FALSE(outcome.crashed);
        EXPECT_EQ(outcome.exitCode, 2);
        EXPECT_EQ(outcome.errorLines, QStringList{line});
        EXPECT_TRUE(outcome.output.isEmpty());
    }

    // Qt's own options still reach Qt: with none of its platforms to be had,
    // the window fails in Qt's words, not in the command line's.
    const Outcome qtsOwn = startGame({}, {"-platform", "xbc", "-reverse"});
    EXPECT_EQ(qtsOwn.exitCode, 1);
    ASSERT_EQ(qtsOwn.errorLines.size(), 1);
    EXPECT_TRUE(qtsOwn.errorLines.front().contains("\"xbc\"")) << qtsOwn.errorLines.front().toStdString();
}

}  // namespace
}  // namespace spinzaro
