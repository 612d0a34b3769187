// Starting the game as the executable does.
#include "game_start.h"

#include "command_line.h"
#include "form1.h"
#include "identity.h"
#include "platform_start.h"
#include "translations.h"

#include <QApplication>

namespace spinzaro {

int startGame(int argc, char* argv[], const std::function<void(Form1&)>& beforeShow)
{
    if (const auto status = answerCommandLine(argc, argv))
        return *status;
    const auto application = startApplication(argc, argv);
    installTranslation();
    QApplication::setApplicationName(QString::fromUtf8(identity::title));
    QApplication::setApplicationVersion(QString::fromUtf8(identity::version));
    // The menu entry's name: Wayland's app id and the end of the launch feedback.
    QGuiApplication::setDesktopFileName(QString::fromUtf8(identity::desktopFileName));

    Form1 window;
    QObject::connect(&window, &Form1::programEnded, application.get(), &QApplication::quit);
    if (beforeShow)
        beforeShow(window);
    window.show();
    return QApplication::exec();
}

}  // namespace spinzaro
