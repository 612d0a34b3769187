// The game executable itself: its options, and where no window can be opened.
#include "program_run.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLibraryInfo>
#include <QTemporaryDir>

#include <gmock/gmock.h>

#include <algorithm>
#include <thread>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace spinzaro {
namespace {

using namespace ::testing;

Matcher<std::string> oneLine(const Matcher<std::string>& line)
{
    return AllOf(line, Not(HasSubstr("\n")));
}

std::string lastLine(const std::string& text)
{
    return text.substr(text.find_last_of('\n') + 1);
}

// A Wayland display that accepts each client and hangs up at once, as an X
// server's socket would.
struct HangingUpDisplay {
    HangingUpDisplay()
    {
        sockaddr_un address{.sun_family = AF_UNIX, .sun_path = {}};
        const QByteArray name = path.toLocal8Bit().left(sizeof address.sun_path - 1);
        std::copy(name.begin(), name.end(), address.sun_path);
        ::bind(listener, reinterpret_cast<const sockaddr*>(&address), sizeof address);
        ::listen(listener, 8);
        acceptor = std::thread([this] {
            for (int client; (client = ::accept(listener, nullptr, nullptr)) >= 0;)
                ::close(client);
        });
    }
    ~HangingUpDisplay()
    {
        ::shutdown(listener, SHUT_RDWR);
        acceptor.join();
        ::close(listener);
    }

