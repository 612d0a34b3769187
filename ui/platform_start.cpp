// Opening the display: Qt chooses the platform; only its failure is ours.
#include "platform_start.h"

#include "translations.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <string>
#include <utility>

#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

namespace spinzaro {
namespace {

// While the window is being opened, the process's error output goes to a
// memory file: the platform plugins and the libraries under them (libwayland
// among them) write there directly, not through Qt's message handler.
struct Start {
    std::mutex mutex;
    // Read without the lock by _exit(), which a child of a fork may call
    // while another thread of the parent held the lock.
    std::atomic<bool> running = false;
    std::atomic<pid_t> process = 0;
    bool applicationMade = false;
    bool displayNamed = false;  // on the command line
    int realError = -1;
    int heldOutput = -1;
    // Why the last platform tried failed, and the last warning since.
    std::string failedPlatform;
    std::string lastWarning;
    QtMessageHandler passOn = nullptr;
};

// Never destroyed: exit handlers may still look at it.
Start& start()
{
    static Start* const state = new Start;
    return *state;
}

// A text of the line in the desktop's language: no application holds a
// translation yet while it is being made.
QString startText(const char* text)
{
    return translateWithoutApplication("PlatformStart", text);
}

QString noDisplayHint(const Start& state)
{
    const bool none = std::getenv("DISPLAY") == nullptr && std::getenv("WAYLAND_DISPLAY") == nullptr &&
                      std::getenv("QT_QPA_PLATFORM") == nullptr && !state.displayNamed;
    return none ? startText(QT_TRANSLATE_NOOP("PlatformStart", " (neither DISPLAY nor WAYLAND_DISPLAY is set)"))
                : QString();
}

void sayCannotOpen(QString cause, const QString& hint)
{
    while (cause.endsWith(QLatin1Char('.')) || cause.endsWith(QLatin1Char('!')))
        cause.chop(1);
    QString line =
        startText(QT_TRANSLATE_NOOP("PlatformStart", "Spinzaro: cannot open a window: %1%2.")).arg(cause, hint);
    if (line.endsWith(QLatin1String("?.")))
        line.chop(1);
    std::fprintf(stderr, "%s\n", qPrintable(line));
    std::fflush(stderr);
}

// Standard error is the real one again; what was held back is shown or dropped.
void stopHolding(Start& state, bool show)
{
    std::fflush(stderr);
    if (state.realError < 0)
        return;
    ::dup2(state.realError, STDERR_FILENO);
    ::close(std::exchange(state.realError, -1));
    if (state.heldOutput < 0)
        return;
    ::lseek(state.heldOutput, 0, SEEK_SET);
    char buffer[4096];
    for (ssize_t got; show && (got = ::read(state.heldOutput, buffer, sizeof buffer)) > 0;)
        if (::write(STDERR_FILENO, buffer, static_cast<size_t>(got)) != got)
            break;
    ::close(std::exchange(state.heldOutput, -1));
}

// Under the lock. The reason is Qt's own where it gave one, but where it gave
// up after trying each platform in turn, the last platform's own complaint.
[[noreturn]] void endStart(Start& state, const QString& fatal)
{
    std::string cause;
    if (!state.applicationMade && !state.failedPlatform.empty())
        cause = state.failedPlatform;
    else if (!fatal.isEmpty())
        cause = fatal.section(QLatin1Char('\n'), 0, 0).trimmed().toStdString();
    else if (!state.lastWarning.empty())
        cause = state.lastWarning;
    stopHolding(state, false);
    sayCannotOpen(cause.empty() ? startText(QT_TRANSLATE_NOOP("PlatformStart", "the platform plugin ended the program"))
                                : QString::fromStdString(cause),
                  noDisplayHint(state));
    std::_Exit(1);
}

void noteStartMessage(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    Start& state = start();
    const std::lock_guard lock(state.mutex);
    if (type == QtFatalMsg)
        endStart(state, message);  // where Qt would abort with a core dump
    if (type == QtDebugMsg) {
        // Only shown when asked for (QT_DEBUG_PLUGINS, QT_LOGGING_RULES): the asker wants it now.
        const QByteArray line = qFormatLogMessage(type, context, message).toLocal8Bit() + '\n';
        [[maybe_unused]] const ssize_t written =
            ::write(state.realError, line.constData(), static_cast<size_t>(line.size()));
        return;
    }
    const std::string text = message.trimmed().toStdString();
    if (context.category != nullptr && std::strcmp(context.category, "qt.qpa.plugin") == 0) {
        state.failedPlatform = state.lastWarning.empty() ? text : state.lastWarning;
        state.lastWarning.clear();
    } else if (type == QtWarningMsg || type == QtCriticalMsg) {
        state.lastWarning = text;
    }
    state.passOn(type, context, message);  // into the held output
}

// Qt reads the factor as a number and passes over what is not one.
QString refusedScaleFactor()
{
    const QByteArray text = qgetenv("QT_SCALE_FACTOR");
    bool number = false;
    const double factor = text.toDouble(&number);
    if (text.isEmpty() || !number || (factor >= 0.25 && factor <= 16))
        return {};
    return startText(QT_TRANSLATE_NOOP("PlatformStart", "QT_SCALE_FACTOR=%1 is not a scale factor from 0.25 to 16"))
        .arg(QString::fromLocal8Bit(text));
}

bool namesDisplay(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "-platform" || argument == "--platform" || argument == "-display" || argument == "--display")
            return true;
    }
    return false;
}

