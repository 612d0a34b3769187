// The window design's own widgets.
#include "controls.h"

#include <QPainter>

namespace spinzaro {

ReelWindow::ReelWindow(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ReelWindow::setPicture(const QPixmap* picture)
{
    picture_ = picture;
    if (picture_ != nullptr)
        resize(picture_->deviceIndependentSize().toSize());  // logical pixels, at any density
    update();
}

void ReelWindow::paintEvent(QPaintEvent*)
{
    if (picture_ == nullptr)
        return;
    QPainter painter(this);
    painter.drawPixmap(0, 0, *picture_);
}

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
