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

// The game with exactly this environment, beside a temporary runtime folder.
Outcome startGame(const QStringList& assignments)
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
    game.start(QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("spinzaro")));
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

}  // namespace
}  // namespace spinzaro
