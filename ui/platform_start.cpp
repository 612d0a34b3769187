// Opening the display: Qt chooses the platform; only its failure is ours.
#include "platform_start.h"

#include "translations.h"

#include <QString>

#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>

#include <sys/mman.h>
#include <unistd.h>

namespace spinzaro {
namespace {

// While the application is made, the process's error output goes to a
// memory file: the platform plugins and the libraries under them (libwayland
// among them) write there directly, not through Qt's message handler.
int realError = -1;
std::string firstMessage;
std::mutex messageMutex;
QtMessageHandler passOn = nullptr;

void restoreError()
{
    std::fflush(stderr);
    ::dup2(realError, STDERR_FILENO);
    ::close(realError);
    realError = -1;
}

// A text of the line in the desktop's language: no application holds a
// translation yet while it is being made.
QString startText(const char* text)
{
    return translateWithoutApplication("PlatformStart", text);
}

QString noDisplayHint()
{
    const bool none = std::getenv("DISPLAY") == nullptr && std::getenv("WAYLAND_DISPLAY") == nullptr &&
                      std::getenv("QT_QPA_PLATFORM") == nullptr;
    return none ? startText(QT_TRANSLATE_NOOP("PlatformStart", " (neither DISPLAY nor WAYLAND_DISPLAY is set)"))
                : QString();
}

void noteStartMessage(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    const std::lock_guard lock(messageMutex);
    if (type != QtFatalMsg) {
        if (firstMessage.empty())
            firstMessage = message.trimmed().toStdString();
        passOn(type, context, message);  // into the memory file, shown if all goes well
        return;
    }
    // Qt gives up on the platform and would abort with a core dump.
    restoreError();
    const std::string cause = firstMessage.empty() ? message.section('\n', 0, 0).toStdString() : firstMessage;
    const QString line = startText(QT_TRANSLATE_NOOP("PlatformStart", "Spinzaro: cannot open a window: %1%2."));
    std::fprintf(stderr, "%s\n", qPrintable(line.arg(QString::fromStdString(cause), noDisplayHint())));
    std::fflush(stderr);
    ::_exit(1);
}

void copyToError(int memoryFile)
{
    ::lseek(memoryFile, 0, SEEK_SET);
    char buffer[4096];
    for (ssize_t got; (got = ::read(memoryFile, buffer, sizeof buffer)) > 0;)
        if (::write(STDERR_FILENO, buffer, static_cast<size_t>(got)) != got)
            break;
}

}  // namespace

std::unique_ptr<QApplication> startApplication(int& argc, char** argv)
{
    std::fflush(stderr);
    const int memoryFile = ::memfd_create("spinzaro-start", MFD_CLOEXEC);
    if (memoryFile >= 0) {
        realError = ::dup(STDERR_FILENO);
        ::dup2(memoryFile, STDERR_FILENO);
    }
    passOn = qInstallMessageHandler(noteStartMessage);
    auto application = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(passOn);
    if (memoryFile >= 0) {
        restoreError();
        copyToError(memoryFile);
        ::close(memoryFile);
    }
    return application;
}

}  // namespace spinzaro
