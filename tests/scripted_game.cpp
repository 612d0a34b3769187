// The game as the executable starts it, played by a script named in
// SPINZARO_SCRIPT, on a file system where looking at a wave takes
// SPINZARO_WAVE_DELAY seconds, as on a network share that hangs:
//   quit, close   a coin, then Quit or closing the window
//   descriptors   writes where descriptors 0, 1 and 2 lead, one a line, to
//                 the file SPINZARO_REPORT once the window is up, then quits
//   exit          calls exit() before the window is shown, as a platform
//                 plugin may while it opens the window
#include "form1.h"
#include "game_start.h"

#include <QFile>
#include <QPushButton>
#include <QTimer>

#include <cstdlib>
#include <string>

#include <dlfcn.h>
#include <sys/stat.h>
#include <unistd.h>

// The wave reader's stat(), which this executable's own definition takes.
extern "C" int stat(const char* path, struct stat* status)
{
    using Stat = int (*)(const char*, struct stat*);
    static const auto real = reinterpret_cast<Stat>(::dlsym(RTLD_NEXT, "stat"));
    const std::string name = path;
    if (const char* delay = std::getenv("SPINZARO_WAVE_DELAY"); delay != nullptr && name.ends_with(".wav")) {
        [[maybe_unused]] const ssize_t written = ::write(STDOUT_FILENO, "held up\n", 8);
        ::sleep(static_cast<unsigned>(std::atoi(delay)));
    }
    return real(path, status);
}

namespace spinzaro {
namespace {

void press(Form1& window, const char* name)
{
    window.findChild<QPushButton*>(QString::fromLatin1(name))->click();
}

void reportDescriptors()
{
    QFile report(qEnvironmentVariable("SPINZARO_REPORT"));
    if (!report.open(QIODevice::WriteOnly))
        return;
    for (int descriptor = 0; descriptor <= 2; ++descriptor)
        report.write(QFile::symLinkTarget(QStringLiteral("/proc/self/fd/%1").arg(descriptor)).toUtf8() + '\n');
}

void play(Form1& window, const QString& script)
{
    // Long enough for the start to finish and for the cue's thread to be
    // looking at its wave.
    constexpr int settleMs = 500;
    if (script == QLatin1String("descriptors")) {
        QTimer::singleShot(settleMs, &window, [&window] {
            reportDescriptors();
            press(window, "cmdQuit");
        });
        return;
    }
    press(window, "lbCoinSlot");
    QTimer::singleShot(settleMs, &window, [&window, script] {
        if (script == QLatin1String("close"))
            window.close();
        else
            press(window, "cmdQuit");
    });
}

}  // namespace
}  // namespace spinzaro

int main(int argc, char* argv[])
{
    return spinzaro::startGame(argc, argv, [](spinzaro::Form1& window) {
        if (qEnvironmentVariable("SPINZARO_SCRIPT") == QLatin1String("exit"))
            std::exit(3);
        QTimer::singleShot(0, &window, [&window] { spinzaro::play(window, qEnvironmentVariable("SPINZARO_SCRIPT")); });
    });
}