    QTemporaryDir folder;
    QString path = folder.filePath(QStringLiteral("wayland-0"));
    int listener = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    std::thread acceptor;
};

// A run of the game and what it must end with.
struct RunCase {
    QStringList environment;
    QStringList arguments;
    int exitCode;
    Matcher<std::string> error;  // all of standard error
    Matcher<std::string> output = IsEmpty();
    bool outputToFull = false;
    int closedDescriptor = -1;
};

void expectRuns(std::initializer_list<RunCase> cases)
{
    for (const RunCase& c : cases) {
        SCOPED_TRACE((c.environment + c.arguments).join(' ').toStdString());
        GameRun game{.environment = c.environment, .arguments = c.arguments, .outputToFull = c.outputToFull};
        game.closedDescriptor = c.closedDescriptor;
        const GameRun::Result run = game.run();
        EXPECT_EQ(run.exitCode, c.exitCode);
        EXPECT_THAT(run.error, c.error);
        EXPECT_THAT(run.output, c.output);
    }
}

Matcher<std::string> noWindow(const std::string& cause)
{
    return oneLine(AllOf(StartsWith("Spinzaro: cannot open a window: "), HasSubstr(cause)));
}

// Each fails with status 1 and the reason in one line.
TEST(ProgramTest, WhereNoWindowCanBeOpenedItSaysWhyInOneLine)
{
    const HangingUpDisplay hangingUp;
    expectRuns({
        {{}, {}, 1, noWindow("neither DISPLAY nor WAYLAND_DISPLAY is set")},
        {{"DISPLAY=:93"}, {}, 1, noWindow(":93")},  // no X server listens there
        {{"QT_QPA_PLATFORM=wayland", "WAYLAND_DISPLAY=wayland-93"}, {}, 1, noWindow("wl_display")},
        // It goes at the first answer, and the plugin ends the process itself.
        {{"QT_QPA_PLATFORM=wayland", "WAYLAND_DISPLAY=" + hangingUp.path},
         {},
         1,
         noWindow("The Wayland connection broke")},
        {{"QT_QPA_PLATFORM=xbc"}, {}, 1, noWindow("\"xbc\"")},
        {{}, {"-platform", "xbc", "-reverse"}, 1, noWindow("\"xbc\"")},  // Qt's options reach Qt
        {{}, {"--platform=xbc"}, 1, noWindow("\"xbc\"")},
        {{}, {"-platform=xbc"}, 1, noWindow("\"xbc\"")},
        // No framebuffer: the window fails only when shown.
        {{"QT_QPA_PLATFORM=linuxfb"}, {}, 1, noWindow("no screens available")},
        {{}, {"-platform", "linuxfb:fb=/dev/null"}, 1, noWindow("no screens available")},
        // The last platform tried is the one to blame, and a named display needs no variable.
        {{"QT_QPA_PLATFORM=junk;xcb", "DISPLAY=:93"}, {}, 1, AllOf(noWindow(":93"), Not(HasSubstr("junk")))},
        {{}, {"-display", ":98"}, 1, AllOf(noWindow(":98"), Not(HasSubstr("DISPLAY")))},
        // Debug output asked for is shown, and the reason still comes last.
        {{"QT_DEBUG_PLUGINS=1", "DISPLAY=:93"},
         {},
         1,
         AllOf(HasSubstr("libqxcb.so"), ResultOf(lastLine, noWindow(":93")))},
        // Said while the application is being made, before it holds a translation.
        {{"LANG=de_DE.UTF-8"},
         {},
         1,
         AllOf(StartsWith("Spinzaro: Es kann kein Fenster geöffnet werden: "),
               HasSubstr(" (weder DISPLAY noch WAYLAND_DISPLAY ist gesetzt)."))},
    });
}

TEST(ProgramTest, ItAnswersItsOptionsAndRefusesWhatItDoesNotKnow)
{
    const auto refused = [](const std::string& what) -> Matcher<std::string> {
        return Eq("spinzaro: " + what + "; try 'spinzaro --help'.");
    };
    const std::string version = "Spinzaro " + QCoreApplication::applicationVersion().toStdString() + "\n";
    expectRuns({
        {{}, {"--version"}, 0, IsEmpty(), StartsWith(version)},
        // Qt's own options are Qt's to explain.
        {{},
         {"-h"},
         0,
         IsEmpty(),
         AllOf(HasSubstr("-h, --help"), HasSubstr("-v, --version"), Not(HasSubstr("platform")))},
        // An answer that cannot be written is an error, as for the GNU tools.
        {{}, {"--version"}, 1, Eq("spinzaro: write error: No space left on device"), IsEmpty(), true},
        {{}, {"--help"}, 1, Eq("spinzaro: write error: Bad file descriptor"), IsEmpty(), false, STDOUT_FILENO},
        {{}, {"--x"}, 2, refused("unknown option '--x'")},
        {{}, {"-platform", "offscreen", "--coins=5"}, 2, refused("unknown option '--coins'")},
        {{}, {"fruit"}, 2, refused("unexpected argument 'fruit'")},
    });
}

// A factor that leaves no window to see, or Qt without the plugin that draws
// every picture: the game says so rather than run on invisible or blind.
TEST(ProgramTest, ItRefusesToPlayWhatCouldNotBeSeen)
{
    for (const char* factor : {"0", "nan", "inf", "0.0001", "1e300"}) {
        const GameRun::Result run =
            GameRun{.environment = {"QT_QPA_PLATFORM=offscreen", QStringLiteral("QT_SCALE_FACTOR=") + factor}}.run();
        EXPECT_EQ(run.exitCode, 1) << factor;
        EXPECT_THAT(run.error, oneLine(HasSubstr(std::string("cannot open a window: QT_SCALE_FACTOR=") + factor)));
    }

    // A copy of the game whose Qt finds its platforms but no image plugin.
    const QTemporaryDir copy;
    const QString platforms = QLibraryInfo::path(QLibraryInfo::PluginsPath) + QStringLiteral("/platforms");
    ASSERT_TRUE(QFile::copy(GameRun::programPath(), copy.filePath(QStringLiteral("spinzaro"))));
    ASSERT_TRUE(QDir(copy.path()).mkpath(QStringLiteral("plugins")));
    ASSERT_TRUE(QFile::link(platforms, copy.filePath(QStringLiteral("plugins/platforms"))));
    QFile configuration(copy.filePath(QStringLiteral("qt.conf")));
    ASSERT_TRUE(configuration.open(QIODevice::WriteOnly));
    configuration.write("[Paths]\nPlugins = plugins\n");
    configuration.close();
    const GameRun::Result run =
        GameRun{.program = copy.filePath(QStringLiteral("spinzaro")), .environment = {"QT_QPA_PLATFORM=offscreen"}}
            .run();
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_THAT(run.error, oneLine(HasSubstr("cannot open a window: Qt's SVG image plugin")));
}

}  // namespace
}  // namespace spinzaro
