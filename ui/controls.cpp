// The window design's own widgets.
#include "controls.h"

#include <QPainter>
#include <qdrawutil.h>

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

void FlatButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().button());
    painter.setPen(Qt::black);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void BevelButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QPalette& colours = palette();
    constexpr int bevel = 2;
    qDrawShadePanel(&painter, rect(), colours, isDown(), bevel, &colours.button());
    painter.setFont(font());
    painter.setPen(colours.color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    const int sunk = isDown() ? 1 : 0;
    painter.drawText(rect().translated(sunk, sunk), Qt::AlignCenter | Qt::TextShowMnemonic, text());
    if (hasFocus()) {
        painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(bevel + 2, bevel + 2, -(bevel + 3), -(bevel + 3)));
    }
}

}  // namespace spinzaro
