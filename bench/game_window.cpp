// The real game window, started as app/main.cpp starts it, timed to its first frame.
#include "display_check.h"
#include "form1.h"
#include "identity.h"
#include "window_probe.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
    const spinzaro::bench::ProbeMode mode = spinzaro::bench::probeMode(argc, argv);
    // The game looks for a display before Qt starts; that is start-up time too.
    if (const auto problem = spinzaro::displayProblem()) {
        std::fprintf(stderr, "game_window: %s.\n", problem->c_str());
        return 1;
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(spinzaro::identity::title));
    QApplication::setApplicationVersion(QString::fromUtf8(spinzaro::identity::version));

    spinzaro::Form1 window;
    QObject::connect(&window, &spinzaro::Form1::programEnded, &application, &QApplication::quit);
    spinzaro::bench::FirstFrameProbe probe(window.canvas(), mode);
    window.show();
    return QApplication::exec();
}
