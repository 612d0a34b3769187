// The real game window, started as app/main.cpp starts it, timed to its first frame.
#include "form1.h"
#include "identity.h"
#include "platform_start.h"
#include "window_probe.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    const spinzaro::bench::ProbeMode mode = spinzaro::bench::probeMode(argc, argv);
    const auto application = spinzaro::startApplication(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(spinzaro::identity::title));
    QApplication::setApplicationVersion(QString::fromUtf8(spinzaro::identity::version));

    spinzaro::Form1 window;
    QObject::connect(&window, &spinzaro::Form1::programEnded, application.get(), &QApplication::quit);
    spinzaro::bench::FirstFrameProbe probe(window.canvas(), mode);
    window.show();
    return QApplication::exec();
}
