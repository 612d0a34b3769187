// The yardstick: a bare Qt main window whose client area is the game's size,
// showing one label in the game's font, the floor for any window with text.
#include "window_probe.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>

int main(int argc, char* argv[])
{
    const double mainMs = spinzaro::bench::msSinceProcessStart();
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("label_window"));

    QMainWindow window;
    auto* canvas = new QWidget(&window);
    window.setCentralWidget(canvas);
    auto* label = new QLabel(QStringLiteral("Winnings"), canvas);
    QFont font;
    font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
    font.setPixelSize(16);  // the game's 9.6 point headings at its 120 dpi
    font.setBold(true);
    label->setFont(font);
    // The game's client area: 5436 x 5508 twips at 12 twips a pixel.
    window.resize(453, 459);
    spinzaro::bench::FirstFrameProbe probe(canvas, mainMs);
    window.show();
    return QApplication::exec();
}
