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
class HangingUpDisplay {
public:
    HangingUpDisplay()
    {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const QByteArray name = path_.toLocal8Bit().left(sizeof address.sun_path - 1);
        std::copy(name.begin(), name.end(), address.sun_path);
        listener_ = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        ::bind(listener_, reinterpret_cast<const sockaddr*>(&address), sizeof address);
        ::listen(listener_, 8);
        acceptor_ = std::thread([this] {
            for (int client; (client = ::accept(listener_, nullptr, nullptr)) >= 0;)
                ::close(client);
        });
    }
    ~HangingUpDisplay()
    {
        ::shutdown(listener_, SHUT_RDWR);
        acceptor_.join();
        ::close(listener_);
    }
    QString path() const { return path_; }

private:
    QTemporaryDir folder_;
    QString path_ = folder_.filePath(QStringLiteral("wayland-0"));
    int listener_ = -1;
    std::thread acceptor_;
};

TEST(ProgramTest, ItAnswersItsOptionsAndWhereNoWindowCanBeOpenedSaysWhyInOneLine)
{
    const auto noWindow = [](const std::string& cause) -> Matcher<std::string> {
        return oneLine(AllOf(StartsWith("Spinzaro: cannot open a window: "), HasSubstr(cause)));
    };
    const auto refused = [](const std::string& what) -> Matcher<std::string> {
        return Eq("spinzaro: " + what + "; try 'spinzaro --help'.");
    };
    const Matcher<std::string> none = IsEmpty();
    const std::string version = "Spinzaro " + QCoreApplication::applicationVersion().toStdString() + "\n";
    const HangingUpDisplay hangingUp;
    // A window would fail with status 1.
    const struct {
        QStringList environment;
        QStringList arguments;
        int exitCode;
        Matcher<std::string> error;  // all of standard error
        Matcher<std::string> output;
        GameRun::Output standardOutput = GameRun::Output::pipe;
    } cases[] = {
        {{}, {}, 1, noWindow("neither DISPLAY nor WAYLAND_DISPLAY is set"), none},
        {{"DISPLAY=:93"}, {}, 1, noWindow(":93"), none},  // no X server listens there
        {{"QT_QPA_PLATFORM=wayland", "WAYLAND_DISPLAY=wayland-93"}, {}, 1, noWindow("wl_display"), none},
        // It goes at the first answer, and the plugin ends the process itself.
        {{"QT_QPA_PLATFORM=wayland", "WAYLAND_DISPLAY=" + hangingUp.path()},
         {},
         1,
         noWindow("The Wayland connection broke"),
         none},
        {{"QT_QPA_PLATFORM=xbc"}, {}, 1, noWindow("\"xbc\""), none},
        {{}, {"-platform", "xbc", "-reverse"}, 1, noWindow("\"xbc\""), none},  // Qt's options reach Qt
        {{}, {"--platform=xbc"}, 1, noWindow("\"xbc\""), none},
        {{}, {"-platform=xbc"}, 1, noWindow("\"xbc\""), none},
        // No framebuffer: the window fails only when shown.
        {{"QT_QPA_PLATFORM=linuxfb"}, {}, 1, noWindow("no screens available"), none},
        {{}, {"-platform", "linuxfb:fb=/dev/null"}, 1, noWindow("no screens available"), none},
        // The last platform tried is the one to blame, and a named display needs no variable.
        {{"QT_QPA_PLATFORM=junk;xcb", "DISPLAY=:93"}, {}, 1, AllOf(noWindow(":93"), Not(HasSubstr("junk"))), none},
        {{}, {"-display", ":98"}, 1, AllOf(noWindow(":98"), Not(HasSubstr("DISPLAY"))), none},
        // Debug output asked for is shown, and the reason still comes last.
        {{"QT_DEBUG_PLUGINS=1", "DISPLAY=:93"},
         {},
         1,
         AllOf(HasSubstr("libqxcb.so"), ResultOf(lastLine, noWindow(":93"))),
         none},
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
        // An answer that cannot be written is an error, as for the GNU tools.
        {{}, {"--version"}, 1, Eq("spinzaro: write error: No space left on device"), none, GameRun::Output::full},
        {{}, {"--help"}, 1, Eq("spinzaro: write error: Bad file descriptor"), none, GameRun::Output::closed},
        {{}, {"--x"}, 2, refused("unknown option '--x'"), none},
        {{}, {"-platform", "offscreen", "--coins=5"}, 2, refused("unknown option '--coins'"), none},
        {{}, {"fruit"}, 2, refused("unexpected argument 'fruit'"), none},
    };
    for (const auto& [assignments, arguments, exitCode, error, output, standardOutput] : cases) {
        SCOPED_TRACE((assignments + arguments).join(' ').toStdString());
        GameRun game;
        game.environment = assignments;
        game.arguments = arguments;
        game.standardOutput = standardOutput;
        const GameRun::Result run = game.run();
        EXPECT_EQ(run.exitCode, exitCode);
        EXPECT_THAT(run.error, error);
        EXPECT_THAT(run.output, output);
    }
}

// A factor that leaves no window to see, or Qt without the plugin that draws
// every picture: the game says so rather than run on invisible or blind.
TEST(ProgramTest, ItRefusesToPlayWhatCouldNotBeSeen)
{
    for (const char* factor : {"0", "nan", "inf", "0.0001", "1e300"}) {
        GameRun game;
        game.environment = {QStringLiteral("QT_QPA_PLATFORM=offscreen"), QStringLiteral("QT_SCALE_FACTOR=") + factor};
        const GameRun::Result run = game.run();
        EXPECT_EQ(run.exitCode, 1) << factor;
        EXPECT_THAT(run.error, oneLine(HasSubstr(std::string("cannot open a window: QT_SCALE_FACTOR=") + factor)));
    }

    // A copy of the game whose Qt finds its platforms but no image plugin.
    const QTemporaryDir copy;
    const QString plugins = QLibraryInfo::path(QLibraryInfo::PluginsPath);
    ASSERT_TRUE(QFile::copy(GameRun::gamePath(), copy.filePath(QStringLiteral("spinzaro"))));
    ASSERT_TRUE(QDir(copy.path()).mkpath(QStringLiteral("plugins")));
    ASSERT_TRUE(QFile::link(plugins + QStringLiteral("/platforms"), copy.filePath(QStringLiteral("plugins/platforms"))));
    QFile configuration(copy.filePath(QStringLiteral("qt.conf")));
    ASSERT_TRUE(configuration.open(QIODevice::WriteOnly));
    configuration.write("[Paths]\nPlugins = plugins\n");
    configuration.close();
    GameRun game;
    game.program = copy.filePath(QStringLiteral("spinzaro"));
    game.environment = {QStringLiteral("QT_QPA_PLATFORM=offscreen")};
    const GameRun::Result run = game.run();
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_THAT(run.error, oneLine(HasSubstr("cannot open a window: Qt's SVG image plugin")));
}

}  // namespace
}  // namespace spinzaro
