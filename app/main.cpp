// Entry point: the application, its identity, the main window.
#include "display_check.h"
#include "form1.h"
#include "identity.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
    if (const auto problem = spinzaro::displayProblem()) {
        std::fprintf(stderr, "Spinzaro: %s.\n", problem->c_str());
        return 1;
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(spinzaro::identity::title));
    QApplication::setApplicationVersion(QString::fromUtf8(spinzaro::identity::version));

    spinzaro::Form1 window;
    QObject::connect(&window, &spinzaro::Form1::programEnded, &application, &QApplication::quit);
    window.show();
    return QApplication::exec();
}
