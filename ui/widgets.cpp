// The window design's own widgets.
#include "widgets.h"

#include "design.h"

#include <qdrawutil.h>
#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>

#include <algorithm>
#include <cmath>

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

DesignLine::DesignLine(QWidget* parent, const QColor& colour, int width)
    : QWidget(parent), colour_(colour), width_(width)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void DesignLine::paintEvent(QPaintEvent*)
{
    // Asked of the painter, so the strip lands on whole pixels of whatever it
    // paints into: the window, or a grab of the widget alone.
    QPainter painter(this);
    const QTransform toDevice = painter.deviceTransform();
    const qreal scale = toDevice.m22();
    const qreal top = toDevice.map(QPointF(0, lineMargin)).y();
    const qreal rows = std::max(1.0, std::round(width_ * scale));
    painter.fillRect(QRectF(0, lineMargin + (std::round(top) - top) / scale, width(), rows / scale), colour_);
}

void FlatButton::paintEvent(QPaintEvent*)
{
    // Filled rather than stroked, so that the border is one logical pixel
    // wide at any scale.
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    painter.fillRect(rect().adjusted(1, 1, -1, -1), palette().button());
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
    if (hasFocus())
        drawFocusMark(painter, rect(), bevel + 2);
}

void PictureButton::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.state &= ~QStyle::State_HasFocus;
    painter.drawControl(QStyle::CE_PushButton, option);
    if (hasFocus())
        drawFocusMark(painter, rect(), 1);  // inside the style's outline
}

void drawFocusMark(QPainter& painter, const QRect& button, int inset)
{
    // Filled, so that it covers whole pixels at any scale.
    constexpr int width = 2;
    const QRect outer = button.adjusted(inset, inset, -inset, -inset);
    const QRect inner = outer.adjusted(width, width, -width, -width);
    QRegion ring(outer);
    ring -= QRegion(inner);
    painter.save();
    painter.setClipRegion(ring);
    painter.fillRect(outer, Qt::black);
    painter.restore();
}

}  // namespace spinzaro
