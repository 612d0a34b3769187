// Starting the game as the executable does.
#include "game_start.h"

#include "form1.h"
#include "identity.h"
#include "platform_start.h"

#include <QApplication>

namespace spinzaro {

int startGame(int argc, char* argv[], const std::function<void(Form1&)>& beforeShow)
{
    const auto application = startApplication(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(identity::title));
    QApplication::setApplicationVersion(QString::fromUtf8(identity::version));

    Form1 window;
    QObject::connect(&window, &Form1::programEnded, application.get(), &QApplication::quit);
    if (beforeShow)
        beforeShow(window);
    window.show();
    return QApplication::exec();
}

}  // namespace spinzaro
