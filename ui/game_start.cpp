// Starting the game as the executable does.
#include "game_start.h"

#include "command_line.h"
#include "cue_player.h"
#include "form1.h"
#include "identity.h"
#include "platform_start.h"
#include "translations.h"
#include "window_watch.h"

#include <QApplication>
#include <QImageReader>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

namespace spinzaro {
namespace {

int playGame(int argc, char* argv[], const std::function<void(Form1&)>& beforeShow)
{
    QtArguments arguments(argc, argv);
    const auto application = startApplication(arguments.count(), arguments.values());
    if (!application)
        return 1;
    installTranslation();
    QApplication::setApplicationName(QString::fromUtf8(identity::title));
    QApplication::setApplicationVersion(QString::fromUtf8(identity::version));
    // The menu entry's name: Wayland's app id and the end of the launch feedback.
    QGuiApplication::setDesktopFileName(QString::fromUtf8(identity::desktopFileName));
    // Every picture is drawn from its SVG source: without the plugin the game
    // would be played blind.
    if (!QImageReader::supportedImageFormats().contains("svg")) {
        refuseStart(
            QCoreApplication::translate("GameStart", "Qt's SVG image plugin, which draws the pictures, is missing"));
        return 1;
    }

    Form1 window;
    QObject::connect(&window, &Form1::programEnded, application.get(), &QApplication::quit);
    const DestroyedWindowWatch watch(window, [&window] { window.close(); });
    if (beforeShow)
        beforeShow(window);
    window.show();
    // Once the first events are through, the window is up.
    QTimer::singleShot(0, application.get(), &finishStart);
    const int status = QApplication::exec();
    finishStart();  // in case the game ended before
    return status;
}

}  // namespace

int startGame(int argc, char* argv[], const std::function<void(Form1&)>& beforeShow)
{
    keepStandardDescriptors();
    if (const auto status = answerCommandLine(argc, argv))
        return *status;
    const int status = playGame(argc, argv, beforeShow);
    // A cue's thread held up by its file: the process ends under it, without
    // the exit handlers it could meet (nothing of the game is saved).
    if (CuePlayer::threadsLeftRunning()) {
        std::fflush(nullptr);
        std::_Exit(status);
    }
    return status;
}

}  // namespace spinzaro
