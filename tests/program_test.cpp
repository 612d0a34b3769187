// The game executable itself: its options, and where no window can be opened.
#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

#include <gmock/gmock.h>

namespace spinzaro {
namespace {

using ::testing::AllOf;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::Matcher;
using ::testing::Not;
using ::testing::StartsWith;

TEST(ProgramTest, ItAnswersItsOptionsAndWhereNoWindowCanBeOpenedSaysWhyInOneLine)
{
    const std::string window = "Spinzaro: cannot open a window: ";
    const std::string version = "Spinzaro " + QCoreApplication::applicationVersion().toStdString() + "\n";
    // No DISPLAY and no WAYLAND_DISPLAY unless given: a window would fail with status 1.
    const struct {
        QStringList environment;
        QStringList arguments;
        int exitCode;
        Matcher<std::string> error;  // all of standard error, one line at most
        Matcher<std::string> output;
    } cases[] = {
        {{}, {}, 1, AllOf(StartsWith(window), HasSubstr("neither DISPLAY nor WAYLAND_DISPLAY is set")), IsEmpty()},
        {{"DISPLAY=:93"}, {}, 1, AllOf(StartsWith(window), HasSubstr(":93")), IsEmpty()},  // no X server there
        {{"QT_QPA_PLATFORM=wayland", "WAYLAND_DISPLAY=wayland-93"},
         {},
         1,
         AllOf(StartsWith(window), HasSubstr("wl_display")),
         IsEmpty()},
        {{"QT_QPA_PLATFORM=xbc"}, {}, 1, AllOf(StartsWith(window), HasSubstr("\"xbc\"")), IsEmpty()},
        // Said while the application is being made, before it holds a translation.
        {{"LANG=de_DE.UTF-8"},
         {},
         1,
         AllOf(StartsWith("Spinzaro: Es kann kein Fenster geöffnet werden: "),
               HasSubstr(" (weder DISPLAY noch WAYLAND_DISPLAY ist gesetzt).")),
         IsEmpty()},
        // Qt's own options still reach Qt, and fail in Qt's words.
        {{}, {"-platform", "xbc", "-reverse"}, 1, AllOf(StartsWith(window), HasSubstr("\"xbc\"")), IsEmpty()},
        {{}, {"--version"}, 0, IsEmpty(), StartsWith(version)},
        {{},
         {"-h"},
         0,
         IsEmpty(),
         AllOf(HasSubstr("-h, --help"), HasSubstr("-v, --version"), Not(HasSubstr("platform")))},  // Qt's to explain
        {{"QT_QPA_PLATFORM=offscreen"},
         {"--x"},
         2,
         "spinzaro: unknown option '--x'; try 'spinzaro --help'.",
         IsEmpty()},
        {{"QT_QPA_PLATFORM=offscreen"},
         {"-platform", "offscreen", "--coins=5"},
         2,
         "spinzaro: unknown option '--coins'; try 'spinzaro --help'.",
         IsEmpty()},
        {{"QT_QPA_PLATFORM=offscreen"},
         {"fruit"},
         2,
         "spinzaro: unexpected argument 'fruit'; try 'spinzaro --help'.",
         IsEmpty()},
    };
    for (const auto& [assignments, arguments, exitCode, error, output] : cases) {
        SCOPED_TRACE((assignments + arguments).join(' ').toStdString());
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
        ASSERT_TRUE(game.waitForFinished(10'000));
        EXPECT_EQ(game.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(game.exitCode(), exitCode);
        EXPECT_THAT(QString::fromUtf8(game.readAllStandardError()).trimmed().toStdString(),
                    AllOf(error, Not(HasSubstr("\n"))));
        EXPECT_THAT(game.readAllStandardOutput().toStdString(), output);
    }
}

}  // namespace
}  // namespace spinzaro