void holdOutput(Start& state)
{
    std::fflush(stderr);
    state.heldOutput = ::memfd_create("spinzaro-start", MFD_CLOEXEC);
    state.realError = ::fcntl(STDERR_FILENO, F_DUPFD_CLOEXEC, 3);
    if (state.heldOutput >= 0 && state.realError >= 0)
        ::dup2(state.heldOutput, STDERR_FILENO);
}

}  // namespace

void keepStandardDescriptors()
{
    for (int descriptor = STDIN_FILENO; descriptor <= STDERR_FILENO; ++descriptor) {
        if (::fcntl(descriptor, F_GETFD) != -1 || errno != EBADF)
            continue;
        // The lower ones are open, so this takes the number that is free.
        const int opened = ::open("/dev/null", descriptor == STDIN_FILENO ? O_WRONLY : O_RDONLY);
        if (opened >= 0 && opened != descriptor) {
            ::dup2(opened, descriptor);
            ::close(opened);
        }
    }
}

std::unique_ptr<QApplication> startApplication(int& argc, char** argv)
{
    if (const QString refused = refusedScaleFactor(); !refused.isEmpty()) {
        sayCannotOpen(refused, {});
        return nullptr;
    }
    Start& state = start();
    {
        const std::lock_guard lock(state.mutex);
        state.running = true;
        state.process = ::getpid();
        state.displayNamed = namesDisplay(argc, argv);
        holdOutput(state);
        state.passOn = qInstallMessageHandler(noteStartMessage);
    }
    // Plugins that end the process with exit(): the X11 one when its connection breaks.
    static const bool watched = std::atexit(reportEndDuringStart) == 0;
    (void)watched;
    auto application = std::make_unique<QApplication>(argc, argv);
    const std::lock_guard lock(state.mutex);
    state.applicationMade = true;
    return application;
}

void finishStart()
{
    Start& state = start();
    const std::lock_guard lock(state.mutex);
    if (!state.running.exchange(false))
        return;
    qInstallMessageHandler(state.passOn);
    stopHolding(state, true);
}

void refuseStart(const QString& reason)
{
    Start& state = start();
    const std::lock_guard lock(state.mutex);
    state.running = false;
    qInstallMessageHandler(state.passOn);
    stopHolding(state, false);
    sayCannotOpen(reason, {});
}

void reportEndDuringStart()
{
    Start& state = start();
    if (!state.running || state.process != ::getpid())
        return;
    const std::lock_guard lock(state.mutex);
    if (state.running)
        endStart(state, {});
}

}  // namespace spinzaro
