// The interval timer of the window design.
#pragma once

#include <QTimer>

namespace spinzaro {

// An interval timer with the window's rules: enabling a running timer leaves
// its schedule alone (QTimer::start would restart it), and disabling drops
// every tick not yet delivered.
class WindowTimer : public QTimer {
    Q_OBJECT
public:
    WindowTimer(QObject* parent, int intervalMs);
    void setEnabled(bool enabled);
};

}  // namespace spinzaro
