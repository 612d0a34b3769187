// The yardstick: a bare Qt main window whose client area is the game's size.
#include "window_probe.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[])
{
    const spinzaro::bench::ProbeMode mode = spinzaro::bench::probeMode(argc, argv);
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("bare_window"));

    QMainWindow window;
    auto* canvas = new QWidget(&window);
    window.setCentralWidget(canvas);
    // The game's client area: 5436 x 5508 twips at 12 twips a pixel.
    window.resize(453, 459);
    spinzaro::bench::FirstFrameProbe probe(canvas, mode);
    window.show();
    return QApplication::exec();
}
