// The real game window, started as the executable starts it, timed to its first frame.
#include "form1.h"
#include "game_start.h"
#include "window_probe.h"

int main(int argc, char* argv[])
{
    const double mainMs = spinzaro::bench::msSinceProcessStart();
    return spinzaro::startGame(argc, argv, [mainMs](spinzaro::Form1& window) {
        // Owned by the window, so it goes before the application does.
        (new spinzaro::bench::FirstFrameProbe(window.canvas(), mainMs))->setParent(&window);
    });
}
