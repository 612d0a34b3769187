// The game executable itself: its options, and where no window can be opened.
#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

#include <gmock/gmock.h>

#include <string>

namespace spinzaro {
namespace {

using namespace ::testing;

// The game's exit code, standard error and output, run with no display
// unless the assignments give one.
struct GameRun {
    int exitCode = -1;
    std::string error;
    std::string output;
};

GameRun runGame(const QStringList& assignments, const QStringList& arguments)
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
    EXPECT_EQ(game.exitStatus(), QProcess::NormalExit);
    return {game.exitCode(), QString::fromUtf8(game.readAllStandardError()).trimmed().toStdString(),
            game.readAllStandardOutput().toStdString()};
}

TEST(ProgramTest, ItAnswersItsOptionsAndWhereNoWindowCanBeOpenedSaysWhyInOneLine)
{
    const auto noWindow = [](const char* cause) -> Matcher<std::string> {
        return AllOf(StartsWith("Spinzaro: cannot open a window: "), HasSubstr(cause));
    };
    const auto refused = [](const std::string& what) -> Matcher<std::string> {
        return Eq("spinzaro: " + what + "; try 'spinzaro --help'.");
    };
    const Matcher<std::string> none = IsEmpty();
    const std::string version = "Spinzaro " + QCoreApplication::applicationVersion().toStdString() + "\n";
    // A window would fail with status 1.
    const struct {
        QStringList environment;
        QStringList arguments;
        int exitCode;
        Matcher<std::string> error;  // all of standard error, one line at most
        Matcher<std::string> output;
    } cases[] = {
        {{}, {}, 1, noWindow("neither DISPLAY nor WAYLAND_DISPLAY is set"), none},
        {{"DISPLAY=:93"}, {}, 1, noWindow(":93"), none},  // no X server listens there
        {{"QT_QPA_PLATFORM=wayland", "WAYLAND_DISPLAY=wayland-93"}, {}, 1, noWindow("wl_display"), none},
        {{"QT_QPA_PLATFORM=xbc"}, {}, 1, noWindow("\"xbc\""), none},
        {{}, {"-platform", "xbc", "-reverse"}, 1, noWindow("\"xbc\""), none},  // Qt's options reach Qt
        // Said while the application is being made, before it holds a translation.
        {{"LANG=de_DE.UTF-8"},
         {},
         1,
         AllOf(StartsWith("Spinzaro: Es kann kein Fenster geöffnet werden: "),
               HasSubstr(" (weder DISPLAY noch WAYLAND_DISPLAY ist gesetzt).")),
         none},
        {{}, {"--version"}, 0, none, StartsWith(version)},
        // Qt's own options are Qt's to explain.
        {{}, {"-h"}, 0, none, AllOf(HasSubstr("-h, --help"), HasSubstr("-v, --version"), Not(HasSubstr("platform")))},
        {{}, {"--x"}, 2, refused("unknown option '--x'"), none},
        {{}, {"-platform", "offscreen", "--coins=5"}, 2, refused("unknown option '--coins'"), none},
        {{}, {"fruit"}, 2, refused("unexpected argument 'fruit'"), none},
    };
    for (const auto& [assignments, arguments, exitCode, error, output] : cases) {
        SCOPED_TRACE((assignments + arguments).join(' ').toStdString());
        const GameRun run = runGame(assignments, arguments);
        EXPECT_EQ(run.exitCode, exitCode);
        EXPECT_THAT(run.error, AllOf(error, Not(HasSubstr("\n"))));
        EXPECT_THAT(run.output, output);
    }
}

}  // namespace
}  // namespace spinzaro
