// Starting the game as the executable does.
#include "game_start.h"

#include "display_check.h"
#include "form1.h"
#include "identity.h"

#include <QApplication>

#include <cstdio>

namespace spinzaro {

int startGame(int argc, char* argv[], const std::function<void(Form1&)>& beforeShow)
{
    if (const auto problem = displayProblem()) {
        std::fprintf(stderr, "Spinzaro: %s.\n", problem->c_str());
        return 1;
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(identity::title));
    QApplication::setApplicationVersion(QString::fromUtf8(identity::version));

    Form1 window;
    QObject::connect(&window, &Form1::programEnded, &application, &QApplication::quit);
    if (beforeShow)
        beforeShow(window);
    window.show();
    return QApplication::exec();
}

}  // namespace spinzaro
