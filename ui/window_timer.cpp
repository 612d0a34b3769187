// The interval timer of the window design.
#include "window_timer.h"

namespace spinzaro {

WindowTimer::WindowTimer(QObject* parent, int intervalMs) : QTimer(parent)
{
    setInterval(intervalMs);
    // Precise timing keeps the reel chain close to three periods.
    setTimerType(Qt::PreciseTimer);
}

void WindowTimer::setEnabled(bool enabled)
{
    if (enabled && !isActive())
        start();
    else if (!enabled)
        stop();
}

}  // namespace spinzaro
